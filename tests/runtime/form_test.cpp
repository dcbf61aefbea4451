// A form as a window: its class and frame, the colour-key set-up, its lifetime within the
// application, its timers, its keyboard navigation and its message boxes.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "runtime/ColourKey.h"
#include "runtime/Clipboard.h"
#include "runtime/Controls.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"
#include "tests/runtime/test_form.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/message_pump.h"
#include "tests/support/window_queries.h"

namespace quavlet::test {
namespace {

// A window procedure chained in front of a form's, as the skin engine chains its own.
LRESULT CALLBACK ChainedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, L"TESTPREVIOUS"));
  return CallWindowProcW(previous, window, message, wParam, lParam);
}

class Forms : public testing::Test {
 protected:
  runtime::Application application{GetModuleHandleW(nullptr)};
};

TEST_F(Forms, AFormIsAUnicodeThunderFormWindowOfItsDesignedClientSize) {
  TestForm& form = application.Load<TestForm>();
  ASSERT_TRUE(form.IsLoaded());
  EXPECT_EQ(ClassOf(form.hWnd()), L"ThunderRT6FormDC");
  EXPECT_TRUE(IsWindowUnicode(form.hWnd()));
  RECT client{};
  GetClientRect(form.hWnd(), &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  EXPECT_EQ(form.Caption(), L"Test form");
  EXPECT_EQ(form.log, (std::vector<std::string>{"Form_Load"}));
  EXPECT_FALSE(IsWindowVisible(form.hWnd()));  // loaded, not yet shown
}

TEST_F(Forms, WithoutATaskbarButtonAFormIsAToolWindowAndStillMinimises) {
  TestForm& form = application.Show<TestForm>();
  const LONG_PTR extended = GetWindowLongPtrW(form.hWnd(), GWL_EXSTYLE);
  EXPECT_TRUE(extended & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(extended & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(form.hWnd(), GW_OWNER), nullptr);
  form.SetWindowState(runtime::WindowState::Minimized);
  FlushEvents();
  EXPECT_TRUE(IsIconic(form.hWnd()));
  EXPECT_EQ(form.GetWindowState(), runtime::WindowState::Minimized);
}

TEST_F(Forms, AFramedFormWithATaskbarButtonHasACloseBoxOnly) {
  TestForm form(application, {.caption = L"Framed", .clientWidth = 12105, .clientHeight = 7830,
                              .border = runtime::BorderStyle::FixedSingle, .showInTaskbar = true});
  ASSERT_TRUE(form.Load());
  const LONG_PTR style = GetWindowLongPtrW(form.hWnd(), GWL_STYLE);
  EXPECT_TRUE(GetWindowLongPtrW(form.hWnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  RECT client{};
  GetClientRect(form.hWnd(), &client);
  EXPECT_EQ(client.right, 807);
  EXPECT_EQ(client.bottom, 522);
}

TEST_F(Forms, TheColourKeySetUpMakesALayeredWindowKeyedOnPureBlue) {
  TestForm& form = application.Load<TestForm>();
  runtime::MakeColourKeyed(form);
  EXPECT_EQ(form.BackColour(), 0x00FF0000u);
  EXPECT_TRUE(GetWindowLongPtrW(form.hWnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
  COLORREF key = 0;
  BYTE alpha = 1;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form.hWnd(), &key, &alpha, &flags));
  EXPECT_EQ(key, 0x00FF0000u);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
}

TEST_F(Forms, TheApplicationFindsOpenFormsByClassAndForgetsClosedOnes) {
  TestForm& first = application.Show<TestForm>();
  OtherTestForm& second = application.Show<OtherTestForm>();
  EXPECT_EQ(application.OpenFormCount(), 2);
  EXPECT_EQ(application.Find<TestForm>(), &first);
  EXPECT_EQ(application.Find<OtherTestForm>(), &second);
  EXPECT_EQ(&application.Show<TestForm>(), &first);  // showing an open form loads nothing new
  first.Unload();
  EXPECT_EQ(application.Find<TestForm>(), nullptr);
  EXPECT_EQ(application.OpenFormCount(), 1);
  EXPECT_EQ(application.Find<OtherTestForm>(), &second);
}

TEST_F(Forms, UnloadRunsFormUnloadAndACancelKeepsTheWindow) {
  TestForm& form = application.Show<TestForm>();
  form.cancelUnload = true;
  PostMessageW(form.hWnd(), WM_CLOSE, 0, 0);
  FlushEvents();
  EXPECT_TRUE(form.IsLoaded());
  form.cancelUnload = false;
  form.Unload();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "Form_Unload"), 2);
}

TEST_F(Forms, TheMessageLoopEndsWhenTheLastFormHasClosed) {
  TestForm& first = application.Show<TestForm>();
  OtherTestForm& second = application.Show<OtherTestForm>();
  // The first form closes now, the second one a moment later from its own timer.
  runtime::WindowTimer closer;
  second.Add(closer);
  closer.Design({.interval = 100, .enabled = true});
  bool firstClosedBeforeSecond = false;
  closer.Timer = [&] {
    firstClosedBeforeSecond = application.Find<TestForm>() == nullptr;
    second.Unload();
  };
  HWND secondWindow = second.hWnd();
  PostMessageW(first.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(application.Run(), 0);
  EXPECT_TRUE(firstClosedBeforeSecond);
  EXPECT_EQ(application.OpenFormCount(), 0);
  EXPECT_FALSE(IsWindow(secondWindow));
}

TEST_F(Forms, TimersFireOnTheirOwnIntervalsOnlyWhileEnabled) {
  TestForm& form = application.Load<TestForm>();
  runtime::WindowTimer fast, slow, off, zero;
  std::vector<ULONGLONG> fastTicks, slowTicks, offTicks, zeroTicks;  // when each tick came
  const ULONGLONG start = GetTickCount64();
  for (auto [timer, ticks, interval, enabled] :
       {std::tuple{&fast, &fastTicks, 30u, true}, std::tuple{&slow, &slowTicks, 200u, true},
        std::tuple{&off, &offTicks, 30u, false}, std::tuple{&zero, &zeroTicks, 0u, true}}) {
    form.Add(*timer);
    timer->Design({.interval = interval, .enabled = enabled});
    timer->Timer = [ticks] { ticks->push_back(GetTickCount64()); };
  }
  ASSERT_TRUE(PumpUntil([&] { return fastTicks.size() >= 5 && slowTicks.size() >= 2; }, 20000));
  // However late this thread comes to its ticks, a timer's n-th tick is never due before n of its
  // intervals have passed (20 ms allowed for the tick count, which moves in steps).
  constexpr ULONGLONG kTickCountStep = 20;
  for (size_t n = 0; n < fastTicks.size(); ++n) EXPECT_GE(fastTicks[n] - start + kTickCountStep, (n + 1) * 30) << n;
  for (size_t n = 0; n < slowTicks.size(); ++n) EXPECT_GE(slowTicks[n] - start + kTickCountStep, (n + 1) * 200) << n;
  EXPECT_TRUE(offTicks.empty());
  EXPECT_TRUE(zeroTicks.empty());
  fast.SetEnabled(false);
  const size_t stoppedAt = fastTicks.size();
  PumpFor(150);
  EXPECT_EQ(fastTicks.size(), stoppedAt);
}

TEST_F(Forms, AnIntervalOfZeroStopsTheSystemTimer) {
  TestForm& form = application.Load<TestForm>();
  runtime::WindowTimer timer;
  int ticks = 0;
  form.Add(timer);
  timer.Design({.interval = 10, .enabled = true});
  timer.Timer = [&ticks] { ++ticks; };
  ASSERT_TRUE(PumpUntil([&ticks] { return ticks > 0; }, 20000));
  timer.SetInterval(0);
  // Not pumped meanwhile: a system timer still running would have a tick waiting.
  Sleep(100);
  MSG message{};
  EXPECT_FALSE(PeekMessageW(&message, form.hWnd(), WM_TIMER, WM_TIMER, PM_REMOVE));
  EXPECT_TRUE(timer.Enabled());
}

bool AnswersAndPaints(HWND window) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) return false;
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  RECT left{};
  return !GetUpdateRect(window, &left, FALSE);
}

TEST_F(Forms, ATimerHandlerThatFailsKeepsTheFormAndItsTimerGoing) {
  TestForm& form = application.Show<TestForm>();
  runtime::WindowTimer timer;
  int ticks = 0;
  form.Add(timer);
  timer.Design({.interval = 20, .enabled = true});
  timer.Timer = [&ticks] {
    ++ticks;
    throw std::runtime_error("the tick failed");
  };
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 10000)) << "each failed tick is followed by the next";
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_TRUE(AnswersAndPaints(form.hWnd()));
  timer.SetEnabled(false);
  // The form still draws its own surface.
  runtime::WindowDc dc(form.hWnd());
  EXPECT_EQ(GetPixel(dc.get(), 290, 190), 0x00336699u);
}

