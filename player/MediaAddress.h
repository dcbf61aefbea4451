#pragma once

// What our own player needs to know of a song's address before it opens it.

#include <string>
#include <string_view>

namespace quavlet {

// True for http:// and https:// addresses (any letter case): those are fetched to a local
// file first, since the media framework plays local files only.
bool IsWebAddress(std::wstring_view address);

// The extension of the address's last path segment, dot included and lower-cased (".wav"),
// so the local copy is recognised by its name too; ".tmp" when there is no plausible one.
std::wstring MediaFileExtension(std::wstring_view address);

}  // namespace quavlet
