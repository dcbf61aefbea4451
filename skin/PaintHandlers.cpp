#include "skin/SkinPainters.h"

namespace quavlet::skin {

LRESULT HandlePaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(previous, window, message, wParam, lParam);
}

LRESULT HandleNcPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(previous, window, message, wParam, lParam);
}

}  // namespace quavlet::skin
