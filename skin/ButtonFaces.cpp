#include "skin/SkinPainters.h"

namespace quavlet::skin {

void RenderButtonFaces(HWND) {}

int BlendButtonFace(HWND, HDC) { return 0; }

}  // namespace quavlet::skin
