#pragma once

// The four state faces a skinned command button keeps (0HDC..3HDC), for the gallery's buttons:
// window-sized memory DCs owning their bitmaps, freed with the set.

#include <windows.h>

#include <array>
#include <memory>

#include "skin/SkinBlit.h"

namespace quavlet::tools {

class ButtonFaceSet {
 public:
  // Makes the faces, records them and the push-button style on the button, and renders them.
  explicit ButtonFaceSet(HWND button);
  ~ButtonFaceSet();
  ButtonFaceSet(const ButtonFaceSet&) = delete;
  ButtonFaceSet& operator=(const ButtonFaceSet&) = delete;

 private:
  HWND button_;
  std::array<std::unique_ptr<skin::ScopedMemoryDC>, 4> faces_;
};

}  // namespace quavlet::tools
