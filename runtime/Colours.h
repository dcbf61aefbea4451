#pragma once

// Colours as the designer writes them: 0x00BBGGRR, or a system colour 0x80000000 + COLOR_xxx.

#include <windows.h>

#include "runtime/colour.h"

namespace quavlet::runtime {

inline constexpr Colour kSystemColourFlag = 0x80000000;
inline constexpr Colour kButtonFaceColour = kSystemColourFlag | COLOR_BTNFACE;
inline constexpr Colour kButtonTextColour = kSystemColourFlag | COLOR_BTNTEXT;
inline constexpr Colour kWindowColour = kSystemColourFlag | COLOR_WINDOW;
inline constexpr Colour kWindowTextColour = kSystemColourFlag | COLOR_WINDOWTEXT;

// The colour as drawn: a system colour becomes its current value.
inline COLORREF ResolveColour(Colour colour) {
  if (colour & kSystemColourFlag) return GetSysColor(static_cast<int>(colour & 0xFF));
  return colour;
}

}  // namespace quavlet::runtime
