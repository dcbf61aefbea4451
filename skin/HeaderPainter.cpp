#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>

#include "runtime/GdiHandles.h"
#include "skin/KindPainters.h"
#include "skin/PaintTargets.h"
#include "skin/SkinArt.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinBlit.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// HeaderSkin cells (normal, hot, pressed) have 1-pixel borders; column 1 is the plain
// background.
constexpr int kCellBorder = 1;
constexpr int kBackgroundColumn = 1;
constexpr int kSectionTextCapacity = 256;

int CellOfState(int state) { return state == kStateHot || state == kStatePressed ? state : kStateNormal; }

RECT SectionRect(HWND window, int index) {
  RECT rect{};
  SendMessageW(window, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

std::wstring SectionText(HWND window, int index) {
  std::array<wchar_t, kSectionTextCapacity> buffer{};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = buffer.data();
  item.cchTextMax = kSectionTextCapacity;
  SendMessageW(window, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  std::wstring text(buffer.data(), buffer.size());
  text.erase(std::remove(text.begin(), text.end(), L'\0'), text.end());
  return text;
}

void DrawSectionFace(HDC dc, int left, int width, int height, int cell) {
  DrawSkinPiece(dc, left, 0, width, height, GetSkinAtlas().HeaderSkin, kHeaderCellWidth * cell, 0, kHeaderCellWidth,
                kHeaderCellHeight, kCellBorder, kCellBorder, kCellBorder, kCellBorder);
}

// The caption in black, centred in (left, 0, width, height), in the header's font.
void DrawSectionText(HWND window, HDC dc, const std::wstring& text, int left, int width, int height) {
  if (text.empty()) return;
  const runtime::ScopedSelect font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  DrawCaption(dc, text, left, 0, width, height, kCaptionFormat);
}

}  // namespace

void PaintHeaderItem(HWND window, HDC dc, int index, int state) {
  if (index < 0) return;
  const int height = GetWindowBox(window).height;
  const RECT section = SectionRect(window, index);
  const int width = section.right - section.left;

  const ScopedMemoryDC composed(width, height);
  if (!composed) return;
  DrawSectionFace(composed.get(), 0, width, height, CellOfState(state));
  DrawSectionText(window, composed.get(), SectionText(window, index), 0, width, height);

  const PaintTarget target(window, dc);
  BitBlt(target.get(), section.left, 0, width, section.bottom - section.top, composed.get(), 0, 0, SRCCOPY);
}

void PaintHeaderWindow(HWND window) {
  const WindowBox box = GetWindowBox(window);
  const ScopedMemoryDC composed(box.width, box.height);
  if (composed) {
    StretchBlt(composed.get(), 0, 0, box.width, box.height, GetSkinAtlas().HeaderSkin, kBackgroundColumn, 0, 1,
               kHeaderCellHeight, SRCCOPY);
    const SkinProperties properties(window);
    const int pressed = properties.Get(kHdIndexProperty);
    const int hot = properties.Get(kHmIndexProperty);
    const auto count = static_cast<int>(SendMessageW(window, HDM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
      const RECT section = SectionRect(window, index);
      const int width = section.right - section.left;
      const int cell = index == pressed ? kStatePressed : index == hot ? kStateHot : kStateNormal;
      DrawSectionFace(composed.get(), section.left, width, box.height, cell);
      DrawSectionText(window, composed.get(), SectionText(window, index), section.left, width, section.bottom);
    }
  }
  const runtime::PaintScope paint(window);
  if (composed) BitBlt(paint.get(), 0, 0, box.width, box.height, composed.get(), 0, 0, SRCCOPY);
}

}  // namespace quavlet::skin
