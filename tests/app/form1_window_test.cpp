// The main window as built: a borderless, colour-keyed ThunderRT6FormDC window of 600 × 325
// pixels without a taskbar button, whose face is drawn by its pictures back to front, and the
// skin engine on it from load to unload.

#include <gtest/gtest.h>

#include "skin/SkinEngine.h"
#include "skin/SkinProperties.h"
#include "tests/app/form1_fixture.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/window_queries.h"

namespace quavlet::test {
namespace {

// The main window's surface as painting draws it.
DrawnSurface Surface(const runtime::Form& form) {
  return DrawnSurface(600, 325, [&form](HDC dc, const RECT& area) { form.DrawSurface(dc, area); });
}

TEST_F(MainWindow, IsABorderlessFormOf600By325PixelsCaptionedQuavlet) {
  EXPECT_EQ(ClassOf(form->hWnd()), L"ThunderRT6FormDC");
  EXPECT_TRUE(IsWindowUnicode(form->hWnd()));
  EXPECT_EQ(form->Caption(), L"Quavlet");
  const LONG_PTR style = GetWindowLongPtrW(form->hWnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  RECT client{};
  GetClientRect(form->hWnd(), &client);
  EXPECT_EQ(client.right, 600);
  EXPECT_EQ(client.bottom, 325);
  RECT frame{};
  GetWindowRect(form->hWnd(), &frame);
  EXPECT_EQ(frame.right - frame.left, 600);
  EXPECT_TRUE(IsWindowVisible(form->hWnd()));
}

TEST_F(MainWindow, IsLayeredWithPureBlueAsItsColourKey) {
  EXPECT_EQ(form->BackColour(), 0x00FF0000u);
  EXPECT_TRUE(GetWindowLongPtrW(form->hWnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form->hWnd(), &key, &alpha, &flags));
  EXPECT_EQ(key, 0x00FF0000u);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
}

TEST_F(MainWindow, HasNoTaskbarButtonAndStillMinimises) {
  const LONG_PTR extended = GetWindowLongPtrW(form->hWnd(), GWL_EXSTYLE);
  EXPECT_TRUE(extended & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(extended & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(form->hWnd(), GW_OWNER), nullptr);
  form->SetWindowState(runtime::WindowState::Minimized);
  FlushEvents();
  EXPECT_TRUE(IsIconic(form->hWnd()));
}

TEST_F(MainWindow, CarriesThe48PixelIcon) {
  const auto icon = reinterpret_cast<HICON>(SendMessageW(form->hWnd(), WM_GETICON, ICON_BIG, 0));
  ASSERT_NE(icon, nullptr);
  const SIZE size = IconSize(icon);
  EXPECT_EQ(size.cx, 48);
  EXPECT_EQ(size.cy, 48);
}

TEST_F(MainWindow, ItsFaceIsOpaqueButForTheRoundedCornersWhichAreHoles) {
  const DrawnSurface surface = Surface(*form);
  for (auto [x, y] : {std::pair{0, 0}, {599, 0}, {0, 324}, {599, 324}, {1, 1}, {598, 323}}) {
    EXPECT_EQ(surface.At(x, y), runtime::kColourKey) << x << "," << y;
  }
  int holes = 0;
  for (int y = 12; y < 313; y += 3) {
    for (int x = 12; x < 588; x += 3) holes += surface.At(x, y) == runtime::kColourKey ? 1 : 0;
  }
  EXPECT_EQ(holes, 0);
}

TEST_F(MainWindow, OfTheTitleHandleOnlyTheRowBelowTheTitlePictureShows) {
  const DrawnSurface surface = Surface(*form);
  for (int x = 10; x < 225; x += 20) EXPECT_EQ(surface.At(x, 24), runtime::kWhite) << x;  // Label3's white row
  EXPECT_NE(surface.At(100, 23), runtime::kWhite);
  EXPECT_NE(surface.At(230, 24), runtime::kWhite);
}

TEST_F(MainWindow, ThePointerMeetsTheFrontMostControl) {
  const std::pair<POINT, runtime::WindowlessControl*> expected[] = {
      {{100, 10}, &form->Image5}, {{100, 24}, &form->Label3}, {{230, 12}, &form->Image3},
      {{520, 5}, &form->Label5},  {{580, 5}, &form->Label6},  {{300, 150}, &form->Image1},
      {{20, 310}, &form->Label9}, {{500, 310}, &form->Label7}, {{330, 35}, &form->Label1}};
  for (const auto& [point, control] : expected) {
    EXPECT_EQ(form->WindowlessAt(point), control) << point.x << "," << point.y;
  }
}

TEST_F(MainWindow, TheLogoIsNeverReachedAndTheTitleHandleOnlyOnItsLastRow) {
  for (int y = 0; y < 26; ++y) {
    for (int x = 0; x < 226; ++x) {
      runtime::WindowlessControl* hit = form->WindowlessAt({x, y});
      ASSERT_NE(hit, &form->Image2) << x << "," << y;
      ASSERT_EQ(hit == &form->Label3, y == 24 && x < 225) << x << "," << y;
    }
  }
}

TEST_F(MainWindow, Command4DoesNothing) {
  EXPECT_FALSE(form->Command4.Click);
  MessageBoxAnswerer answerer;
  SendMessageW(form->Command4.hWnd(), BM_CLICK, 0, 0);
  PumpFor(200);
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_EQ(application.OpenFormCount(), 1);
  EXPECT_TRUE(IsWindowVisible(form->hWnd()));
  EXPECT_EQ(form->Command2.Text(), L"播/暂");
  EXPECT_FALSE(form->Command2.Enabled());
  EXPECT_FALSE(form->Timer1.Enabled());
  EXPECT_EQ(form->Label8.Caption(), L"");
}

TEST_F(MainWindow, UnloadingGivesTheSkinBackThenClosesTheWindowAndItsControls) {
  // Loaded, the form and each of its controls run through the skin engine.
  const auto skinned = [](HWND window) { return skin::SkinProperties(window).ProcAddr() != nullptr; };
  EXPECT_TRUE(skinned(form->hWnd()));
  for (const runtime::WindowedControl* control : form->WindowedControls()) {
    EXPECT_TRUE(skinned(control->hWnd())) << ClassOf(control->hWnd());
  }
  // Form_Unload itself gives everything back and the engine stops, before any window goes.
  int cancel = 0;
  form->Form_Unload(cancel);
  EXPECT_FALSE(skinned(form->hWnd()));
  for (const runtime::WindowedControl* control : form->WindowedControls()) {
    EXPECT_FALSE(skinned(control->hWnd())) << ClassOf(control->hWnd());
  }
  EXPECT_EQ(skin::Engine().SkinnedWindowCount, 0);
  EXPECT_FALSE(skin::Engine().EngineStarted);

  const HWND listView = form->ListView1.hWnd();
  form->Unload();
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_FALSE(IsWindow(listView));
  EXPECT_EQ(application.OpenFormCount(), 0);
  EXPECT_EQ(application.Find<Form1>(), nullptr);
}

}  // namespace
}  // namespace quavlet::test
