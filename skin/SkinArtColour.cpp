#include "skin/SkinArtColour.h"

#include <cmath>

namespace quavlet::skin {
namespace {

int Channel(SkinColour colour, int shift) { return static_cast<int>((colour >> shift) & 0xFFu); }

}  // namespace

SkinColour MixColours(SkinColour from, SkinColour to, double amount) {
  SkinColour mixed = 0;
  for (const int shift : {0, 8, 16}) {
    const int start = Channel(from, shift);
    const double value = start + (Channel(to, shift) - start) * amount;
    mixed |= static_cast<SkinColour>(std::lround(value)) << shift;
  }
  return mixed;
}

SkinColour RampColour(std::initializer_list<ColourStop> stops, int at) {
  const ColourStop* previous = stops.begin();
  if (at <= previous->at) return previous->colour;
  for (const ColourStop* next = previous + 1; next != stops.end(); previous = next++) {
    if (at <= next->at) {
      const double amount = static_cast<double>(at - previous->at) / (next->at - previous->at);
      return MixColours(previous->colour, next->colour, amount);
    }
  }
  return previous->colour;
}

}  // namespace quavlet::skin
