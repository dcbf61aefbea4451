#include <windows.h>
#include <commctrl.h>

#include "runtime/Barrier.h"
#include "skin/ControlKind.h"
#include "skin/HandlerSupport.h"
#include "skin/SkinArt.h"
#include "skin/SkinHandlers.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// The normal face fades in from this level after a release, so the pressed look lingers a little.
constexpr int kReleaseFadeLevel = 60;

void PressHeaderSection(HWND header, LPARAM lParam) {
  // A header without sections ignores the press.
  if (SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) <= 0) return;
  const int section = HeaderSectionAt(header, MouseX(lParam));
  SkinProperties(header).Set(kHdIndexProperty, section);
  if (section >= 0) PaintHeaderItem(header, nullptr, section, kStatePressed);
}

void ReleaseHeaderSection(HWND header) {
  const SkinProperties properties(header);
  const int section = properties.Get(kHdIndexProperty);
  properties.Set(kHdIndexProperty, -1);
  if (section < 0) return;
  // Released over the header it shows normal, released elsewhere hot: the reverse of a combo box.
  PaintHeaderItem(header, nullptr, section, PointerIsOver(header) ? kStateNormal : kStateHot);
}

// A release may have cleared an option button elsewhere under the same parent: every skinned
// check box and option button there (at any depth) is drawn again.
void RepaintMarkControls(HWND window) {
  HWND parent = GetParent(window);
  EnumChildWindows(parent ? parent : window, RepaintMarkControl, 0);
}

}  // namespace

void HandleButtonDown(HWND window, WPARAM, LPARAM lParam) {
  const ControlKind kind = ClassifyWindow(window);
  switch (kind) {
    case ckButton:
      ShowPressedFace(window);
      break;
    case ckCombo:
      if (HasNoEditField(window) || InsideDropButton(window, lParam)) {
        PaintComboButton(window, nullptr, kStatePressed, false);
      }
      break;
    case ckDriveList:
      PaintComboButton(window, nullptr, kStatePressed, false);
      break;
    case ckCheck:
    case ckOption:
      PaintMarkControl(window, kind, kStatePressed, false);
      break;
    case ckHeader:
      PressHeaderSection(window, lParam);
      break;
    default:
      break;
  }
}

void HandleDoubleClick(HWND window, WPARAM wParam, LPARAM lParam) {
  // A second click presses command buttons and header sections again; the other kinds let it be.
  const ControlKind kind = ClassifyWindow(window);
  if (kind == ckButton || kind == ckHeader) HandleButtonDown(window, wParam, lParam);
}

void HandleButtonUp(HWND window, WPARAM, LPARAM) {
  const ControlKind kind = ClassifyWindow(window);
  switch (kind) {
    case ckButton:
      // With the hover flag cleared, the next move over the button starts the hot fade again.
      SkinProperties(window).Set(kMouseFlagProperty, 0);
      FadeToFace(window, kStateNormal, kReleaseFadeLevel);
      break;
    case ckCombo:
    case ckDriveList:
      PaintComboButton(window, nullptr, PointerIsOver(window) ? kStateHot : kStateNormal, false);
      break;
    case ckCheck:
    case ckOption:
      PaintMarkControl(window, kind, kStateNormal, false);
      break;
    case ckHeader:
      ReleaseHeaderSection(window);
      break;
    default:
      break;
  }
  RepaintMarkControls(window);
}

BOOL CALLBACK RepaintMarkControl(HWND window, LPARAM) {
  // One mark that fails to draw does not keep the others from being drawn.
  runtime::Barrier([&] {
    if (SkinProperties(window).ProcAddr()) PaintMarkControl(window, ClassifyWindow(window), kStateNormal, true);
  });
  return TRUE;
}

}  // namespace quavlet::skin
