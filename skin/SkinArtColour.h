#pragma once

// Colour arithmetic for drawing the skin art: blends and gradients through fixed stops.

#include <initializer_list>

#include "skin/SkinArt.h"

namespace quavlet::skin {

// A gradient's colour at one position.
struct ColourStop {
  int at;
  SkinColour colour;
};

// from blended towards to by amount (0 gives from, 1 gives to), each channel rounded.
SkinColour MixColours(SkinColour from, SkinColour to, double amount);

// The colour at position `at` of a gradient through the stops (in rising order): exact at each
// stop, linear between two, held beyond the first and the last.
SkinColour RampColour(std::initializer_list<ColourStop> stops, int at);

}  // namespace quavlet::skin
