// skin-atlas: builds the skin atlas as the engine does and writes it, magnified, to a PNG file
// so a person can look at every pixel; optionally also a picture of cells drawn at control
// sizes through the nine-slice and keyed blits.
// Usage: skin-atlas [atlas.png] [scale] [pieces.png]

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "skin/SkinArt.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinBlit.h"
#include "tools/skin-atlas/PngFile.h"

namespace {

using quavlet::skin::AtlasMember;
using quavlet::skin::GetSkinAtlas;
using quavlet::tools::RgbImage;

constexpr int kGapPixels = 3;  // picture pixels around and between the parts
constexpr std::uint32_t kBackground = 0x00404040;

// A rectangle of a DC to be shown.
struct Part {
  HDC dc;
  int width;
  int height;
};

// The parts side by side; each of their pixels a scale x scale block, with a one-pixel seam of
// background when the blocks are large enough for pixels to be counted.
RgbImage Magnify(const std::vector<Part>& parts, int scale) {
  int width = kGapPixels, height = 0;
  for (const Part& part : parts) {
    width += part.width + kGapPixels;
    height = std::max(height, part.height);
  }
  RgbImage picture(width * scale, (height + 2 * kGapPixels) * scale, kBackground);
  const int block = scale >= 8 ? scale - 1 : scale;
  int left = kGapPixels;
  for (const Part& part : parts) {
    for (int y = 0; y < part.height; ++y) {
      for (int x = 0; x < part.width; ++x) {
        const COLORREF colour = GetPixel(part.dc, x, y);
        const std::uint32_t rgb = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        picture.Fill((left + x) * scale, (kGapPixels + y) * scale, block, block, rgb);
      }
    }
    left += part.width + kGapPixels;
  }
  return picture;
}

std::vector<Part> AtlasParts() {
  std::vector<Part> parts;
  for (const AtlasMember member : quavlet::skin::kAtlasMembers) {
    const quavlet::skin::AtlasSize size = quavlet::skin::AtlasMemberSize(member);
    parts.push_back({quavlet::skin::GetAtlasMemberDC(member), size.width, size.height});
  }
  return parts;
}

// Buttons, a header, option circles and marks drawn as the painters draw them, on white.
RgbImage PiecesPicture(HDC canvas, int width, int height, int scale) {
  const quavlet::skin::SkinAtlas& atlas = GetSkinAtlas();
  const RECT all{0, 0, width, height};
  FillRect(canvas, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (int state = 0; state < 4; ++state) {
    quavlet::skin::DrawSkinPiece(canvas, 4, 4 + state * 30, 75, 25, atlas.ButtonSkin, 0, 21 * state, 7, 21, 3,
                                 3, 3, 3);
    quavlet::skin::DrawSkinPiece(canvas, 86, 10 + state * 30, 13, 13, atlas.OptionSkin, 0, 13 * state, 13, 13,
                                 5, 5, 5, 5, quavlet::skin::kSkinKeyColour);
  }
  quavlet::skin::TransparentBlit(canvas, 90, 14, 5, 5, atlas.MarkSkin, 2, 18, quavlet::skin::kSkinKeyColour);
  quavlet::skin::TransparentBlit(canvas, 106, 10, 9, 8, atlas.MarkSkin, 0, 0, quavlet::skin::kSkinKeyColour);
  quavlet::skin::TransparentBlit(canvas, 106, 40, 9, 8, atlas.MarkSkin, 9, 0, quavlet::skin::kSkinKeyColour);
  for (int cell = 0; cell < 3; ++cell) {
    quavlet::skin::DrawSkinPiece(canvas, 4 + cell * 40, 126, 40, 20, atlas.HeaderSkin, 3 * cell, 0, 3, 20, 1,
                                 1, 1, 1);
  }
  return Magnify({{canvas, width, height}}, scale);
}

bool Save(const std::wstring& path, const RgbImage& picture) {
  if (!quavlet::tools::WritePng(path, picture)) {
    std::fwprintf(stderr, L"cannot write %ls\n", path.c_str());
    return false;
  }
  std::wprintf(L"%ls: %d x %d\n", path.c_str(), picture.width, picture.height);
  return true;
}

// The PNG encoder is a COM object.
class ComApartment {
 public:
  ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (initialized_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const ComApartment apartment;
  const std::wstring atlasPath = argc > 1 ? argv[1] : L"skin-atlas.png";
  const int scale = argc > 2 ? std::max(2, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 12;
  quavlet::skin::BuildSkinAtlas();
  bool written = Save(atlasPath, Magnify(AtlasParts(), scale));
  if (argc > 3) {
    constexpr int kWidth = 125, kHeight = 150;
    const quavlet::skin::ScopedMemoryDC canvas(kWidth, kHeight);
    written = Save(argv[3], PiecesPicture(canvas.get(), kWidth, kHeight, std::max(2, scale / 3))) && written;
  }
  quavlet::skin::ReleaseSkinAtlas();
  return written ? 0 : 1;
}
