#include "musiclist/HttpFetch.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <atomic>
#include <new>

#include "musiclist/ReplyDeadlineForTests.h"
#include "runtime/DelayLoad.h"

namespace quavlet::musiclist {
namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds; 0 while the built-in deadline holds.
std::atomic<long long> deadlineForTests{0};

std::optional<DWORD> QueryNumber(HINTERNET request, DWORD query) {
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (!HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) {
    return std::nullopt;
  }
  return value;
}

DWORD MillisecondsLeft(Clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return static_cast<DWORD>(std::clamp<long long>(left, 1, 24LL * 60 * 60 * 1000));
}

// No single wait on the network outlasts the deadline.
void LimitWaits(HINTERNET handle, Clock::time_point deadline, std::initializer_list<DWORD> options) {
  DWORD timeout = MillisecondsLeft(deadline);
  for (const DWORD option : options) InternetSetOptionW(handle, option, &timeout, sizeof(timeout));
}

std::optional<std::string> Receive(std::wstring_view address, Clock::time_point deadline,
                                   FetchCancellation& cancellation) {
  const auto timeIsUp = [&] { return cancellation.Cancelled() || Clock::now() >= deadline; };
  // WinINet loads at the first query; without it the query fails like a dead service.
  if (!runtime::DelayLoadable(L"wininet.dll", {"InternetOpenW", "InternetSetOptionW", "InternetOpenUrlW",
                                                "HttpQueryInfoW", "InternetQueryDataAvailable",
                                                "InternetReadFile", "InternetCloseHandle"})) {
    return std::nullopt;
  }
  const std::wstring url(address);
  if (!cancellation.Hold(InternetOpenW(L"Quavlet", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0))) {
    return std::nullopt;
  }
  const HINTERNET session = cancellation.Last();
  if (!session) return std::nullopt;
  LimitWaits(session, deadline,
             {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT});
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                      INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI |
                      INTERNET_FLAG_NO_COOKIES;
  if (!cancellation.Hold(InternetOpenUrlW(session, url.c_str(), nullptr, 0, flags, 0)) || timeIsUp()) {
    return std::nullopt;
  }
  const HINTERNET request = cancellation.Last();
  if (!request) return std::nullopt;

  const auto status = QueryNumber(request, HTTP_QUERY_STATUS_CODE);
  if (!status || *status < 200 || *status > 299) return std::nullopt;
  const auto announcedLength = QueryNumber(request, HTTP_QUERY_CONTENT_LENGTH);
  if (announcedLength && *announcedLength > kLargestReply) return std::nullopt;

  std::string body;
  if (announcedLength) body.reserve(*announcedLength);
  char buffer[64 * 1024];
  for (;;) {
    // A synchronous read waits until it has filled the buffer or the reply has ended, so only
    // what has come in is read: a reply that trickles in ends here soon after the deadline.
    if (timeIsUp()) return std::nullopt;
    LimitWaits(request, deadline, {INTERNET_OPTION_RECEIVE_TIMEOUT});
    DWORD available = 0;
    if (!InternetQueryDataAvailable(request, &available, 0, 0) || timeIsUp()) return std::nullopt;
    if (available == 0) break;  // the end of the reply
    DWORD read = 0;
    const DWORD wanted = std::min<DWORD>(available, sizeof(buffer));
    if (!InternetReadFile(request, buffer, wanted, &read)) return std::nullopt;
    if (read == 0) break;
    if (body.size() + read > kLargestReply) return std::nullopt;
    body.append(buffer, read);
  }
  if (announcedLength && body.size() != *announcedLength) return std::nullopt;
  return body;
}

}  // namespace

FetchCancellation::~FetchCancellation() { CloseAll(); }

void FetchCancellation::Cancel() noexcept {
  const std::lock_guard lock(mutex_);
  cancelled_ = true;
  while (held_ > 0) InternetCloseHandle(handles_[--held_]);
}

bool FetchCancellation::Cancelled() const noexcept {
  const std::lock_guard lock(mutex_);
  return cancelled_;
}

bool FetchCancellation::Hold(void* handle) noexcept {
  if (!handle) return false;
  const std::lock_guard lock(mutex_);
  if (cancelled_ || held_ == static_cast<int>(std::size(handles_))) {
    InternetCloseHandle(handle);
    return false;
  }
  handles_[held_++] = handle;
  return true;
}

void* FetchCancellation::Last() const noexcept {
  const std::lock_guard lock(mutex_);
  return cancelled_ || held_ == 0 ? nullptr : handles_[held_ - 1];
}

void FetchCancellation::CloseAll() noexcept {
  const std::lock_guard lock(mutex_);
  while (held_ > 0) InternetCloseHandle(handles_[--held_]);
}

void SetReplyDeadlineForTests(std::chrono::milliseconds deadline) {
  deadlineForTests = std::max<long long>(0, deadline.count());
}

std::chrono::milliseconds ReplyDeadline() {
  const long long shortened = deadlineForTests;
  return shortened > 0 ? std::chrono::milliseconds(shortened) : kReplyDeadline;
}

std::optional<std::string> FetchHttp(std::wstring_view address, FetchCancellation* cancellation) {
  return FetchHttp(address, ReplyDeadline(), cancellation);
}

std::optional<std::string> FetchHttp(std::wstring_view address, std::chrono::milliseconds deadline,
                                     FetchCancellation* cancellation) {
  FetchCancellation own;
  FetchCancellation& used = cancellation ? *cancellation : own;
  std::optional<std::string> body;
  try {
    body = Receive(address, Clock::now() + deadline, used);
  } catch (const std::bad_alloc&) {
    // A reply too large for the memory left is a failed fetch like any other.
  }
  used.CloseAll();
  return body;
}

}  // namespace quavlet::musiclist
