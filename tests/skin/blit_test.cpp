#include "skin/SkinBlit.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/GdiHandles.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinGdi.h"
#include "tests/skin/base_test_pixels.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin {
namespace {

using quavlet::test::GdiObjectCount;
using test::FillWith;
using test::ReadPixels;
using test::SelectedBitmap;

constexpr COLORREF kKey = 0x00FF00FF;
constexpr COLORREF kCanvasColour = 0x00336699;

class SkinBlitTest : public testing::Test {
 protected:
  void SetUp() override { BuildSkinAtlas(); }
  void TearDown() override { ReleaseSkinAtlas(); }
  const SkinAtlas& atlas() const { return GetSkinAtlas(); }
};

TEST(MemoryDC, OwnsADisplayDepthBitmapOfTheAskedSize) {
  const HDC dc = CreateMemoryDC(37, 11);
  ASSERT_NE(dc, nullptr);
  const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  const BITMAP info = SelectedBitmap(dc);
  EXPECT_EQ(info.bmWidth, 37);
  EXPECT_EQ(info.bmHeight, 11);
  EXPECT_GT(info.bmBitsPixel, 1);  // the display's depth, not the memory DC's monochrome
  DeleteMemoryDC(dc);
  EXPECT_EQ(GetObjectType(dc), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  DeleteMemoryDC(nullptr);

  // Inside a share, where the format comes from the share's own one-pixel DC: the same depth,
  // and nothing of the share outlives it.
  const HDC screen = GetDC(nullptr);
  const int displayBits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  const DWORD before = GdiObjectCount();
  {
    const DrawingDcShare share;
    for (int i = 0; i < 3; ++i) {
      const ScopedMemoryDC shared(37 + i, 11);
      const BITMAP sharedInfo = SelectedBitmap(shared.get());
      EXPECT_EQ(sharedInfo.bmWidth, 37 + i);
      EXPECT_EQ(sharedInfo.bmBitsPixel, displayBits) << i;
    }
  }
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST(MemoryDC, NothingIsLeftBehindMadeOrFailed) {
  DeleteMemoryDC(CreateMemoryDC(8, 8));
  const DWORD before = GdiObjectCount();
  for (int i = 0; i < 5; ++i) DeleteMemoryDC(CreateMemoryDC(20 + i, 10));
  EXPECT_EQ(GdiObjectCount(), before);
  // A bitmap too large to be made: 0, with the display and memory DCs already gone.
  EXPECT_EQ(CreateMemoryDC(100000, 100000), nullptr);
  EXPECT_EQ(GdiObjectCount(), before);
  {
    const ScopedMemoryDC scoped(4, 4);
    EXPECT_TRUE(scoped);
    EXPECT_EQ(GdiObjectCount(), before + 2);
  }
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(SkinBlitTest, ButtonCellDrawnAtItsOwnSizeIsAnExactCopy) {
  for (int state = 0; state < 4; ++state) {
    const ScopedMemoryDC canvas(15, 29);
    FillWith(canvas.get(), 0, 0, 15, 29, kCanvasColour);
    EXPECT_NE(DrawSkinPiece(canvas.get(), 4, 3, 7, 21, atlas().ButtonSkin, 0, 21 * state, 7, 21, 3, 3, 3, 3),
              0);
    EXPECT_EQ(ReadPixels(canvas.get(), 4, 3, 7, 21), ReadPixels(atlas().ButtonSkin, 0, 21 * state, 7, 21))
        << "state " << state;
    // Nothing outside the destination rectangle.
    EXPECT_EQ(GetPixel(canvas.get(), 3, 3), kCanvasColour);
    EXPECT_EQ(GetPixel(canvas.get(), 11, 23), kCanvasColour);
    EXPECT_EQ(GetPixel(canvas.get(), 4, 24), kCanvasColour);
  }
}

TEST_F(SkinBlitTest, WideButtonKeepsCornersAndSidesAndStretchesTheMiddleColumn) {
  const ScopedMemoryDC canvas(100, 21);
  ASSERT_NE(DrawSkinPiece(canvas.get(), 0, 0, 100, 21, atlas().ButtonSkin, 0, 21, 7, 21, 3, 3, 3, 3), 0);
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(GetPixel(canvas.get(), x, y), GetPixel(atlas().ButtonSkin, x, 21 + y)) << x << "," << y;
      EXPECT_EQ(GetPixel(canvas.get(), 97 + x, y), GetPixel(atlas().ButtonSkin, 4 + x, 21 + y))
          << x << "," << y;
    }
    const COLORREF middle = GetPixel(atlas().ButtonSkin, 3, 21 + y);
    for (int x = 3; x < 97; ++x) ASSERT_EQ(GetPixel(canvas.get(), x, y), middle) << x << "," << y;
  }
}

TEST_F(SkinBlitTest, ZeroSizesDrawNothing) {
  const ScopedMemoryDC canvas(10, 25);
  FillWith(canvas.get(), 0, 0, 10, 25, kCanvasColour);
  const std::vector<COLORREF> untouched = ReadPixels(canvas.get(), 0, 0, 10, 25);
  const HDC button = atlas().ButtonSkin;
  EXPECT_EQ(DrawSkinPiece(canvas.get(), 0, 0, 0, 21, button, 0, 0, 7, 21, 3, 3, 3, 3), 0);
  EXPECT_EQ(DrawSkinPiece(canvas.get(), 0, 0, 7, 0, button, 0, 0, 7, 21, 3, 3, 3, 3), 0);
  EXPECT_EQ(DrawSkinPiece(canvas.get(), 0, 0, 7, 21, button, 0, 0, 0, 21, 3, 3, 3, 3), 0);
  EXPECT_EQ(DrawSkinPiece(canvas.get(), 0, 0, 7, 21, button, 0, 0, 7, 0, 3, 3, 3, 3, kKey), 0);
  EXPECT_EQ(ReadPixels(canvas.get(), 0, 0, 10, 25), untouched);
}

TEST_F(SkinBlitTest, AllZeroBordersAreOnePlainStretch) {
  // The hot header cell, 3 x 20, doubled both ways.
  const ScopedMemoryDC canvas(6, 40);
  ASSERT_NE(DrawSkinPiece(canvas.get(), 0, 0, 6, 40, atlas().HeaderSkin, 3, 0, 3, 20, 0, 0, 0, 0), 0);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 6; ++x) {
      ASSERT_EQ(GetPixel(canvas.get(), x, y), GetPixel(atlas().HeaderSkin, 3 + x / 2, y / 2))
          << x << "," << y;
    }
  }
}

