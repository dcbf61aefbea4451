#pragma once

// Fetches a reply over HTTP into memory, for the XML document object to parse.

#include <optional>
#include <string>
#include <string_view>

namespace quavlet {

// Replies larger than this are refused rather than exhausting memory.
inline constexpr size_t kLargestReply = 64 * 1024 * 1024;

// The body of a GET of the address, or nothing when the fetch failed: no connection, a status
// other than 2xx, a body shorter than announced (connection closed mid-reply) or larger than
// kLargestReply. Always asks the server, never a cached copy. Blocks until done.
std::optional<std::string> FetchHttp(std::wstring_view address);

}  // namespace quavlet
