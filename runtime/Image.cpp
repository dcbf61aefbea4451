#include "runtime/Image.h"

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/colour.h"

namespace quavlet::runtime {

void Image::Design(const ImageDesign& design) {
  SetPlaceQuietly(design.place);
  stretch_ = design.stretch;
  bitmapResource_ = design.picture;
  iconResource_ = design.icon;
  SetVisible(design.visible);
  LoadPicture();
}

void Image::SetPicture(int bitmapResource) {
  bitmapResource_ = bitmapResource;
  iconResource_ = 0;
  LoadPicture();
}

void Image::SetIconPicture(int iconResource) {
  iconResource_ = iconResource;
  bitmapResource_ = 0;
  LoadPicture();
}

void Image::SetStretch(bool stretch) {
  stretch_ = stretch;
  FitToPicture();
  Invalidate();
}

void Image::OnAttached() { LoadPicture(); }

void Image::LoadPicture() {
  Invalidate();
  bitmap_.reset();
  icon_ = nullptr;
  pictureSize_ = {0, 0};
  if (!Parent()) return;
  const HINSTANCE instance = Parent()->application().instance();
  if (bitmapResource_) {
    bitmap_.reset(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(bitmapResource_), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (bitmap_ && GetObjectW(bitmap_.get(), sizeof(info), &info)) pictureSize_ = {info.bmWidth, info.bmHeight};
  } else if (iconResource_) {
    icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconResource_), IMAGE_ICON, 0, 0, LR_SHARED));
    ICONINFO info{};
    if (icon_ && GetIconInfo(icon_, &info)) {
      BITMAP mask{};
      GetObjectW(info.hbmMask, sizeof(mask), &mask);
      pictureSize_ = {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
      if (info.hbmColor) DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
    }
  }
  FitToPicture();
  Invalidate();
}

void Image::FitToPicture() {
  if (stretch_ || !HasPicture() || !Parent()) return;
  const int dpi = Parent()->Dpi();
  Place place = GetPlace();
  place.width = PixelsToTwips(pictureSize_.cx, dpi);
  place.height = PixelsToTwips(pictureSize_.cy, dpi);
  SetPlaceQuietly(place);
}

void Image::Paint(HDC dc) {
  const PixelBox box = Pixels();
  const int width = stretch_ ? box.width : pictureSize_.cx;
  const int height = stretch_ ? box.height : pictureSize_.cy;
  if (width <= 0 || height <= 0) return;
  if (icon_) {
    DrawIconEx(dc, box.left, box.top, icon_, width, height, 0, nullptr, DI_NORMAL);
    return;
  }
  if (!bitmap_) return;
  runtime::MemoryDc source(CreateCompatibleDC(dc));
  runtime::ScopedSelect selectBitmap(source.get(), bitmap_.get());
  TransparentBlt(dc, box.left, box.top, width, height, source.get(), 0, 0, pictureSize_.cx, pictureSize_.cy,
                 kTransparentPixel);
}

}  // namespace quavlet::runtime
