#include "runtime/twips.h"

#include <gtest/gtest.h>

#include "runtime/colour.h"

namespace quavlet::runtime {
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
  EXPECT_EQ(TwipsToPixels(7.5), 1);  // a half rounds away from zero
  EXPECT_EQ(TwipsToPixels(-50), -3);
}

TEST(Twips, OtherResolutionsScale) {
  EXPECT_EQ(TwipsToPixels(1440, 120), 120);
  EXPECT_EQ(TwipsToPixels(9000, 144), 900);
}

TEST(Twips, APlaceCoversThePixelsBetweenItsRoundedEdges) {
  EXPECT_EQ(PlaceToPixels({120, 480, 1575, 375}), (PixelBox{8, 32, 105, 25}));
  // The close picture: top 0.67 px, right edge 599 px.
  EXPECT_EQ(PlaceToPixels({8415, 10, 570, 255}), (PixelBox{561, 1, 38, 17}));
  // The logo: 3.33 px from the corner, 20 px wide.
  EXPECT_EQ(PlaceToPixels({50, 50, 300, 300}), (PixelBox{3, 3, 20, 20}));
  // Places that touch in twips touch in pixels, whatever their fractions.
  const PixelBox upper = PlaceToPixels({0, 10, 100, 250});
  const PixelBox lower = PlaceToPixels({0, 260, 100, 250});
  EXPECT_EQ(upper.top + upper.height, lower.top);
  EXPECT_EQ(PlaceToPixels({0, 0, 9000, 4875}, 144), (PixelBox{0, 0, 900, 488}));
}

TEST(Colours, AreWrittenBlueGreenRed) {
  EXPECT_EQ(ColourFromRgb(0, 0, 255), kColourKey);
  EXPECT_EQ(ColourFromRgb(255, 0, 255), kTransparentPixel);
  EXPECT_EQ(ColourFromRgb(0xEE, 0xFC, 0xFF), kPanelColour);
  EXPECT_EQ(RedOf(0x00BE9507), 0x07);
  EXPECT_EQ(GreenOf(0x00BE9507), 0x95);
  EXPECT_EQ(BlueOf(0x00BE9507), 0xBE);
}

}  // namespace
}  // namespace quavlet::runtime
