#include <gtest/gtest.h>

#include "skin/PaintGeometry.h"

namespace quavlet::skin {
namespace {

TEST(PainterRounding, ExactHalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

TEST(PainterRounding, OtherValuesGoToTheNearestInteger) {
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
  EXPECT_EQ(RoundHalfEven(-2.6), -3);
  EXPECT_EQ(RoundHalfEven(7.0), 7);
  EXPECT_EQ(RoundHalfEven(0.0), 0);
}

TEST(PainterRounding, HalvingRoundsOddValuesToEven) {
  EXPECT_EQ(HalfOf(5), 2);   // a 13-pixel box, 8-pixel mark: (13 - 8) / 2
  EXPECT_EQ(HalfOf(6), 3);   // 13-pixel box, 7-pixel square
  EXPECT_EQ(HalfOf(7), 4);
  EXPECT_EQ(HalfOf(4), 2);
  EXPECT_EQ(HalfOf(-3), -2);
  EXPECT_EQ(HalfOf(-5), -2);
  EXPECT_EQ(HalfOf(0), 0);
}

TEST(PainterRounding, CentringAddsTheOriginBeforeRounding) {
  EXPECT_EQ(CentredOffset(13, 8), 2);   // 2.5
  EXPECT_EQ(CentredOffset(13, 7), 3);
  EXPECT_EQ(CentredOffset(15, 8), 4);   // 3.5
  // A 14-pixel box starting at 1: 4.5 + 1 = 5.5 goes to 6, where rounding first would give 5.
  EXPECT_EQ(CentredOffset(14, 5, 1), 6);
  EXPECT_EQ(CentredOffset(14, 5, 2), 6);  // 6.5
  EXPECT_EQ(CentredOffset(5, 9), -2);   // a piece larger than its box starts before it
}

TEST(ProgressGeometry, HalfwayFillsHalfTheBar) {
  const float half = ProgressFraction(15000);
  EXPECT_FLOAT_EQ(half, 0.5f);
  EXPECT_EQ(FilledLength(200, half), 100);
  EXPECT_EQ(UnfilledLength(200, half), 100);
  // 101 * 0.5 = 50.5: the half goes to the even neighbour on both sides.
  EXPECT_EQ(FilledLength(101, half), 50);
  EXPECT_EQ(UnfilledLength(101, half), 50);
}

TEST(ProgressGeometry, EndsAndPositionsOutsideTheRange) {
  EXPECT_EQ(ProgressFraction(0), 0.0f);
  EXPECT_EQ(FilledLength(150, ProgressFraction(30000)), 150);
  EXPECT_EQ(UnfilledLength(150, ProgressFraction(30000)), 0);
  // Not clamped: a position past the end reaches past the bar.
  EXPECT_EQ(FilledLength(100, ProgressFraction(60000)), 200);
  EXPECT_EQ(FilledLength(100, ProgressFraction(-3000)), -10);
}

TEST(ProgressGeometry, FractionIsSinglePrecision) {
  // 1/30000 is not exact in single precision; the length follows the float, not the double.
  const float fraction = ProgressFraction(1);
  EXPECT_EQ(fraction, 1.0f / 30000.0f);
  EXPECT_EQ(FilledLength(30000, fraction), 1);
  // Exactly 2.5 would go to 2; the float share makes it 2.50000003, which goes to 3.
  EXPECT_EQ(FilledLength(75000, fraction), 3);
}

}  // namespace
}  // namespace quavlet::skin
