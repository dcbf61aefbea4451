#pragma once

// The pixels of the five skin bitmaps, drawn by code so the engine needs no image files.
// Plain C++ (no windows.h): colours are 0x00BBGGRR values, as a COLORREF.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace quavlet::skin {

using SkinColour = std::uint32_t;

// Pixels of this colour are left out when a cell is drawn with a key.
inline constexpr SkinColour kSkinKeyColour = 0x00FF00FF;

// Visual states, the same everywhere in the engine.
inline constexpr int kStateNormal = 0;
inline constexpr int kStateHot = 1;
inline constexpr int kStatePressed = 2;
inline constexpr int kStateDisabled = 3;

enum class AtlasMember { ButtonSkin, ComboSkin, MarkSkin, OptionSkin, HeaderSkin };

// The order in which the members are made and painted.
inline constexpr std::array<AtlasMember, 5> kAtlasMembers = {
    AtlasMember::ButtonSkin, AtlasMember::ComboSkin, AtlasMember::MarkSkin,
    AtlasMember::OptionSkin, AtlasMember::HeaderSkin};

struct AtlasSize {
  int width;
  int height;
};

// ButtonSkin 7 x 84, ComboSkin 15 x 18, MarkSkin 18 x 24, OptionSkin 13 x 52, HeaderSkin 9 x 20.
AtlasSize AtlasMemberSize(AtlasMember member);

// Cell geometry the painters index by.
inline constexpr int kButtonCellWidth = 7;
inline constexpr int kButtonCellHeight = 21;
inline constexpr int kOptionCellSize = 13;
inline constexpr int kHeaderCellWidth = 3;
inline constexpr int kHeaderCellHeight = 20;

// One member's pixels, row by row from the top, left to right.
class AtlasArt {
 public:
  explicit AtlasArt(AtlasSize size, SkinColour fill = kSkinKeyColour);

  int width() const { return size_.width; }
  int height() const { return size_.height; }
  SkinColour At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, SkinColour colour) { pixels_[Index(x, y)] = colour; }

 private:
  std::size_t Index(int x, int y) const;

  AtlasSize size_;
  std::vector<SkinColour> pixels_;
};

AtlasArt DrawButtonArt();
AtlasArt DrawComboArt();
AtlasArt DrawMarkArt();
AtlasArt DrawOptionArt();
AtlasArt DrawHeaderArt();
AtlasArt DrawAtlasArt(AtlasMember member);

// Visits every pixel of every member once, in build order: member by member, row by row
// from row 0, left to right within a row.
void ForEachAtlasPixel(
    const std::function<void(AtlasMember member, int x, int y, SkinColour colour)>& visit);

}  // namespace quavlet::skin
