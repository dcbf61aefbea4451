// skin-bench: the skin engine on the real main window under Wine. Prints, for the main window
// with all its controls: attaching and detaching it (shown, and hidden as it is while it
// loads), one fade step of a command button, 1,000
// full hover fades (in and out) and 100 attach/detach cycles, with the process's GDI object
// count before and after (it must not grow). Run it under Xvfb: tools/skin-bench/run.sh.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "app/Form1.h"
#include "runtime/Application.h"
#include "skin/MSkinButton.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinEngine.h"
#include "skin/SkinProperties.h"
#include "tests/support/message_pump.h"

namespace {

using Clock = std::chrono::steady_clock;
using quavlet::skin::SkinProperties;

double MicrosecondsOf(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

void Report(const char* what, double totalMicroseconds, int times) {
  std::printf("%-58s %10.1f us each (%d runs, %.1f ms in all)\n", what, totalMicroseconds / times, times,
              totalMicroseconds / 1000.0);
}

void ReportObjects(const char* what, DWORD before, DWORD after) {
  std::printf("%-58s %10lu before, %lu after (%+ld)\n", what, before, after,
              static_cast<long>(after) - static_cast<long>(before));
}

// Steps the button's fade by hand until it ends: the same work as the 15 ms timer, without the
// waiting. Returns the steps taken.
int RunFadeToEnd(HWND button) {
  int steps = 0;
  while (SkinProperties(button).Get(quavlet::skin::kTimerIdProperty) != 0) {
    SendMessageW(button, WM_TIMER, quavlet::skin::kFadeTimerId, 0);
    ++steps;
  }
  return steps;
}

void MeasureAttachAndDetach(HWND mainWindow) {
  constexpr int kCycles = 100;
  quavlet::skin::DetachSkin(mainWindow);
  std::printf("Main window: %d windows skinned\n", [&] {
    quavlet::skin::AttachSkin(mainWindow);
    return quavlet::skin::Engine().SkinnedWindowCount;
  }());
  quavlet::skin::DetachSkin(mainWindow);
  quavlet::test::FlushEvents();

  // With nothing else skinned, every attach starts the engine (atlas built) and every detach
  // stops it (atlas released). The count is taken after one cycle, which lets the system fill
  // its caches (under Wine a cached window DC and a region appear once); that cycle is reported
  // on its own.
  const DWORD first = quavlet::test::GdiObjectCount();
  quavlet::skin::AttachSkin(mainWindow);
  quavlet::test::FlushEvents();
  quavlet::skin::DetachSkin(mainWindow);
  quavlet::test::FlushEvents();
  const DWORD before = quavlet::test::GdiObjectCount();
  ReportObjects("GDI objects around the first attach/detach cycle", first, before);
  double attaching = 0;
  double detaching = 0;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    attaching += MicrosecondsOf([&] { quavlet::skin::AttachSkin(mainWindow); });
    quavlet::test::FlushEvents();
    detaching += MicrosecondsOf([&] { quavlet::skin::DetachSkin(mainWindow); });
    quavlet::test::FlushEvents();
  }
  const DWORD after = quavlet::test::GdiObjectCount();
  Report("AttachSkin(main window), engine start included", attaching, kCycles);
  Report("DetachSkin(main window), engine stop included", detaching, kCycles);
  ReportObjects("GDI objects around 100 attach/detach cycles", before, after);

  Report("  of which building the skin atlas",
         MicrosecondsOf([] {
           for (int i = 0; i < kCycles; ++i) quavlet::skin::BuildSkinAtlas();
           quavlet::skin::ReleaseSkinAtlas();
         }),
         kCycles);

  // As at start-up: the main window loads hidden, so its windows are taken over before they can
  // be seen.
  ShowWindow(mainWindow, SW_HIDE);
  attaching = detaching = 0;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    attaching += MicrosecondsOf([&] { quavlet::skin::AttachSkin(mainWindow); });
    quavlet::test::FlushEvents();
    detaching += MicrosecondsOf([&] { quavlet::skin::DetachSkin(mainWindow); });
    quavlet::test::FlushEvents();
  }
  ShowWindow(mainWindow, SW_SHOWNOACTIVATE);
  quavlet::test::FlushEvents();
  Report("AttachSkin(main window hidden, as it loads), engine start", attaching, kCycles);
  Report("DetachSkin(main window hidden), engine stop included", detaching, kCycles);

  // With the engine kept running by another skinned window: the take-over alone.
  HWND keeper = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  quavlet::skin::AttachSkin(keeper);
  attaching = detaching = 0;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    attaching += MicrosecondsOf([&] { quavlet::skin::AttachSkin(mainWindow); });
    quavlet::test::FlushEvents();
    detaching += MicrosecondsOf([&] { quavlet::skin::DetachSkin(mainWindow); });
    quavlet::test::FlushEvents();
  }
  Report("AttachSkin(main window), engine running", attaching, kCycles);
  Report("DetachSkin(main window), engine running", detaching, kCycles);
  DestroyWindow(keeper);
}

void MeasureFades(HWND button) {
  // The pointer rests on the button, so that the leave tracking asked for at each hover entry
  // posts nothing: the leaves below are sent at known moments.
  RECT place{};
  GetWindowRect(button, &place);
  SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  quavlet::test::FlushEvents();
  // The pointer's arrival was a hover entry already: end it, so each fade below starts fresh.
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  RunFadeToEnd(button);
  const SkinProperties properties(button);

  constexpr int kSteps = 1000;
  quavlet::skin::StartFadeTimer(button);
  double stepping = 0;
  for (int step = 0; step < kSteps; ++step) {
    properties.Set(quavlet::skin::kAlphaLevelProperty, 100);
    stepping += MicrosecondsOf([&] { SendMessageW(button, WM_TIMER, quavlet::skin::kFadeTimerId, 0); });
  }
  quavlet::skin::StopFadeTimer(button);
  Report("One fade step of a command button (WM_TIMER)", stepping, kSteps);

  constexpr int kFades = 1000;
  const DWORD before = quavlet::test::GdiObjectCount();
  int steps = 0;
  const double fading = MicrosecondsOf([&] {
    for (int fade = 0; fade < kFades; ++fade) {
      SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
      steps += RunFadeToEnd(button);
      SendMessageW(button, WM_MOUSELEAVE, 0, 0);
      steps += RunFadeToEnd(button);
    }
  });
  quavlet::test::FlushEvents();
  const DWORD after = quavlet::test::GdiObjectCount();
  Report("Full hover fade, in and out (WM_MOUSEMOVE ... WM_MOUSELEAVE ...)", fading, kFades);
  std::printf("%-58s %10d steps each\n", "  blends per hover fade, in and out", steps / kFades);
  ReportObjects("GDI objects around 1,000 hover fades", before, after);
}

}  // namespace

int main() {
  quavlet::runtime::Application application(GetModuleHandleW(nullptr));
  // The main window as the program shows it; its load has attached the skin.
  quavlet::Form1& form = application.Show<quavlet::Form1>();
  UpdateWindow(form.hWnd());
  quavlet::test::FlushEvents();

  MeasureAttachAndDetach(form.hWnd());
  quavlet::skin::AttachSkin(form.hWnd());
  quavlet::test::FlushEvents();
  MeasureFades(form.Command1.hWnd());

  form.Unload();
  quavlet::test::FlushEvents();
  std::printf("%-58s %10d\n", "Skinned windows after the main window closed",
              quavlet::skin::Engine().SkinnedWindowCount);
  return 0;
}
