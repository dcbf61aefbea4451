// Column-header sections: three 3 x 20 cells side by side (normal, hot, pressed). In each cell
// the first column is the left edge, the second the face, the third the right rim; row 19 is
// the bottom line under all of them.

#include "skin/SkinArt.h"
#include "skin/SkinArtColour.h"

namespace quavlet::skin {
namespace {

constexpr int kBottomLine = 19;
constexpr SkinColour kBottomLineColour = 0x00F2DAC0;

SkinColour ColumnPixel(int column, int y) {
  switch (column) {
    // Normal: a very light face and a separator darkest in the middle.
    case 0: return RampColour({{0, 0x00FEF5EA}, {9, 0x00FBF5ED}, {18, 0x00F6E5D3}}, y);
    case 1: return RampColour({{0, 0x00FEF5EA}, {9, 0x00F6E5D3}}, y);
    case 2: return RampColour({{0, 0x00FEF5EA}, {9, 0x00D9B07A}, {10, 0x00D9B07A}, {18, 0x00F6E5D3}}, y);
    // Hot: a blue rim, a light blue face, a darker rim.
    case 3: return RampColour({{0, 0x00FDE6BD}, {5, 0x00FAC25E}, {17, 0x00FAC25E}, {18, 0x00FBCC73}}, y);
    case 4: return RampColour({{0, 0x00FEEED3}, {9, 0x00FDE1AF}, {18, 0x00FCDDA8}}, y);
    case 5:
    case 8: return RampColour({{0, 0x00FDE6BD}, {9, 0x00DBA24B}, {10, 0x00DBA24B}, {18, 0x00FBCC73}}, y);
    // Pressed: the face lightens downwards.
    case 6: return RampColour({{0, 0x00FBD797}, {5, 0x00FAC25E}, {17, 0x00FAC25E}, {18, 0x00FBCC73}}, y);
    default:
      return RampColour({{0, 0x00FBD797}, {1, 0x00FFDC9F}, {9, 0x00FFE7B0}, {16, 0x00FFF2C8}}, y);
  }
}

}  // namespace

AtlasArt DrawHeaderArt() {
  AtlasArt art(AtlasMemberSize(AtlasMember::HeaderSkin));
  for (int y = 0; y < kHeaderCellHeight; ++y) {
    for (int x = 0; x < art.width(); ++x) {
      art.Set(x, y, y == kBottomLine ? kBottomLineColour : ColumnPixel(x, y));
    }
  }
  return art;
}

}  // namespace quavlet::skin
