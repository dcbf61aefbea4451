#pragma once

// Colours the painters draw with, besides the pixels of the skin atlas (0x00BBGGRR).

#include <windows.h>

namespace quavlet::skin {

inline constexpr COLORREF kFrameColour = 0x00D5A554;          // frame of an enabled control
inline constexpr COLORREF kDisabledFrameColour = 0x00E9CFA4;  // frame of a disabled control
inline constexpr COLORREF kPressedCheckFrameColour = 0x00C48639;
inline constexpr COLORREF kProgressFillColour = 0x00F6D64C;
inline constexpr COLORREF kCaptionColour = 0x00000000;
inline constexpr COLORREF kDisabledCaptionColour = 0x00968A79;
inline constexpr COLORREF kBackgroundColour = 0x00FFFFFF;      // backgrounds and inner frames

}  // namespace quavlet::skin
