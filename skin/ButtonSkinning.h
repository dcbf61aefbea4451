#pragma once

// What taking a command button over adds to it, and what giving it back takes away: four
// window-sized face DCs with their bitmaps, the owner-draw switch (remembering which push
// button it stands for), the starting properties and the rounded window region.

#include <windows.h>

#include <cstdint>

namespace quavlet::skin {

// The dialog code of a push button of this style (DLGC_DEFPUSHBUTTON or DLGC_UNDEFPUSHBUTTON),
// 0 for any other kind of button; and the push style a dialog code stands for.
int32_t PushDialogCodeOf(LONG_PTR style);
LONG_PTR PushStyleOf(int32_t dialogCode);

void PrepareCommandButton(HWND window);
void UndoCommandButton(HWND window);

// After a resize: new face bitmaps of the new size in the same DCs, faces rendered again and
// the rounded region remade.
void ResizeCommandButton(HWND window);

}  // namespace quavlet::skin
