#include "skin/SkinBlit.h"

#include "runtime/GdiHandles.h"
#include "skin/SkinGdi.h"

namespace quavlet::skin {

HDC CreateMemoryDC(int32_t width, int32_t height) {
  const DisplayDc display;
  if (!display) return nullptr;
  runtime::MemoryDc memory(CreateCompatibleDC(display.get()));
  if (!memory) return nullptr;
  // The display's format, not the new memory DC's, whose own bitmap is monochrome.
  runtime::Bitmap bitmap(CreateCompatibleBitmap(display.BitmapFormatDc(), width, height));
  if (!bitmap) return nullptr;
  // The bitmap it replaces is the DC's stock one-pixel bitmap, which is never deleted.
  SelectObject(memory.get(), bitmap.release());
  return memory.release();
}

void DeleteMemoryDC(HDC dc) {
  if (!dc) return;
  const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  // Deleting the DC lets go of its bitmap, which can then be deleted.
  DeleteDC(dc);
  if (bitmap) DeleteObject(bitmap);
}

int16_t LoWord(int32_t value) { return static_cast<int16_t>(static_cast<uint32_t>(value) & 0xFFFFu); }

int16_t HiWord(int32_t value) {
  return static_cast<int16_t>((static_cast<uint32_t>(value) >> 16) & 0xFFFFu);
}

}  // namespace quavlet::skin
