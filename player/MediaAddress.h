#pragma once

// What our own player needs to know of a song's address before it opens it.

#include <string>
#include <string_view>

namespace quavlet::player {

// Whether a song's address may go to a player at all: an http, https, mms or rtsp address
// (any letter case) naming a host. Addresses come from the network, and players open anything
// else (a plain path, \\host\share, file://) as a file: a reply could make the program read
// local files or connect to a share, handing it the user's credentials.
bool IsPlayableAddress(std::wstring_view address);

// Why an address was refused, for the status line: it is empty, or of another kind.
std::wstring_view RefusalReason(std::wstring_view address);

// True for http:// and https:// addresses (any letter case): those are fetched to a local
// file first, since the media framework plays local files only.
bool IsWebAddress(std::wstring_view address);

// The extension of the address's last path segment, dot included and lower-cased (".wav"),
// so the local copy is recognised by its name too; ".tmp" when there is no plausible one.
std::wstring MediaFileExtension(std::wstring_view address);

}  // namespace quavlet::player
