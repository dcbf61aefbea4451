#include "skin/SkinArt.h"

#include <cassert>

namespace quavlet::skin {

AtlasSize AtlasMemberSize(AtlasMember member) {
  switch (member) {
    case AtlasMember::ButtonSkin: return {7, 84};
    case AtlasMember::ComboSkin: return {15, 18};
    case AtlasMember::MarkSkin: return {18, 24};
    case AtlasMember::OptionSkin: return {13, 52};
    case AtlasMember::HeaderSkin: return {9, 20};
  }
  return {0, 0};
}

AtlasArt::AtlasArt(AtlasSize size, SkinColour fill)
    : size_(size), pixels_(static_cast<std::size_t>(size.width * size.height), fill) {}

std::size_t AtlasArt::Index(int x, int y) const {
  assert(x >= 0 && x < size_.width && y >= 0 && y < size_.height);
  return static_cast<std::size_t>(y * size_.width + x);
}

AtlasArt DrawAtlasArt(AtlasMember member) {
  switch (member) {
    case AtlasMember::ButtonSkin: return DrawButtonArt();
    case AtlasMember::ComboSkin: return DrawComboArt();
    case AtlasMember::MarkSkin: return DrawMarkArt();
    case AtlasMember::OptionSkin: return DrawOptionArt();
    case AtlasMember::HeaderSkin: return DrawHeaderArt();
  }
  return AtlasArt({0, 0});
}

void ForEachAtlasPixel(
    const std::function<void(AtlasMember member, int x, int y, SkinColour colour)>& visit) {
  for (const AtlasMember member : kAtlasMembers) {
    const AtlasArt art = DrawAtlasArt(member);
    for (int y = 0; y < art.height(); ++y) {
      for (int x = 0; x < art.width(); ++x) visit(member, x, y, art.At(x, y));
    }
  }
}

}  // namespace quavlet::skin
