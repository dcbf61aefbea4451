#pragma once

// A control without a window of its own: the form draws it on its surface, back to front, and
// gives it the mouse events when it is the front-most visible control under the pointer.

#include <windows.h>

#include "runtime/Events.h"
#include "runtime/twips.h"

namespace quavlet::runtime {

class Form;

class WindowlessControl {
 public:
  WindowlessControl() = default;
  // Leaves its form, so that the form keeps no pointer to a destroyed control.
  virtual ~WindowlessControl();
  WindowlessControl(const WindowlessControl&) = delete;
  WindowlessControl& operator=(const WindowlessControl&) = delete;

  Form* Parent() const { return form_; }

  const Place& GetPlace() const { return place_; }
  double Left() const { return place_.left; }
  double Top() const { return place_.top; }
  double Width() const { return place_.width; }
  double Height() const { return place_.height; }
  void Move(const Place& place);
  // The client pixels the control covers (on a 96 dpi screen when not yet on a form).
  PixelBox Pixels() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Whether the control takes the pointer over its rectangle (a shape does not).
  virtual bool TakesPointer() const { return true; }

  MouseEvent MouseDown;
  MouseEvent MouseUp;
  MouseEvent MouseMove;
  Event Click;
  Event DblClick;

 protected:
  virtual void Paint(HDC dc) = 0;
  // Runs once the control is on a form, and again when the form is loaded.
  virtual void OnAttached() {}
  // Asks the form to repaint the control's pixels.
  void Invalidate() const;
  void SetPlaceQuietly(const Place& place) { place_ = place; }

 private:
  friend class Form;
  void AttachTo(Form& form);

  Form* form_ = nullptr;
  Place place_;
  bool visible_ = true;
};

}  // namespace quavlet::runtime
