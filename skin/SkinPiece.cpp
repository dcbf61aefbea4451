// The nine-slice blit: corners unscaled, edges stretched along one axis, the centre along both.

#include "skin/SkinBlit.h"
#include "skin/SkinGdi.h"

namespace quavlet::skin {
namespace {

struct Box {
  int32_t x, y, width, height;
};

void Copy(HDC dest, Box to, HDC source, int32_t sourceX, int32_t sourceY) {
  BitBlt(dest, to.x, to.y, to.width, to.height, source, sourceX, sourceY, SRCCOPY);
}

void Stretch(HDC dest, Box to, HDC source, Box from) {
  StretchBlt(dest, to.x, to.y, to.width, to.height, source, from.x, from.y, from.width,
             from.height, SRCCOPY);
}

// Composes the nine-slice image of the source rectangle into scratch at (0, 0).
void ComposePieces(HDC scratch, int32_t W, int32_t H, HDC source, Box from, int32_t L, int32_t T,
                   int32_t R, int32_t B) {
  const int32_t sx = from.x, sy = from.y, SW = from.width, SH = from.height;
  if (L <= 0 && T <= 0 && R <= 0 && B <= 0) {
    Stretch(scratch, {0, 0, W, H}, source, {sx + L, sy + T, SW - R, SH - B});
    return;
  }
  // Corners, each only where both of its borders exist.
  if (L > 0 && T > 0) Copy(scratch, {0, 0, L, T}, source, sx, sy);
  if (R > 0 && T > 0) Copy(scratch, {W - R, 0, R, T}, source, sx + SW - R, sy);
  if (L > 0 && B > 0) Copy(scratch, {0, H - B, L, B}, source, sx, sy + SH - B);
  if (R > 0 && B > 0) Copy(scratch, {W - R, H - B, R, B}, source, sx + SW - R, sy + SH - B);
  // Edges, then the centre; a missing border lets its neighbours reach that side.
  if (L > 0) Stretch(scratch, {0, T, L, H - T - B}, source, {sx, sy + T, L, SH - T - B});
  if (R > 0) {
    Stretch(scratch, {W - R, T, R, H - T - B}, source, {sx + SW - R, sy + T, R, SH - T - B});
  }
  if (T > 0) Stretch(scratch, {L, 0, W - L - R, T}, source, {sx + L, sy, SW - L - R, T});
  if (B > 0) {
    Stretch(scratch, {L, H - B, W - L - R, B}, source, {sx + L, sy + SH - B, SW - L - R, B});
  }
  Stretch(scratch, {L, T, W - L - R, H - T - B}, source,
          {sx + L, sy + T, SW - L - R, SH - T - B});
}

}  // namespace

int32_t DrawSkinPiece(HDC destDC, int32_t x, int32_t y, int32_t width, int32_t height,
                      HDC srcDC, int32_t srcX, int32_t srcY, int32_t srcWidth,
                      int32_t srcHeight, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, std::optional<COLORREF> keyColour) {
  if (width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0) return 0;
  // Composed off-screen so the destination receives the finished image in one copy.
  const ScratchDc scratch(width, height);
  if (!scratch) return 0;
  ComposePieces(scratch.get(), width, height, srcDC, {srcX, srcY, srcWidth, srcHeight}, left,
                top, right, bottom);
  if (!keyColour) {
    return BitBlt(destDC, x, y, width, height, scratch.get(), 0, 0, SRCCOPY) ? 1 : 0;
  }
  TransparentBlit(destDC, x, y, width, height, scratch.get(), 0, 0, *keyColour, nullptr);
  return 1;
}

}  // namespace quavlet::skin
