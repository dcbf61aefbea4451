#include "runtime/WindowlessControl.h"

#include "runtime/Form.h"

namespace quavlet::runtime {

WindowlessControl::~WindowlessControl() {
  if (form_) form_->Remove(*this);
}

void WindowlessControl::Move(const Place& place) {
  Invalidate();
  place_ = place;
  Invalidate();
}

PixelBox WindowlessControl::Pixels() const {
  return form_ ? form_->ToPixels(place_) : PlaceToPixels(place_);
}

void WindowlessControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Invalidate();
}

void WindowlessControl::Invalidate() const {
  if (form_) form_->InvalidatePixels(Pixels());
}

void WindowlessControl::AttachTo(Form& form) {
  form_ = &form;
  OnAttached();
}

}  // namespace quavlet::runtime
