#pragma once

// The engine's one set of skin bitmaps: five memory DCs painted at the first attach, read by
// every painter, released when the last skinned window is given back.

#include <windows.h>

#include "skin/SkinArt.h"

namespace quavlet::skin {

struct SkinAtlas {
  HDC ButtonSkin = nullptr;  // 7 x 84: command-button faces, four 7 x 21 cells stacked
  HDC ComboSkin = nullptr;   // 15 x 18: combo drop-button faces and the arrow
  HDC MarkSkin = nullptr;    // 18 x 24: check mark, grey square, option dot
  HDC OptionSkin = nullptr;  // 13 x 52: option-button circles, four 13 x 13 cells stacked
  HDC HeaderSkin = nullptr;  // 9 x 20: header sections, three 3 x 20 cells side by side
};

// The process-wide atlas; all members are 0 before BuildSkinAtlas and after ReleaseSkinAtlas.
const SkinAtlas& GetSkinAtlas();

// The DC of one member of the process-wide atlas (0 when it is not built).
HDC GetAtlasMemberDC(AtlasMember member);

// Creates and paints the five members. A build over a live atlas releases the old one first.
void BuildSkinAtlas();

// Deletes the five members with DeleteMemoryDC in the order ButtonSkin, ComboSkin, MarkSkin,
// OptionSkin, HeaderSkin, and zeroes them. Harmless when nothing is built.
void ReleaseSkinAtlas();

}  // namespace quavlet::skin