TEST_F(SkinBlitTest, AMissingBorderLetsTheCentreReachThatSide) {
  // No top or bottom border: the sides run the full height and column 3 fills rows 0 to 20.
  const ScopedMemoryDC canvas(40, 21);
  ASSERT_NE(DrawSkinPiece(canvas.get(), 0, 0, 40, 21, atlas().ButtonSkin, 0, 0, 7, 21, 3, 0, 3, 0), 0);
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(GetPixel(canvas.get(), x, y), GetPixel(atlas().ButtonSkin, x, y)) << x << "," << y;
      EXPECT_EQ(GetPixel(canvas.get(), 37 + x, y), GetPixel(atlas().ButtonSkin, 4 + x, y)) << x << "," << y;
    }
    EXPECT_EQ(GetPixel(canvas.get(), 20, y), GetPixel(atlas().ButtonSkin, 3, y)) << y;
  }
}

TEST_F(SkinBlitTest, AKeyLeavesTheBackgroundShowing) {
  const ScopedMemoryDC canvas(17, 17);
  FillWith(canvas.get(), 0, 0, 17, 17, kCanvasColour);
  EXPECT_EQ(DrawSkinPiece(canvas.get(), 2, 2, 13, 13, atlas().OptionSkin, 0, 0, 13, 13, 5, 5, 5, 5, kKey), 1);
  int showingThrough = 0;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) {
      const COLORREF source = GetPixel(atlas().OptionSkin, x, y);
      const COLORREF drawn = GetPixel(canvas.get(), 2 + x, 2 + y);
      if (source == kKey) ++showingThrough;
      EXPECT_EQ(drawn, source == kKey ? kCanvasColour : source) << x << "," << y;
    }
  }
  EXPECT_EQ(showingThrough, 4 * (3 + 2 + 1));  // three key runs at each corner
  EXPECT_EQ(GetPixel(canvas.get(), 1, 8), kCanvasColour);
}

