#pragma once

// The maker's web site, as the program names it to the user.

#include <string>
#include <string_view>

namespace quavlet {

inline constexpr std::wstring_view kMakerName = L"Brindlebox";
inline constexpr std::wstring_view kSiteHost = L"www.brindlebox.example";

// "http://" + host + "/": the address the desktop shortcut points at.
inline std::wstring SiteAddress() { return L"http://" + std::wstring(kSiteHost) + L"/"; }

}  // namespace quavlet
