#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/SkinArt.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"
#include "tests/skin/painters_harness.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin::test {
namespace {

constexpr COLORREF kSmearColour = 0x000000FF;

int DarkPixels(HWND window, RECT area) {
  HDC dc = GetWindowDC(window);
  int dark = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      dark += GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 200;
    }
  }
  ReleaseDC(window, dc);
  return dark;
}

std::vector<COLORREF> Pixels(HWND window, RECT area) {
  std::vector<COLORREF> pixels;
  HDC dc = GetWindowDC(window);
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  ReleaseDC(window, dc);
  return pixels;
}

class HeaderPainterTest : public testing::Test {
 protected:
  void SetUp() override {
    list_ = CreateControl(host_.get(), WC_LISTVIEWW, L"", LVS_REPORT, 0, 10, 10, 300, 150);
    const wchar_t* titles[] = {L"编号", L"歌曲", L"歌手"};
    const int widths[] = {60, 90, 80};
    for (int column = 0; column < 3; ++column) {
      LVCOLUMNW format{};
      format.mask = LVCF_TEXT | LVCF_WIDTH;
      format.pszText = const_cast<wchar_t*>(titles[column]);
      format.cx = widths[column];
      SendMessageW(list_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&format));
    }
    header_ = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
    const SkinProperties properties(header_);
    properties.Set(kHdIndexProperty, -1);
    properties.Set(kHmIndexProperty, -1);
    quavlet::test::FlushEvents();
  }

  RECT Section(int index) const {
    RECT rect{};
    SendMessageW(header_, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
  }

  // The section's edges come unscaled from the cell: its corners and the middle of its top row.
  void ExpectSectionCell(int index, int cell) const {
    SCOPED_TRACE("section " + std::to_string(index) + ", cell " + std::to_string(cell));
    HDC art = GetSkinAtlas().HeaderSkin;
    const RECT section = Section(index);
    const int height = GetWindowBox(header_).height;
    const int left = kHeaderCellWidth * cell;
    EXPECT_EQ(Hex(WindowPixel(header_, section.left, 0)), Hex(DcPixel(art, left, 0)));
    EXPECT_EQ(Hex(WindowPixel(header_, (section.left + section.right) / 2, 0)), Hex(DcPixel(art, left + 1, 0)));
    EXPECT_EQ(Hex(WindowPixel(header_, section.right - 1, 0)), Hex(DcPixel(art, left + 2, 0)));
    EXPECT_EQ(Hex(WindowPixel(header_, section.left + 1, height - 1)), Hex(DcPixel(art, left + 1, 19)));
    EXPECT_GT(DarkPixels(header_, section), 5) << "its text";
  }

  void Mark(int pressed, int hot) const {
    const SkinProperties properties(header_);
    properties.Set(kHdIndexProperty, pressed);
    properties.Set(kHmIndexProperty, hot);
  }

  AtlasScope atlas_;
  OwnedWindow host_{CreateHostWindow(340, 200)};
  HWND list_ = nullptr;
  HWND header_ = nullptr;
};

TEST_F(HeaderPainterTest, SectionsShowNormalHotAndPressedCells) {
  PainterSubclass subclass(header_);
  Mark(-1, 1);
  RepaintNow(header_);
  ExpectSectionCell(0, 0);
  ExpectSectionCell(1, 1);
  ExpectSectionCell(2, 0);
  EXPECT_EQ(PainterSubclass::PassedOn(header_, WM_PAINT), 0) << "the skin paints the header alone";

  Mark(0, 1);
  RepaintNow(header_);
  ExpectSectionCell(0, 2);
  ExpectSectionCell(1, 1);
}

TEST_F(HeaderPainterTest, PressedWinsOverHotOnTheSameSection) {
  PainterSubclass subclass(header_);
  Mark(2, 2);
  RepaintNow(header_);
  ExpectSectionCell(0, 0);
  ExpectSectionCell(1, 0);
  ExpectSectionCell(2, 2);
}

TEST_F(HeaderPainterTest, RoomBeyondTheLastSectionShowsTheBackground) {
  PainterSubclass subclass(header_);
  RepaintNow(header_);
  HDC art = GetSkinAtlas().HeaderSkin;
  const WindowBox box = GetWindowBox(header_);
  const int beyond = Section(2).right + 10;
  ASSERT_LT(beyond, box.width);
  EXPECT_EQ(Hex(WindowPixel(header_, beyond, 0)), Hex(DcPixel(art, 1, 0)));
  EXPECT_EQ(Hex(WindowPixel(header_, box.width - 1, box.height - 1)), Hex(DcPixel(art, 1, 19)));
}

TEST_F(HeaderPainterTest, OneSectionIsDrawnAsTheWholeHeaderDrawsIt) {
  PainterSubclass subclass(header_);
  for (int state : {kStateNormal, kStateHot, kStatePressed}) {
    SCOPED_TRACE(state);
    Mark(state == kStatePressed ? 1 : -1, state == kStateHot ? 1 : -1);
    RepaintNow(header_);
    const std::vector<COLORREF> whole = Pixels(header_, Section(1));

    const WindowBox box = GetWindowBox(header_);
    Smear(header_, 0, 0, box.width, box.height, kSmearColour);
    PaintHeaderItem(header_, nullptr, 1, state);
    EXPECT_EQ(Pixels(header_, Section(1)), whole);
    EXPECT_EQ(Hex(WindowPixel(header_, Section(0).left + 2, 2)), Hex(kSmearColour)) << "other sections untouched";
  }
}

TEST_F(HeaderPainterTest, NegativeIndexDrawsNothingAndOtherStatesDrawNormal) {
  const WindowBox box = GetWindowBox(header_);
  Smear(header_, 0, 0, box.width, box.height, kSmearColour);
  PaintHeaderItem(header_, nullptr, -1, kStatePressed);
  EXPECT_EQ(CountPixels(header_, RECT{0, 0, box.width, box.height}, kSmearColour), box.width * box.height);

  PaintHeaderItem(header_, nullptr, 0, kStateDisabled);
  ExpectSectionCell(0, 0);
}

TEST_F(HeaderPainterTest, HeaderWithoutSectionsShowsOnlyTheBackground) {
  OwnedWindow bare(CreateControl(host_.get(), WC_HEADERW, L"", HDS_HORZ, 0, 10, 170, 200, 22));
  PainterSubclass subclass(bare.get());
  RepaintNow(bare.get());
  HDC art = GetSkinAtlas().HeaderSkin;
  for (int x : {0, 100, 199}) EXPECT_EQ(Hex(WindowPixel(bare.get(), x, 0)), Hex(DcPixel(art, 1, 0))) << x;
  EXPECT_EQ(Hex(WindowPixel(bare.get(), 100, 21)), Hex(DcPixel(art, 1, 19)));
  EXPECT_EQ(DarkPixels(bare.get(), RECT{0, 0, 200, 22}), 0);
}

}  // namespace
}  // namespace quavlet::skin::test
