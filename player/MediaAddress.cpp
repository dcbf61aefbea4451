#include "player/MediaAddress.h"

#include <cwctype>

namespace quavlet::player {

namespace {

bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::towlower(text[i]) != std::towlower(prefix[i])) return false;
  }
  return true;
}

bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view other) {
  return text.size() == other.size() && StartsWithIgnoringCase(text, other);
}

constexpr std::wstring_view kPlayableSchemes[] = {L"http", L"https", L"mms", L"rtsp"};

constexpr size_t kLongestExtension = 4;  // "flac", "mpeg"... anything longer is no extension

}  // namespace

bool IsPlayableAddress(std::wstring_view address) {
  // Control characters have no place in an address; some layers would cut it at a NUL.
  for (wchar_t letter : address) {
    if (letter < 0x20 || letter == 0x7F) return false;
  }
  const size_t colon = address.find(L':');
  if (colon == std::wstring_view::npos) return false;
  const std::wstring_view scheme = address.substr(0, colon);
  bool known = false;
  for (std::wstring_view playable : kPlayableSchemes) known = known || EqualsIgnoringCase(scheme, playable);
  if (!known) return false;
  std::wstring_view rest = address.substr(colon + 1);
  if (!rest.starts_with(L"//")) return false;
  rest.remove_prefix(2);
  // The host part: not empty, and no backslash that a layer might read as a share path.
  const std::wstring_view host = rest.substr(0, rest.find_first_of(L"/?#"));
  return !host.empty() && host.find(L'\\') == std::wstring_view::npos;
}

std::wstring_view RefusalReason(std::wstring_view address) {
  return address.empty() ? L"地址为空" : L"只能播放 http、https、mms 或 rtsp 网址";
}

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

}  // namespace quavlet::player
