#include <gtest/gtest.h>

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

constexpr int kComboWidth = 150;
constexpr COLORREF kSmearColour = 0x000000FF;

// The drop button's place in a combo box's window, from the box's size.
struct DropButton {
  explicit DropButton(HWND combo) {
    const WindowBox box = GetWindowBox(combo);
    width = GetSystemMetrics(SM_CXVSCROLL) + 1;
    height = box.height - 2;
    left = box.width - width - 1;
    arrowX = left + (width - 7) - HalfOf(width - 7);
    arrowY = 1 + HalfOf(box.height - 6);
  }
  int left;
  int width;
  int height;
  int arrowX;
  int arrowY;
};

class ComboPainterTest : public testing::Test {
 protected:
  HWND MakeCombo(DWORD style, const wchar_t* className = L"ComboBox", int y = 20) {
    HWND combo = CreateControl(host_.get(), className, L"", style | WS_VSCROLL, 0, 20, y, kComboWidth, 120);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"第一首"));
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"第二首"));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    SkinProperties(combo).Set(kOldStateProperty, 0);
    quavlet::test::FlushEvents();
    return combo;
  }

  // The face of a state: white for normal, the hot or dropped cell of ComboSkin otherwise,
  // checked at its unscaled corners and along its separator column.
  static void ExpectFace(HWND combo, int state) {
    const DropButton button(combo);
    const int right = button.left + button.width - 1;
    const int bottom = button.height;  // rows 1 .. height of the window
    if (state == kStateNormal) {
      for (POINT at : {POINT{button.left, 1}, POINT{right, 1}, POINT{button.left, bottom}, POINT{right, bottom}}) {
        EXPECT_EQ(Hex(WindowPixel(combo, at.x, at.y)), Hex(kBackgroundColour)) << at.x << "," << at.y;
      }
      return;
    }
    HDC art = GetSkinAtlas().ComboSkin;
    const int cell = state == kStateHot ? 0 : 4;
    EXPECT_EQ(Hex(WindowPixel(combo, button.left + 1, 1)), Hex(DcPixel(art, cell + 1, 0)));
    EXPECT_EQ(Hex(WindowPixel(combo, right, 1)), Hex(DcPixel(art, cell + 3, 0)));
    EXPECT_EQ(Hex(WindowPixel(combo, button.left + 1, bottom)), Hex(DcPixel(art, cell + 1, 17)));
    EXPECT_EQ(Hex(WindowPixel(combo, right, bottom)), Hex(DcPixel(art, cell + 3, 17)));
    for (int y = 1; y <= bottom; ++y) {
      EXPECT_EQ(Hex(WindowPixel(combo, button.left, y)), Hex(DcPixel(art, cell, 0))) << "separator row " << y;
    }
  }

  // The blue outer frame with the white one inside it.
  static void ExpectFrames(HWND combo, COLORREF frame = kFrameColour) {
    const WindowBox box = GetWindowBox(combo);
    EXPECT_EQ(Hex(WindowPixel(combo, 0, 0)), Hex(frame));
    EXPECT_EQ(Hex(WindowPixel(combo, box.width - 1, box.height - 1)), Hex(frame));
    EXPECT_EQ(Hex(WindowPixel(combo, 1, 1)), Hex(kBackgroundColour));
    EXPECT_EQ(Hex(WindowPixel(combo, 1, box.height - 2)), Hex(kBackgroundColour));
  }

  static void ExpectArrow(HWND combo, bool enabled) {
    const DropButton button(combo);
    HDC art = GetSkinAtlas().ComboSkin;
    int drawn = 0;
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 7; ++x) {
        const COLORREF arrow = DcPixel(art, 8 + x, (enabled ? 0 : 4) + y);
        if (arrow == kSkinKeyColour) continue;
        ++drawn;
        EXPECT_EQ(Hex(WindowPixel(combo, button.arrowX + x, button.arrowY + y)), Hex(arrow)) << x << "," << y;
      }
    }
    EXPECT_EQ(drawn, 7 + 5 + 3 + 1);
  }

  AtlasScope atlas_;
  OwnedWindow host_{CreateHostWindow(320, 260)};
};

TEST_F(ComboPainterTest, DropButtonShowsEachStateWithTheArrowCentred) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST);
  for (int state : {kStateNormal, kStateHot, kStatePressed, kStateNormal}) {
    SCOPED_TRACE(state);
    EXPECT_EQ(PaintComboButton(combo, nullptr, state, true), state);
    EXPECT_EQ(SkinProperties(combo).Get(kOldStateProperty), state);
    ExpectFace(combo, state);
    ExpectArrow(combo, true);
  }
  // The arrow's room is odd under the usual scroll-bar widths: its half goes to the even side.
  const DropButton button(combo);
  EXPECT_EQ(button.arrowX - button.left, (button.width - 7) - HalfOf(button.width - 7));
}

TEST_F(ComboPainterTest, DisabledComboShowsThePaleArrow) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST);
  EnableWindow(combo, FALSE);
  quavlet::test::FlushEvents();
  PaintComboButton(combo, nullptr, kStateNormal, true);
  ExpectArrow(combo, false);
}

