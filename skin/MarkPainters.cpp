#include "skin/SkinPainters.h"

namespace quavlet::skin {

int PaintCheckBox(HWND, int, bool) { return 0; }

int PaintOptionButton(HWND, int, bool) { return 0; }

}  // namespace quavlet::skin
