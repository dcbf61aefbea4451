#include "runtime/twips.h"

#include <cmath>

namespace quavlet::runtime {

int TwipsToPixels(double twips, int dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

double PixelsToTwips(int pixels, int dotsPerInch) {
  return static_cast<double>(pixels) * kTwipsPerInch / dotsPerInch;
}

PixelBox PlaceToPixels(const Place& place, int dotsPerInch) {
  const int left = TwipsToPixels(place.left, dotsPerInch);
  const int top = TwipsToPixels(place.top, dotsPerInch);
  const int right = TwipsToPixels(place.left + place.width, dotsPerInch);
  const int bottom = TwipsToPixels(place.top + place.height, dotsPerInch);
  return {left, top, right - left, bottom - top};
}

}  // namespace quavlet::runtime
