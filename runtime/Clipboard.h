#pragma once

// The clipboard as text.

#include <windows.h>

#include <string>
#include <string_view>

namespace quavlet::runtime::clipboard {

// Empties the clipboard and makes the window its owner; false when it could not be opened.
bool Clear(HWND owner);
// Puts the text on the clipboard as Unicode text, replacing what was there; the window becomes
// the clipboard's owner (Windows takes no data for a clipboard without one).
bool SetText(HWND owner, std::wstring_view text);
// The clipboard's Unicode text, empty when it holds none.
std::wstring GetText();

}  // namespace quavlet::runtime::clipboard
