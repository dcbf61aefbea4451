#pragma once

// Fonts are designed by face, character set, weight and size in points (10.5 included).

#include <windows.h>

#include <string>

#include "runtime/GdiHandles.h"

namespace quavlet::runtime {

inline constexpr BYTE kChineseCharset = GB2312_CHARSET;  // 134

struct FontSpec {
  std::wstring face = L"宋体";
  BYTE charset = kChineseCharset;
  int weight = FW_NORMAL;
  double points = 9;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  bool operator==(const FontSpec&) const = default;
};

// The interface font: "宋体" 9, character set 134.
inline FontSpec DefaultFont() { return {}; }
inline FontSpec SongTi(double points, int weight = FW_BOLD) {
  return {.face = L"宋体", .charset = kChineseCharset, .weight = weight, .points = points};
}

// Character height in pixels for a size in points: 9 pt is 12 px and 10.5 pt is 14 px at 96 dpi.
int PointsToPixelHeight(double points, int dotsPerInch);

runtime::Font CreateFontFromSpec(const FontSpec& font, int dotsPerInch);

}  // namespace quavlet::runtime
