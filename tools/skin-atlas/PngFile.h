#pragma once

// A minimal PNG writer: 8-bit RGB, no filtering.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quavlet::tools {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, row by row

  RgbImage(int imageWidth, int imageHeight, std::uint32_t fill);
  // colour as 0x00RRGGBB
  void Fill(int x, int y, int boxWidth, int boxHeight, std::uint32_t colour);
};

// The PNG file's bytes.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);

// Writes the image; false when the file cannot be written.
bool WritePng(const std::filesystem::path& path, const RgbImage& image);

}  // namespace quavlet::tools
