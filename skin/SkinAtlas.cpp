#include "skin/SkinAtlas.h"

#include "skin/SkinArt.h"
#include "skin/SkinBlit.h"

namespace quavlet::skin {
namespace {

// The engine's process-wide atlas: built at the first attach, released at the last detach.
SkinAtlas& AtlasStorage() {
  static SkinAtlas atlas;
  return atlas;
}

HDC& MemberSlot(SkinAtlas& atlas, AtlasMember member) {
  switch (member) {
    case AtlasMember::ButtonSkin: return atlas.ButtonSkin;
    case AtlasMember::ComboSkin: return atlas.ComboSkin;
    case AtlasMember::MarkSkin: return atlas.MarkSkin;
    case AtlasMember::OptionSkin: return atlas.OptionSkin;
    case AtlasMember::HeaderSkin: break;
  }
  return atlas.HeaderSkin;
}

}  // namespace

const SkinAtlas& GetSkinAtlas() { return AtlasStorage(); }

HDC GetAtlasMemberDC(AtlasMember member) { return MemberSlot(AtlasStorage(), member); }

void BuildSkinAtlas() {
  ReleaseSkinAtlas();
  SkinAtlas& atlas = AtlasStorage();
  for (const AtlasMember member : kAtlasMembers) {
    const AtlasSize size = AtlasMemberSize(member);
    MemberSlot(atlas, member) = CreateMemoryDC(size.width, size.height);
  }
  ForEachAtlasPixel([&atlas](AtlasMember member, int x, int y, SkinColour colour) {
    SetPixel(MemberSlot(atlas, member), x, y, colour);
  });
}

void ReleaseSkinAtlas() {
  SkinAtlas& atlas = AtlasStorage();
  for (const AtlasMember member : kAtlasMembers) {
    HDC& slot = MemberSlot(atlas, member);
    DeleteMemoryDC(slot);
    slot = nullptr;
  }
}

}  // namespace quavlet::skin
