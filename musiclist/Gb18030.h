#pragma once

// GB18030 text, for platforms whose code page 54936 is missing (Wine): the one- and two-byte
// characters are GBK's, decoded by the caller's GBK decoder; the four-byte sequences are
// decoded here.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quavlet::musiclist {

// A stretch of consecutive four-byte sequences (by their running number) that stand for
// consecutive BMP code points.
struct Gb18030Stretch {
  unsigned index;
  unsigned codePoint;
};
inline constexpr size_t kGb18030StretchCount = 206;
inline constexpr unsigned kGb18030LastBmpIndex = 39419;
extern const Gb18030Stretch kGb18030Stretches[kGb18030StretchCount];

// Decodes one run of GBK bytes (one- and two-byte characters); empty result when invalid.
using GbkDecoder = std::function<std::optional<std::wstring>(std::string_view)>;

// The text as UTF-16 code units (characters beyond the BMP as surrogate pairs); empty result
// when the bytes are not valid GB18030.
std::optional<std::wstring> DecodeGb18030(std::string_view bytes, const GbkDecoder& decodeGbk);

}  // namespace quavlet::musiclist
