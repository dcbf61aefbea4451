#include "runtime/twips.h"

#include <gtest/gtest.h>

namespace quavlet {
namespace {

TEST(Twips, FifteenTwipsMakeOnePixelAt96Dpi) {
  EXPECT_EQ(TwipsToPixels(9000), 600);
  EXPECT_EQ(TwipsToPixels(4875), 325);
  EXPECT_EQ(TwipsToPixels(15), 1);
  EXPECT_DOUBLE_EQ(PixelsToTwips(600), 9000.0);
}

TEST(Twips, FractionsRoundToTheNearestPixel) {
  EXPECT_EQ(TwipsToPixels(50), 3);   // 3.33 px
  EXPECT_EQ(TwipsToPixels(10), 1);   // 0.67 px
  EXPECT_EQ(TwipsToPixels(7), 0);    // 0.47 px
}

TEST(Twips, OtherResolutionsScale) {
  EXPECT_EQ(TwipsToPixels(1440, 120), 120);
  EXPECT_EQ(TwipsToPixels(9000, 144), 900);
}

}  // namespace
}  // namespace quavlet
