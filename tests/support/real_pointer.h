#pragma once

// The display's own pointer, driven by xdotool on the X server the program runs on, so that a
// test goes through the same road as a person's hand: X events, the system's hit testing,
// capture and modal loops (a window move runs the system's own loop, which reads real input).
//
//   RealPointer pointer;
//   if (!pointer.Available()) GTEST_SKIP() << "no X display";
//   ASSERT_TRUE(pointer.Run(L"mousemove 100 200 mousedown 1 mousemove 150 230 mouseup 1"));
//
// Run returns when xdotool has finished, pumping this thread's messages meanwhile, so the
// windows under test answer while the script is played. The last X events may reach the windows
// later: wait for what they should do (PumpUntil with kNeverArrives), or, for a check that
// something did not happen, let them in with LetLateEventsIn first.

#include <windows.h>

#include <string>

namespace quavlet::test {

class RealPointer {
 public:
  // How long a wait for the effect of a script lasts before the effect counts as never coming.
  static constexpr DWORD kNeverArrives = 15000;

  RealPointer();

  // Whether there is an X display and xdotool to drive it.
  bool Available() const { return available_; }

  // Plays an xdotool command line ("mousemove X Y click 1 ..."); false if it could not run,
  // failed, or took longer than the timeout.
  bool Run(const std::wstring& arguments, DWORD timeoutMilliseconds = 10000);

  // Pumps messages a moment, for a check that events did not do something: there is nothing to
  // wait for then, and a slow machine can only make such a check miss a fault, not fail.
  static void LetLateEventsIn();

  // Screen position of a client pixel of a window.
  static POINT ScreenPoint(HWND window, int clientX, int clientY);

 private:
  bool available_ = false;
  unsigned scripts_ = 0;
};

}  // namespace quavlet::test
