#pragma once

// Moving a borderless window by a press on one of its controls: the press is handed to the
// system as a press on a title bar, and the system's own move loop makes the window follow the
// pointer until the button is released. Returns when the move ends.

#include <windows.h>

#include "runtime/Barrier.h"

namespace quavlet::runtime {

namespace window_move_detail {

// The system's move loop ends only when the left button comes up. A move started with another
// button would otherwise keep following the pointer after that button is released, until some
// later left click; so when the last button comes up, the loop is told to accept the move (its
// Return key). Sees the loop's messages before the loop does.
inline LRESULT CALLBACK EndMoveOnRelease(int code, WPARAM wParam, LPARAM lParam) {
  // The move loop's filter codes (MSGF_MOVE, MSGF_SIZE), absent from some headers.
  constexpr int kMoveLoop = 3;
  constexpr int kSizeLoop = 4;
  Barrier([&] {
    if ((code == kMoveLoop || code == kSizeLoop) && lParam) {
      const MSG& message = *reinterpret_cast<const MSG*>(lParam);
      const bool otherButtonUp =
          message.message == WM_RBUTTONUP || message.message == WM_MBUTTONUP || message.message == WM_XBUTTONUP;
      constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;
      if (otherButtonUp && (GET_KEYSTATE_WPARAM(message.wParam) & kAnyButton) == 0) {
        PostMessageW(message.hwnd, WM_KEYDOWN, VK_RETURN, 0);
      }
    }
  });
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Watches this thread's modal loops for the time of one move.
class ReleaseWatch {
 public:
  ReleaseWatch() : hook_(SetWindowsHookExW(WH_MSGFILTER, EndMoveOnRelease, nullptr, GetCurrentThreadId())) {}
  ~ReleaseWatch() {
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  ReleaseWatch(const ReleaseWatch&) = delete;
  ReleaseWatch& operator=(const ReleaseWatch&) = delete;

 private:
  HHOOK hook_;
};

}  // namespace window_move_detail

inline void StartWindowMove(HWND window) {
  const window_move_detail::ReleaseWatch watch;
  // The press captured the pointer for the form; the move loop needs it back.
  ReleaseCapture();
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace quavlet::runtime
