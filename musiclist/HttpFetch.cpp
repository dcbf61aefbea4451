#include "musiclist/HttpFetch.h"

#include <windows.h>
#include <wininet.h>

#include <memory>

namespace quavlet {
namespace {

struct InternetHandleCloser {
  void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, InternetHandleCloser>;

std::optional<DWORD> QueryNumber(HINTERNET request, DWORD query) {
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (!HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::string> FetchHttp(std::wstring_view address) {
  const InternetHandle session(
      InternetOpenW(L"Quavlet", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return std::nullopt;
  const std::wstring url(address);
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                      INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI |
                      INTERNET_FLAG_NO_COOKIES;
  const InternetHandle request(
      InternetOpenUrlW(session.get(), url.c_str(), nullptr, 0, flags, 0));
  if (!request) return std::nullopt;

  const auto status = QueryNumber(request.get(), HTTP_QUERY_STATUS_CODE);
  if (!status || *status < 200 || *status > 299) return std::nullopt;
  const auto announcedLength = QueryNumber(request.get(), HTTP_QUERY_CONTENT_LENGTH);
  if (announcedLength && *announcedLength > kLargestReply) return std::nullopt;

  std::string body;
  if (announcedLength) body.reserve(*announcedLength);
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(request.get(), buffer, sizeof(buffer), &read)) return std::nullopt;
    if (read == 0) break;
    if (body.size() + read > kLargestReply) return std::nullopt;
    body.append(buffer, read);
  }
  if (announcedLength && body.size() != *announcedLength) return std::nullopt;
  return body;
}

}  // namespace quavlet
