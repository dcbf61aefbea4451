#pragma once

// Mouse messages as the system sends them to a window's client area, for tests that drive
// windowless controls through their form's real message handling.

#include <windows.h>

namespace quavlet::test {

inline LPARAM ClientPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

inline void SendMouseMove(HWND window, int x, int y, WPARAM keys = 0) {
  SendMessageW(window, WM_MOUSEMOVE, keys, ClientPoint(x, y));
}

enum class MouseButton { Left, Right, Middle };

inline void SendButtonDown(HWND window, MouseButton button, int x, int y) {
  switch (button) {
    case MouseButton::Left:
      SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(x, y));
      break;
    case MouseButton::Right:
      SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, ClientPoint(x, y));
      break;
    case MouseButton::Middle:
      SendMessageW(window, WM_MBUTTONDOWN, MK_MBUTTON, ClientPoint(x, y));
      break;
  }
}

// The release of a press; a window that has gone by then is left alone.
inline void SendButtonUp(HWND window, MouseButton button, int x, int y) {
  if (!IsWindow(window)) return;
  const UINT message = button == MouseButton::Left    ? WM_LBUTTONUP
                       : button == MouseButton::Right ? WM_RBUTTONUP
                                                      : WM_MBUTTONUP;
  SendMessageW(window, message, 0, ClientPoint(x, y));
}

inline void SendClick(HWND window, MouseButton button, int x, int y) {
  SendButtonDown(window, button, x, y);
  SendButtonUp(window, button, x, y);
}

}  // namespace quavlet::test
