#pragma once

// What taking a command button over adds to it, and what giving it back takes away: four
// window-sized face DCs with their bitmaps, the owner-draw switch, the starting properties and
// the rounded window region.

#include <windows.h>

namespace quavlet::skin {

void PrepareCommandButton(HWND window);
void UndoCommandButton(HWND window);

// After a resize: new face bitmaps of the new size in the same DCs, faces rendered again and
// the rounded region remade.
void ResizeCommandButton(HWND window);

}  // namespace quavlet::skin
