#include "skin/SkinAtlas.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/SkinArt.h"
#include "tests/skin/base_test_pixels.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin {
namespace {

using quavlet::test::GdiObjectCount;
using test::ReadPixels;
using test::SelectedBitmap;

// Every pixel of the five members, in build order.
std::vector<COLORREF> AtlasPixels() {
  std::vector<COLORREF> pixels;
  for (const AtlasMember member : kAtlasMembers) {
    const AtlasSize size = AtlasMemberSize(member);
    const std::vector<COLORREF> part = ReadPixels(GetAtlasMemberDC(member), 0, 0, size.width, size.height);
    pixels.insert(pixels.end(), part.begin(), part.end());
  }
  return pixels;
}

class SkinAtlasTest : public testing::Test {
 protected:
  void SetUp() override { BuildSkinAtlas(); }
  void TearDown() override { ReleaseSkinAtlas(); }
};

TEST_F(SkinAtlasTest, MembersAreDisplayDepthBitmapsOfTheirSizes) {
  const SkinAtlas& atlas = GetSkinAtlas();
  EXPECT_EQ(GetAtlasMemberDC(AtlasMember::ButtonSkin), atlas.ButtonSkin);
  EXPECT_EQ(GetAtlasMemberDC(AtlasMember::ComboSkin), atlas.ComboSkin);
  EXPECT_EQ(GetAtlasMemberDC(AtlasMember::MarkSkin), atlas.MarkSkin);
  EXPECT_EQ(GetAtlasMemberDC(AtlasMember::OptionSkin), atlas.OptionSkin);
  EXPECT_EQ(GetAtlasMemberDC(AtlasMember::HeaderSkin), atlas.HeaderSkin);
  const HDC screen = GetDC(nullptr);
  const int displayBits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  for (const AtlasMember member : kAtlasMembers) {
    const HDC dc = GetAtlasMemberDC(member);
    ASSERT_NE(dc, nullptr);
    const BITMAP bitmap = SelectedBitmap(dc);
    EXPECT_EQ(bitmap.bmWidth, AtlasMemberSize(member).width);
    EXPECT_EQ(bitmap.bmHeight, AtlasMemberSize(member).height);
    EXPECT_EQ(bitmap.bmBitsPixel, displayBits);
  }
}

TEST_F(SkinAtlasTest, EveryPixelOfEveryMemberIsPainted) {
  std::vector<COLORREF> expected;
  ForEachAtlasPixel([&](AtlasMember, int, int, SkinColour colour) { expected.push_back(colour); });
  ASSERT_EQ(expected.size(), 2146u);
  const std::vector<COLORREF> painted = AtlasPixels();
  ASSERT_EQ(painted.size(), expected.size());
  for (std::size_t i = 0; i < painted.size(); ++i) ASSERT_EQ(painted[i], expected[i]) << "pixel " << i;
}

TEST_F(SkinAtlasTest, TellingRowsReadBackFromTheDCs) {
  const SkinAtlas& atlas = GetSkinAtlas();
  const std::vector<COLORREF> buttonTop = {0x00F9E1BF, 0x00E3B36B, 0x00D8972C, 0x00D58F1B,
                                           0x00D8972C, 0x00E3B36B, 0x00F9E1BF};
  EXPECT_EQ(ReadPixels(atlas.ButtonSkin, 0, 0, 7, 1), buttonTop);
  EXPECT_EQ(ReadPixels(atlas.ButtonSkin, 0, 21, 7, 1), buttonTop);
  EXPECT_EQ(ReadPixels(atlas.ButtonSkin, 0, 42, 7, 1), buttonTop);
  EXPECT_EQ(ReadPixels(atlas.ButtonSkin, 0, 10, 7, 1),
            (std::vector<COLORREF>{0x00D58F1B, 0x00FBF0E3, 0x00F9EAD7, 0x00F9EAD7, 0x00F9EAD7, 0x00FBF0E3,
                                   0x00D58F1B}));
  EXPECT_EQ(ReadPixels(atlas.ButtonSkin, 0, 20, 7, 1),
            (std::vector<COLORREF>{0x00FBE7CA, 0x00E1AE60, 0x00D8962A, 0x00D58F1B, 0x00D8962A, 0x00E1AE60,
                                   0x00FBE7CA}));
  EXPECT_EQ(ReadPixels(atlas.HeaderSkin, 0, 9, 9, 1),
            (std::vector<COLORREF>{0x00FBF5ED, 0x00F6E5D3, 0x00D9B07A, 0x00FAC25E, 0x00FDE1AF, 0x00DBA24B,
                                   0x00FAC25E, 0x00FFE7B0, 0x00DBA24B}));
  EXPECT_EQ(ReadPixels(atlas.OptionSkin, 0, 19, 13, 1),
            (std::vector<COLORREF>{0x00D2A683, 0x00F8EAC4, 0x00F8EBC5, 0x00F9ECC7, 0x00F9EDC9, 0x00FAEECC,
                                   0x00FAEECF, 0x00FAF0D0, 0x00FAF1D4, 0x00FBF1D6, 0x00FBF2D9, 0x00FCF4DB,
                                   0x00D2A683}));
  // The key colour where the Part leaves nothing drawn.
  EXPECT_EQ(GetPixel(atlas.ComboSkin, 14, 17), 0x00FF00FFu);
  EXPECT_EQ(GetPixel(atlas.MarkSkin, 17, 23), 0x00FF00FFu);
  EXPECT_EQ(GetPixel(atlas.OptionSkin, 0, 0), 0x00FF00FFu);
}

TEST(SkinAtlasLifetime, ReleaseDeletesTheMembersAndRebuildingGivesTheSamePixels) {
  BuildSkinAtlas();
  ReleaseSkinAtlas();  // the first build also sets up the display driver's own objects
  const DWORD before = GdiObjectCount();

  BuildSkinAtlas();
  const SkinAtlas first = GetSkinAtlas();
  const std::vector<COLORREF> firstPixels = AtlasPixels();
  EXPECT_EQ(GdiObjectCount(), before + 10);  // five DCs and five bitmaps

  ReleaseSkinAtlas();
  const SkinAtlas& released = GetSkinAtlas();
  EXPECT_EQ(released.ButtonSkin, nullptr);
  EXPECT_EQ(released.ComboSkin, nullptr);
  EXPECT_EQ(released.MarkSkin, nullptr);
  EXPECT_EQ(released.OptionSkin, nullptr);
  EXPECT_EQ(released.HeaderSkin, nullptr);
  EXPECT_EQ(GetObjectType(first.ButtonSkin), 0u);
  EXPECT_EQ(GetObjectType(first.HeaderSkin), 0u);
  EXPECT_EQ(GdiObjectCount(), before);

  ReleaseSkinAtlas();  // nothing built: nothing happens
  EXPECT_EQ(GdiObjectCount(), before);

  BuildSkinAtlas();
  EXPECT_EQ(AtlasPixels(), firstPixels);
  // Building over a live atlas replaces it rather than leaking it.
  BuildSkinAtlas();
  EXPECT_EQ(GdiObjectCount(), before + 10);
  EXPECT_EQ(AtlasPixels(), firstPixels);
  ReleaseSkinAtlas();
  EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace
}  // namespace quavlet::skin
