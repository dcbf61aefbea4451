#include "skin/ButtonSkinning.h"
#include "skin/ControlKind.h"
#include "skin/SkinArt.h"
#include "skin/SkinEngine.h"
#include "skin/SkinHandlers.h"
#include "skin/SkinPainters.h"

namespace quavlet::skin {

void HandleActivate(HWND window, WPARAM, LPARAM lParam) {
  const auto other = reinterpret_cast<HWND>(lParam);
  if (!other) return;
  // A window of this one (an owned popup reports its owner as parent), or any form or dialog.
  if (GetParent(other) == window || ClassifyWindow(other) == ckForm) SkinWindow(other);
}

void SkinWindowInLParam(HWND, WPARAM, LPARAM lParam) {
  if (lParam) SkinWindow(reinterpret_cast<HWND>(lParam));
}

void GiveBackWindow(HWND window, WPARAM, LPARAM) { UnskinWindow(window); }

void HandleSize(HWND window, WPARAM, LPARAM) {
  if (ClassifyWindow(window) == ckButton) ResizeCommandButton(window);
}

void HandleSetText(HWND window, WPARAM, LPARAM) {
  if (ClassifyWindow(window) != ckButton) return;
  RenderButtonFaces(window);
  InvalidateRect(window, nullptr, FALSE);
}

void HandlePosChanging(HWND window, WPARAM, LPARAM) {
  const ControlKind kind = ClassifyWindow(window);
  if (kind == ckCombo || kind == ckDriveList) PaintComboButton(window, nullptr, kStateNormal, false);
}

}  // namespace quavlet::skin
