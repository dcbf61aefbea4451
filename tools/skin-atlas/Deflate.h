#pragma once

// A small zlib compressor: one fixed-Huffman deflate block whose matches repeat the previous
// pixel or the pixel above. Pictures of flat magnified blocks shrink well with it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quavlet::tools {

// data compressed as a zlib stream; pixelBytes and rowBytes give the two match distances.
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data, std::size_t pixelBytes,
                                       std::size_t rowBytes);

}  // namespace quavlet::tools
