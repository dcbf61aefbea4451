#include "runtime/twips.h"

#include <cmath>

namespace quavlet {

int TwipsToPixels(double twips, int dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

double PixelsToTwips(int pixels, int dotsPerInch) {
  return static_cast<double>(pixels) * kTwipsPerInch / dotsPerInch;
}

}  // namespace quavlet
