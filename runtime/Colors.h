#pragma once

// Colours as the designer writes them: 0x00BBGGRR, or a system colour 0x80000000 + COLOR_xxx.

#include <windows.h>

#include "runtime/color.h"

namespace quavlet::runtime {

inline constexpr Color kSystemColorFlag = 0x80000000;
inline constexpr Color kButtonFaceColor = kSystemColorFlag | COLOR_BTNFACE;
inline constexpr Color kButtonTextColor = kSystemColorFlag | COLOR_BTNTEXT;
inline constexpr Color kWindowColor = kSystemColorFlag | COLOR_WINDOW;
inline constexpr Color kWindowTextColor = kSystemColorFlag | COLOR_WINDOWTEXT;

// The colour as drawn: a system colour becomes its current value.
inline COLORREF ResolveColor(Color color) {
  if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & 0xFF));
  return color;
}

}  // namespace quavlet::runtime
