#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "runtime/GdiHandles.h"
#include "skin/PainterColours.h"
#include "skin/SkinArt.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"
#include "tests/skin/painters_harness.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin::test {
namespace {

// 21 pixels high like an atlas cell, so every row of a face is one row of its cell unscaled.
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = kButtonCellHeight;
// Caption and focus mark keep this far from the face's edges.
constexpr int kCaptionInset = 2;
constexpr std::wstring_view kCaption = L"MMMM";

class ButtonFaceTest : public testing::Test {
 protected:
  HWND MakeButton(DWORD style, int x = 20, int y = 20) {
    HWND button = CreateControl(host_.get(), L"Button", kCaption.data(), style, 0, x, y, kButtonWidth, kButtonHeight);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return button;
  }

  // The face of the given atlas cell shows wherever no caption is drawn: the border rows and
  // columns unscaled, column 3 stretched across the middle.
  void ExpectFaceOfCell(HWND button, int cell) {
    HDC art = GetSkinAtlas().ButtonSkin;
    const int top = kButtonCellHeight * cell;
    for (int y : {0, 1, 2, 3, kButtonHeight - 3, kButtonHeight - 2, kButtonHeight - 1}) {
      for (int x : {0, 1, 2}) EXPECT_EQ(Hex(WindowPixel(button, x, y)), Hex(DcPixel(art, x, top + y))) << x << "," << y;
      for (int x : {3, kButtonWidth / 2, kButtonWidth - 4}) {
        EXPECT_EQ(Hex(WindowPixel(button, x, y)), Hex(DcPixel(art, 3, top + y))) << x << "," << y;
      }
      for (int x : {4, 5, 6}) {
        EXPECT_EQ(Hex(WindowPixel(button, kButtonWidth - 7 + x, y)), Hex(DcPixel(art, x, top + y)))
            << kButtonWidth - 7 + x << "," << y;
      }
    }
    for (int y = 0; y < kButtonHeight; ++y) {
      EXPECT_EQ(Hex(WindowPixel(button, 1, y)), Hex(DcPixel(art, 1, top + y))) << "left bevel, row " << y;
    }
  }

  static int CaptionPixels(HWND button, COLORREF colour) {
    const RECT inside{kCaptionInset, kCaptionInset, kButtonWidth - kCaptionInset, kButtonHeight - kCaptionInset};
    return CountPixels(button, inside, colour);
  }

  static void ShowFace(HWND button, int state, int alpha) {
    const SkinProperties properties(button);
    properties.Set(kOldStateProperty, state);
    properties.Set(kAlphaLevelProperty, alpha);
    EXPECT_EQ(BlendButtonFace(button, nullptr), 0);
  }

