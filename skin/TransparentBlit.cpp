// The colour-keyed blit. It works on copies of both rectangles, so that neither the source
// nor the destination is touched before the one final copy.

#include <ocidl.h>
#include <olectl.h>

#include "runtime/GdiHandles.h"
#include "skin/SkinBlit.h"
#include "skin/SkinGdi.h"

namespace quavlet::skin {
namespace {

// Raster operation "destination AND NOT source".
constexpr DWORD kDestinationAndNotSource = 0x00220326;

COLORREF TranslateKey(COLORREF key, HPALETTE palette) {
  COLORREF translated = key;
  OleTranslateColor(key, palette, &translated);
  // A translation through a palette comes back as a PALETTERGB; only the colour counts.
  return translated & 0x00FFFFFF;
}

}  // namespace

void TransparentBlit(HDC destDC, int32_t x, int32_t y, int32_t width, int32_t height,
                     HDC srcDC, int32_t srcX, int32_t srcY, COLORREF keyColour,
                     HPALETTE palette) {
  const DisplayDc display;
  runtime::Palette halftone;
  if (!palette) {
    halftone.reset(CreateHalftonePalette(display.get()));
    palette = halftone.get();
  }
  const COLORREF key = TranslateKey(keyColour, palette);

  // Declared DCs first, then bitmaps, then selections: the selections are undone before the
  // bitmaps go, and the bitmaps before the DCs.
  const runtime::MemoryDc backgroundDc(CreateCompatibleDC(display.get()));
  const runtime::MemoryDc sourceDc(CreateCompatibleDC(display.get()));
  const runtime::MemoryDc maskDc(CreateCompatibleDC(display.get()));
  const runtime::Bitmap backgroundBitmap(CreateCompatibleBitmap(display.get(), width, height));
  const runtime::Bitmap sourceBitmap(CreateCompatibleBitmap(display.get(), width, height));
  const runtime::Bitmap maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));

  const runtime::ScopedSelect backgroundSelection(backgroundDc.get(), backgroundBitmap.get());
  const ScopedPalette backgroundPalette(backgroundDc.get(), palette, false);
  BitBlt(backgroundDc.get(), 0, 0, width, height, destDC, x, y, SRCCOPY);

  const runtime::ScopedSelect sourceSelection(sourceDc.get(), sourceBitmap.get());
  const ScopedPalette sourcePalette(sourceDc.get(), palette, true);
  BitBlt(sourceDc.get(), 0, 0, width, height, srcDC, srcX, srcY, SRCCOPY);

  // Mask: key pixels become 1 (white), all others 0 (black).
  const runtime::ScopedSelect maskSelection(maskDc.get(), maskBitmap.get());
  SetBkColor(sourceDc.get(), key);
  SetTextColor(sourceDc.get(), RGB(255, 255, 255));
  BitBlt(maskDc.get(), 0, 0, width, height, sourceDc.get(), 0, 0, SRCCOPY);

  // Key pixels of the source copy turn black; the rest keep their colour.
  SetTextColor(sourceDc.get(), RGB(0, 0, 0));
  SetBkColor(sourceDc.get(), RGB(255, 255, 255));
  BitBlt(sourceDc.get(), 0, 0, width, height, maskDc.get(), 0, 0, kDestinationAndNotSource);

  // The background survives only under key pixels; the source fills the black holes.
  BitBlt(backgroundDc.get(), 0, 0, width, height, maskDc.get(), 0, 0, SRCAND);
  BitBlt(backgroundDc.get(), 0, 0, width, height, sourceDc.get(), 0, 0, SRCPAINT);

  BitBlt(destDC, x, y, width, height, backgroundDc.get(), 0, 0, SRCCOPY);
}

}  // namespace quavlet::skin
