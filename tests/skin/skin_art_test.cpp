#include "skin/SkinArt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quavlet::skin {
namespace {

constexpr SkinColour M = kSkinKeyColour;

std::vector<SkinColour> Row(const AtlasArt& art, int y, int first = 0, int last = -1) {
  if (last < 0) last = art.width() - 1;
  std::vector<SkinColour> row;
  for (int x = first; x <= last; ++x) row.push_back(art.At(x, y));
  return row;
}

std::vector<SkinColour> Column(const AtlasArt& art, int x, int first, int last) {
  std::vector<SkinColour> column;
  for (int y = first; y <= last; ++y) column.push_back(art.At(x, y));
  return column;
}

int CountKeyPixels(const AtlasArt& art) {
  int count = 0;
  for (int y = 0; y < art.height(); ++y) {
    for (int x = 0; x < art.width(); ++x) count += art.At(x, y) == M ? 1 : 0;
  }
  return count;
}

TEST(SkinArt, MembersHaveTheirSizesAndAreVisitedOnceInBuildOrder) {
  struct Visit {
    AtlasMember member;
    int x, y;
  };
  std::vector<Visit> visits;
  ForEachAtlasPixel([&](AtlasMember member, int x, int y, SkinColour) { visits.push_back({member, x, y}); });
  ASSERT_EQ(visits.size(), 2146u);  // 588 + 270 + 432 + 676 + 180

  std::size_t next = 0;
  for (const AtlasMember member : {AtlasMember::ButtonSkin, AtlasMember::ComboSkin, AtlasMember::MarkSkin,
                                   AtlasMember::OptionSkin, AtlasMember::HeaderSkin}) {
    const AtlasSize size = AtlasMemberSize(member);
    const AtlasArt art = DrawAtlasArt(member);
    EXPECT_EQ(art.width(), size.width);
    EXPECT_EQ(art.height(), size.height);
    // Row by row from row 0, left to right within a row.
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x, ++next) {
        ASSERT_EQ(visits[next].member, member);
        ASSERT_EQ(visits[next].x, x);
        ASSERT_EQ(visits[next].y, y);
      }
    }
  }
}

TEST(SkinArt, ButtonTellingRows) {
  const AtlasArt art = DrawButtonArt();
  const std::vector<SkinColour> top = {0x00F9E1BF, 0x00E3B36B, 0x00D8972C, 0x00D58F1B,
                                       0x00D8972C, 0x00E3B36B, 0x00F9E1BF};
  for (int cell = 0; cell < 3; ++cell) EXPECT_EQ(Row(art, 21 * cell), top) << "cell " << cell;
  EXPECT_EQ(Row(art, 10), (std::vector<SkinColour>{0x00D58F1B, 0x00FBF0E3, 0x00F9EAD7, 0x00F9EAD7, 0x00F9EAD7,
                                                   0x00FBF0E3, 0x00D58F1B}));
  EXPECT_EQ(Row(art, 20), (std::vector<SkinColour>{0x00FBE7CA, 0x00E1AE60, 0x00D8962A, 0x00D58F1B, 0x00D8962A,
                                                   0x00E1AE60, 0x00FBE7CA}));
}

