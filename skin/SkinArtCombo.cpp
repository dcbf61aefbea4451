// Combo-box drop button: the hot face (columns 0-3), the dropped face (columns 4-7) and the
// arrow, enabled and disabled (columns 8-14) on the key colour.

#include "skin/SkinArt.h"
#include "skin/SkinArtColour.h"

namespace quavlet::skin {
namespace {

constexpr int kLastRow = 17;
constexpr SkinColour kSeparator = 0x00D1A04E;

struct FaceColours {
  SkinColour outerTop, outerBottom;  // columns 1 and 3, rows 0 and 17
  SkinColour innerTop, innerBottom;  // column 2, rows 1 and 16
};

constexpr FaceColours kHotFace = {0x00FFF9E8, 0x00F3E1C0, 0x00FDEEC1, 0x00E3B865};
// The same design with the gradient reversed.
constexpr FaceColours kDroppedFace = {0x00F3E1BE, 0x00FEF8E6, 0x00E2B561, 0x00FCEBBC};

void DrawFace(AtlasArt& art, int left, const FaceColours& face) {
  for (int y = 0; y <= kLastRow; ++y) {
    const SkinColour outer = RampColour({{0, face.outerTop}, {kLastRow, face.outerBottom}}, y);
    // The deep middle column meets the light ones on the first and the last row.
    const SkinColour inner = (y == 0 || y == kLastRow)
                                 ? outer
                                 : RampColour({{1, face.innerTop}, {kLastRow - 1, face.innerBottom}}, y);
    art.Set(left, y, kSeparator);
    art.Set(left + 1, y, outer);
    art.Set(left + 2, y, inner);
    art.Set(left + 3, y, outer);
  }
}

// A 7 x 4 arrow pointing down: 7, 5, 3 and 1 pixels wide.
void DrawArrow(AtlasArt& art, int left, int top, SkinColour colour) {
  for (int row = 0; row < 4; ++row) {
    for (int x = left + row; x <= left + 6 - row; ++x) art.Set(x, top + row, colour);
  }
}

}  // namespace

AtlasArt DrawComboArt() {
  AtlasArt art(AtlasMemberSize(AtlasMember::ComboSkin), kSkinKeyColour);
  DrawFace(art, 0, kHotFace);
  DrawFace(art, 4, kDroppedFace);
  DrawArrow(art, 8, 0, 0x005F5519);
  DrawArrow(art, 8, 4, 0x00ACA584);
  return art;
}

}  // namespace quavlet::skin
