#pragma once

// The gallery: one window holding a control of every kind the skin paints, each shown in the
// states it can take, side by side, so a person can judge the skin at a glance.

#include <windows.h>

#include <memory>
#include <vector>

#include "runtime/GdiHandles.h"
#include "tools/skin-gallery/ButtonFaceSet.h"

namespace quavlet::tools {

inline constexpr wchar_t kGalleryTitle[] = L"Quavlet skin gallery";

class GalleryWindow {
 public:
  // Creates and shows the window with all its controls.
  GalleryWindow();
  ~GalleryWindow();
  GalleryWindow(const GalleryWindow&) = delete;
  GalleryWindow& operator=(const GalleryWindow&) = delete;

  HWND window() const { return window_; }

  // Used while the controls are made.
  HWND AddControl(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, RECT place);
  void AddLabel(const wchar_t* text, int x, int y);
  void KeepFaces(HWND button) { faces_.push_back(std::make_unique<ButtonFaceSet>(button)); }

  HBRUSH background() const { return background_.get(); }

 private:
  HWND window_ = nullptr;
  runtime::Font font_;
  runtime::Brush background_;
  std::vector<std::unique_ptr<ButtonFaceSet>> faces_;
};

// The class names the forms runtime gives its check boxes, option buttons and progress bars,
// registered over the system's controls (GalleryControls.cpp).
void RegisterRuntimeClassNames();

// Fills the gallery with its rows of controls (GalleryControls.cpp).
void AddGalleryControls(GalleryWindow& gallery);

}  // namespace quavlet::tools
