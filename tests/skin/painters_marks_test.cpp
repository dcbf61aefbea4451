#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "skin/PaintGeometry.h"
#include "skin/PainterColours.h"
#include "skin/SkinArt.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"
#include "tests/skin/painters_harness.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin::test {
namespace {

constexpr int kControlWidth = 120;
constexpr int kControlHeight = 20;

// What shows under a see-through pixel of a mark, by the pixel's place in the mark; nothing
// when that is not known.
using Underneath = std::function<std::optional<COLORREF>(int x, int y)>;

Underneath Plain(COLORREF colour) {
  return [colour](int, int) { return colour; };
}

// The unscaled option circle of a cell under a dot laid at (4, 4) of a 13-pixel box.
Underneath CircleOfCell(int cell) {
  return [cell](int x, int y) { return DcPixel(GetSkinAtlas().OptionSkin, 4 + x, kOptionCellSize * cell + 4 + y); };
}

Underneath Unknown() {
  return [](int, int) { return std::nullopt; };
}

// Where a mark of MarkSkin lands in the window, and what it must show there: the mark's own
// pixels, and what lies underneath where the mark is see-through.
void ExpectMark(HWND window, POINT origin, POINT source, SIZE size, const Underneath& underneath) {
  HDC art = GetSkinAtlas().MarkSkin;
  for (int y = 0; y < size.cy; ++y) {
    for (int x = 0; x < size.cx; ++x) {
      const COLORREF mark = DcPixel(art, source.x + x, source.y + y);
      const std::optional<COLORREF> expected = mark == kSkinKeyColour ? underneath(x, y) : mark;
      if (!expected) continue;
      EXPECT_EQ(Hex(WindowPixel(window, origin.x + x, origin.y + y)), Hex(*expected))
          << "mark pixel " << x << "," << y;
    }
  }
}

class MarkPainterTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterLookalikeClass(L"ThunderRT6CheckBox", L"Button");
    RegisterLookalikeClass(L"ThunderRT6OptionButton", L"Button");
  }

  HWND MakeCheckBox(int y = 20) {
    HWND box = CreateControl(host_.get(), L"ThunderRT6CheckBox", L"Check", BS_AUTO3STATE, 0, 20, y, kControlWidth,
                             kControlHeight);
    SkinProperties(box).Set(kOldStateProperty, 0);
    return box;
  }

  HWND MakeOptionButton(int y = 20) {
    HWND option = CreateControl(host_.get(), L"ThunderRT6OptionButton", L"Option", BS_AUTORADIOBUTTON, 0, 20, y,
                                kControlWidth, kControlHeight);
    SkinProperties(option).Set(kOldStateProperty, 0);
    return option;
  }

  static SIZE BoxSize() { return SIZE{GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)}; }
  static int BoxTop() { return HalfOf(kControlHeight - BoxSize().cy); }

  AtlasScope atlas_;
  OwnedWindow host_{CreateHostWindow(320, 200)};
};

TEST_F(MarkPainterTest, CheckMarkAndGreySquareSitCentredInThe13PixelBox) {
  MenuCheckSize size(13);
  ASSERT_EQ(BoxSize().cx, 13);
  ASSERT_EQ(BoxSize().cy, 13);
  HWND box = MakeCheckBox();
  const int top = BoxTop();  // (20 - 13) / 2 = 3.5 goes to 4
  ASSERT_EQ(top, 4);

  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(PaintCheckBox(box, kStateNormal, true), 1);
  // (13 - 9) / 2 = 2 and (13 - 8) / 2 = 2.5, which goes to 2.
  ExpectMark(box, POINT{2, top + 2}, POINT{0, 0}, SIZE{9, 8}, Plain(kBackgroundColour));

  SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(PaintCheckBox(box, kStateNormal, true), 1);
  ExpectMark(box, POINT{3, top + 3}, POINT{1, 9}, SIZE{7, 7}, Plain(kBackgroundColour));
  // The box is framed in blue and white inside.
  EXPECT_EQ(Hex(WindowPixel(box, 0, top)), Hex(kFrameColour));
  EXPECT_EQ(Hex(WindowPixel(box, 12, top + 12)), Hex(kFrameColour));
  EXPECT_EQ(Hex(WindowPixel(box, 1, top + 1)), Hex(kBackgroundColour));
}

