#include "skin/ButtonSkinning.h"

#include <array>

#include "runtime/GdiHandles.h"
#include "skin/SkinArt.h"
#include "skin/SkinGdi.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// Check boxes, radio buttons and group boxes of the "button" class have one of these bits and
// keep their own painting; push buttons and default push buttons become owner-drawn.
constexpr LONG_PTR kNotPushButtonBits = 0x2 | 0x4;
// The button's own style bits (the low word, where BM_SETSTYLE works); the window style bits of
// the high word (visible, disabled...) are the program's and may have changed while skinned.
constexpr LONG_PTR kButtonStyleBits = 0xFFFF;
constexpr int kCornerDiameter = 3;

// Puts the bitmap into the face DC and deletes what it displaces: the DC's stock bitmap at
// attach, the face of the old size after a resize. A bitmap that could not be made changes
// nothing: the face keeps the bitmap it has (and the property that owns it), as it was.
void SelectFaceBitmap(const SkinProperties& properties, int state, HDC face, runtime::Bitmap bitmap) {
  if (!bitmap) return;
  const HGDIOBJ displaced = SelectObject(face, bitmap.get());
  if (!displaced || displaced == HGDI_ERROR) return;  // not taken: the new bitmap goes again
  DeleteObject(displaced);
  properties.SetFaceBitmap(state, bitmap.release());
}

void SetRoundedRegion(HWND window, const WindowBox& box) {
  runtime::Region region(CreateRoundRectRgn(0, 0, box.width + 1, box.height + 1, kCornerDiameter, kCornerDiameter));
  // Redrawn at once where it can be seen. A hidden button (the main window's, while it loads)
  // has nothing on screen to redraw, and the redraw costs milliseconds under Wine; it is
  // painted in full when shown.
  // The window owns the region from here on.
  if (SetWindowRgn(window, region.get(), IsWindowVisible(window))) region.release();
}

}  // namespace

int32_t PushDialogCodeOf(LONG_PTR style) {
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
      return DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
      return DLGC_DEFPUSHBUTTON;
    default:
      return 0;
  }
}

LONG_PTR PushStyleOf(int32_t dialogCode) {
  return (dialogCode & DLGC_DEFPUSHBUTTON) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void PrepareCommandButton(HWND window) {
  const SkinProperties properties(window);
  const WindowBox box = GetWindowBox(window);
  {
    // The faces are made against the drawing share's display DC (an attach's, when inside
    // one), which has the format of every window DC on the display. Under Wine each window DC
    // and each question about the display's format costs round trips to the window server;
    // the share asks once for all the faces of an attach.
    const DrawingDcShare share;
    const DisplayDc display;
    std::array<HDC, 4> faces{};
    for (int state = kStateNormal; display && state <= kStateDisabled; ++state) {
      runtime::MemoryDc face(CreateCompatibleDC(display.get()));
      if (!face) continue;
      SelectFaceBitmap(properties, state, face.get(),
                       runtime::Bitmap(CreateCompatibleBitmap(display.BitmapFormatDc(), box.width, box.height)));
      faces[state] = face.get();
      properties.SetFaceDc(state, face.release());
    }
    RenderButtonFaces(window, faces);
  }

  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if ((style & kNotPushButtonBits) == 0) {
    // An owner-drawn button no longer tells the dialog manager it is a push button, and the
    // manager would then leave the default on another button when this one takes the focus.
    if (const int32_t code = PushDialogCodeOf(style)) properties.Set(kDlgCodeProperty, code);
    SendMessageW(window, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
  }

  properties.Set(kOldStyleProperty, static_cast<int32_t>(style));
  properties.Set(kMouseFlagProperty, 0);
  properties.Set(kTimerIdProperty, 0);
  properties.Set(kOldStateProperty, IsWindowEnabled(window) ? kStateNormal : kStateDisabled);
  properties.Set(kAlphaLevelProperty, 0);
  SetRoundedRegion(window, box);
}

void UndoCommandButton(HWND window) {
  const SkinProperties properties(window);
  for (int state = kStateNormal; state <= kStateDisabled; ++state) {
    // Destroyed in reverse order: the DC first, which lets go of its bitmap, then the bitmap.
    const runtime::Bitmap bitmap(properties.FaceBitmap(state));
    const runtime::MemoryDc face(properties.FaceDc(state));
    properties.Remove(FaceDcPropertyName(state).c_str());
    properties.Remove(FaceBitmapPropertyName(state).c_str());
  }
  StopFadeTimer(window);

  // The button style goes back to what it was; whether the button is enabled or visible now is
  // the program's business, not the skin's.
  // A push button comes back as the default or plain push button the dialog manager last made
  // it.
  LONG_PTR buttonStyle = properties.Get(kOldStyleProperty) & kButtonStyleBits;
  if (const int32_t code = properties.Get(kDlgCodeProperty)) {
    buttonStyle = (buttonStyle & ~BS_TYPEMASK) | PushStyleOf(code);
  }
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, (style & ~kButtonStyleBits) | buttonStyle);

  for (const wchar_t* name : {kOldStyleProperty, kMouseFlagProperty, kTimerIdProperty, kOldStateProperty,
                              kAlphaLevelProperty, kDlgCodeProperty}) {
    properties.Remove(name);
  }
  SetWindowRgn(window, nullptr, TRUE);
}

void ResizeCommandButton(HWND window) {
  const SkinProperties properties(window);
  const WindowBox box = GetWindowBox(window);
  {
    const DrawingDcShare share;
    const DisplayDc display;
    for (int state = kStateNormal; display && state <= kStateDisabled; ++state) {
      HDC face = properties.FaceDc(state);
      if (!face) continue;
      SelectFaceBitmap(properties, state, face,
                       runtime::Bitmap(CreateCompatibleBitmap(display.BitmapFormatDc(), box.width, box.height)));
    }
    RenderButtonFaces(window);
  }
  SetRoundedRegion(window, box);
}

}  // namespace quavlet::skin