TEST_F(Forms, TabMovesThroughEnabledVisibleControlsInOrderBothWays) {
  TestForm& form = application.Load<TestForm>();
  runtime::CommandButton first, disabled, hidden, last;
  runtime::ListBox neverFocused;
  first.Design({.place = {0, 0, 600, 300}});
  disabled.Design({.place = {0, 300, 600, 300}, .enabled = false});
  hidden.Design({.place = {0, 600, 600, 300}, .visible = false});
  neverFocused.Design({.place = {0, 900, 600, 600}, .visible = false, .tabStop = false});
  last.Design({.place = {0, 1500, 600, 300}});
  for (runtime::WindowedControl* control :
       std::initializer_list<runtime::WindowedControl*>{&first, &disabled, &hidden, &neverFocused, &last}) {
    form.Add(*control);
  }
  form.Show();
  FlushEvents();
  EXPECT_EQ(GetFocus(), first.hWnd());  // activation focuses the first in tab order
  SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), last.hWnd());
  SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), first.hWnd());  // round again

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(GetFocus(), last.hWnd());

  disabled.SetEnabled(true);
  SendMessageW(first.hWnd(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), disabled.hWnd());
}

TEST_F(Forms, TheWindowProcedureStillWorksWithAnotherChainedInFront) {
  TestForm& form = application.Show<TestForm>();
  // Chained as the skin engine chains: the replaced procedure kept in a window property.
  SetPropW(form.hWnd(), L"TESTPREVIOUS", reinterpret_cast<HANDLE>(GetWindowLongPtrW(form.hWnd(), GWLP_WNDPROC)));
  SetWindowLongPtrW(form.hWnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChainedProcedure));
  form.log.clear();
  SendMessageW(form.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, PixelParam(10, 10));
  SendMessageW(form.hWnd(), WM_LBUTTONUP, 0, PixelParam(10, 10));
  EXPECT_EQ(form.log, (std::vector<std::string>{"Form_MouseDown 1 0 150 150", "Form_MouseUp 1 0 150 150", "Form_Click"}));
  EXPECT_TRUE(IsWindowUnicode(form.hWnd()));
}

