#include "musiclist/Gb18030.h"

#include <algorithm>
#include <iterator>

namespace quavlet::musiclist {
namespace {

// Running number of the four-byte sequence 0x90 0x30 0x81 0x30, which stands for U+10000.
constexpr unsigned kFirstSupplementaryIndex = 189000;
constexpr unsigned kLastCodePoint = 0x10FFFF;

bool IsDigitByte(unsigned char byte) { return byte >= 0x30 && byte <= 0x39; }
bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

unsigned FourByteIndex(const unsigned char* bytes) {
  return (((bytes[0] - 0x81u) * 10 + (bytes[1] - 0x30u)) * 126 + (bytes[2] - 0x81u)) * 10 +
         (bytes[3] - 0x30u);
}

std::optional<unsigned> CodePointOfIndex(unsigned index) {
  if (index <= kGb18030LastBmpIndex) {
    // The last stretch that starts at or before the index.
    const auto after = std::upper_bound(
        std::begin(kGb18030Stretches), std::end(kGb18030Stretches), index,
        [](unsigned value, const Gb18030Stretch& stretch) { return value < stretch.index; });
    const Gb18030Stretch& stretch = *std::prev(after);
    return stretch.codePoint + (index - stretch.index);
  }
  if (index < kFirstSupplementaryIndex) return std::nullopt;
  const unsigned codePoint = 0x10000 + (index - kFirstSupplementaryIndex);
  if (codePoint > kLastCodePoint) return std::nullopt;
  return codePoint;
}

void AppendUtf16(std::wstring& text, unsigned codePoint) {
  if (codePoint < 0x10000) {
    text += static_cast<wchar_t>(codePoint);
    return;
  }
  codePoint -= 0x10000;
  text += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
  text += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
}

}  // namespace

std::optional<std::wstring> DecodeGb18030(std::string_view bytes, const GbkDecoder& decodeGbk) {
  std::wstring text;
  size_t runStart = 0;
  auto flushRun = [&](size_t end) {
    if (end == runStart) return true;
    const auto run = decodeGbk(bytes.substr(runStart, end - runStart));
    if (!run) return false;
    text += *run;
    return true;
  };
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  size_t position = 0;
  while (position < bytes.size()) {
    const unsigned char lead = data[position];
    if (lead < 0x80) {
      ++position;
      continue;
    }
    if (!IsLeadByte(lead) || position + 1 >= bytes.size()) return std::nullopt;
    if (!IsDigitByte(data[position + 1])) {
      position += 2;  // a two-byte character: part of the GBK run
      continue;
    }
    if (position + 3 >= bytes.size() || !IsLeadByte(data[position + 2]) ||
        !IsDigitByte(data[position + 3])) {
      return std::nullopt;
    }
    const auto codePoint = CodePointOfIndex(FourByteIndex(data + position));
    if (!codePoint || !flushRun(position)) return std::nullopt;
    AppendUtf16(text, *codePoint);
    position += 4;
    runStart = position;
  }
  if (!flushRun(position)) return std::nullopt;
  return text;
}

}  // namespace quavlet::musiclist
