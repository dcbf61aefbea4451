#include "skin/PaintGeometry.h"
#include "skin/PaintTargets.h"
#include "skin/PainterColours.h"
#include "skin/SkinArt.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinBlit.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// Combo styles with bit 0x2 (drop-down, drop-down list) have a drop-down button; a simple
// combo box has none.
constexpr LONG_PTR kHasDropButtonBit = 0x2;

// The hot and the dropped faces are 4 x 18 cells side by side; the arrow is 7 x 4, the enabled
// one above the disabled one.
constexpr int kFaceCellWidth = 4;
constexpr int kFaceCellHeight = 18;
constexpr int kDroppedFaceX = 4;
constexpr int kArrowX = 8;
constexpr int kArrowWidth = 7;
constexpr int kArrowHeight = 4;
constexpr int kDisabledArrowY = 4;

void DrawDropButtonFace(HDC button, int width, int height, int state) {
  if (state == kStateHot || state == kStatePressed) {
    const int sourceX = state == kStateHot ? 0 : kDroppedFaceX;
    DrawSkinPiece(button, 0, 0, width, height, GetSkinAtlas().ComboSkin, sourceX, 0, kFaceCellWidth,
                  kFaceCellHeight, 2, 1, 1, 1);
  } else {
    // The normal face is plain white; so is any other state, rather than undefined pixels.
    FillBox(button, 0, 0, width, height, kBackgroundColour);
  }
}

void DrawDropArrow(HDC button, int buttonWidth, int windowHeight, bool enabled) {
  const int room = buttonWidth - kArrowWidth;
  const int x = room - HalfOf(room);
  const int y = HalfOf(windowHeight - 6);
  TransparentBlit(button, x, y, kArrowWidth, kArrowHeight, GetSkinAtlas().ComboSkin, kArrowX,
                  enabled ? 0 : kDisabledArrowY, kSkinKeyColour);
}

}  // namespace

int PaintComboButton(HWND window, HDC dc, int state, bool force) {
  if (SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0)) state = kStatePressed;
  const SkinProperties properties(window);
  if (state == properties.Get(kOldStateProperty) && !force) return state;
  if (!(GetWindowLongPtrW(window, GWL_STYLE) & kHasDropButtonBit)) return state;
  properties.Set(kOldStateProperty, state);

  const WindowBox box = GetWindowBox(window);
  const int buttonWidth = GetSystemMetrics(SM_CXVSCROLL) + 1;
  const int buttonHeight = box.height - 2;
  const ScopedMemoryDC button(buttonWidth, buttonHeight);
  if (!button) return state;
  DrawDropButtonFace(button.get(), buttonWidth, buttonHeight, state);
  DrawDropArrow(button.get(), buttonWidth, box.height, IsWindowEnabled(window) != FALSE);

  const PaintTarget target(window, dc);
  BitBlt(target.get(), box.width - buttonWidth - 1, 1, buttonWidth, buttonHeight, button.get(), 0, 0, SRCCOPY);
  return state;
}

}  // namespace quavlet::skin
