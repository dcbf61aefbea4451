#pragma once

// The skin engine: hand it a window and it draws that window's controls (and the window's
// later dialogs, message boxes and drop-down lists) in the program's own style, with hover,
// press and fade, until the window is handed back or destroyed.

#include <windows.h>

#include <cstdint>

namespace quavlet::skin {

// Takes the window and every window below it over. 1 when this call took the window over, 0
// when it was null or already skinned. The first call of the process (even with a null handle)
// starts the engine: it probes for mouse-leave tracking and builds the skin bitmaps.
std::int32_t AttachSkin(HWND window);

// Gives the window and every skinned window below it back. 1 when the window was skinned and has
// been given back, 0 otherwise. When the last skinned window is given back, the engine stops and
// frees its skin bitmaps.
std::int32_t DetachSkin(HWND window);

}  // namespace quavlet::skin
