#pragma once

// Colours are Win32 COLORREF values written 0x00BBGGRR: red in the low byte.
#include <cstdint>

namespace quavlet::runtime {

using Colour = std::uint32_t;

constexpr Colour ColourFromRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}
constexpr std::uint8_t RedOf(Colour colour) { return static_cast<std::uint8_t>(colour & 0xFF); }
constexpr std::uint8_t GreenOf(Colour colour) { return static_cast<std::uint8_t>((colour >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Colour colour) { return static_cast<std::uint8_t>((colour >> 16) & 0xFF); }

// Pure blue: the colour key of the shaped windows. Every pixel drawn in it is a hole.
inline constexpr Colour kColourKey = 0x00FF0000;
// Magenta: pixels of this colour in a picture are not drawn, so what lies beneath shows.
inline constexpr Colour kTransparentPixel = 0x00FF00FF;
// The light face of the windows and their lists.
inline constexpr Colour kPanelColour = 0x00FFFCEE;
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kWhite = 0x00FFFFFF;

}  // namespace quavlet::runtime
