#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <thread>

#include "app/Form1.h"
#include "runtime/Application.h"
#include "tests/support/message_pump.h"
#include "windows/Form3.h"
#include "windows/Form4.h"

namespace quavlet {
namespace {

constexpr int kWatchdogExitCode = 99;

// Ends a message loop that runs too long by posting WM_QUIT with kWatchdogExitCode.
class Watchdog {
 public:
  explicit Watchdog(DWORD milliseconds) : thread_(GetCurrentThreadId()) {
    worker_ = std::thread([this, milliseconds] {
      if (WaitForSingleObject(done_, milliseconds) == WAIT_TIMEOUT) {
        PostThreadMessageW(thread_, WM_QUIT, kWatchdogExitCode, 0);
      }
    });
  }
  ~Watchdog() {
    SetEvent(done_);
    worker_.join();
    CloseHandle(done_);
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  DWORD thread_;
  HANDLE done_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread worker_;
};

// Posts WM_CLOSE to a window after a while, as a user pressing its close box would.
class DelayedClose {
 public:
  DelayedClose(HWND window, DWORD milliseconds)
      : worker_([window, milliseconds] {
          Sleep(milliseconds);
          PostMessageW(window, WM_CLOSE, 0, 0);
        }) {}
  ~DelayedClose() { worker_.join(); }
  DelayedClose(const DelayedClose&) = delete;
  DelayedClose& operator=(const DelayedClose&) = delete;

 private:
  std::thread worker_;
};

TEST(SecondaryWindowLifetime, ClosingTheMainWindowKeepsTheProgramRunningUntilThePromotionWindowCloses) {
  runtime::Application application(GetModuleHandleW(nullptr));
  Form1& main = application.Show<Form1>();
  windows::Form4& promotion = application.Show<windows::Form4>();
  main.Unload();  // the main window closes
  test::FlushEvents();
  ASSERT_FALSE(application.Find<Form1>());
  ASSERT_EQ(application.OpenFormCount(), 1);

  Watchdog watchdog(10000);
  DelayedClose closeBox(promotion.hWnd(), 700);
  const ULONGLONG start = GetTickCount64();
  const int exitCode = application.Run();
  EXPECT_NE(exitCode, kWatchdogExitCode) << "the loop did not end when the last window closed";
  EXPECT_GE(GetTickCount64() - start, 650u) << "the loop ended while the promotion window was open";
  EXPECT_EQ(application.OpenFormCount(), 0);
}

TEST(SecondaryWindowLifetime, ClosingTheMainWindowKeepsTheProgramRunningUntilTheOverlayClosesItself) {
  runtime::Application application(GetModuleHandleW(nullptr));
  Form1& main = application.Show<Form1>();
  main.Timer1.SetEnabled(true);
  main.ShowUnplayableNotice();
  main.Unload();
  test::FlushEvents();
  ASSERT_EQ(application.OpenFormCount(), 1);

  Watchdog watchdog(10000);
  const ULONGLONG start = GetTickCount64();
  const int exitCode = application.Run();
  EXPECT_NE(exitCode, kWatchdogExitCode);
  // The overlay's own tick, with no main window left, closes it; then the program ends.
  EXPECT_GE(GetTickCount64() - start, 1200u);
  EXPECT_EQ(application.OpenFormCount(), 0);
}

TEST(SecondaryWindowLifetime, TheProgramEndsWithTheMainWindowWhenNothingElseIsOpen) {
  runtime::Application application(GetModuleHandleW(nullptr));
  Form1& main = application.Show<Form1>();
  Watchdog watchdog(10000);
  DelayedClose closing(main.hWnd(), 200);
  EXPECT_NE(application.Run(), kWatchdogExitCode);
  EXPECT_EQ(application.OpenFormCount(), 0);
}

}  // namespace
}  // namespace quavlet
