#pragma once

// A windowless picture. The picture is a bitmap resource (its magenta pixels are transparent
// and left undrawn, so the form's surface shows through) or an icon resource. Without Stretch
// the control takes the picture's size, as a picture box does; with Stretch the picture is
// scaled to the control. An Image without a picture draws nothing but still takes the pointer.

#include "runtime/GdiHandles.h"
#include "runtime/WindowlessControl.h"

namespace quavlet::runtime {

struct ImageDesign {
  Place place{};
  int picture = 0;  // bitmap resource, 0 for none
  int icon = 0;     // icon resource, instead of a bitmap
  bool stretch = false;
  bool visible = true;
};

class Image : public WindowlessControl {
 public:
  void Design(const ImageDesign& design);

  void SetPicture(int bitmapResource);
  void SetIconPicture(int iconResource);
  bool HasPicture() const { return bitmap_ || icon_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  // The picture's own size in pixels (0 × 0 without a picture).
  SIZE PictureSize() const { return pictureSize_; }

 protected:
  void Paint(HDC dc) override;
  void OnAttached() override;

 private:
  void LoadPicture();
  void FitToPicture();

  int bitmapResource_ = 0;
  int iconResource_ = 0;
  bool stretch_ = false;
  runtime::Bitmap bitmap_;
  HICON icon_ = nullptr;  // shared resource icon: the system frees it with the module
  SIZE pictureSize_{0, 0};
};

}  // namespace quavlet::runtime
