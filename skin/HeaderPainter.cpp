#include "skin/SkinPainters.h"

namespace quavlet::skin {

void PaintHeaderItem(HWND, HDC, int, int) {}

}  // namespace quavlet::skin
