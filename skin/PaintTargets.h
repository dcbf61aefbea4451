#pragma once

// Where the painters draw: a DC handed in by the caller, or the window's own DC taken for the
// call (WM_PAINT's own DC is runtime::PaintScope). It releases what it took and nothing else.

#include <windows.h>

#include <optional>

#include "runtime/GdiHandles.h"
#include "skin/PainterColours.h"

namespace quavlet::skin {

// The caller's DC when there is one (never released here), else the window DC for the scope.
class PaintTarget {
 public:
  PaintTarget(HWND window, HDC given) : given_(given) {
    if (!given) taken_.emplace(window, runtime::WindowDc::Area::Window);
  }

  HDC get() const { return given_ ? given_ : taken_->get(); }

 private:
  HDC given_;
  std::optional<runtime::WindowDc> taken_;
};

// The blue frame of a skinned control, paler while the control is disabled.
inline COLORREF FrameColourOf(HWND window) {
  return IsWindowEnabled(window) ? kFrameColour : kDisabledFrameColour;
}

}  // namespace quavlet::skin
