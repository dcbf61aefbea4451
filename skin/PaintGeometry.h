#pragma once

// Plain arithmetic of the painters, kept free of windows so that it is tested natively.

namespace quavlet::skin {

// Nearest integer, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
int RoundHalfEven(double value);

// value / 2 computed exactly and rounded as above: centring offsets and border widths.
int HalfOf(int value);

}  // namespace quavlet::skin
