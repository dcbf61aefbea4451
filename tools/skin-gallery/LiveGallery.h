#pragma once

// The live gallery: a form with the program's kinds of control that the skin engine takes over as
// it takes over the main window, so the hover fades, presses, drop-downs and message boxes can be
// tried by hand (skin-gallery --live).

#include <string>

namespace quavlet::tools {

inline constexpr wchar_t kLiveGalleryTitle[] = L"Quavlet skin gallery, live";

// Shows the window and runs its message loop until it is closed; returns the exit code. With a
// folder, records a hover fade of its first button there and closes by itself.
int RunLiveGallery(const std::wstring& fadeFolder = {});

}  // namespace quavlet::tools
