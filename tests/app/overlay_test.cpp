#include <gtest/gtest.h>

#include <windows.h>

#include "app/Form1.h"
#include "runtime/Application.h"
#include "tests/support/message_pump.h"
#include "windows/Form3.h"

namespace quavlet {
namespace {

using test::FlushEvents;
using test::PumpUntil;

// Only an overlay that never closes takes this long; a slow machine's late tick does not.
constexpr DWORD kNeverCloses = 20000;

class OverlayTest : public testing::Test {
 protected:
  void TearDown() override {
    for (const wchar_t* name : {L"Form3", L"Form1"}) {
      if (runtime::Form* open = application_.FindByName(name)) open->Unload();
    }
    FlushEvents();
  }

  windows::Form3* Overlay() const { return application_.Find<windows::Form3>(); }

  // Whether a window's timer has run out and its tick waits in this thread's queue.
  static bool TickDue(HWND window) {
    MSG tick;
    return PeekMessageW(&tick, window, WM_TIMER, WM_TIMER, PM_NOREMOVE | PM_NOYIELD);
  }

  // A click as the pointer gives it, at a client pixel of the overlay.
  void ClickAt(int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    SendMessageW(Overlay()->hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (Overlay()) SendMessageW(Overlay()->hWnd(), WM_LBUTTONUP, 0, at);
    FlushEvents();
  }

  runtime::Application application_{GetModuleHandleW(nullptr)};
};

TEST_F(OverlayTest, IsAFramelessColourKeyedNoticeWithoutATaskbarButton) {
  windows::Form3& overlay = application_.Show<windows::Form3>();
  const HWND window = overlay.hWnd();
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 204);
  EXPECT_EQ(client.bottom, 99);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 204) << "no border";
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  const LONG extended = GetWindowLongW(window, GWL_EXSTYLE);
  EXPECT_FALSE(extended & WS_EX_APPWINDOW);
  EXPECT_TRUE(extended & WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr) << "shown without an owner";
  EXPECT_EQ(overlay.Caption(), L"Form3");

  ASSERT_TRUE(extended & WS_EX_LAYERED);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
  EXPECT_EQ(key, 0x00FF0000u);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_EQ(overlay.BackColour(), 0x00FF0000u);

  EXPECT_EQ(overlay.Timer1.Interval(), 1500u);
  EXPECT_TRUE(overlay.Timer1.Enabled());
  EXPECT_TRUE(overlay.Image3.HasPicture());
  EXPECT_EQ(overlay.Image3.PictureSize().cx, 200);
  EXPECT_EQ(overlay.Image3.PictureSize().cy, 100);
}

TEST_F(OverlayTest, OnlyTheSignAndTheTextAreDrawnTheRestIsTheKeyColour) {
  windows::Form3& overlay = application_.Show<windows::Form3>();
  UpdateWindow(overlay.hWnd());
  FlushEvents();
  HDC dc = GetDC(overlay.hWnd());
  const COLORREF corner = GetPixel(dc, 2, 2);
  const COLORREF strip = GetPixel(dc, 202, 50);        // right of the picture
  const COLORREF signRing = GetPixel(dc, 100, 8);      // top of the ring
  int red = 0;
  for (int x = 10; x < 190; ++x) {                     // across the first line of text
    for (int y = 58; y < 74; ++y) {
      const COLORREF pixel = GetPixel(dc, x, y);
      if (GetRValue(pixel) > 180 && GetGValue(pixel) < 60 && GetBValue(pixel) < 60) ++red;
    }
  }
  ReleaseDC(overlay.hWnd(), dc);
  EXPECT_EQ(corner, 0x00FF0000u);
  EXPECT_EQ(strip, 0x00FF0000u);
  EXPECT_GT(GetRValue(signRing), 180);
  EXPECT_LT(GetBValue(signRing), 60);
  EXPECT_GT(red, 150) << "red text";
}

TEST_F(OverlayTest, ItsTickStopsTheMainWindowsPollAndClosesIt) {
  Form1& main = application_.Show<Form1>();
  main.Timer1.SetEnabled(true);
  main.ShowUnplayableNotice();
  const ULONGLONG shown = GetTickCount64();
  ASSERT_TRUE(PumpUntil([&] { return !Overlay(); }, kNeverCloses));
  EXPECT_GE(GetTickCount64() - shown, 1400u);
  EXPECT_FALSE(main.Timer1.Enabled());
}

TEST_F(OverlayTest, AClickOnThePictureClosesItAndLeavesThePollRunning) {
  Form1& main = application_.Show<Form1>();
  main.Timer1.SetEnabled(true);
  main.ShowUnplayableNotice();
  ClickAt(100, 60);
  EXPECT_FALSE(Overlay());
  EXPECT_TRUE(main.Timer1.Enabled());
}

TEST_F(OverlayTest, AClickOnTheWindowOutsideThePictureClosesItToo) {
  application_.Show<windows::Form3>();
  ClickAt(202, 50);
  EXPECT_FALSE(Overlay());
}

TEST_F(OverlayTest, ATickWithTheMainWindowGoneOnlyClosesTheOverlay) {
  Form1& main = application_.Show<Form1>();
  main.ShowUnplayableNotice();
  main.Unload();
  FlushEvents();
  ASSERT_FALSE(application_.Find<Form1>());
  EXPECT_TRUE(PumpUntil([&] { return !Overlay(); }, kNeverCloses));
  EXPECT_EQ(application_.OpenFormCount(), 0);
}

TEST_F(OverlayTest, ShowingItWhileOpenNeitherReloadsItNorRestartsItsTimer) {
  windows::Form3& first = application_.Show<windows::Form3>();
  const HWND window = first.hWnd();
  // Nothing is pumped meanwhile, so the first showing's 1.5 s run is over and its tick is due.
  Sleep(1700);
  windows::Form3& again = application_.Show<windows::Form3>();
  EXPECT_EQ(&again, &first);
  EXPECT_EQ(again.hWnd(), window);
  EXPECT_TRUE(TickDue(window)) << "its 1.5 s run from the first showing; a restarted timer counts afresh";
  ASSERT_TRUE(PumpUntil([&] { return !Overlay(); }, kNeverCloses));
}

TEST_F(OverlayTest, ALaterShowingAfterItClosedLoadsItAnew) {
  application_.Show<windows::Form3>().Image3_Click();
  FlushEvents();
  ASSERT_FALSE(Overlay());
  windows::Form3& next = application_.Show<windows::Form3>();
  EXPECT_TRUE(IsWindowVisible(next.hWnd()));
  EXPECT_TRUE(next.Timer1.Enabled());
  EXPECT_TRUE(GetWindowLongW(next.hWnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

}  // namespace
}  // namespace quavlet
