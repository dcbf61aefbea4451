#include "musiclist/SongRows.h"

#include <gtest/gtest.h>

namespace quavlet::musiclist {
namespace {

TEST(SongColumnWidths, DivideTheViewWidth) {
  const auto widths = SongColumnWidths(8775.0f);
  EXPECT_EQ(widths[0], 438.75);
  EXPECT_EQ(widths[1], 1462.5);
  EXPECT_EQ(widths[2], 975.0);
  EXPECT_DOUBLE_EQ(widths[3], 8775.0 / 1.7);
  EXPECT_NEAR(widths[3], 5161.76, 0.01);
}

TEST(SongColumnWidths, TakeTheFirstThreeInSinglePrecision) {
  const auto widths = SongColumnWidths(1000.0f);
  EXPECT_EQ(widths[1], static_cast<double>(1000.0f / 6.0f));
  EXPECT_NE(widths[1], 1000.0 / 6.0);
}

TEST(AddressOfEntry, DropsTheTrailingCharacter) {
  EXPECT_EQ(AddressOfEntry(L"http://a/b.wav;"), L"http://a/b.wav");
  EXPECT_EQ(AddressOfEntry(L"x"), L"");
  EXPECT_EQ(AddressOfEntry(L""), L"");
}

TEST(ViewModeFromText, ReadsTheArrangementBoxItems) {
  EXPECT_EQ(ViewModeFromText(L"1"), 1);
  EXPECT_EQ(ViewModeFromText(L"2"), 2);
  EXPECT_EQ(ViewModeFromText(L"3"), 3);
  EXPECT_EQ(ViewModeFromText(L" 3 "), 3);
  EXPECT_EQ(ViewModeFromText(L"0"), 0);
  EXPECT_FALSE(ViewModeFromText(L""));
  EXPECT_FALSE(ViewModeFromText(L"4"));
  EXPECT_FALSE(ViewModeFromText(L"a"));
  EXPECT_FALSE(ViewModeFromText(L"12"));
}

}  // namespace
}  // namespace quavlet::musiclist
