#include "skin/ControlKind.h"
#include "skin/HandlerSupport.h"
#include "skin/SkinArt.h"
#include "skin/SkinHandlers.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// The focus mark is part of a button's faces: render them again and fade the current one in.
void ShowFocusChange(HWND window) {
  const ControlKind kind = ClassifyWindow(window);
  switch (kind) {
    case ckButton:
      RenderButtonFaces(window);
      SkinProperties(window).Set(kAlphaLevelProperty, 0);
      StartFadeTimer(window);
      break;
    case ckOption:
      PaintOptionButton(window, kStateNormal, true);
      break;
    default:
      break;
  }
}

}  // namespace

void HandleKeyDown(HWND window, WPARAM wParam, LPARAM) {
  // The space bar presses buttons; every other key is the control's own business.
  if (wParam != VK_SPACE) return;
  const ControlKind kind = ClassifyWindow(window);
  switch (kind) {
    case ckButton:
      ShowPressedFace(window);
      break;
    case ckCheck:
    case ckOption:
      PaintMarkControl(window, kind, kStatePressed, false);
      break;
    default:
      break;
  }
}

void HandleKeyUp(HWND window, WPARAM wParam, LPARAM) {
  if (wParam != VK_SPACE) return;
  const ControlKind kind = ClassifyWindow(window);
  switch (kind) {
    case ckButton:
      SkinProperties(window).Set(kMouseFlagProperty, 0);
      FadeToFace(window, kStateNormal, 0);
      break;
    case ckCheck:
    case ckOption:
      PaintMarkControl(window, kind, kStateNormal, false);
      break;
    default:
      break;
  }
}

void HandleSetFocus(HWND window, WPARAM, LPARAM) { ShowFocusChange(window); }

void HandleKillFocus(HWND window, WPARAM, LPARAM) { ShowFocusChange(window); }

void HandleEnable(HWND window, WPARAM wParam, LPARAM) {
  if (ClassifyWindow(window) != ckButton) return;
  SkinProperties(window).Set(kOldStateProperty, wParam ? kStateNormal : kStateDisabled);
  BlendButtonFace(window, nullptr);
}

}  // namespace quavlet::skin
