// Check mark, grey-state square and option dot, in green for an enabled control (columns 0-8)
// and pale green for a disabled one (the same shapes 9 columns further right), on the key.

#include <array>
#include <string_view>

#include "skin/SkinArt.h"

namespace quavlet::skin {
namespace {

constexpr int kDisabledShift = 9;

// The check mark's shape, 9 x 8; '#' is drawn.
constexpr std::array<std::string_view, 8> kCheckShape = {
    "........#",
    ".......##",
    "......###",
    "##...###.",
    "###.###..",
    ".#####...",
    "..###....",
    "...#.....",
};

// One colour per row, a vertical gradient.
constexpr std::array<SkinColour, 8> kCheckEnabled = {
    0x001DB754, 0x001BB451, 0x0017AF4D, 0x0013A948, 0x000FA243, 0x000A9C3E, 0x00069639, 0x00029135};
constexpr std::array<SkinColour, 8> kCheckDisabled = {
    0x008CDAA8, 0x008BD9A6, 0x0089D6A4, 0x0087D3A2, 0x0085D09F, 0x0082CD9D, 0x0080C99A, 0x007EC798};

constexpr int kSquareLeft = 1;
constexpr int kSquareTop = 9;
constexpr std::array<SkinColour, 7> kSquareEnabled = {
    0x001BB451, 0x0018B04E, 0x0014AB49, 0x0010A445, 0x000C9E40, 0x0007983B, 0x00069639};
constexpr std::array<SkinColour, 7> kSquareDisabled = {
    0x008BD9A6, 0x0089D6A4, 0x0087D4A3, 0x0086D1A0, 0x0083CE9E, 0x0081CA9B, 0x0080C99A};

// The 5 x 5 dot, row by row; 0 marks a key pixel (the rounded corners).
constexpr int kDotLeft = 2;
constexpr int kDotTop = 18;
using DotRows = std::array<std::array<SkinColour, 5>, 5>;
constexpr DotRows kDotEnabled = {{
    {0, 0x0060CC87, 0x0028BA5C, 0x0060CC87, 0},
    {0x005EC883, 0x0019B14F, 0x0019B14F, 0x0019B14F, 0x005EC883},
    {0x001DAC50, 0x0012A847, 0x0012A847, 0x0012A847, 0x001DAC50},
    {0x0054BA78, 0x000B9D3F, 0x000B9D3F, 0x000B9D3F, 0x0054BA78},
    {0, 0x004FB473, 0x00109940, 0x004FB473, 0},
}};
constexpr DotRows kDotDisabled = {{
    {0, 0x00AFE5C3, 0x0093DCAD, 0x00AFE5C3, 0},
    {0x00AEE3C1, 0x008CD8A7, 0x008CD8A7, 0x008CD8A7, 0x00AEE3C1},
    {0x008ED5A7, 0x0088D3A3, 0x0088D3A3, 0x0088D3A3, 0x008ED5A7},
    {0x00A9DCBB, 0x0085CE9F, 0x0085CE9F, 0x0085CE9F, 0x00A9DCBB},
    {0, 0x00A7D9B9, 0x0087CC9F, 0x00A7D9B9, 0},
}};

void DrawCheck(AtlasArt& art, int shift, const std::array<SkinColour, 8>& colours) {
  for (int row = 0; row < 8; ++row) {
    for (int x = 0; x < 9; ++x) {
      if (kCheckShape[row][x] == '#') art.Set(shift + x, row, colours[row]);
    }
  }
}

void DrawSquare(AtlasArt& art, int shift, const std::array<SkinColour, 7>& colours) {
  for (int row = 0; row < 7; ++row) {
    for (int x = 0; x < 7; ++x) art.Set(shift + kSquareLeft + x, kSquareTop + row, colours[row]);
  }
}

void DrawDot(AtlasArt& art, int shift, const DotRows& dot) {
  for (int row = 0; row < 5; ++row) {
    for (int x = 0; x < 5; ++x) {
      if (dot[row][x] != 0) art.Set(shift + kDotLeft + x, kDotTop + row, dot[row][x]);
    }
  }
}

}  // namespace

AtlasArt DrawMarkArt() {
  AtlasArt art(AtlasMemberSize(AtlasMember::MarkSkin), kSkinKeyColour);
  DrawCheck(art, 0, kCheckEnabled);
  DrawCheck(art, kDisabledShift, kCheckDisabled);
  DrawSquare(art, 0, kSquareEnabled);
  DrawSquare(art, kDisabledShift, kSquareDisabled);
  DrawDot(art, 0, kDotEnabled);
  DrawDot(art, kDisabledShift, kDotDisabled);
  return art;
}

}  // namespace quavlet::skin
