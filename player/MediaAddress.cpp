#include "player/MediaAddress.h"

#include <cwctype>

namespace quavlet {

namespace {

bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::towlower(text[i]) != std::towlower(prefix[i])) return false;
  }
  return true;
}

constexpr size_t kLongestExtension = 4;  // "flac", "mpeg"... anything longer is no extension

}  // namespace

bool IsWebAddress(std::wstring_view address) {
  return StartsWithIgnoringCase(address, L"http://") || StartsWithIgnoringCase(address, L"https://");
}

std::wstring MediaFileExtension(std::wstring_view address) {
  std::wstring_view path = address.substr(0, address.find_first_of(L"?#"));
  const size_t scheme = path.find(L"://");
  if (scheme != std::wstring_view::npos) {
    path.remove_prefix(scheme + 3);
    const size_t firstSlash = path.find(L'/');
    path = firstSlash == std::wstring_view::npos ? std::wstring_view{} : path.substr(firstSlash);
  }
  const size_t segmentStart = path.find_last_of(L"/\\");
  const std::wstring_view segment = segmentStart == std::wstring_view::npos ? path : path.substr(segmentStart + 1);
  const size_t dot = segment.rfind(L'.');
  if (dot == std::wstring_view::npos || dot == 0) return L".tmp";
  const std::wstring_view extension = segment.substr(dot + 1);
  if (extension.empty() || extension.size() > kLongestExtension) return L".tmp";
  std::wstring result = L".";
  for (wchar_t letter : extension) {
    if (!std::iswalnum(letter) || letter > 0x7F) return L".tmp";
    result += static_cast<wchar_t>(std::towlower(letter));
  }
  return result;
}

}  // namespace quavlet
