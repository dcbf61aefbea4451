#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/PaintGeometry.h"
#include "skin/PainterColours.h"
#include "skin/SkinPainters.h"
#include "tests/skin/painters_harness.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin::test {
namespace {

constexpr COLORREF kSmearColour = 0x000000FF;

class ProgressPainterTest : public testing::Test {
 protected:
  void SetUp() override { RegisterLookalikeClass(L"ProgressBar20WndClass", PROGRESS_CLASSW); }

  HWND MakeBar(DWORD style, int width, int height, int position) {
    HWND bar = CreateControl(host_.get(), L"ProgressBar20WndClass", L"", style | WS_BORDER, 0, 20, 20, width, height);
    SendMessageW(bar, PBM_SETRANGE32, 0, kProgressRange);
    SendMessageW(bar, PBM_SETPOS, position, 0);
    quavlet::test::FlushEvents();
    return bar;
  }

  static SIZE ClientSize(HWND bar) {
    RECT client{};
    GetClientRect(bar, &client);
    return SIZE{client.right, client.bottom};
  }

  AtlasScope atlas_;
  OwnedWindow host_{CreateHostWindow(320, 260)};
};

TEST_F(ProgressPainterTest, HorizontalBarIsHalfFilledHalfway) {
  HWND bar = MakeBar(0, 202, 24, 15000);
  PainterSubclass subclass(bar);
  RepaintNow(bar);
  const SIZE client = ClientSize(bar);
  ASSERT_EQ(client.cx, 200);
  for (int y : {0, int{client.cy} / 2, int{client.cy} - 1}) {
    EXPECT_EQ(Hex(ClientPixel(bar, 0, y)), Hex(kProgressFillColour));
    EXPECT_EQ(Hex(ClientPixel(bar, 99, y)), Hex(kProgressFillColour));
    EXPECT_EQ(Hex(ClientPixel(bar, 100, y)), Hex(kBackgroundColour));
    EXPECT_EQ(Hex(ClientPixel(bar, 199, y)), Hex(kBackgroundColour));
  }
  EXPECT_EQ(PainterSubclass::PassedOn(bar, WM_PAINT), 0);
  EXPECT_EQ(PainterSubclass::PassedOn(bar, WM_NCPAINT), 0);
  // The frame is the skin's blue one-pixel line.
  EXPECT_EQ(Hex(WindowPixel(bar, 0, 0)), Hex(kFrameColour));
  EXPECT_EQ(Hex(WindowPixel(bar, 201, 23)), Hex(kFrameColour));
}

TEST_F(ProgressPainterTest, OddLengthRoundsTheHalfToEven) {
  // 99 * 0.5 = 49.5 -> 50 filled pixels; 97 * 0.5 = 48.5 -> 48.
  for (int width : {99, 97}) {
    SCOPED_TRACE(width);
    OwnedWindow bar(MakeBar(0, width + 2, 20, 15000));
    PainterSubclass subclass(bar.get());
    RepaintNow(bar.get());
    const int filled = FilledLength(width, 0.5f);
    EXPECT_EQ(filled % 2, 0);
    EXPECT_EQ(Hex(ClientPixel(bar.get(), filled - 1, 5)), Hex(kProgressFillColour));
    EXPECT_EQ(Hex(ClientPixel(bar.get(), filled, 5)), Hex(kBackgroundColour));
  }
}

TEST_F(ProgressPainterTest, EmptyBarIsAllWhite) {
  HWND bar = MakeBar(0, 202, 24, 0);
  PainterSubclass subclass(bar);
  RepaintNow(bar);
  const SIZE client = ClientSize(bar);
  EXPECT_EQ(CountPixels(bar, RECT{1, 1, 1 + client.cx, 1 + client.cy}, kBackgroundColour), client.cx * client.cy);
}

TEST_F(ProgressPainterTest, VerticalBarFillsFromTheBottom) {
  HWND bar = MakeBar(PBS_VERTICAL, 24, 122, 15000);
  PainterSubclass subclass(bar);
  RepaintNow(bar);
  const SIZE client = ClientSize(bar);
  ASSERT_EQ(client.cy, 120);
  EXPECT_EQ(Hex(ClientPixel(bar, 5, 0)), Hex(kBackgroundColour));
  EXPECT_EQ(Hex(ClientPixel(bar, 5, 59)), Hex(kBackgroundColour));
  EXPECT_EQ(Hex(ClientPixel(bar, 5, 60)), Hex(kProgressFillColour));
  EXPECT_EQ(Hex(ClientPixel(bar, 5, 119)), Hex(kProgressFillColour));
}

TEST_F(ProgressPainterTest, FramePaintDrawsTheBarOverTheWholeWindow) {
  struct Case {
    DWORD style;
    POINT filled;   // client pixels expected filled, and empty, after a frame paint alone
    POINT empty;
  };
  for (const Case& bar : {Case{0, POINT{99, 5}, POINT{100, 5}},
                          Case{PBS_VERTICAL | PBS_SMOOTH, POINT{5, 100}, POINT{5, 99}}}) {
    SCOPED_TRACE(bar.style);
    const bool vertical = bar.style & PBS_VERTICAL;
    OwnedWindow window(MakeBar(bar.style, vertical ? 24 : 202, vertical ? 202 : 24, 15000));
    PainterSubclass subclass(window.get());
    const WindowBox box = GetWindowBox(window.get());
    Smear(window.get(), 0, 0, box.width, box.height, kSmearColour);
    SendMessageW(window.get(), WM_NCPAINT, 1, 0);

    EXPECT_EQ(Hex(WindowPixel(window.get(), 0, 0)), Hex(kFrameColour));
    EXPECT_EQ(Hex(ClientPixel(window.get(), bar.filled.x, bar.filled.y)), Hex(kProgressFillColour));
    EXPECT_EQ(Hex(ClientPixel(window.get(), bar.empty.x, bar.empty.y)), Hex(kBackgroundColour));
    EXPECT_EQ(CountPixels(window.get(), RECT{0, 0, box.width, box.height}, kSmearColour), 0);
  }
}

TEST_F(ProgressPainterTest, DisabledBarKeepsTheBlueFrame) {
  HWND bar = MakeBar(0, 202, 24, 30000);
  EnableWindow(bar, FALSE);
  PainterSubclass subclass(bar);
  RepaintNow(bar);
  EXPECT_EQ(Hex(WindowPixel(bar, 0, 0)), Hex(kFrameColour));
  EXPECT_EQ(Hex(ClientPixel(bar, 199, 5)), Hex(kProgressFillColour));
}

}  // namespace
}  // namespace quavlet::skin::test
