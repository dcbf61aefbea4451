#pragma once

// The clipboard as text.

#include <string>
#include <string_view>

namespace quavlet::runtime::clipboard {

// Empties the clipboard; false when it could not be opened.
bool Clear();
// Puts the text on the clipboard as Unicode text, replacing what was there.
bool SetText(std::wstring_view text);
// The clipboard's Unicode text, empty when it holds none.
std::wstring GetText();

}  // namespace quavlet::runtime::clipboard
