#include "musiclist/MusicRequest.h"

namespace quavlet::musiclist {

std::wstring MusicServiceHost(const wchar_t* environmentValue) {
  std::wstring_view value = environmentValue ? environmentValue : L"";
  const auto first = value.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return std::wstring(kDefaultMusicHost);
  const auto last = value.find_last_not_of(L" \t");
  return std::wstring(value.substr(first, last - first + 1));
}

std::wstring BuildRequestAddress(std::wstring_view host, std::wstring_view typedText) {
  std::wstring address = L"http://";
  address += host;
  address += L"/fcg-bin/fcgi_agent_zhenghe.fcg?UIN=";
  address += typedText;
  address += L"&TYPE=16&PAGE_START=1&PAGE_END=10000&SELECT_FLAG=1";
  return address;
}

}  // namespace quavlet::musiclist