TEST_F(ComboPainterTest, DroppedListForcesTheDroppedFaceAndReportsIt) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  quavlet::test::FlushEvents();
  ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));

  EXPECT_EQ(PaintComboButton(combo, nullptr, kStateNormal, true), kStatePressed);
  EXPECT_EQ(SkinProperties(combo).Get(kOldStateProperty), kStatePressed);
  ExpectFace(combo, kStatePressed);
  // Asked for hot while dropped: still the dropped state, already shown, so skipped.
  Smear(combo, DropButton(combo).left, 1, 3, 3, kSmearColour);
  EXPECT_EQ(PaintComboButton(combo, nullptr, kStateHot, false), kStatePressed);
  EXPECT_EQ(Hex(WindowPixel(combo, DropButton(combo).left + 1, 1)), Hex(kSmearColour));

  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  quavlet::test::FlushEvents();
  EXPECT_EQ(PaintComboButton(combo, nullptr, kStateHot, false), kStateHot);
  ExpectFace(combo, kStateHot);
}

TEST_F(ComboPainterTest, UnchangedStateIsSkippedUnlessForced) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST);
  const DropButton button(combo);
  PaintComboButton(combo, nullptr, kStateHot, true);
  Smear(combo, button.left, 1, button.width, button.height, kSmearColour);

  EXPECT_EQ(PaintComboButton(combo, nullptr, kStateHot, false), kStateHot);
  EXPECT_EQ(Hex(WindowPixel(combo, button.left + 1, 1)), Hex(kSmearColour));
  EXPECT_EQ(PaintComboButton(combo, nullptr, kStateHot, true), kStateHot);
  ExpectFace(combo, kStateHot);
  Smear(combo, button.left, 1, button.width, button.height, kSmearColour);
  EXPECT_EQ(PaintComboButton(combo, nullptr, kStatePressed, false), kStatePressed);
  ExpectFace(combo, kStatePressed);
}

TEST_F(ComboPainterTest, DrawsIntoTheCallersDcWithoutReleasingIt) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST);
  HDC dc = GetWindowDC(combo);
  EXPECT_EQ(PaintComboButton(combo, dc, kStateHot, true), kStateHot);
  ExpectFace(combo, kStateHot);
  // Still the caller's: it can be drawn on and released once, by the caller.
  EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_DC));
  EXPECT_NE(SetPixel(dc, 0, 0, kSmearColour), static_cast<COLORREF>(-1));
  EXPECT_EQ(ReleaseDC(combo, dc), 1);
}

TEST_F(ComboPainterTest, SimpleComboGetsFramesButNoDropButton) {
  HWND combo = MakeCombo(CBS_SIMPLE);
  const WindowBox box = GetWindowBox(combo);
  Smear(combo, 0, 0, box.width, box.height, kSmearColour);
  EXPECT_EQ(PaintComboButton(combo, nullptr, kStateHot, true), kStateHot);
  EXPECT_EQ(CountPixels(combo, RECT{0, 0, box.width, box.height}, kSmearColour), box.width * box.height);
  EXPECT_EQ(SkinProperties(combo).Get(kOldStateProperty), kStateNormal) << "nothing was drawn";

  PainterSubclass subclass(combo);
  RepaintNow(combo);
  EXPECT_GE(PainterSubclass::PassedOn(combo, WM_PAINT), 1);
  ExpectFrames(combo);
  const COLORREF arrowColour = DcPixel(GetSkinAtlas().ComboSkin, 11, 0);
  EXPECT_EQ(CountPixels(combo, RECT{0, 0, box.width, box.height}, arrowColour), 0);
}

TEST_F(ComboPainterTest, DropDownListIsFramedOverItsOwnPaintingWithTheButtonInItsState) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST);
  PainterSubclass subclass(combo);
  SkinProperties(combo).Set(kOldStateProperty, kStateHot);
  RepaintNow(combo);

  EXPECT_GE(PainterSubclass::PassedOn(combo, WM_PAINT), 1);
  ExpectFrames(combo);
  ExpectFace(combo, kStateHot);
  ExpectArrow(combo, true);

  EnableWindow(combo, FALSE);
  RepaintNow(combo);
  ExpectFrames(combo, kDisabledFrameColour);
  ExpectArrow(combo, false);
}

TEST_F(ComboPainterTest, EditableComboIsPaintedWhiteWithFrameAndButtonAlone) {
  HWND combo = MakeCombo(CBS_DROPDOWN);
  PainterSubclass subclass(combo);
  SkinProperties(combo).Set(kOldStateProperty, kStatePressed);
  RepaintNow(combo);

  EXPECT_EQ(PainterSubclass::PassedOn(combo, WM_PAINT), 0);
  ExpectFrames(combo);
  ExpectFace(combo, kStatePressed);
  ExpectArrow(combo, true);
}

TEST_F(ComboPainterTest, DriveListIsFramedWithItsButton) {
  RegisterLookalikeClass(L"ThunderRT6DriveListBox", L"ComboBox");
  HWND drives = MakeCombo(CBS_DROPDOWNLIST, L"ThunderRT6DriveListBox");
  PainterSubclass subclass(drives);
  RepaintNow(drives);
  EXPECT_GE(PainterSubclass::PassedOn(drives, WM_PAINT), 1);
  ExpectFrames(drives);
  ExpectFace(drives, kStateNormal);
  ExpectArrow(drives, true);
}

}  // namespace
}  // namespace quavlet::skin::test