TEST(SkinArt, ButtonCellsHaveTheirFramesFacesAndBevels) {
  struct Cell {
    SkinColour frame, faceTop, faceBottom, bevelTop, bevelBottom;
  };
  const Cell cells[] = {
      {0x00D58F1B, 0x00FCF8F1, 0x00EAD0B1, 0x00FDFAF5, 0x00F0DEC9},
      {0x00D58F1B, 0x00FCEED2, 0x00F2D4A7, 0x00FBC146, 0x00F8BA39},
      {0x00D58F1B, 0x00F3D49F, 0x00FDEAC3, 0x00F9B731, 0x00FCBF3E},
      {0x00E8C387, 0x00FBF7F2, 0x00F3E3D2, 0x00FCF8F3, 0x00F6EADE},
  };
  const AtlasArt art = DrawButtonArt();
  EXPECT_EQ(CountKeyPixels(art), 0);
  for (int state = 0; state < 4; ++state) {
    const Cell& cell = cells[state];
    const int top = 21 * state;
    for (int y = top + 3; y <= top + 17; ++y) {
      EXPECT_EQ(art.At(0, y), cell.frame) << "state " << state << " row " << y;
      EXPECT_EQ(art.At(6, y), cell.frame) << "state " << state << " row " << y;
    }
    EXPECT_EQ(art.At(3, top), cell.frame);       // top frame
    EXPECT_EQ(art.At(3, top + 20), cell.frame);  // bottom frame
    EXPECT_EQ(art.At(3, top + 3), cell.faceTop) << "state " << state;
    EXPECT_EQ(art.At(3, top + 17), cell.faceBottom) << "state " << state;
    EXPECT_EQ(art.At(1, top + 3), cell.bevelTop) << "state " << state;
    EXPECT_EQ(art.At(1, top + 17), cell.bevelBottom) << "state " << state;
  }
}

TEST(SkinArt, ComboFacesAndArrows) {
  const AtlasArt art = DrawComboArt();
  for (int y = 0; y < 18; ++y) {
    EXPECT_EQ(art.At(0, y), 0x00D1A04Eu);
    EXPECT_EQ(art.At(4, y), 0x00D1A04Eu);
    EXPECT_EQ(art.At(1, y), art.At(3, y)) << y;
    EXPECT_EQ(art.At(5, y), art.At(7, y)) << y;
  }
  // Hot face.
  EXPECT_EQ(art.At(1, 0), 0x00FFF9E8u);
  EXPECT_EQ(art.At(1, 17), 0x00F3E1C0u);
  EXPECT_EQ(Column(art, 2, 0, 1), (std::vector<SkinColour>{0x00FFF9E8, 0x00FDEEC1}));
  EXPECT_EQ(Column(art, 2, 16, 17), (std::vector<SkinColour>{0x00E3B865, 0x00F3E1C0}));
  // Dropped face.
  EXPECT_EQ(art.At(5, 0), 0x00F3E1BEu);
  EXPECT_EQ(art.At(5, 17), 0x00FEF8E6u);
  EXPECT_EQ(art.At(6, 1), 0x00E2B561u);
  EXPECT_EQ(art.At(6, 16), 0x00FCEBBCu);

  const std::vector<std::string> arrow = {"#######", ".#####.", "..###..", "...#..."};
  for (int y = 0; y < 18; ++y) {
    for (int x = 8; x <= 14; ++x) {
      SkinColour expected = M;
      if (y < 8 && arrow[y % 4][x - 8] == '#') expected = y < 4 ? 0x005F5519 : 0x00ACA584;
      EXPECT_EQ(art.At(x, y), expected) << x << "," << y;
    }
  }
}

