// Option-button circles: four 13 x 13 cells stacked (normal, hot, pressed, disabled), each a
// one-pixel anti-aliased ring on the key colour around a white or gradient interior.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include "skin/SkinArt.h"
#include "skin/SkinArtColour.h"

namespace quavlet::skin {
namespace {

// '0'..'3' ring tones from darkest (the four extreme points) outwards; 'a' the diagonal steps
// of the ring; 'b' and 'c' ring pixels that half cover the interior; '.' interior; 'M' key.
constexpr std::array<std::string_view, kOptionCellSize> kCircle = {
    "MMM3210123MMM",
    "MMab.....baMM",
    "Mac.......caM",
    "3b.........b3",
    "2...........2",
    "1...........1",
    "0...........0",
    "1...........1",
    "2...........2",
    "3b.........b3",
    "Mac.......caM",
    "MMab.....baMM",
    "MMM3210123MMM",
};

constexpr SkinColour kWhite = 0x00FFFFFF;

using RingTones = std::array<SkinColour, 4>;
constexpr std::array<RingTones, 4> kRings = {{
    {0x00D2A683, 0x00D3A886, 0x00D9B395, 0x00E7CFBC},
    {0x00D2A683, 0x00D3A886, 0x00D9B395, 0x00E7CFBC},
    {0x00C18964, 0x00C28B67, 0x00C89C76, 0x00D6B29D},
    {0x00E8D2C1, 0x00E8D3C3, 0x00ECDACB, 0x00F3E7DD},
}};

bool IsInterior(int x, int y) { return kCircle[y][x] == '.'; }

// How many pixels an interior pixel lies inside the ring (1 when it touches it).
int DepthInside(int x, int y) {
  int depth = kOptionCellSize;
  for (int ringY = 0; ringY < kOptionCellSize; ++ringY) {
    for (int ringX = 0; ringX < kOptionCellSize; ++ringX) {
      if (IsInterior(ringX, ringY)) continue;
      depth = std::min(depth, std::max(std::abs(ringX - x), std::abs(ringY - y)));
    }
  }
  return depth;
}

SkinColour DarkerOf(SkinColour first, SkinColour second) {
  SkinColour darker = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    darker |= std::min((first >> shift) & 0xFFu, (second >> shift) & 0xFFu) << shift;
  }
  return darker;
}

// White, with a faint shade just inside the ring and a soft shadow along the top.
SkinColour WhiteInterior(int x, int y) {
  constexpr std::array<double, 4> kTopShadow = {0.0, 0.28, 0.16, 0.07};
  const int depth = DepthInside(x, y);
  const SkinColour edge = depth == 1 ? 0x00FAF7F3 : depth == 2 ? 0x00FEFEFD : kWhite;
  if (y >= static_cast<int>(kTopShadow.size())) return edge;
  return DarkerOf(edge, MixColours(kWhite, 0x00E7CFBC, kTopShadow[y]));
}

// Top left to bottom right, running along x + y.
SkinColour HotInterior(int x, int y) {
  return RampColour({{5, 0x00F8EAC3},
                     {7, 0x00F8EAC4},
                     {8, 0x00F8EBC5},
                     {9, 0x00F9ECC7},
                     {10, 0x00F9EDC9},
                     {11, 0x00FAEECC},
                     {12, 0x00FAEECF},
                     {13, 0x00FAF0D0},
                     {14, 0x00FAF1D4},
                     {15, 0x00FBF1D6},
                     {16, 0x00FBF2D9},
                     {17, 0x00FCF4DB},
                     {19, 0x00FDF5E0}},
                    x + y);
}

// Bottom left to top right.
SkinColour PressedInterior(int x, int y) {
  return RampColour({{5, 0x00F5E1AD}, {19, 0x00FDF1D5}}, x + (kOptionCellSize - 1 - y));
}

SkinColour Interior(int state, int x, int y) {
  switch (state) {
    case kStateHot: return HotInterior(x, y);
    case kStatePressed: return PressedInterior(x, y);
    default: return WhiteInterior(x, y);
  }
}

SkinColour CirclePixel(int state, int x, int y) {
  const RingTones& ring = kRings[state];
  const char shape = kCircle[y][x];
  switch (shape) {
    case 'M': return kSkinKeyColour;
    case '.': return Interior(state, x, y);
    case 'a': return ring[2];
    case 'b': return MixColours(ring[1], Interior(state, x, y), 0.4);
    case 'c': return MixColours(ring[2], Interior(state, x, y), 0.5);
    default: return ring[shape - '0'];
  }
}

}  // namespace

AtlasArt DrawOptionArt() {
  AtlasArt art(AtlasMemberSize(AtlasMember::OptionSkin));
  for (int state = 0; state < 4; ++state) {
    for (int y = 0; y < kOptionCellSize; ++y) {
      for (int x = 0; x < kOptionCellSize; ++x) {
        art.Set(x, state * kOptionCellSize + y, CirclePixel(state, x, y));
      }
    }
  }
  return art;
}

}  // namespace quavlet::skin
