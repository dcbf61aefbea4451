#pragma once

// Fetches a reply over HTTP into memory, for the XML document object to parse.

#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace quavlet::musiclist {

// Replies larger than this are refused rather than exhausting memory. A reply is held several
// times over while it loads (the bytes, the text in UTF-16, the parser's copy, the index, the
// parser's document), so the cap keeps the whole load well inside a 32-bit process. 40,000
// songs of 800 bytes each still fit: the service's songs take about 270 bytes each, an
// address full of character references perhaps three times that.
inline constexpr size_t kLargestReply = 32 * 1024 * 1024;

// How long the whole reply may take to arrive, from the request on: a service that trickles
// must not keep a query, its thread and its connection for longer.
inline constexpr std::chrono::milliseconds kReplyDeadline = std::chrono::seconds(60);

// The deadline in force: kReplyDeadline unless a test has shortened it.
std::chrono::milliseconds ReplyDeadline();

// Lets one thread give up a fetch that another thread is blocked in. WinINet ends a blocking
// call on a handle when another thread closes that handle, so Cancel closes the fetch's
// handles; every later step of the fetch then fails at once. A fetch closes what it holds
// itself when it ends, whichever comes first.
class FetchCancellation {
 public:
  FetchCancellation() = default;
  ~FetchCancellation();
  FetchCancellation(const FetchCancellation&) = delete;
  FetchCancellation& operator=(const FetchCancellation&) = delete;

  void Cancel() noexcept;
  bool Cancelled() const noexcept;

  // For the fetch: takes a WinINet handle into its keeping; false (the handle closed) once
  // cancelled.
  bool Hold(void* handle) noexcept;
  // For the fetch: the handle held last, or null once cancelled. Only the fetch's own thread
  // uses it, between its checks.
  void* Last() const noexcept;
  // For the fetch: closes what it holds, newest first.
  void CloseAll() noexcept;

 private:
  mutable std::mutex mutex_;
  bool cancelled_ = false;
  void* handles_[2] = {};
  int held_ = 0;
};

// The body of a GET of the address, or nothing when the fetch failed: no connection, a status
// other than 2xx, a body shorter than announced (connection closed mid-reply) or larger than
// kLargestReply, not all of it there within the deadline, cancelled, or no memory to hold it.
// Always asks the server, never a cached copy. Runs on the calling thread, reading only what
// has come in and looking at the clock after each piece, so it ends soon after the deadline
// (at the latest when a single wait on the network, bounded by the time left, runs out) or
// as soon as another thread cancels it.
std::optional<std::string> FetchHttp(std::wstring_view address, std::chrono::milliseconds deadline,
                                     FetchCancellation* cancellation = nullptr);

// The same, within the deadline in force.
std::optional<std::string> FetchHttp(std::wstring_view address,
                                     FetchCancellation* cancellation = nullptr);

}  // namespace quavlet::musiclist
