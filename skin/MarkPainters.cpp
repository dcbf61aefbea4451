#include "runtime/GdiHandles.h"
#include "skin/PaintGeometry.h"
#include "skin/PainterColours.h"
#include "skin/SkinArt.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinBlit.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// Where the marks sit in MarkSkin: enabled at the left, the pale disabled ones 9 pixels right.
constexpr int kDisabledMarkShift = 9;
constexpr POINT kCheckMark{0, 0};
constexpr SIZE kCheckMarkSize{9, 8};
constexpr POINT kGreySquare{1, 9};
constexpr SIZE kGreySquareSize{7, 7};
constexpr POINT kOptionDot{2, 18};
constexpr SIZE kOptionDotSize{5, 5};

// Check-box fills: an 11 x 5 strip of the hot and of the pressed option-button interior.
constexpr SIZE kFillStripSize{11, 5};
constexpr POINT kHotFillStrip{1, 17};
constexpr POINT kPressedFillStrip{1, 30};

// Option-button circles are nine-sliced with 5-pixel unscaled borders.
constexpr int kCircleBorder = 5;

// True when state equals the one last drawn and the caller did not force a redraw; otherwise
// records state as the one drawn now.
bool SkipUnchanged(HWND window, int state, bool force) {
  const SkinProperties properties(window);
  if (state == properties.Get(kOldStateProperty) && !force) return true;
  properties.Set(kOldStateProperty, state);
  return false;
}

SIZE MarkBoxSize() { return SIZE{GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)}; }

// Lays a mark of MarkSkin centred in a box of the given size, its origin at (0, top).
void DrawMarkCentred(HDC dc, POINT source, SIZE size, SIZE box, int top, bool enabled) {
  const int x = CentredOffset(box.cx, size.cx);
  const int y = CentredOffset(box.cy, size.cy, top);
  TransparentBlit(dc, x, y, size.cx, size.cy, GetSkinAtlas().MarkSkin,
                  source.x + (enabled ? 0 : kDisabledMarkShift), source.y, kSkinKeyColour);
}

void ComposeCheckBox(HDC box, SIZE size, int state, LRESULT check, bool enabled) {
  FillBox(box, 0, 0, size.cx, size.cy, kBackgroundColour);
  if (enabled) {
    FrameBox(box, 0, 0, size.cx, size.cy, state == kStatePressed ? kPressedCheckFrameColour : kFrameColour);
    if (state == kStateHot || state == kStatePressed) {
      const POINT strip = state == kStateHot ? kHotFillStrip : kPressedFillStrip;
      StretchBlt(box, 1, 1, size.cx - 2, size.cy - 2, GetSkinAtlas().OptionSkin, strip.x, strip.y,
                 kFillStripSize.cx, kFillStripSize.cy, SRCCOPY);
    }
  } else {
    FrameBox(box, 0, 0, size.cx, size.cy, kDisabledFrameColour);
  }
  if (check == BST_CHECKED) DrawMarkCentred(box, kCheckMark, kCheckMarkSize, size, 0, enabled);
  if (check == BST_INDETERMINATE) DrawMarkCentred(box, kGreySquare, kGreySquareSize, size, 0, enabled);
}

}  // namespace

int PaintCheckBox(HWND window, int state, bool force) {
  if (SkipUnchanged(window, state, force)) return 0;
  const SIZE size = MarkBoxSize();
  const LRESULT check = SendMessageW(window, BM_GETCHECK, 0, 0);
  const bool enabled = IsWindowEnabled(window) != FALSE;

  const ScopedMemoryDC box(size.cx, size.cy);
  if (box) ComposeCheckBox(box.get(), size, state, check, enabled);
  const WindowBox windowBox = GetWindowBox(window);
  const runtime::WindowDc target(window, runtime::WindowDc::Area::Window);
  if (box) BitBlt(target.get(), 0, HalfOf(windowBox.height - size.cy), size.cx, size.cy, box.get(), 0, 0, SRCCOPY);
  return 1;
}

int PaintOptionButton(HWND window, int state, bool force) {
  if (SkipUnchanged(window, state, force)) return 0;
  const SIZE size = MarkBoxSize();
  const int top = HalfOf(GetWindowBox(window).height - size.cy);
  const LRESULT check = SendMessageW(window, BM_GETCHECK, 0, 0);
  const bool enabled = IsWindowEnabled(window) != FALSE;

  // Straight onto the window: the circle is keyed, so the control's own background shows
  // around it.
  const runtime::WindowDc target(window, runtime::WindowDc::Area::Window);
  // Disabled shows the pale circle whatever the state; enabled draws only the three live looks.
  const int cell = enabled ? state : kStateDisabled;
  if (!enabled || (state >= kStateNormal && state <= kStatePressed)) {
    DrawSkinPiece(target.get(), 0, top, size.cx, size.cy, GetSkinAtlas().OptionSkin, 0, kOptionCellSize * cell,
                  kOptionCellSize, kOptionCellSize, kCircleBorder, kCircleBorder, kCircleBorder, kCircleBorder,
                  kSkinKeyColour);
  }
  if (check == BST_CHECKED) DrawMarkCentred(target.get(), kOptionDot, kOptionDotSize, size, top, enabled);
  return 1;
}

}  // namespace quavlet::skin