TEST(SkinArt, MarksHaveTheirShapesAndRowColours) {
  const AtlasArt art = DrawMarkArt();
  std::vector<std::string> shape(24, std::string(18, '-'));
  std::vector<std::vector<SkinColour>> colours(24, std::vector<SkinColour>(18, M));
  const auto put = [&](int x, int y, SkinColour enabled, SkinColour disabled) {
    colours[y][x] = enabled;
    colours[y][x + 9] = disabled;
  };
  const std::vector<std::string> check = {"........#", ".......##", "......###", "##...###.",
                                          "###.###..", ".#####...", "..###....", "...#....."};
  const SkinColour checkEnabled[] = {0x001DB754, 0x001BB451, 0x0017AF4D, 0x0013A948,
                                     0x000FA243, 0x000A9C3E, 0x00069639, 0x00029135};
  const SkinColour checkDisabled[] = {0x008CDAA8, 0x008BD9A6, 0x0089D6A4, 0x0087D3A2,
                                      0x0085D09F, 0x0082CD9D, 0x0080C99A, 0x007EC798};
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 9; ++x) {
      if (check[y][x] == '#') put(x, y, checkEnabled[y], checkDisabled[y]);
    }
  }
  const SkinColour squareEnabled[] = {0x001BB451, 0x0018B04E, 0x0014AB49, 0x0010A445,
                                      0x000C9E40, 0x0007983B, 0x00069639};
  const SkinColour squareDisabled[] = {0x008BD9A6, 0x0089D6A4, 0x0087D4A3, 0x0086D1A0,
                                       0x0083CE9E, 0x0081CA9B, 0x0080C99A};
  for (int y = 0; y < 7; ++y) {
    for (int x = 1; x <= 7; ++x) put(x, 9 + y, squareEnabled[y], squareDisabled[y]);
  }
  // Option dot: outer and inner colours per row; rows 18 and 22 cover the middle three.
  const SkinColour dotEnabled[5][2] = {{0x0060CC87, 0x0028BA5C},
                                       {0x005EC883, 0x0019B14F},
                                       {0x001DAC50, 0x0012A847},
                                       {0x0054BA78, 0x000B9D3F},
                                       {0x004FB473, 0x00109940}};
  const SkinColour dotDisabled[5][2] = {{0x00AFE5C3, 0x0093DCAD},
                                        {0x00AEE3C1, 0x008CD8A7},
                                        {0x008ED5A7, 0x0088D3A3},
                                        {0x00A9DCBB, 0x0085CE9F},
                                        {0x00A7D9B9, 0x0087CC9F}};
  for (int row = 0; row < 5; ++row) {
    const bool narrow = row == 0 || row == 4;
    const int first = narrow ? 3 : 2, last = narrow ? 5 : 6;
    for (int x = first; x <= last; ++x) {
      const int part = (x == first || x == last) ? 0 : 1;
      put(x, 18 + row, dotEnabled[row][part], dotDisabled[row][part]);
    }
  }
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 18; ++x) EXPECT_EQ(art.At(x, y), colours[y][x]) << x << "," << y;
  }
  for (const int y : {8, 16, 17, 23}) EXPECT_EQ(Row(art, y), std::vector<SkinColour>(18, M)) << y;
}

TEST(SkinArt, OptionCirclesAreRoundOnTheKey) {
  const AtlasArt art = DrawOptionArt();
  for (int cell = 0; cell < 4; ++cell) {
    const int top = 13 * cell;
    for (int y = 0; y < 13; ++y) {
      const int dy = y <= 6 ? y : 12 - y;
      const int keyRun = dy == 0 ? 3 : dy == 1 ? 2 : dy == 2 ? 1 : 0;
      for (int x = 0; x < 13; ++x) {
        const int dx = x <= 6 ? x : 12 - x;
        EXPECT_EQ(art.At(x, top + y) == M, dx < keyRun) << "cell " << cell << " " << x << "," << y;
      }
    }
  }
}

TEST(SkinArt, OptionRingsShadeAwayFromTheirExtremePoints) {
  const AtlasArt art = DrawOptionArt();
  const SkinColour darkest[] = {0x00D2A683, 0x00D2A683, 0x00C18964, 0x00E8D2C1};
  for (int cell = 0; cell < 4; ++cell) {
    const int top = 13 * cell;
    EXPECT_EQ(art.At(6, top), darkest[cell]);
    EXPECT_EQ(art.At(6, top + 12), darkest[cell]);
    EXPECT_EQ(art.At(0, top + 6), darkest[cell]);
    EXPECT_EQ(art.At(12, top + 6), darkest[cell]);
  }
  // Cell 0 along its outer rows and columns, from an extreme point outwards.
  const std::vector<SkinColour> outward = {0x00D2A683, 0x00D3A886, 0x00D9B395, 0x00E7CFBC};
  for (int step = 0; step < 4; ++step) {
    for (const auto& [x, y] :
         {std::pair{6 + step, 0}, std::pair{6 - step, 0}, std::pair{6 + step, 12}, std::pair{6 - step, 12},
          std::pair{0, 6 + step}, std::pair{0, 6 - step}, std::pair{12, 6 + step}, std::pair{12, 6 - step}}) {
      EXPECT_EQ(art.At(x, y), outward[step]) << x << "," << y;
    }
  }
}

