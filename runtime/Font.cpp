#include "runtime/Font.h"

#include <cmath>

namespace quavlet::runtime {

int PointsToPixelHeight(double points, int dotsPerInch) {
  return static_cast<int>(std::lround(points * dotsPerInch / 72.0));
}

gdi::Font CreateFontFromSpec(const FontSpec& spec, int dotsPerInch) {
  LOGFONTW logFont{};
  // A negative height asks for the character height, as point sizes mean.
  logFont.lfHeight = -PointsToPixelHeight(spec.points, dotsPerInch);
  logFont.lfWeight = spec.weight;
  logFont.lfItalic = spec.italic;
  logFont.lfUnderline = spec.underline;
  logFont.lfStrikeOut = spec.strikeout;
  logFont.lfCharSet = spec.charset;
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = DEFAULT_QUALITY;
  logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynW(logFont.lfFaceName, spec.face.c_str(), LF_FACESIZE);
  return gdi::Font(CreateFontIndirectW(&logFont));
}

}  // namespace quavlet::runtime
