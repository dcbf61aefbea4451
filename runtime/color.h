#pragma once

// Colours are Win32 COLORREF values written 0x00BBGGRR: red in the low byte.
#include <cstdint>

namespace quavlet {

using Color = std::uint32_t;

constexpr Color ColorFromRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) | (static_cast<Color>(blue) << 16);
}
constexpr std::uint8_t RedOf(Color color) { return static_cast<std::uint8_t>(color & 0xFF); }
constexpr std::uint8_t GreenOf(Color color) { return static_cast<std::uint8_t>((color >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Color color) { return static_cast<std::uint8_t>((color >> 16) & 0xFF); }

// Pure blue: the colour key of the shaped windows. Every pixel drawn in it is a hole.
inline constexpr Color kColorKey = 0x00FF0000;
// Magenta: pixels of this colour in a picture are not drawn, so what lies beneath shows.
inline constexpr Color kTransparentPixel = 0x00FF00FF;
// The light face of the windows and their lists.
inline constexpr Color kPanelColor = 0x00FFFCEE;
inline constexpr Color kBlack = 0x00000000;
inline constexpr Color kWhite = 0x00FFFFFF;

}  // namespace quavlet
