#pragma once

// The maker's web site, as the program names it to the user.

#include <string>
#include <string_view>

namespace quavlet::windows {

inline constexpr std::wstring_view kMakerName = L"Brindlebox";
// Short enough for the About window's site line to fit its width.
inline constexpr std::wstring_view kSiteHost = L"brindlebox.example";

// "http://" + host + "/": the address the desktop shortcut points at.
inline std::wstring SiteAddress() { return L"http://" + std::wstring(kSiteHost) + L"/"; }

}  // namespace quavlet::windows