TEST_F(Forms, AMessageBoxHasItsTitleTextAndIconAndReturnsTheButtonPressed) {
  TestForm& form = application.Show<TestForm>();
  MessageBoxAnswerer answerer({IDCANCEL, kCloseBox, IDOK});
  EXPECT_EQ(form.MsgBox(L"您确定要退出吗？", MB_OKCANCEL | MB_ICONQUESTION, L"提示"), IDCANCEL);
  EXPECT_EQ(form.MsgBox(L"还要吗？", MB_OKCANCEL | MB_ICONQUESTION, L"提示"), IDCANCEL);
  EXPECT_EQ(form.MsgBox(L"QQ号为5至10位数字", MB_ICONHAND, L"错误"), IDOK);
  ASSERT_EQ(answerer.Seen().size(), 3u);
  EXPECT_EQ(answerer.Seen()[0].title, L"提示");
  EXPECT_EQ(answerer.Seen()[0].text, L"您确定要退出吗？");
  EXPECT_EQ(answerer.Seen()[0].icon, MessageBoxIcon::Question);
  EXPECT_EQ(answerer.Seen()[0].buttons, (std::vector<int>{IDOK, IDCANCEL}));
  EXPECT_EQ(answerer.Seen()[0].defaultButton, IDOK);
  EXPECT_EQ(answerer.Seen()[0].owner, form.hWnd());
  EXPECT_EQ(answerer.Seen()[2].icon, MessageBoxIcon::Critical);
  EXPECT_EQ(answerer.Seen()[2].buttons, (std::vector<int>{IDOK}));
}

TEST(Clipboard, TextGoesOnTheClipboardOwnedByTheWindowAndClearEmptiesIt) {
  // Windows takes no data for a clipboard emptied without an owner, whatever Wine allows.
  const std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)> owner(
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
      &DestroyWindow);
  ASSERT_TRUE(owner);
  ASSERT_TRUE(runtime::clipboard::SetText(owner.get(), L"http://127.0.0.1/歌.mp3"));
  EXPECT_EQ(GetClipboardOwner(), owner.get());
  EXPECT_EQ(runtime::clipboard::GetText(), L"http://127.0.0.1/歌.mp3");
  ASSERT_TRUE(runtime::clipboard::SetText(owner.get(), L""));
  EXPECT_EQ(runtime::clipboard::GetText(), L"");
  ASSERT_TRUE(runtime::clipboard::Clear(owner.get()));
  EXPECT_EQ(GetClipboardOwner(), owner.get());
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
}

TEST(Fonts, PointSizesBecomeCharacterHeightsAndTheFaceIsKept) {
  EXPECT_EQ(runtime::PointsToPixelHeight(9, 96), 12);
  EXPECT_EQ(runtime::PointsToPixelHeight(10.5, 96), 14);
  EXPECT_EQ(runtime::PointsToPixelHeight(12, 96), 16);
  const runtime::Font font = runtime::CreateFontFromSpec(runtime::SongTi(10.5), 96);
  runtime::WindowDc screen(nullptr);
  runtime::ScopedSelect select(screen.get(), font.get());
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(screen.get(), LF_FACESIZE, face);
  EXPECT_STREQ(face, L"宋体");
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  EXPECT_EQ(metrics.tmCharSet, 134);
  EXPECT_EQ(metrics.tmWeight, FW_BOLD);
}

}  // namespace
}  // namespace quavlet::test
