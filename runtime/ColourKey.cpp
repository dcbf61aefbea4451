#include "runtime/ColourKey.h"

#include <windows.h>

#include "runtime/Form.h"
#include "runtime/colour.h"

namespace quavlet::runtime {

void MakeColourKeyed(Form& form) {
  form.SetBackColour(kColourKey);
  const HWND window = form.hWnd();
  const LONG_PTR extendedStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  SetWindowLongPtrW(window, GWL_EXSTYLE, extendedStyle | WS_EX_LAYERED);
  // The key alone: the alpha (0) is not applied, so every other pixel stays opaque.
  SetLayeredWindowAttributes(window, kColourKey, 0, LWA_COLORKEY);
}

}  // namespace quavlet::runtime
