#include "skin/SkinPainters.h"

namespace quavlet::skin {

int PaintComboButton(HWND, HDC, int state, bool) { return state; }

}  // namespace quavlet::skin
