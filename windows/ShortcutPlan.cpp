#include "windows/ShortcutPlan.h"

namespace quavlet::windows {

namespace {
constexpr std::wstring_view kSectionLine = L"[InternetShortcut]";
constexpr std::wstring_view kUrlKey = L"URL=";
constexpr std::wstring_view kLineEnd = L"\r\n";
constexpr std::wstring_view kHomeDesktopName = L"\\\u684C\u9762";  // "\桌面"
constexpr std::wstring_view kFileName = L"Brindlebox.url";
}  // namespace

std::wstring ShortcutContent(std::wstring_view siteAddress) {
  std::wstring content;
  content.append(kSectionLine).append(kLineEnd);
  content.append(kUrlKey).append(siteAddress).append(kLineEnd);
  return content;
}

std::wstring HomeDesktopFolder(const std::optional<std::wstring>& homePath) {
  std::wstring folder = homePath.value_or(std::wstring{});
  // A home at a drive's root reads "\"; a doubled separator would make a network path of it.
  if (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  return folder.append(kHomeDesktopName);
}

std::wstring ShortcutFileIn(std::wstring_view folder) {
  std::wstring path{folder};
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  return path.append(kFileName);
}

std::vector<std::wstring> ShortcutTargets(const ShortcutPlaces& places) {
  std::vector<std::wstring> targets;
  if (places.homeDesktopExists) targets.push_back(ShortcutFileIn(HomeDesktopFolder(places.homePath)));
  if (!places.shellDesktop.empty()) {
    std::wstring shellTarget = ShortcutFileIn(places.shellDesktop);
    if (targets.empty() || targets.front() != shellTarget) targets.push_back(std::move(shellTarget));
  }
  return targets;
}

}  // namespace quavlet::windows
