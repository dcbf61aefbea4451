#include "skin/HandlerSupport.h"

#include <commctrl.h>

#include "skin/SkinBlit.h"
#include "skin/SkinHandlers.h"
#include "skin/SkinPainters.h"

namespace quavlet::skin {

namespace {

constexpr LONG_PTR kNoEditFieldBit = 0x1;
// The drop button keeps this far from the window's right, top and bottom edges.
constexpr int kDropButtonMargin = 2;

}  // namespace

bool PointerIsOver(HWND window) {
  POINT pointer{};
  GetCursorPos(&pointer);
  return WindowFromPoint(pointer) == window;
}

int MouseX(LPARAM lParam) { return LoWord(static_cast<int32_t>(lParam)); }
int MouseY(LPARAM lParam) { return HiWord(static_cast<int32_t>(lParam)); }

bool HasNoEditField(HWND combo) { return (GetWindowLongPtrW(combo, GWL_STYLE) & kNoEditFieldBit) != 0; }

bool InsideDropButton(HWND combo, LPARAM lParam) {
  const WindowBox box = GetWindowBox(combo);
  const int buttonWidth = GetSystemMetrics(SM_CXVSCROLL);
  const int x = MouseX(lParam);
  const int y = MouseY(lParam);
  return box.width - buttonWidth - kDropButtonMargin <= x && x <= box.width - kDropButtonMargin &&
         kDropButtonMargin <= y && y <= box.height - kDropButtonMargin;
}

void PaintMarkControl(HWND window, ControlKind kind, int state, bool force) {
  if (kind == ckCheck) PaintCheckBox(window, state, force);
  if (kind == ckOption) PaintOptionButton(window, state, force);
}

int HeaderSectionAt(HWND header, int x) {
  const auto count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    RECT section{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&section));
    // Only x counts; on the edge two sections share, the left one wins by coming first.
    if (section.left <= x && x <= section.right) return index;
  }
  return -1;
}

}  // namespace quavlet::skin
