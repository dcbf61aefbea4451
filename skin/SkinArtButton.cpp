// Command-button faces: four 7 x 21 rounded cells stacked, normal, hot, pressed, disabled.
// Column 0/6 and rows 0/20 are the frame, column 1/5 an inner bevel that also runs along
// rows 1 and 19, columns 2 to 4 the face; each row is mirrored about column 3.

#include <array>

#include "skin/SkinArt.h"
#include "skin/SkinArtColour.h"

namespace quavlet::skin {
namespace {

struct ButtonCellColours {
  SkinColour frame;
  // Column 3 (face) and column 1 (bevel) at rows 3, 10 and 17.
  std::array<SkinColour, 3> face;
  std::array<SkinColour, 3> bevel;
  // Row 0 and row 20, from the corner pixel inwards; they shade from light to the frame.
  std::array<SkinColour, 3> topCorner;
  std::array<SkinColour, 3> bottomCorner;
};

constexpr SkinColour Midway(SkinColour from, SkinColour to) {
  SkinColour mixed = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const SkinColour sum = ((from >> shift) & 0xFFu) + ((to >> shift) & 0xFFu);
    mixed |= ((sum + 1) / 2) << shift;
  }
  return mixed;
}

constexpr std::array<ButtonCellColours, 4> kCells = {{
    // Normal: white to pale blue.
    {0x00D58F1B,
     {0x00FCF8F1, 0x00F9EAD7, 0x00EAD0B1},
     {0x00FDFAF5, 0x00FBF0E3, 0x00F0DEC9},
     {0x00F9E1BF, 0x00E3B36B, 0x00D8972C},
     {0x00FBE7CA, 0x00E1AE60, 0x00D8962A}},
    // Hot: a strong blue inner rim.
    {0x00D58F1B,
     {0x00FCEED2, Midway(0x00FCEED2, 0x00F2D4A7), 0x00F2D4A7},
     {0x00FBC146, Midway(0x00FBC146, 0x00F8BA39), 0x00F8BA39},
     {0x00F9E1BF, 0x00E3B36B, 0x00D8972C},
     {0x00FBE7CA, 0x00E1AE60, 0x00D8962A}},
    // Pressed: darker at the top.
    {0x00D58F1B,
     {0x00F3D49F, Midway(0x00F3D49F, 0x00FDEAC3), 0x00FDEAC3},
     {0x00F9B731, Midway(0x00F9B731, 0x00FCBF3E), 0x00FCBF3E},
     {0x00F9E1BF, 0x00E3B36B, 0x00D8972C},
     {0x00FBE7CA, 0x00E1AE60, 0x00D8962A}},
    // Disabled: a paler frame whose corners shade the same way.
    {0x00E8C387,
     {0x00FBF7F2, Midway(0x00FBF7F2, 0x00F3E3D2), 0x00F3E3D2},
     {0x00FCF8F3, Midway(0x00FCF8F3, 0x00F6EADE), 0x00F6EADE},
     {0x00F9F0E1, 0x00EFD5AB, 0x00EAC891},
     {0x00FAF1E4, 0x00EED3A8, 0x00EAC790}},
}};

constexpr int kFirstBodyRow = 3;
constexpr int kMiddleRow = 10;
constexpr int kLastBodyRow = 17;

SkinColour Gradient(const std::array<SkinColour, 3>& stops, int row) {
  return RampColour(
      {{kFirstBodyRow, stops[0]}, {kMiddleRow, stops[1]}, {kLastBodyRow, stops[2]}}, row);
}

// The pixel at `row` of a cell, `inset` columns from its nearer side (0 frame .. 3 centre).
SkinColour CellPixel(const ButtonCellColours& cell, int row, int inset) {
  const bool frame = inset == 0;
  const bool bevel = inset == 1;
  switch (row) {
    case 0: return inset < 3 ? cell.topCorner[inset] : cell.frame;
    case 1: return frame ? cell.topCorner[1] : bevel ? cell.topCorner[2] : cell.bevel[0];
    case 2: return frame ? cell.topCorner[2] : bevel ? cell.bevel[0] : cell.face[0];
    case 18: return frame ? cell.bottomCorner[2] : bevel ? cell.bevel[2] : cell.face[2];
    case 19: return frame ? cell.bottomCorner[1] : bevel ? cell.bottomCorner[2] : cell.bevel[2];
    case 20: return inset < 3 ? cell.bottomCorner[inset] : cell.frame;
    default: return frame ? cell.frame : bevel ? Gradient(cell.bevel, row) : Gradient(cell.face, row);
  }
}

}  // namespace

AtlasArt DrawButtonArt() {
  AtlasArt art(AtlasMemberSize(AtlasMember::ButtonSkin));
  for (int state = 0; state < 4; ++state) {
    for (int row = 0; row < kButtonCellHeight; ++row) {
      for (int x = 0; x < kButtonCellWidth; ++x) {
        const int inset = x < 3 ? x : kButtonCellWidth - 1 - x;
        art.Set(x, state * kButtonCellHeight + row, CellPixel(kCells[state], row, inset));
      }
    }
  }
  return art;
}

}  // namespace quavlet::skin
