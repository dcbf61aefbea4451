#pragma once

// Scope guards the skin's blits need beyond runtime/GdiHandles.h.

#include <windows.h>

#include "runtime/GdiHandles.h"

namespace quavlet::skin {

// The display DC that off-screen bitmaps are made compatible with, for the scope: a DC made
// for it (CreateDC "DISPLAY") and deleted at its end, or, while a DrawingDcShare is open, the
// share's one DC, borrowed. Making a display DC is slow (about 2 ms under Wine), and an attach
// composes dozens of pieces.
class DisplayDc {
 public:
  DisplayDc();
  DisplayDc(const DisplayDc&) = delete;
  DisplayDc& operator=(const DisplayDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  // The DC to make a display-format bitmap compatible with: the display DC itself or, while a
  // share is open, the share's one-pixel memory DC holding a bitmap of the display's format
  // (a bitmap made compatible with a memory DC takes the format of the one selected into it).
  // Under Wine every bitmap made against the display asks it for its format, a round trip to
  // the window server; the share asks once.
  HDC BitmapFormatDc() const;

 private:
  runtime::MemoryDc owned_;
  HDC dc_;
};

// A memory DC of at least width x height (made by CreateMemoryDC) to compose a piece in, for
// the scope: its own, or, while a DrawingDcShare is open, the share's scratch DC, grown when
// too small. Its pixels start undefined either way; a user draws every pixel it reads.
class ScratchDc {
 public:
  ScratchDc(int width, int height);
  ~ScratchDc();
  ScratchDc(const ScratchDc&) = delete;
  ScratchDc& operator=(const ScratchDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  bool owned_;
  HDC dc_;
};

// Opens, for its scope, one display DC and one scratch DC that every DisplayDc and ScratchDc
// of this thread borrow; each is made when first asked for, so a scope that composes nothing
// costs nothing. Shares nest: the outermost deletes both at its end, so nothing outlives the
// call that opened it.
class DrawingDcShare {
 public:
  DrawingDcShare();
  ~DrawingDcShare();
  DrawingDcShare(const DrawingDcShare&) = delete;
  DrawingDcShare& operator=(const DrawingDcShare&) = delete;

 private:
  bool outermost_;
};

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