TEST(SkinArt, OptionTellingRowsAndInteriors) {
  const AtlasArt art = DrawOptionArt();
  std::vector<SkinColour> normal = {0x00D2A683, 0x00FAF7F3, 0x00FEFEFD};
  normal.insert(normal.end(), 7, 0x00FFFFFF);
  normal.insert(normal.end(), {0x00FEFEFD, 0x00FAF7F3, 0x00D2A683});
  EXPECT_EQ(Row(art, 6), normal);
  EXPECT_EQ(Row(art, 13 + 6),
            (std::vector<SkinColour>{0x00D2A683, 0x00F8EAC4, 0x00F8EBC5, 0x00F9ECC7, 0x00F9EDC9, 0x00FAEECC,
                                     0x00FAEECF, 0x00FAF0D0, 0x00FAF1D4, 0x00FBF1D6, 0x00FBF2D9, 0x00FCF4DB,
                                     0x00D2A683}));
  // The hot interior runs from top left to bottom right, the pressed one from bottom left to top right.
  EXPECT_EQ(art.At(3, 13 + 2), 0x00F8EAC3u);
  EXPECT_EQ(art.At(9, 13 + 10), 0x00FDF5E0u);
  EXPECT_EQ(art.At(3, 26 + 10), 0x00F5E1ADu);
  EXPECT_EQ(art.At(9, 26 + 2), 0x00FDF1D5u);
  // Normal and disabled are white inside, with the shadow at the top.
  EXPECT_EQ(art.At(6, 6), 0x00FFFFFFu);
  EXPECT_EQ(art.At(6, 39 + 6), 0x00FFFFFFu);
  EXPECT_LT(art.At(6, 1) & 0xFF, 0xFFu);
  EXPECT_EQ(art.At(6, 1), art.At(6, 39 + 1));
}

TEST(SkinArt, HeaderCellsAndTellingRow) {
  const AtlasArt art = DrawHeaderArt();
  EXPECT_EQ(CountKeyPixels(art), 0);
  EXPECT_EQ(Row(art, 19), std::vector<SkinColour>(9, 0x00F2DAC0));
  EXPECT_EQ(Row(art, 9), (std::vector<SkinColour>{0x00FBF5ED, 0x00F6E5D3, 0x00D9B07A, 0x00FAC25E, 0x00FDE1AF,
                                                  0x00DBA24B, 0x00FAC25E, 0x00FFE7B0, 0x00DBA24B}));
  // Normal: light face columns and a separator fading to the face at both ends.
  EXPECT_EQ(Row(art, 0, 0, 2), std::vector<SkinColour>(3, 0x00FEF5EA));
  EXPECT_EQ(Row(art, 18, 0, 2), std::vector<SkinColour>(3, 0x00F6E5D3));
  EXPECT_EQ(art.At(2, 10), 0x00D9B07Au);
  // Hot.
  EXPECT_EQ(art.At(3, 0), 0x00FDE6BDu);
  EXPECT_EQ(Column(art, 3, 5, 17), std::vector<SkinColour>(13, 0x00FAC25E));
  EXPECT_EQ(art.At(3, 18), 0x00FBCC73u);
  EXPECT_EQ(art.At(4, 0), 0x00FEEED3u);
  EXPECT_EQ(art.At(4, 18), 0x00FCDDA8u);
  EXPECT_EQ(art.At(5, 10), 0x00DBA24Bu);
  // Pressed.
  EXPECT_EQ(art.At(6, 0), 0x00FBD797u);
  EXPECT_EQ(Column(art, 7, 0, 1), (std::vector<SkinColour>{0x00FBD797, 0x00FFDC9F}));
  EXPECT_EQ(Column(art, 7, 16, 18), std::vector<SkinColour>(3, 0x00FFF2C8));
  EXPECT_EQ(Column(art, 8, 0, 18), Column(art, 5, 0, 18));
}

}  // namespace
}  // namespace quavlet::skin
