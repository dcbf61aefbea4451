#pragma once

// Plain arithmetic of the painters, kept free of windows so that it is tested natively.

namespace quavlet::skin {

// Nearest integer, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
int RoundHalfEven(double value);

// value / 2 computed exactly and rounded as above: centring offsets and border widths.
int HalfOf(int value);

// Where a piece `inner` long starts when centred in `outer` that starts at `origin`: the half of
// the room is added to the origin before the rounding, so the parity of the sum decides a tie.
int CentredOffset(int outer, int inner, int origin = 0);

// A progress bar's position as the share of its full range, 0 to 30,000, in single precision.
// Positions outside the range are not clamped.
inline constexpr int kProgressRange = 30000;
float ProgressFraction(int position);

// The filled and the empty part of a bar length at a fraction, rounded as above.
int FilledLength(int length, float fraction);
int UnfilledLength(int length, float fraction);

}  // namespace quavlet::skin
