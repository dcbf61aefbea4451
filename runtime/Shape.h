#pragma once

// A windowless shape: a rectangle (square or rounded corners) with an outline and an optional
// fill. It takes no pointer events; they reach what lies beneath.

#include "runtime/WindowlessControl.h"
#include "runtime/colour.h"

namespace quavlet::runtime {

enum class ShapeKind { Rectangle, RoundedRectangle };

struct ShapeDesign {
  Place place{};
  ShapeKind kind = ShapeKind::Rectangle;
  bool filled = false;
  Colour fillColour = kBlack;
  Colour borderColour = kBlack;
  int borderWidth = 1;  // pixels; 0 draws no outline
  bool visible = true;
};

class Shape : public WindowlessControl {
 public:
  void Design(const ShapeDesign& design);
  const ShapeDesign& Look() const { return look_; }
  void SetFillColour(Colour colour);
  void SetBorderColour(Colour colour);
  bool TakesPointer() const override { return false; }

 protected:
  void Paint(HDC dc) override;

 private:
  ShapeDesign look_;
};

}  // namespace quavlet::runtime
