#pragma once

// The music list request: which service to ask and the address of one user's list.

#include <string>
#include <string_view>

namespace quavlet::musiclist {

// The local demo music list service, used unless QUAVLET_MUSIC_HOST names another.
inline constexpr std::wstring_view kDefaultMusicHost = L"127.0.0.1:18080";
inline constexpr std::wstring_view kMusicHostVariable = L"QUAVLET_MUSIC_HOST";

// The host (or host:port) to ask: the environment's value when it names one, else the default.
// Surrounding blanks are dropped; a value of blanks only counts as absent.
std::wstring MusicServiceHost(const wchar_t* environmentValue);

// "http://" + host + the service's path + the QQ text exactly as typed + the fixed query keys.
// Nothing is escaped, trimmed or rebuilt from the number read.
std::wstring BuildRequestAddress(std::wstring_view host, std::wstring_view typedText);

}  // namespace quavlet::musiclist
