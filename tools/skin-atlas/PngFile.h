#pragma once

// A picture of 8-bit RGB pixels, written to a PNG file by the platform's encoder (WIC).

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quavlet::tools {

struct RgbImage {
  int width = 0;
  int height = 0;
  // width * height * 3 bytes, row by row, each pixel blue, green, red: the order of WIC's
  // 24bpp BGR format, so the rows go to the encoder as they are.
  std::vector<std::uint8_t> bgr;

  RgbImage(int imageWidth, int imageHeight, std::uint32_t fill);
  // colour as 0x00RRGGBB
  void Fill(int x, int y, int boxWidth, int boxHeight, std::uint32_t colour);
};

// Writes the image as an 8-bit RGB PNG; false when it cannot be encoded or written. COM must be
// initialised on the calling thread.
bool WritePng(const std::filesystem::path& path, const RgbImage& image);

}  // namespace quavlet::tools
