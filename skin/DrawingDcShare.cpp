#include <algorithm>
#include <utility>

#include "skin/SkinBlit.h"
#include "skin/SkinEngine.h"
#include "skin/SkinGdi.h"

namespace quavlet::skin {

namespace {

HDC MakeDisplayDc() { return CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr); }

// The share's scratch DC, made or grown to hold width x height; 0 when it can't be made.
HDC SharedScratchOf(int width, int height) {
  SkinEngineState& engine = Engine();
  if (engine.SharedScratchDc && engine.SharedScratchSize.cx >= width && engine.SharedScratchSize.cy >= height) {
    return engine.SharedScratchDc;
  }
  const SIZE size{std::max<LONG>(engine.SharedScratchSize.cx, width), std::max<LONG>(engine.SharedScratchSize.cy, height)};
  DeleteMemoryDC(std::exchange(engine.SharedScratchDc, nullptr));
  engine.SharedScratchDc = CreateMemoryDC(size.cx, size.cy);
  engine.SharedScratchSize = engine.SharedScratchDc ? size : SIZE{};
  return engine.SharedScratchDc;
}

// The share's display DC, made when first asked for.
HDC SharedDisplayDc() {
  SkinEngineState& engine = Engine();
  if (!engine.SharedDisplayDc) engine.SharedDisplayDc = MakeDisplayDc();
  return engine.SharedDisplayDc;
}

}  // namespace

DisplayDc::DisplayDc()
    : owned_(Engine().DrawingShareOpen ? nullptr : MakeDisplayDc()),
      dc_(owned_ ? owned_.get() : SharedDisplayDc()) {}

HDC DisplayDc::BitmapFormatDc() const {
  SkinEngineState& engine = Engine();
  if (owned_ || !dc_) return dc_;
  if (!engine.SharedFormatDc) {
    runtime::MemoryDc format(CreateCompatibleDC(dc_));
    runtime::Bitmap pixel(format ? CreateCompatibleBitmap(dc_, 1, 1) : nullptr);
    if (!pixel) return dc_;
    // What the bitmap displaces is the DC's stock bitmap, which is never deleted.
    SelectObject(format.get(), pixel.release());
    engine.SharedFormatDc = format.release();
  }
  return engine.SharedFormatDc;
}

ScratchDc::ScratchDc(int width, int height)
    : owned_(!Engine().DrawingShareOpen),
      dc_(owned_ ? CreateMemoryDC(width, height) : SharedScratchOf(width, height)) {}

ScratchDc::~ScratchDc() {
  if (owned_) DeleteMemoryDC(dc_);
}

DrawingDcShare::DrawingDcShare() : outermost_(!Engine().DrawingShareOpen) { Engine().DrawingShareOpen = true; }

DrawingDcShare::~DrawingDcShare() {
  if (!outermost_) return;
  SkinEngineState& engine = Engine();
  // The scratch and format DCs first: they were made against the display DC.
  DeleteMemoryDC(std::exchange(engine.SharedScratchDc, nullptr));
  DeleteMemoryDC(std::exchange(engine.SharedFormatDc, nullptr));
  engine.SharedScratchSize = SIZE{};
  if (HDC dc = std::exchange(engine.SharedDisplayDc, nullptr)) DeleteDC(dc);
  engine.DrawingShareOpen = false;
}

}  // namespace quavlet::skin