TEST_F(SkinBlitTest, TransparentBlitOfAMarkOntoAColouredArea) {
  const ScopedMemoryDC canvas(20, 16);
  FillWith(canvas.get(), 0, 0, 20, 16, kCanvasColour);
  const std::vector<COLORREF> markBefore = ReadPixels(atlas().MarkSkin, 0, 0, 18, 24);
  TransparentBlit(canvas.get(), 5, 4, 9, 8, atlas().MarkSkin, 0, 0, kKey, nullptr);
  int markPixels = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 5 && x < 14 && y >= 4 && y < 12;
      const COLORREF source = inside ? GetPixel(atlas().MarkSkin, x - 5, y - 4) : kKey;
      if (source != kKey) ++markPixels;
      EXPECT_EQ(GetPixel(canvas.get(), x, y), source == kKey ? kCanvasColour : source) << x << "," << y;
    }
  }
  EXPECT_EQ(markPixels, 26);  // the check mark
  EXPECT_EQ(ReadPixels(atlas().MarkSkin, 0, 0, 18, 24), markBefore);
}

TEST_F(SkinBlitTest, TransparentBlitTakesASystemColourKeyAndTheCallersPalette) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const ScopedMemoryDC source(4, 1);
  FillWith(source.get(), 0, 0, 4, 1, face);
  SetPixel(source.get(), 2, 0, 0x000000FF);
  const ScopedMemoryDC canvas(4, 1);
  FillWith(canvas.get(), 0, 0, 4, 1, kCanvasColour);
  const runtime::Palette palette(CreateHalftonePalette(canvas.get()));

  TransparentBlit(canvas.get(), 0, 0, 4, 1, source.get(), 0, 0, 0x80000000 | COLOR_BTNFACE, palette.get());

  EXPECT_EQ(ReadPixels(canvas.get(), 0, 0, 4, 1),
            (std::vector<COLORREF>{kCanvasColour, kCanvasColour, 0x000000FF, kCanvasColour}));
  EXPECT_EQ(GetObjectType(palette.get()), static_cast<DWORD>(OBJ_PAL));  // the caller's, left alone
}

TEST_F(SkinBlitTest, NoGdiObjectIsLeftBehind) {
  const ScopedMemoryDC canvas(60, 30);
  const runtime::Palette palette(CreateHalftonePalette(canvas.get()));
  const auto drawEverything = [&] {
    DrawSkinPiece(canvas.get(), 0, 0, 60, 30, atlas().ButtonSkin, 0, 0, 7, 21, 3, 3, 3, 3);
    DrawSkinPiece(canvas.get(), 0, 0, 20, 20, atlas().OptionSkin, 0, 13, 13, 13, 5, 5, 5, 5, kKey);
    DrawSkinPiece(canvas.get(), 0, 0, 6, 40, atlas().HeaderSkin, 0, 0, 3, 20, 0, 0, 0, 0);
    DrawSkinPiece(canvas.get(), 0, 0, 0, 40, atlas().HeaderSkin, 0, 0, 3, 20, 1, 1, 1, 1);
    TransparentBlit(canvas.get(), 1, 1, 9, 8, atlas().MarkSkin, 9, 0, kKey, nullptr);
    TransparentBlit(canvas.get(), 1, 1, 5, 5, atlas().MarkSkin, 2, 18, kKey, palette.get());
  };
  drawEverything();
  const DWORD before = GdiObjectCount();
  ASSERT_GT(before, 0u);
  drawEverything();
  drawEverything();
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST(SkinWords, SplitIntoSigned16BitHalves) {
  EXPECT_EQ(LoWord(0x0001FFFF), -1);
  EXPECT_EQ(HiWord(0x0001FFFF), 1);
  EXPECT_EQ(LoWord(static_cast<int32_t>(0xFFFF8000u)), -32768);
  EXPECT_EQ(HiWord(static_cast<int32_t>(0xFFFF8000u)), -1);
  EXPECT_EQ(LoWord(0x7FFF0005), 5);
  EXPECT_EQ(HiWord(0x7FFF0005), 32767);
  // A mouse message's lParam: x left of and y above the window.
  EXPECT_EQ(LoWord(static_cast<int32_t>(MAKELPARAM(-3, -20))), -3);
  EXPECT_EQ(HiWord(static_cast<int32_t>(MAKELPARAM(-3, -20))), -20);
}

}  // namespace
}  // namespace quavlet::skin
