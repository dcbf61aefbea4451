#pragma once

// Turns the bytes of a reply into text by the encoding they declare.

#include <optional>
#include <string>
#include <string_view>

namespace quavlet::musiclist {

// The reply's text, or nothing when its encoding is unknown or its bytes are not valid in it.
std::optional<std::wstring> DecodeReply(std::string_view bytes);

}  // namespace quavlet::musiclist
