#pragma once

// Records what a skinned button shows through a hover fade: after every step of its fade timer
// the button's window is read back into a picture, so the frames are exactly what the engine
// drew, whatever the speed of the machine (skin-gallery --live --record-fade <folder>).

#include <windows.h>

#include <string>

namespace quavlet::tools {

// Moves the pointer onto the button, records the hot fade, moves the pointer away, records the
// fade back to normal. Frames are written as in-NNN.bmp and out-NNN.bmp, NNN the timer step.
void RecordHoverFade(HWND button, const std::wstring& folder);

}  // namespace quavlet::tools
