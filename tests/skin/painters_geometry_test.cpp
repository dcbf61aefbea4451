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

}  // namespace
}  // namespace quavlet::skin
