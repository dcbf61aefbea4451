#pragma once

// A control of the gallery painted by the skin's painters and kept in one look: its paint
// messages go through the paint handlers, and the state it is pinned to is put back around each
// paint (the handlers draw check and option buttons normal, as after any paint).

#include <windows.h>

namespace quavlet::tools {

// Takes the control's window procedure over for the rest of its life and pins it to a state
// (0 normal, 1 hot, 2 pressed or dropped, 3 disabled).
void PinLook(HWND control, int state);

}  // namespace quavlet::tools
