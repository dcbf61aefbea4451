#pragma once

// Scope guards the skin's blits need beyond runtime/GdiHandles.h.

#include <windows.h>

#include "runtime/GdiHandles.h"

namespace quavlet::skin {

// A DC on the display (CreateDC "DISPLAY"), deleted at the end of the scope.
inline gdi::MemoryDc CreateDisplayDc() {
  return gdi::MemoryDc(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
}

// Selects and realises a palette in a DC for the scope; puts the previous palette back and
// realises it, in the background when asked.
class ScopedPalette {
 public:
  ScopedPalette(HDC dc, HPALETTE palette, bool restoreInBackground)
      : dc_(dc), previous_(SelectPalette(dc, palette, TRUE)), restoreInBackground_(restoreInBackground) {
    RealizePalette(dc_);
  }
  ~ScopedPalette() {
    if (!previous_) return;
    SelectPalette(dc_, previous_, restoreInBackground_ ? TRUE : FALSE);
    RealizePalette(dc_);
  }
  ScopedPalette(const ScopedPalette&) = delete;
  ScopedPalette& operator=(const ScopedPalette&) = delete;

 private:
  HDC dc_;
  HPALETTE previous_;
  bool restoreInBackground_;
};

}  // namespace quavlet::skin
