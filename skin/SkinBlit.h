#pragma once

// Off-screen composition for the skin: memory DCs that own their bitmap, the nine-slice blit
// that stretches an atlas cell to any size, the colour-keyed blit, and the signed word split
// of mouse coordinates.

#include <windows.h>

#include <cstdint>
#include <optional>

namespace quavlet::skin {

// A memory DC with a width x height bitmap compatible with the display selected into it and
// owned by it; 0 when the display DC, the memory DC or the bitmap cannot be made (nothing is
// left allocated then). The bitmap's contents start undefined.
HDC CreateMemoryDC(int32_t width, int32_t height);

// Deletes a DC made by CreateMemoryDC together with the bitmap selected into it. 0 is ignored.
void DeleteMemoryDC(HDC dc);

// Owns one DC made by CreateMemoryDC for a scope; copying is deleted.
class ScopedMemoryDC {
 public:
  ScopedMemoryDC(int32_t width, int32_t height) : dc_(CreateMemoryDC(width, height)) {}
  ~ScopedMemoryDC() { DeleteMemoryDC(dc_); }
  ScopedMemoryDC(const ScopedMemoryDC&) = delete;
  ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// Draws the source rectangle (srcX, srcY, srcWidth, srcHeight) of srcDC into (x, y, width,
// height) of destDC as a nine-slice image whose unscaled borders are left, top, right and
// bottom pixels wide. With a key colour, pixels of that colour are left see-through.
// Returns 0 when nothing was drawn (a zero size), else nonzero.
int32_t DrawSkinPiece(HDC destDC, int32_t x, int32_t y, int32_t width, int32_t height,
                      HDC srcDC, int32_t srcX, int32_t srcY, int32_t srcWidth,
                      int32_t srcHeight, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, std::optional<COLORREF> keyColour = std::nullopt);

// Copies the width x height rectangle at (srcX, srcY) of srcDC to (x, y) of destDC, except
// the pixels equal to keyColour (an OLE colour: a COLORREF or a system-colour reference).
// palette 0 uses the halftone palette.
void TransparentBlit(HDC destDC, int32_t x, int32_t y, int32_t width, int32_t height,
                     HDC srcDC, int32_t srcX, int32_t srcY, COLORREF keyColour,
                     HPALETTE palette = nullptr);

// The low and the high 16 bits of a 32-bit value as signed 16-bit numbers (0xFFFF is -1):
// the x and y of a mouse message's lParam.
int16_t LoWord(int32_t value);
int16_t HiWord(int32_t value);

}  // namespace quavlet::skin
