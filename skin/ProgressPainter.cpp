#include <windows.h>
#include <commctrl.h>

#include "runtime/GdiHandles.h"
#include "skin/KindPainters.h"
#include "skin/PaintGeometry.h"
#include "skin/PaintTargets.h"
#include "skin/PainterColours.h"
#include "skin/SkinBlit.h"
#include "skin/SkinPainters.h"

namespace quavlet::skin {

namespace {

float CurrentFraction(HWND window) {
  return ProgressFraction(static_cast<int>(SendMessageW(window, PBM_GETPOS, 0, 0)));
}

bool IsVertical(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & PBS_VERTICAL) != 0; }

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return SIZE{client.right - client.left, client.bottom - client.top};
}

}  // namespace

void PaintProgressWindow(HWND window) {
  const SIZE size = ClientSize(window);
  const ScopedMemoryDC composed(size.cx, size.cy);
  if (composed) {
    FillBox(composed.get(), 0, 0, size.cx, size.cy, kBackgroundColour);
    const float fraction = CurrentFraction(window);
    if (fraction != 0.0f) {
      if (IsVertical(window)) {
        FillBox(composed.get(), 0, UnfilledLength(size.cy, fraction), size.cx, FilledLength(size.cy, fraction),
                kProgressFillColour);
      } else {
        FillBox(composed.get(), 0, 0, FilledLength(size.cx, fraction), size.cy, kProgressFillColour);
      }
    }
  }
  const runtime::PaintScope paint(window);
  if (composed) BitBlt(paint.get(), 0, 0, size.cx, size.cy, composed.get(), 0, 0, SRCCOPY);
}

void PaintProgressFrame(HWND window) {
  const BorderSize border = GetBorderSize(window);
  const WindowBox box = GetWindowBox(window);
  const SIZE client = ClientSize(window);
  const ScopedMemoryDC composed(box.width, box.height);
  if (!composed) return;
  // The frame stays blue even while the bar is disabled.
  FillBox(composed.get(), 0, 0, box.width, box.height, kFrameColour);
  FillBox(composed.get(), 1, 1, box.width - 2, box.height - 2, kBackgroundColour);
  const float fraction = CurrentFraction(window);
  if (fraction != 0.0f) {
    if (IsVertical(window)) {
      if (GetWindowLongPtrW(window, GWL_STYLE) & PBS_SMOOTH) {
        FillBox(composed.get(), border.x, border.y, client.cx, client.cy, kProgressFillColour);
        FillBox(composed.get(), border.x, border.y, client.cx, UnfilledLength(client.cy, fraction),
                kBackgroundColour);
      }
    } else {
      FillBox(composed.get(), border.x, border.y, FilledLength(client.cx, fraction), client.cy,
              kProgressFillColour);
    }
  }
  const runtime::WindowDc target(window, runtime::WindowDc::Area::Window);
  BitBlt(target.get(), 0, 0, box.width, box.height, composed.get(), 0, 0, SRCCOPY);
}

}  // namespace quavlet::skin
