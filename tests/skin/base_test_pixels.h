#pragma once

// Pixel reading and filling on real DCs, for assertions on what was drawn.

#include <windows.h>

#include <vector>

#include "runtime/GdiHandles.h"

namespace quavlet::skin::test {

// The pixels of a rectangle, row by row.
inline std::vector<COLORREF> ReadPixels(HDC dc, int x, int y, int width, int height) {
  std::vector<COLORREF> pixels;
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) pixels.push_back(GetPixel(dc, column, row));
  }
  return pixels;
}

inline void FillWith(HDC dc, int x, int y, int width, int height, COLORREF colour) {
  const runtime::Brush brush(CreateSolidBrush(colour));
  const RECT box{x, y, x + width, y + height};
  FillRect(dc, &box, brush.get());
}

// The size and bit depth of the bitmap selected into a DC.
inline BITMAP SelectedBitmap(HDC dc) {
  BITMAP bitmap{};
  GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof(bitmap), &bitmap);
  return bitmap;
}

}  // namespace quavlet::skin::test