TEST_F(MarkPainterTest, MarksFollowTheBoxSizeWithHalvesToEven) {
  // Wine's own box is 15 pixels: the check mark goes to (3, 4), 7 / 2 = 3.5 going up to 4.
  MenuCheckSize size(15);
  ASSERT_EQ(BoxSize().cx, 15);
  HWND box = MakeCheckBox();
  const int top = BoxTop();
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  PaintCheckBox(box, kStateNormal, true);
  ExpectMark(box, POINT{3, top + 4}, POINT{0, 0}, SIZE{9, 8}, Plain(kBackgroundColour));
  SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
  PaintCheckBox(box, kStateNormal, true);
  ExpectMark(box, POINT{4, top + 4}, POINT{1, 9}, SIZE{7, 7}, Plain(kBackgroundColour));
}

TEST_F(MarkPainterTest, CheckBoxStatesFillAndFrameTheBox) {
  HWND box = MakeCheckBox();
  const SIZE size = BoxSize();
  const int top = BoxTop();
  HDC options = GetSkinAtlas().OptionSkin;
  struct Look {
    int state;
    COLORREF frame;
    COLORREF inside;
  };
  for (const Look& look : {Look{kStateNormal, kFrameColour, kBackgroundColour},
                           Look{kStateHot, kFrameColour, DcPixel(options, 1, 17)},
                           Look{kStatePressed, kPressedCheckFrameColour, DcPixel(options, 1, 30)}}) {
    SCOPED_TRACE(look.state);
    EXPECT_EQ(PaintCheckBox(box, look.state, true), 1);
    EXPECT_EQ(SkinProperties(box).Get(kOldStateProperty), look.state);
    EXPECT_EQ(Hex(WindowPixel(box, 0, top)), Hex(look.frame));
    EXPECT_EQ(Hex(WindowPixel(box, size.cx - 1, top + size.cy - 1)), Hex(look.frame));
    EXPECT_EQ(Hex(WindowPixel(box, 1, top + 1)), Hex(look.inside));
  }
  // The hot and pressed fills come from the option-button interiors, not plain white.
  EXPECT_NE(DcPixel(options, 1, 17), kBackgroundColour);
  EXPECT_NE(DcPixel(options, 1, 30), DcPixel(options, 1, 17));
}

TEST_F(MarkPainterTest, DisabledCheckBoxIsPaleWhateverTheState) {
  HWND box = MakeCheckBox();
  const SIZE size = BoxSize();
  const int top = BoxTop();
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  EnableWindow(box, FALSE);
  quavlet::test::FlushEvents();
  for (int state : {kStateNormal, kStateHot, kStatePressed}) {
    SCOPED_TRACE(state);
    EXPECT_EQ(PaintCheckBox(box, state, true), 1);
    EXPECT_EQ(Hex(WindowPixel(box, 0, top)), Hex(kDisabledFrameColour));
    EXPECT_EQ(Hex(WindowPixel(box, 1, top + 1)), Hex(kBackgroundColour)) << "no fill strip";
    ExpectMark(box, POINT{HalfOf(size.cx - 9), top + HalfOf(size.cy - 8)}, POINT{9, 0}, SIZE{9, 8},
               Plain(kBackgroundColour));
  }
}

TEST_F(MarkPainterTest, UnchangedStateIsSkippedUnlessForced) {
  HWND box = MakeCheckBox();
  const int top = BoxTop();
  EXPECT_EQ(PaintCheckBox(box, kStateHot, false), 1);
  Smear(box, 0, 0, kControlWidth, kControlHeight, 0x000000FF);

  EXPECT_EQ(PaintCheckBox(box, kStateHot, false), 0);
  EXPECT_EQ(Hex(WindowPixel(box, 0, top)), Hex(0x000000FF)) << "nothing drawn";
  EXPECT_EQ(PaintCheckBox(box, kStateHot, true), 1);
  EXPECT_EQ(Hex(WindowPixel(box, 0, top)), Hex(kFrameColour));
  EXPECT_EQ(PaintCheckBox(box, kStateNormal, false), 1);
  EXPECT_EQ(SkinProperties(box).Get(kOldStateProperty), kStateNormal);
  // Only the box is drawn; the caption beside it stays as the control drew it.
  EXPECT_EQ(Hex(WindowPixel(box, kControlWidth - 2, top)), Hex(0x000000FF));
}

TEST_F(MarkPainterTest, PaintLetsTheControlDrawThenPutsTheSkinnedBoxOver) {
  HWND box = MakeCheckBox();
  PainterSubclass subclass(box);
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  SkinProperties(box).Set(kOldStateProperty, kStateHot);
  RepaintNow(box);

  EXPECT_GE(PainterSubclass::PassedOn(box, WM_PAINT), 1);
  EXPECT_EQ(SkinProperties(box).Get(kOldStateProperty), kStateNormal) << "forced back to normal";
  const SIZE size = BoxSize();
  const int top = BoxTop();
  EXPECT_EQ(Hex(WindowPixel(box, 0, top)), Hex(kFrameColour));
  ExpectMark(box, POINT{HalfOf(size.cx - 9), top + HalfOf(size.cy - 8)}, POINT{0, 0}, SIZE{9, 8},
             Plain(kBackgroundColour));
}

