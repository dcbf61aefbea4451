#pragma once

// Fetches a reply over HTTP into memory, for the XML document object to parse.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quavlet {

// Replies larger than this are refused rather than exhausting memory. A reply is held several
// times over while it loads (the bytes, the text in UTF-16, the parser's copy, the index, the
// parser's document), so the cap keeps the whole load well inside a 32-bit process. 40,000
// songs of 800 bytes each still fit: the service's songs take about 270 bytes each, an
// address full of character references perhaps three times that.
inline constexpr size_t kLargestReply = 32 * 1024 * 1024;

// How long the whole reply may take to arrive, from the request on. The query waits for it
// with the window unresponsive, so a service that trickles must not hold the window longer.
inline constexpr std::chrono::milliseconds kReplyDeadline = std::chrono::seconds(60);

// The body of a GET of the address, or nothing when the fetch failed: no connection, a status
// other than 2xx, a body shorter than announced (connection closed mid-reply) or larger than
// kLargestReply, not all of it there within the deadline, or no memory to hold it. Always asks
// the server, never a cached copy. Blocks until done, at most about the deadline.
std::optional<std::string> FetchHttp(std::wstring_view address, std::chrono::milliseconds deadline);

// The same, within the deadline in force: kReplyDeadline unless a test has shortened it.
std::optional<std::string> FetchHttp(std::wstring_view address);

}  // namespace quavlet
