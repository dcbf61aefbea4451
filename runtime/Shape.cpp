#include "runtime/Shape.h"

#include <algorithm>

#include "runtime/GdiHandles.h"
#include "runtime/Colours.h"

namespace quavlet::runtime {

void Shape::Design(const ShapeDesign& design) {
  look_ = design;
  SetPlaceQuietly(design.place);
  SetVisible(design.visible);
  Invalidate();
}

void Shape::SetFillColour(Colour colour) {
  look_.fillColour = colour;
  Invalidate();
}

void Shape::SetBorderColour(Colour colour) {
  look_.borderColour = colour;
  Invalidate();
}

void Shape::Paint(HDC dc) {
  const PixelBox box = Pixels();
  runtime::Brush fill(look_.filled ? CreateSolidBrush(ResolveColour(look_.fillColour)) : nullptr);
  runtime::Pen outline(look_.borderWidth > 0 ? CreatePen(PS_INSIDEFRAME, look_.borderWidth, ResolveColour(look_.borderColour))
                                         : nullptr);
  runtime::ScopedSelect selectBrush(dc, fill ? static_cast<HGDIOBJ>(fill.get()) : GetStockObject(NULL_BRUSH));
  runtime::ScopedSelect selectPen(dc, outline ? static_cast<HGDIOBJ>(outline.get()) : GetStockObject(NULL_PEN));
  const int right = box.left + box.width;
  const int bottom = box.top + box.height;
  if (look_.kind == ShapeKind::RoundedRectangle) {
    const int corner = std::min(box.width, box.height) / 4;
    RoundRect(dc, box.left, box.top, right, bottom, corner, corner);
  } else {
    Rectangle(dc, box.left, box.top, right, bottom);
  }
}

}  // namespace quavlet::runtime
