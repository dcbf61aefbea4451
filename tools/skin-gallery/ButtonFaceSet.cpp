#include "tools/skin-gallery/ButtonFaceSet.h"

#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::tools {

ButtonFaceSet::ButtonFaceSet(HWND button) : button_(button) {
  const skin::WindowBox box = skin::GetWindowBox(button_);
  const skin::SkinProperties properties(button_);
  properties.Set(skin::kOldStyleProperty, static_cast<int32_t>(GetWindowLongPtrW(button_, GWL_STYLE)));
  properties.Set(skin::kAlphaLevelProperty, 255);
  for (size_t state = 0; state < faces_.size(); ++state) {
    faces_[state] = std::make_unique<skin::ScopedMemoryDC>(box.width, box.height);
    properties.SetFaceDc(static_cast<int>(state), faces_[state]->get());
  }
  skin::RenderButtonFaces(button_);
  // The button's own drawing on focus and press would cover the face: it asks its parent instead.
  SendMessageW(button_, BM_SETSTYLE, BS_OWNERDRAW, FALSE);
}

ButtonFaceSet::~ButtonFaceSet() {
  if (!IsWindow(button_)) return;
  const skin::SkinProperties properties(button_);
  for (size_t state = 0; state < faces_.size(); ++state) {
    properties.Remove(skin::FaceDcPropertyName(static_cast<int>(state)).c_str());
  }
}

}  // namespace quavlet::tools
