#include "musiclist/HttpFetch.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "musiclist/ReplyDeadlineForTests.h"
#include "runtime/DelayLoad.h"

namespace quavlet {
namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds; 0 while the built-in deadline holds.
std::atomic<long long> deadlineForTests{0};

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

// One fetch, shared by the caller and the thread that receives it. The caller stops waiting
// at the deadline; the thread then gives up at its next step.
struct Fetch {
  std::wstring url;
  Clock::time_point deadline;
  std::atomic<bool> abandoned{false};
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  std::optional<std::string> body;

  bool TimeIsUp() const { return abandoned || Clock::now() >= deadline; }
  DWORD MillisecondsLeft() const {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<DWORD>(std::clamp<long long>(left, 1, 24LL * 60 * 60 * 1000));
  }
};

std::optional<std::string> Receive(const Fetch& fetch) {
  // WinINet loads at the first query; without it the query fails like a dead service.
  if (!runtime::DelayLoadable(L"wininet.dll", {"InternetOpenW", "InternetSetOptionW", "InternetOpenUrlW",
                                                "HttpQueryInfoW", "InternetReadFile", "InternetCloseHandle"})) {
    return std::nullopt;
  }
  const InternetHandle session(
      InternetOpenW(L"Quavlet", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return std::nullopt;
  // No single wait on the network outlasts the deadline either, so a service that goes
  // silent cannot keep this thread once the caller has stopped waiting.
  DWORD timeout = fetch.MillisecondsLeft();
  for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                             INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    InternetSetOptionW(session.get(), option, &timeout, sizeof(timeout));
  }
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                      INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI |
                      INTERNET_FLAG_NO_COOKIES;
  const InternetHandle request(
      InternetOpenUrlW(session.get(), fetch.url.c_str(), nullptr, 0, flags, 0));
  if (!request || fetch.TimeIsUp()) return std::nullopt;

  const auto status = QueryNumber(request.get(), HTTP_QUERY_STATUS_CODE);
  if (!status || *status < 200 || *status > 299) return std::nullopt;
  const auto announcedLength = QueryNumber(request.get(), HTTP_QUERY_CONTENT_LENGTH);
  if (announcedLength && *announcedLength > kLargestReply) return std::nullopt;

  std::string body;
  if (announcedLength) body.reserve(*announcedLength);
  char buffer[64 * 1024];
  for (;;) {
    // A read returns what has come in; the clock is looked at after each one, so a reply that
    // trickles in ends here soon after the caller has stopped waiting for it.
    DWORD read = 0;
    if (!InternetReadFile(request.get(), buffer, sizeof(buffer), &read)) return std::nullopt;
    if (fetch.TimeIsUp()) return std::nullopt;
    if (read == 0) break;
    if (body.size() + read > kLargestReply) return std::nullopt;
    body.append(buffer, read);
  }
  if (announcedLength && body.size() != *announcedLength) return std::nullopt;
  return body;
}

void Run(const std::shared_ptr<Fetch>& fetch) {
  std::optional<std::string> body;
  try {
    body = Receive(*fetch);
  } catch (const std::bad_alloc&) {
    // A reply too large for the memory left is a failed fetch like any other.
  }
  {
    std::lock_guard lock(fetch->mutex);
    fetch->body = std::move(body);
    fetch->done = true;
  }
  fetch->finished.notify_all();
}

}  // namespace

void SetReplyDeadlineForTests(std::chrono::milliseconds deadline) {
  deadlineForTests = std::max<long long>(0, deadline.count());
}

std::optional<std::string> FetchHttp(std::wstring_view address) {
  const long long shortened = deadlineForTests;
  return FetchHttp(address, shortened > 0 ? std::chrono::milliseconds(shortened) : kReplyDeadline);
}

std::optional<std::string> FetchHttp(std::wstring_view address, std::chrono::milliseconds deadline) {
  auto fetch = std::make_shared<Fetch>();
  fetch->url = address;
  fetch->deadline = Clock::now() + deadline;
  // The reply is received on a thread of its own so that the wait for it can end at the
  // deadline whatever WinINet is blocked in (a header or a body that trickles in).
  std::thread receiver;
  try {
    receiver = std::thread(Run, fetch);
  } catch (const std::system_error&) {
    Run(fetch);  // no thread to be had: received here, each step still minding the deadline
    return std::move(fetch->body);
  }
  std::unique_lock lock(fetch->mutex);
  if (!fetch->finished.wait_until(lock, fetch->deadline, [&] { return fetch->done; })) {
    fetch->abandoned = true;
    lock.unlock();
    // It gives up at its next step, at the latest when its network timeouts run out; it
    // holds its own share of the fetch until then.
    receiver.detach();
    return std::nullopt;
  }
  lock.unlock();
  receiver.join();
  return std::move(fetch->body);
}

}  // namespace quavlet
