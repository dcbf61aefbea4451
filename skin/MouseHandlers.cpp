#include <windows.h>
#include <commctrl.h>

#include "skin/ControlKind.h"
#include "skin/HandlerSupport.h"
#include "skin/SkinArt.h"
#include "skin/SkinEngine.h"
#include "skin/SkinHandlers.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// The hot face is laid on at this level when the pointer leaves, before the normal face fades in.
constexpr int kLeaveHotLevel = 140;

bool TracksHover(ControlKind kind) {
  switch (kind) {
    case ckButton:
    case ckCombo:
    case ckDriveList:
    case ckCheck:
    case ckOption:
    case ckHeader:
      return true;
    default:
      return false;
  }
}

int HotOrPressed(bool held) { return held ? kStatePressed : kStateHot; }

void MoveOverCommandButton(HWND button, bool entering) {
  if (entering) {
    FadeToFace(button, kStateHot, 0);
    return;
  }
  // The button still gets the moves (it holds the capture) while the pointer is elsewhere: the
  // face being faded in is completed at once.
  if (PointerIsOver(button)) return;
  StopFadeTimer(button);
  SkinProperties(button).Set(kAlphaLevelProperty, kOpaqueLevel);
  BlendButtonFace(button, nullptr);
}

int ComboStateAt(HWND combo, LPARAM lParam, bool held) {
  if (HasNoEditField(combo) || InsideDropButton(combo, lParam)) return HotOrPressed(held);
  return kStateNormal;
}

void MoveOverHeader(HWND header, LPARAM lParam, bool held) {
  const SkinProperties properties(header);
  const int under = HeaderSectionAt(header, MouseX(lParam));
  const int hot = properties.Get(kHmIndexProperty);
  const int pressed = properties.Get(kHdIndexProperty);
  if (under == hot) return;
  if (hot >= 0 && hot != pressed) PaintHeaderItem(header, nullptr, hot, kStateNormal);
  if (held) {
    // Dragging: only the pressed section lights up again when the pointer comes back to it.
    if (under == pressed) PaintHeaderItem(header, nullptr, under, kStatePressed);
    return;
  }
  properties.Set(kHmIndexProperty, under);
  PaintHeaderItem(header, nullptr, under, kStateHot);
}

void LeaveHeader(HWND header) {
  const SkinProperties properties(header);
  const int hot = properties.Get(kHmIndexProperty);
  properties.Set(kMouseFlagProperty, 0);
  properties.Set(kHdIndexProperty, -1);
  properties.Set(kHmIndexProperty, -1);
  if (hot >= 0) PaintHeaderItem(header, nullptr, hot, kStateNormal);
}

}  // namespace

void TrackMouseLeave(HWND window) {
  TRACKMOUSEEVENT request{sizeof(request), TME_LEAVE, window, 0};
  if (Engine().HasTrackMouseEvent) {
    TrackMouseEvent(&request);
  } else {
    _TrackMouseEvent(&request);
  }
}

void HandleMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
  const ControlKind kind = ClassifyWindow(window);
  if (!TracksHover(kind)) return;
  const SkinProperties properties(window);
  const bool entering = properties.Get(kMouseFlagProperty) == 0;
  if (entering) {
    properties.Set(kMouseFlagProperty, 1);
    TrackMouseLeave(window);
  }
  const bool held = (wParam & MK_LBUTTON) != 0;
  switch (kind) {
    case ckButton:
      MoveOverCommandButton(window, entering);
      break;
    case ckCombo:
      PaintComboButton(window, nullptr, ComboStateAt(window, lParam, held), false);
      break;
    case ckDriveList:
      PaintComboButton(window, nullptr, HotOrPressed(held), false);
      break;
    case ckCheck:
    case ckOption:
      PaintMarkControl(window, kind, HotOrPressed(held), true);
      break;
    case ckHeader:
      MoveOverHeader(window, lParam, held);
      break;
    default:
      break;
  }
}

void HandleMouseLeave(HWND window, WPARAM, LPARAM) {
  const SkinProperties properties(window);
  const ControlKind kind = ClassifyWindow(window);
  switch (kind) {
    case ckButton:
      properties.Set(kMouseFlagProperty, 0);
      properties.Set(kOldStateProperty, kStateHot);
      properties.Set(kAlphaLevelProperty, kLeaveHotLevel);
      BlendButtonFace(window, nullptr);
      FadeToFace(window, kStateNormal, 0);
      break;
    case ckCombo:
    case ckDriveList:
      properties.Set(kMouseFlagProperty, 0);
      PaintComboButton(window, nullptr, kStateNormal, false);
      break;
    case ckCheck:
    case ckOption:
      properties.Set(kMouseFlagProperty, 0);
      PaintMarkControl(window, kind, kStateNormal, false);
      break;
    case ckHeader:
      LeaveHeader(window);
      break;
    default:
      break;
  }
}

}  // namespace quavlet::skin