// The option circle of a state: a 13 x 13 cell, drawn unscaled into a 13-pixel box.
void ExpectCircle(HWND option, int top, int cell) {
  HDC art = GetSkinAtlas().OptionSkin;
  for (int y = 0; y < kOptionCellSize; ++y) {
    for (int x = 0; x < kOptionCellSize; ++x) {
      const COLORREF ring = DcPixel(art, x, kOptionCellSize * cell + y);
      if (ring == kSkinKeyColour) continue;
      // The dot sits over the middle; its own test checks those pixels.
      if (x >= 4 && x < 9 && y >= 4 && y < 9) continue;
      EXPECT_EQ(Hex(WindowPixel(option, x, top + y)), Hex(ring)) << x << "," << y;
    }
  }
}

TEST_F(MarkPainterTest, OptionButtonDrawsItsCircleAndDotInEachState) {
  MenuCheckSize size(13);
  ASSERT_EQ(BoxSize().cx, 13);
  HWND option = MakeOptionButton();
  const int top = BoxTop();
  SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
  for (int state : {kStateNormal, kStateHot, kStatePressed}) {
    SCOPED_TRACE(state);
    EXPECT_EQ(PaintOptionButton(option, state, true), 1);
    ExpectCircle(option, top, state);
    // (13 - 5) / 2 = 4, and 4 + top: the dot in the middle of the circle.
    ExpectMark(option, POINT{4, top + 4}, POINT{2, 18}, SIZE{5, 5}, CircleOfCell(state));
  }
}

TEST_F(MarkPainterTest, OptionDotSitsInTheMiddleOfTheCircleAtAnyHeight) {
  // 15-pixel box in a 20-pixel control: top = 2.5 -> 2, the dot at (5, 7); in a 17-pixel
  // control top = 1, the dot at (5, 6).
  MenuCheckSize size(15);
  ASSERT_EQ(BoxSize().cx, 15);
  for (int height : {20, 17}) {
    SCOPED_TRACE(height);
    OwnedWindow option(CreateControl(host_.get(), L"ThunderRT6OptionButton", L"Option", BS_AUTORADIOBUTTON, 0, 20,
                                     60, kControlWidth, height));
    SendMessageW(option.get(), BM_SETCHECK, BST_CHECKED, 0);
    PaintOptionButton(option.get(), kStateNormal, true);
    const int top = HalfOf(height - 15);
    ExpectMark(option.get(), POINT{5, top + 5}, POINT{2, 18}, SIZE{5, 5}, Unknown());
  }
}

TEST_F(MarkPainterTest, DisabledOptionButtonShowsThePaleCircleAndDot) {
  MenuCheckSize size(13);
  HWND option = MakeOptionButton();
  const int top = BoxTop();
  SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
  EnableWindow(option, FALSE);
  quavlet::test::FlushEvents();
  EXPECT_EQ(PaintOptionButton(option, kStateHot, true), 1);
  ExpectCircle(option, top, kStateDisabled);
  ExpectMark(option, POINT{4, top + 4}, POINT{11, 18}, SIZE{5, 5}, CircleOfCell(kStateDisabled));
}

TEST_F(MarkPainterTest, UncheckedOptionHasNoDotAndUnchangedStateIsSkipped) {
  MenuCheckSize size(13);
  HWND option = MakeOptionButton();
  const int top = BoxTop();
  EXPECT_EQ(PaintOptionButton(option, kStateNormal, true), 1);
  EXPECT_EQ(Hex(WindowPixel(option, 6, top + 6)), Hex(DcPixel(GetSkinAtlas().OptionSkin, 6, 6)));

  Smear(option, 0, 0, kControlWidth, kControlHeight, 0x000000FF);
  EXPECT_EQ(PaintOptionButton(option, kStateNormal, false), 0);
  EXPECT_EQ(Hex(WindowPixel(option, 6, top + 6)), Hex(0x000000FF));
  EXPECT_EQ(PaintOptionButton(option, kStateHot, false), 1);
  EXPECT_EQ(Hex(WindowPixel(option, 6, top + 6)), Hex(DcPixel(GetSkinAtlas().OptionSkin, 6, 13 + 6)));
  // Keyed: outside the circle the control's pixels stay.
  EXPECT_EQ(Hex(WindowPixel(option, 0, top)), Hex(0x000000FF));
}

}  // namespace
}  // namespace quavlet::skin::test
