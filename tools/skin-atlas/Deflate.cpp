#include "tools/skin-atlas/Deflate.h"

#include <algorithm>
#include <array>

namespace quavlet::tools {
namespace {

constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kMaxDistance = 32768;

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                               33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                               1025, 1537, 2049, 3073, 4097, 6145,  8193,  12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class BitWriter {
 public:
  // Extra bits and header fields: least significant bit first.
  void Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1u);
  }
  // Huffman codes: most significant bit first.
  void Code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1u);
  }
  std::vector<std::uint8_t> Finish() {
    if (used_ != 0) bytes_.push_back(current_);
    return std::move(bytes_);
  }

 private:
  void Bit(std::uint32_t bit) {
    current_ = static_cast<std::uint8_t>(current_ | (bit << used_));
    if (++used_ == 8) {
      bytes_.push_back(current_);
      current_ = 0;
      used_ = 0;
    }
  }

  std::vector<std::uint8_t> bytes_;
  std::uint8_t current_ = 0;
  int used_ = 0;
};

// The fixed literal/length code of a symbol 0..287.
void PutSymbol(BitWriter& out, int symbol) {
  if (symbol <= 143) out.Code(0x30 + symbol, 8);
  else if (symbol <= 255) out.Code(0x190 + (symbol - 144), 9);
  else if (symbol <= 279) out.Code(symbol - 256, 7);
  else out.Code(0xC0 + (symbol - 280), 8);
}

void PutMatch(BitWriter& out, std::size_t length, std::size_t distance) {
  int lengthCode = 28;
  while (kLengthBase[lengthCode] > static_cast<int>(length)) --lengthCode;
  PutSymbol(out, 257 + lengthCode);
  out.Bits(static_cast<std::uint32_t>(length - kLengthBase[lengthCode]), kLengthExtra[lengthCode]);
  int distanceCode = 29;
  while (kDistanceBase[distanceCode] > static_cast<int>(distance)) --distanceCode;
  out.Code(static_cast<std::uint32_t>(distanceCode), 5);
  out.Bits(static_cast<std::uint32_t>(distance - kDistanceBase[distanceCode]), kDistanceExtra[distanceCode]);
}

std::size_t MatchLength(const std::vector<std::uint8_t>& data, std::size_t at, std::size_t distance) {
  if (distance == 0 || distance > at || distance > kMaxDistance) return 0;
  const std::size_t limit = std::min(kMaxMatch, data.size() - at);
  std::size_t length = 0;
  while (length < limit && data[at + length] == data[at + length - distance]) ++length;
  return length;
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
  std::uint32_t low = 1, high = 0;
  for (const std::uint8_t byte : data) {
    low = (low + byte) % 65521u;
    high = (high + low) % 65521u;
  }
  return (high << 16) | low;
}

}  // namespace

std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data, std::size_t pixelBytes,
                                       std::size_t rowBytes) {
  BitWriter out;
  out.Bits(1, 1);  // the final block
  out.Bits(1, 2);  // fixed Huffman codes
  for (std::size_t at = 0; at < data.size();) {
    std::size_t bestLength = 0, bestDistance = 0;
    for (const std::size_t distance : {pixelBytes, rowBytes}) {
      const std::size_t length = MatchLength(data, at, distance);
      if (length > bestLength) {
        bestLength = length;
        bestDistance = distance;
      }
    }
    if (bestLength >= kMinMatch) {
      PutMatch(out, bestLength, bestDistance);
      at += bestLength;
    } else {
      PutSymbol(out, data[at]);
      ++at;
    }
  }
  PutSymbol(out, 256);  // end of block

  std::vector<std::uint8_t> stream = {0x78, 0x01};
  const std::vector<std::uint8_t> deflated = out.Finish();
  stream.insert(stream.end(), deflated.begin(), deflated.end());
  const std::uint32_t check = Adler32(data);
  for (int shift = 24; shift >= 0; shift -= 8) stream.push_back(static_cast<std::uint8_t>(check >> shift));
  return stream;
}

}  // namespace quavlet::tools
