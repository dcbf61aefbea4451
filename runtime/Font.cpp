#include "runtime/Font.h"

#include <cmath>

namespace quavlet::runtime {

int PointsToPixelHeight(double points, int dotsPerInch) {
  return static_cast<int>(std::lround(points * dotsPerInch / 72.0));
}

runtime::Font CreateFontFromSpec(const FontSpec& font, int dotsPerInch) {
  LOGFONTW logFont{};
  // A negative height asks for the character height, as point sizes mean.
  logFont.lfHeight = -PointsToPixelHeight(font.points, dotsPerInch);
  logFont.lfWeight = font.weight;
  logFont.lfItalic = font.italic;
  logFont.lfUnderline = font.underline;
  logFont.lfStrikeOut = font.strikeout;
  logFont.lfCharSet = font.charset;
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = DEFAULT_QUALITY;
  logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynW(logFont.lfFaceName, font.face.c_str(), LF_FACESIZE);
  return runtime::Font(CreateFontIndirectW(&logFont));
}

}  // namespace quavlet::runtime
