#include "skin/PaintGeometry.h"

#include <cmath>

namespace quavlet::skin {

int RoundHalfEven(double value) {
  // Not std::nearbyint: that follows the floating-point rounding mode, which a host may change.
  const double lower = std::floor(value);
  const double fraction = value - lower;
  double result = lower;
  if (fraction > 0.5) {
    result = lower + 1.0;
  } else if (fraction == 0.5) {
    result = std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
  }
  return static_cast<int>(result);
}

int HalfOf(int value) { return RoundHalfEven(static_cast<double>(value) / 2.0); }

int CentredOffset(int outer, int inner, int origin) {
  return RoundHalfEven(static_cast<double>(outer - inner) / 2.0 + origin);
}

float ProgressFraction(int position) { return static_cast<float>(position) / static_cast<float>(kProgressRange); }

int FilledLength(int length, float fraction) { return RoundHalfEven(length * static_cast<double>(fraction)); }

int UnfilledLength(int length, float fraction) {
  return RoundHalfEven(length - length * static_cast<double>(fraction));
}

}  // namespace quavlet::skin
