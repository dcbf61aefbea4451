#include <algorithm>
#include <string>

#include "runtime/GdiHandles.h"
#include "skin/KindPainters.h"
#include "skin/PaintTargets.h"
#include "skin/PainterColours.h"
#include "skin/SkinArt.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinBlit.h"
#include "skin/SkinGdi.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// A button's atlas cell has 3-pixel unscaled borders.
constexpr int kButtonCellBorder = 3;
// Caption and focus mark keep clear of the frame and the bevel.
constexpr int kCaptionInset = 2;

// Style bits of button windows that are not push buttons (check boxes, radio buttons, group
// boxes): those keep their own painting.
constexpr LONG_PTR kNotPushButtonBits = 0x2 | 0x4;

struct FaceContent {
  int width;
  int height;
  const std::wstring& caption;
  HFONT font;
  bool focused;
};

void RenderFace(HDC face, int state, const FaceContent& content) {
  // The face DC outlives this call; leave its font and modes as they were.
  const runtime::ScopedSaveDc saved(face);
  if (content.font) SelectObject(face, content.font);
  SetBkMode(face, TRANSPARENT);
  DrawSkinPiece(face, 0, 0, content.width, content.height, GetSkinAtlas().ButtonSkin, 0,
                kButtonCellHeight * state, kButtonCellWidth, kButtonCellHeight, kButtonCellBorder,
                kButtonCellBorder, kButtonCellBorder, kButtonCellBorder);
  SetTextColor(face, state == kStateDisabled ? kDisabledCaptionColour : kCaptionColour);
  const int innerWidth = content.width - 2 * kCaptionInset;
  const int innerHeight = content.height - 2 * kCaptionInset;
  DrawCaption(face, content.caption, kCaptionInset, kCaptionInset, innerWidth, innerHeight, kCaptionFormat);
  if (content.focused) DrawFocusBox(face, kCaptionInset, kCaptionInset, innerWidth, innerHeight);
}

}  // namespace

bool KeepsOwnButtonPainting(HWND window) {
  return (SkinProperties(window).Get(kOldStyleProperty) & kNotPushButtonBits) != 0;
}

void RenderButtonFaces(HWND window) {
  const SkinProperties properties(window);
  std::array<HDC, 4> faces{};
  for (int state = kStateNormal; state <= kStateDisabled; ++state) faces[state] = properties.FaceDc(state);
  RenderButtonFaces(window, faces);
}

void RenderButtonFaces(HWND window, const std::array<HDC, 4>& faces) {
  const WindowBox box = GetWindowBox(window);
  const std::wstring caption = GetWindowCaption(window);
  const FaceContent content{box.width, box.height, caption,
                            reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)),
                            GetFocus() == window};
  // The four faces are composed against one display DC (inside an attach, the attach's).
  const DrawingDcShare display;
  for (int state = kStateNormal; state <= kStateDisabled; ++state) {
    if (HDC face = faces[state]) RenderFace(face, state, content);
  }
}

int BlendButtonFace(HWND window, HDC dc) {
  const SkinProperties properties(window);
  if (!IsWindowEnabled(window)) properties.Set(kOldStateProperty, kStateDisabled);
  if (KeepsOwnButtonPainting(window)) return 0;

  const WindowBox box = GetWindowBox(window);
  const int state = properties.Get(kOldStateProperty);
  if (state < kStateNormal || state > kStateDisabled) return 0;
  HDC face = properties.FaceDc(state);
  if (!face) return 0;
  // The level never leaves 0..255 in the fade; keep a stray value out of the other fields.
  const auto alpha = static_cast<BYTE>(std::clamp(properties.Get(kAlphaLevelProperty), 0, 255));

  const PaintTarget target(window, dc);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
  AlphaBlend(target.get(), 0, 0, box.width, box.height, face, 0, 0, box.width, box.height, blend);
  return 0;
}

}  // namespace quavlet::skin
