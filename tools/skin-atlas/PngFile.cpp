#include "tools/skin-atlas/PngFile.h"

#include "tools/skin-atlas/Deflate.h"

#include <algorithm>
#include <fstream>
#include <string_view>

namespace quavlet::tools {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutBigEndian(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutChunk(Bytes& out, std::string_view type, const Bytes& body) {
  PutBigEndian(out, static_cast<std::uint32_t>(body.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), body.begin(), body.end());
  PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace

RgbImage::RgbImage(int imageWidth, int imageHeight, std::uint32_t fill)
    : width(imageWidth), height(imageHeight), rgb(static_cast<std::size_t>(imageWidth * imageHeight * 3)) {
  Fill(0, 0, width, height, fill);
}

void RgbImage::Fill(int x, int y, int boxWidth, int boxHeight, std::uint32_t colour) {
  for (int row = std::max(0, y); row < std::min(height, y + boxHeight); ++row) {
    for (int column = std::max(0, x); column < std::min(width, x + boxWidth); ++column) {
      const std::size_t at = static_cast<std::size_t>((row * width + column) * 3);
      rgb[at] = static_cast<std::uint8_t>(colour >> 16);
      rgb[at + 1] = static_cast<std::uint8_t>(colour >> 8);
      rgb[at + 2] = static_cast<std::uint8_t>(colour);
    }
  }
}

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  PutBigEndian(header, static_cast<std::uint32_t>(image.width));
  PutBigEndian(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, no interlace
  PutChunk(out, "IHDR", header);

  Bytes scanlines;
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
  for (int y = 0; y < image.height; ++y) {
    scanlines.push_back(0);  // no filter
    const auto row = image.rgb.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
    scanlines.insert(scanlines.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
  }
  PutChunk(out, "IDAT", ZlibCompress(scanlines, 3, rowBytes + 1));
  PutChunk(out, "IEND", {});
  return out;
}

bool WritePng(const std::filesystem::path& path, const RgbImage& image) {
  const Bytes bytes = EncodePng(image);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace quavlet::tools
