#include "runtime/GdiHandles.h"
#include "skin/ControlKind.h"
#include "skin/KindPainters.h"
#include "skin/PaintTargets.h"
#include "skin/PainterColours.h"
#include "skin/SkinArt.h"
#include "skin/SkinGdi.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// Combo styles with bit 0x1 (simple, drop-down list) have no edit field: the control paints
// itself and the skin frames it afterwards.
constexpr LONG_PTR kNoEditFieldBit = 0x1;

// A paint message as the window received it, to be passed on to the replaced procedure.
struct PaintMessage {
  WNDPROC previous;
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;

  LRESULT PassOn() const { return CallWindowProcW(previous, window, message, wParam, lParam); }
};

// The blue outer frame and a white inner one over what the control drew.
void DrawListFrames(HWND window, HDC dc, const WindowBox& box) {
  FrameBox(dc, 0, 0, box.width, box.height, FrameColourOf(window));
  FrameBox(dc, 1, 1, box.width - 2, box.height - 2, kBackgroundColour);
}

LRESULT PaintButton(const PaintMessage& paint) {
  if (KeepsOwnButtonPainting(paint.window)) return paint.PassOn();
  // The control has been painted over: show the current face whole, ending any fade.
  StopFadeTimer(paint.window);
  SkinProperties(paint.window).Set(kAlphaLevelProperty, 255);
  const runtime::PaintScope scope(paint.window);
  BlendButtonFace(paint.window, scope.get());
  return 0;
}

LRESULT PaintEditableCombo(HWND window, int state) {
  const WindowBox box = GetWindowBox(window);
  const runtime::PaintScope scope(window);
  FillBox(scope.get(), 0, 0, box.width, box.height, kBackgroundColour);
  FrameBox(scope.get(), 0, 0, box.width, box.height, FrameColourOf(window));
  PaintComboButton(window, scope.get(), state, true);
  return 0;
}

// Drop-down lists, simple combo boxes and drive lists draw themselves; the skin frames them and
// lays its drop button over theirs.
LRESULT PaintFramedCombo(const PaintMessage& paint, int state) {
  const LRESULT result = paint.PassOn();
  const WindowBox box = GetWindowBox(paint.window);
  const runtime::WindowDc dc(paint.window, runtime::WindowDc::Area::Window);
  DrawListFrames(paint.window, dc.get(), box);
  PaintComboButton(paint.window, dc.get(), state, true);
  return result;
}

LRESULT PaintCombo(const PaintMessage& paint) {
  const int state = SkinProperties(paint.window).Get(kOldStateProperty);
  if (!(GetWindowLongPtrW(paint.window, GWL_STYLE) & kNoEditFieldBit)) return PaintEditableCombo(paint.window, state);
  return PaintFramedCombo(paint, state);
}

LRESULT PaintDriveList(const PaintMessage& paint) {
  return PaintFramedCombo(paint, SkinProperties(paint.window).Get(kOldStateProperty));
}

LRESULT PaintCheck(const PaintMessage& paint) {
  const LRESULT result = paint.PassOn();
  PaintCheckBox(paint.window, kStateNormal, true);
  return result;
}

LRESULT PaintOption(const PaintMessage& paint) {
  const LRESULT result = paint.PassOn();
  PaintOptionButton(paint.window, kStateNormal, true);
  return result;
}

LRESULT PaintFramedList(const PaintMessage& paint) {
  const LRESULT result = paint.PassOn();
  const WindowBox box = GetWindowBox(paint.window);
  const runtime::WindowDc dc(paint.window, runtime::WindowDc::Area::Window);
  DrawListFrames(paint.window, dc.get(), box);
  return result;
}

LRESULT PaintGrid(const PaintMessage& paint) {
  const LRESULT result = paint.PassOn();
  if (GetWindowLongPtrW(paint.window, GWL_STYLE) & WS_BORDER) {
    const WindowBox box = GetWindowBox(paint.window);
    const runtime::WindowDc dc(paint.window, runtime::WindowDc::Area::Window);
    FrameBox(dc.get(), 0, 0, box.width, box.height, FrameColourOf(paint.window));
  }
  return result;
}

LRESULT PaintProgress(const PaintMessage& paint) {
  PaintProgressWindow(paint.window);
  return 0;
}

LRESULT PaintHeader(const PaintMessage& paint) {
  PaintHeaderWindow(paint.window);
  return 0;
}

// Replaces the sunken client edge with a one-pixel frame and filler in the background colour.
void FlattenClientEdge(HWND window) {
  const BorderSize border = GetBorderSize(window);
  const WindowBox box = GetWindowBox(window);
  const runtime::WindowDc windowDc(window, runtime::WindowDc::Area::Window);
  const runtime::WindowDc clientDc(window, runtime::WindowDc::Area::Client);
  FrameBox(windowDc.get(), 0, 0, box.width, box.height, FrameColourOf(window));
  const COLORREF filler = GetBkColor(clientDc.get());
  for (int inset = 1; inset <= border.x; ++inset) {
    // Each ring starts one pixel further in but always ends at (W - 1, H - 1).
    FrameBox(windowDc.get(), inset, inset, box.width - 1 - inset, box.height - 1 - inset, filler);
  }
}

LRESULT PaintProgressNonClient(const PaintMessage& paint) {
  PaintProgressFrame(paint.window);
  return 0;
}

LRESULT PaintEdgeOver(const PaintMessage& paint) {
  const LRESULT result = paint.PassOn();
  if (GetWindowLongPtrW(paint.window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) FlattenClientEdge(paint.window);
  return result;
}

}  // namespace

LRESULT HandlePaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A paint's pieces (a header's sections, a combo's button and arrow) share one display DC.
  const DrawingDcShare display;
  const PaintMessage paint{previous, window, message, wParam, lParam};
  switch (ClassifyWindow(window)) {
    case ckButton: return PaintButton(paint);
    case ckCombo: return PaintCombo(paint);
    case ckDriveList: return PaintDriveList(paint);
    case ckCheck: return PaintCheck(paint);
    case ckOption: return PaintOption(paint);
    case ckDataList:
    case ckComboList: return PaintFramedList(paint);
    case ckProgress: return PaintProgress(paint);
    case ckHeader: return PaintHeader(paint);
    case ckGrid: return PaintGrid(paint);
    default: return paint.PassOn();
  }
}

LRESULT HandleNcPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const DrawingDcShare display;
  const PaintMessage paint{previous, window, message, wParam, lParam};
  switch (ClassifyWindow(window)) {
    case ckProgress: return PaintProgressNonClient(paint);
    case ckDataList: return paint.PassOn();
    default: return PaintEdgeOver(paint);
  }
}

}  // namespace quavlet::skin
