#include "skin/ButtonSkinning.h"
#include "skin/SkinHandlers.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

constexpr LRESULT kPushCodes = DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON;

}  // namespace

LRESULT HandleGetDlgCode(WNDPROC replaced, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT answer = CallWindowProcW(replaced, window, message, wParam, lParam);
  // Only a push button the engine converted carries the code; every other window answers as
  // it does.
  const int32_t pushCode = SkinProperties(window).Get(kDlgCodeProperty);
  if (pushCode == 0) return answer;
  return (answer & ~kPushCodes) | pushCode;
}

LRESULT HandleSetStyle(WNDPROC replaced, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinProperties properties(window);
  const int32_t pushCode = PushDialogCodeOf(static_cast<LONG_PTR>(wParam));
  if (properties.Get(kDlgCodeProperty) == 0 || pushCode == 0) {
    return CallWindowProcW(replaced, window, message, wParam, lParam);
  }
  // The dialog manager moves the default: the button keeps being drawn by the engine and
  // answers as the push button it now stands for.
  properties.Set(kDlgCodeProperty, pushCode);
  const WPARAM ownerDrawn = (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
  return CallWindowProcW(replaced, window, message, ownerDrawn, lParam);
}

}  // namespace quavlet::skin
