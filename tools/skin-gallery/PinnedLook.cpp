#include "tools/skin-gallery/PinnedLook.h"

#include "skin/ControlKind.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::tools {

namespace {

// The gallery's own record on each control: its replaced procedure and its pinned state.
constexpr wchar_t kOwnProcedure[] = L"GALLERYPROC";
constexpr wchar_t kPinnedState[] = L"GALLERYSTATE";

WNDPROC OwnProcedure(HWND control) { return reinterpret_cast<WNDPROC>(GetPropW(control, kOwnProcedure)); }

int PinnedState(HWND control) { return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(control, kPinnedState))); }

LRESULT PaintPinned(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const int state = PinnedState(control);
  skin::SkinProperties(control).Set(skin::kOldStateProperty, state);
  const LRESULT result = skin::HandlePaint(OwnProcedure(control), control, message, wParam, lParam);
  const skin::ControlKind kind = skin::ClassifyWindow(control);
  if (kind == skin::ckCheck) skin::PaintCheckBox(control, state, true);
  if (kind == skin::ckOption) skin::PaintOptionButton(control, state, true);
  return result;
}

LRESULT ForgetPin(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC own = OwnProcedure(control);
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
  RemovePropW(control, kOwnProcedure);
  RemovePropW(control, kPinnedState);
  return CallWindowProcW(own, control, message, wParam, lParam);
}

LRESULT CALLBACK PinnedLookProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: return PaintPinned(control, message, wParam, lParam);
    case WM_NCPAINT: return skin::HandleNcPaint(OwnProcedure(control), control, message, wParam, lParam);
    case WM_NCDESTROY: return ForgetPin(control, message, wParam, lParam);
    default: return CallWindowProcW(OwnProcedure(control), control, message, wParam, lParam);
  }
}

}  // namespace

void PinLook(HWND control, int state) {
  SetPropW(control, kPinnedState, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(state)));
  SetPropW(control, kOwnProcedure, reinterpret_cast<HANDLE>(GetWindowLongPtrW(control, GWLP_WNDPROC)));
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PinnedLookProcedure));
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
}

}  // namespace quavlet::tools
