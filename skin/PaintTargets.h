#pragma once

// Where the painters draw: a DC handed in by the caller, or the window's own DC taken for the
// call; and the paint DC of WM_PAINT. Each releases what it took and nothing else.

#include <windows.h>

#include "skin/PainterColours.h"

namespace quavlet::skin {

// The caller's DC when there is one (never released here), else the window DC for the scope.
class PaintTarget {
 public:
  PaintTarget(HWND window, HDC given)
      : window_(window), given_(given), taken_(given ? nullptr : GetWindowDC(window)) {}
  ~PaintTarget() {
    if (taken_) ReleaseDC(window_, taken_);
  }
  PaintTarget(const PaintTarget&) = delete;
  PaintTarget& operator=(const PaintTarget&) = delete;

  HDC get() const { return given_ ? given_ : taken_; }

 private:
  HWND window_;
  HDC given_;
  HDC taken_;
};

// BeginPaint / EndPaint for the scope.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// The blue frame of a skinned control, paler while the control is disabled.
inline COLORREF FrameColourOf(HWND window) {
  return IsWindowEnabled(window) ? kFrameColour : kDisabledFrameColour;
}

}  // namespace quavlet::skin
