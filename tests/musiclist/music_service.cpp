#include "tests/musiclist/music_service.h"

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <thread>

#include "musiclist/HttpFetch.h"
#include "musiclist/MusicRequest.h"

namespace quavlet::test {

std::wstring ServiceHost() { return musiclist::MusicServiceHost(_wgetenv(L"QUAVLET_MUSIC_HOST")); }

std::wstring RequestFor(std::wstring_view typedNumber) {
  return musiclist::BuildRequestAddress(ServiceHost(), typedNumber);
}

std::wstring LastRequestTarget() {
  // Asked from a thread of its own, as the program fetches: WinINet on the window's thread is
  // no path of the program's.
  std::optional<std::string> body;
  std::thread([&] { body = musiclist::FetchHttp(L"http://" + ServiceHost() + L"/last-request"); }).join();
  if (!body || body->empty()) return L"";
  const int size = static_cast<int>(body->size());
  std::wstring text(static_cast<size_t>(size), L'\0');
  text.resize(static_cast<size_t>(
      MultiByteToWideChar(CP_UTF8, 0, body->data(), size, text.data(), size)));
  return text;
}

std::wstring ExpectedTarget(std::wstring_view typedNumber) {
  const std::wstring address = RequestFor(typedNumber);
  const std::wstring prefix = L"http://" + ServiceHost();
  return address.substr(prefix.size());
}

}  // namespace quavlet::test
