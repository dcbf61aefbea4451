#include "runtime/ColorKey.h"

#include <windows.h>

#include "runtime/Form.h"
#include "runtime/color.h"

namespace quavlet::runtime {

void MakeColorKeyed(Form& form) {
  form.SetBackColor(kColorKey);
  const HWND window = form.hWnd();
  const LONG_PTR extendedStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  SetWindowLongPtrW(window, GWL_EXSTYLE, extendedStyle | WS_EX_LAYERED);
  // The key alone: the alpha (0) is not applied, so every other pixel stays opaque.
  SetLayeredWindowAttributes(window, kColorKey, 0, LWA_COLORKEY);
}

}  // namespace quavlet::runtime