  AtlasScope atlas_;
  CrispFont font_;
  OwnedWindow host_{CreateHostWindow(320, 200)};
};

// Which pixels of a face DC have the caption's colour, a row per line, '#' for the colour.
std::string CaptionMask(HDC face, COLORREF colour) {
  std::string mask;
  for (int y = 0; y < kButtonHeight; ++y) {
    for (int x = 0; x < kButtonWidth; ++x) mask += GetPixel(face, x, y) == colour ? '#' : '.';
    mask += '\n';
  }
  return mask;
}

// The caption as the button must show it: in the button's own font, with its text extent centred
// across and down inside the inset. The extent and not the ink, since glyph bearings need not be
// even, and Wine draws the embedded bitmap strikes of some faces (WenQuanYi Zen Hei Sharp, which
// stands in here for a missing Tahoma) at a narrower pitch than it measures them: there the ink
// of "MMMM" ends 10 pixels short of its extent and so sits 5 pixels left of centre.
std::string ExpectedCaptionMask(HWND button, HDC like) {
  const runtime::MemoryDc dc(CreateCompatibleDC(like));
  const runtime::Bitmap canvas(CreateCompatibleBitmap(like, kButtonWidth, kButtonHeight));
  const runtime::ScopedSelect canvasSelected(dc.get(), canvas.get());
  const runtime::ScopedSelect fontSelected(dc.get(), reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
  const RECT all{0, 0, kButtonWidth, kButtonHeight};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

  SIZE extent{};
  GetTextExtentPoint32W(dc.get(), kCaption.data(), static_cast<int>(kCaption.size()), &extent);
  const int innerWidth = kButtonWidth - 2 * kCaptionInset;
  const int innerHeight = kButtonHeight - 2 * kCaptionInset;
  EXPECT_LE(extent.cx, innerWidth) << "a caption that fits, so no ellipsis";
  SetTextColor(dc.get(), kCaptionColour);
  SetBkMode(dc.get(), TRANSPARENT);
  ExtTextOutW(dc.get(), kCaptionInset + (innerWidth - extent.cx) / 2, kCaptionInset + (innerHeight - extent.cy) / 2, 0,
              nullptr, kCaption.data(), static_cast<UINT>(kCaption.size()), nullptr);
  return CaptionMask(dc.get(), kCaptionColour);
}

TEST_F(ButtonFaceTest, EachStateBlendsItsFaceWithItsCaptionColour) {
  HWND button = MakeButton(BS_PUSHBUTTON);
  ButtonFaces faces(button);
  for (int state = kStateNormal; state <= kStateDisabled; ++state) {
    SCOPED_TRACE(state);
    ShowFace(button, state, 255);
    ExpectFaceOfCell(button, state);
    const COLORREF caption = state == kStateDisabled ? kDisabledCaptionColour : kCaptionColour;
    const COLORREF other = state == kStateDisabled ? kCaptionColour : kDisabledCaptionColour;
    EXPECT_GT(CaptionPixels(button, caption), 20);
    EXPECT_EQ(CaptionPixels(button, other), 0);
  }
}

TEST_F(ButtonFaceTest, DisabledButtonShowsTheDisabledFaceWhateverWasAsked) {
  HWND button = MakeButton(BS_PUSHBUTTON);
  ButtonFaces faces(button);
  EnableWindow(button, FALSE);
  quavlet::test::FlushEvents();
  for (int asked : {kStateNormal, kStateHot, kStatePressed}) {
    SCOPED_TRACE(asked);
    ShowFace(button, asked, 255);
    EXPECT_EQ(SkinProperties(button).Get(kOldStateProperty), kStateDisabled);
    ExpectFaceOfCell(button, kStateDisabled);
    EXPECT_GT(CaptionPixels(button, kDisabledCaptionColour), 20);
    EXPECT_EQ(CaptionPixels(button, kCaptionColour), 0);
  }
}

TEST_F(ButtonFaceTest, PartialLevelLaysTheNewFaceOverTheShownOne) {
  HWND button = MakeButton(BS_PUSHBUTTON);
  ButtonFaces faces(button);
  const int x = kButtonWidth / 2;
  const int y = 1;
  ShowFace(button, kStateNormal, 255);
  const COLORREF before = WindowPixel(button, x, y);
  const COLORREF pressed = DcPixel(GetSkinAtlas().ButtonSkin, 3, kButtonCellHeight * kStatePressed + y);
  ASSERT_NE(before, pressed) << "the normal and the pressed face must differ here";

  ShowFace(button, kStatePressed, 128);
  const COLORREF mixed = WindowPixel(button, x, y);
  auto expected = [](int from, int to) { return (from * (255 - 128) + to * 128) / 255; };
  EXPECT_NEAR(GetRValue(mixed), expected(GetRValue(before), GetRValue(pressed)), 2);
  EXPECT_NEAR(GetGValue(mixed), expected(GetGValue(before), GetGValue(pressed)), 2);
  EXPECT_NEAR(GetBValue(mixed), expected(GetBValue(before), GetBValue(pressed)), 2);

  // Level 0 changes nothing; 255 is an opaque copy.
  ShowFace(button, kStateHot, 0);
  EXPECT_EQ(WindowPixel(button, x, y), mixed);
  ShowFace(button, kStatePressed, 255);
  EXPECT_EQ(WindowPixel(button, x, y), pressed);
}

TEST_F(ButtonFaceTest, PaintShowsTheWholeFaceAndEndsTheFade) {
  HWND button = MakeButton(BS_PUSHBUTTON);
  ButtonFaces faces(button);
  PainterSubclass subclass(button);
  const SkinProperties properties(button);
  properties.Set(kOldStateProperty, kStateHot);
  properties.Set(kAlphaLevelProperty, 30);
  ASSERT_EQ(StartFadeTimer(button), 1);

  RepaintNow(button);

  ExpectFaceOfCell(button, kStateHot);
  EXPECT_EQ(properties.Get(kAlphaLevelProperty), 255);
  EXPECT_EQ(properties.Get(kTimerIdProperty), 0);
  EXPECT_EQ(PainterSubclass::PassedOn(button, WM_PAINT), 0) << "the skin paints a push button alone";
}

TEST_F(ButtonFaceTest, CheckRadioAndGroupStylesKeepTheirOwnPainting) {
  for (DWORD style : {DWORD{BS_CHECKBOX}, DWORD{BS_RADIOBUTTON}, DWORD{BS_GROUPBOX}}) {
    SCOPED_TRACE(style);
    OwnedWindow skinned(MakeButton(style, 20, 20));
    OwnedWindow plain(MakeButton(style, 20, 60));
    ButtonFaces faces(skinned.get());
    PainterSubclass subclass(skinned.get());
    RepaintNow(host_.get());

    EXPECT_GE(PainterSubclass::PassedOn(skinned.get(), WM_PAINT), 1);
    int differing = 0;
    for (int y = 0; y < kButtonHeight; ++y) {
      for (int x = 0; x < kButtonWidth; ++x) differing += WindowPixel(skinned.get(), x, y) != WindowPixel(plain.get(), x, y);
    }
    EXPECT_EQ(differing, 0) << "drawn as the same control without the skin";

    // A blend leaves it alone as well.
    Smear(skinned.get(), 0, 0, kButtonWidth, kButtonHeight, 0x000000FF);
    ShowFace(skinned.get(), kStateHot, 255);
    EXPECT_EQ(CountPixels(skinned.get(), RECT{0, 0, kButtonWidth, kButtonHeight}, 0x000000FF),
              kButtonWidth * kButtonHeight);
  }
}

TEST_F(ButtonFaceTest, FacesCarryTheFocusMarkOnlyWhileFocused) {
  HWND button = MakeButton(BS_PUSHBUTTON);
  HWND other = MakeButton(BS_PUSHBUTTON, 20, 60);
  ButtonFaces faces(button);
  HDC face = SkinProperties(button).FaceDc(kStateNormal);
  auto row = [face](int y) {
    std::string pixels;
    for (int x = 0; x < kButtonWidth; ++x) pixels += Hex(GetPixel(face, x, y));
    return pixels;
  };

  SetFocus(other);
  RenderButtonFaces(button);
  const std::string unfocusedTop = row(2);
  SetFocus(button);
  ASSERT_EQ(GetFocus(), button);
  RenderButtonFaces(button);
  const std::string focusedTop = row(2);
  SetFocus(other);
  RenderButtonFaces(button);

  EXPECT_NE(focusedTop, unfocusedTop) << "the dotted mark along row 2";
  EXPECT_EQ(row(2), unfocusedTop);
}

TEST_F(ButtonFaceTest, PressedCaptionSitsWhereTheNormalOneDoes) {
  HWND button = MakeButton(BS_PUSHBUTTON);
  ButtonFaces faces(button);
  const SkinProperties properties(button);
  const std::string expected = ExpectedCaptionMask(button, properties.FaceDc(kStateNormal));
  ASSERT_GT(std::count(expected.begin(), expected.end(), '#'), 20);
  for (int state = kStateNormal; state <= kStateDisabled; ++state) {
    SCOPED_TRACE(state);
    const COLORREF colour = state == kStateDisabled ? kDisabledCaptionColour : kCaptionColour;
    EXPECT_EQ(CaptionMask(properties.FaceDc(state), colour), expected);
  }
}

}  // namespace
}  // namespace quavlet::skin::test
