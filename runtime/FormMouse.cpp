// Mouse routing of a form: each event goes to the front-most visible windowless control under
// the pointer, or to the form's own events when no control takes it. A press captures the
// pointer: its control gets the moves and the release until every button is up.

#include "runtime/Form.h"
#include "runtime/WindowlessControl.h"

namespace quavlet::runtime {
namespace {

int ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return kRightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return kMiddleButton;
    default:
      return kLeftButton;
  }
}

int ButtonsHeld(WPARAM keys) {
  return ((keys & MK_LBUTTON) ? kLeftButton : 0) | ((keys & MK_RBUTTON) ? kRightButton : 0) |
         ((keys & MK_MBUTTON) ? kMiddleButton : 0);
}

int ShiftOf(WPARAM keys) {
  return ((keys & MK_SHIFT) ? kShiftMask : 0) | ((keys & MK_CONTROL) ? kCtrlMask : 0) |
         (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

// Client coordinates are signed: left of or above the window they are negative.
POINT PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool Contains(const PixelBox& box, POINT pixel) {
  return pixel.x >= box.left && pixel.x < box.left + box.width && pixel.y >= box.top && pixel.y < box.top + box.height;
}

}  // namespace

WindowlessControl* Form::WindowlessAt(POINT pixel) const {
  for (WindowlessControl* control : windowless_) {
    if (control->Visible() && control->TakesPointer() && Contains(control->Pixels(), pixel)) return control;
  }
  return nullptr;
}

void Form::OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT pixel = PointOf(lParam);
  const int button = ButtonOf(message);
  const int shift = ShiftOf(wParam);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      if (!pressActive_) {
        pressed_ = WindowlessAt(pixel);
        pressActive_ = true;
        SetCapture(window_);
      }
      // The second press of a double-click raises DblClick in place of MouseDown, and its
      // release raises no second Click.
      const bool doubleClick = message == WM_LBUTTONDBLCLK;
      if (button == kLeftButton) doubleClickPress_ = doubleClick;
      Deliver(pressed_, doubleClick ? MouseKind::DblClick : MouseKind::Down, button, shift, pixel);
      break;
    }
    default: {  // a release
      if (!pressActive_) break;
      WindowlessControl* target = pressed_;
      Deliver(target, MouseKind::Up, button, shift, pixel);
      if (button == kLeftButton && !doubleClickPress_ && window_ && WindowlessAt(pixel) == target) {
        Deliver(target, MouseKind::Click, button, shift, pixel);
      }
      if (ButtonsHeld(wParam) == 0) EndPress();
      break;
    }
  }
}

void Form::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  const POINT pixel = PointOf(lParam);
  WindowlessControl* target = pressActive_ ? pressed_ : WindowlessAt(pixel);
  Deliver(target, MouseKind::Move, ButtonsHeld(wParam), ShiftOf(wParam), pixel);
}

void Form::EndPress() {
  pressActive_ = false;
  pressed_ = nullptr;
  if (window_ && GetCapture() == window_) ReleaseCapture();
}

void Form::OnCaptureChanged() {
  // The capture went elsewhere (a handler released it to move the window, a message box...):
  // the press is over.
  pressActive_ = false;
  pressed_ = nullptr;
}

void Form::Deliver(WindowlessControl* target, MouseKind kind, int button, int shift, POINT pixel) {
  if (!window_) return;  // a handler before this one closed the form
  const PixelBox origin = target ? target->Pixels() : PixelBox{};
  const auto x = static_cast<float>(PixelsToTwips(pixel.x - origin.left, dpi_));
  const auto y = static_cast<float>(PixelsToTwips(pixel.y - origin.top, dpi_));
  if (target) {
    switch (kind) {
      case MouseKind::Down:
        Raise(target->MouseDown, button, shift, x, y);
        break;
      case MouseKind::Up:
        Raise(target->MouseUp, button, shift, x, y);
        break;
      case MouseKind::Move:
        Raise(target->MouseMove, button, shift, x, y);
        break;
      case MouseKind::Click:
        Raise(target->Click);
        break;
      case MouseKind::DblClick:
        Raise(target->DblClick);
        break;
    }
    return;
  }
  switch (kind) {
    case MouseKind::Down:
      Form_MouseDown(button, shift, x, y);
      break;
    case MouseKind::Up:
      Form_MouseUp(button, shift, x, y);
      break;
    case MouseKind::Move:
      Form_MouseMove(button, shift, x, y);
      break;
    case MouseKind::Click:
      Form_Click();
      break;
    case MouseKind::DblClick:
      Form_DblClick();
      break;
  }
}

}  // namespace quavlet::runtime
