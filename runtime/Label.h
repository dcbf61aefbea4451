#pragma once

// A windowless label: a caption in a font and colour, on an opaque or transparent background,
// either sized to its text (AutoSize) or wrapped inside a fixed box. A transparent label still
// takes the pointer over its whole rectangle.

#include <optional>
#include <string>

#include "runtime/Font.h"
#include "runtime/WindowlessControl.h"
#include "runtime/Colours.h"

namespace quavlet::runtime {

struct LabelDesign {
  Place place{};
  std::wstring caption{};
  Colour foreColour = kButtonTextColour;
  Colour backColour = kButtonFaceColour;
  bool transparent = false;
  std::optional<FontSpec> font{};  // the form's font when not given
  bool autoSize = false;         // sized to its text
  bool wordWrap = false;         // with autoSize: keeps the width and grows downwards
  bool visible = true;
};

class Label : public WindowlessControl {
 public:
  void Design(const LabelDesign& design);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring_view caption);
  Colour ForeColour() const { return foreColour_; }
  void SetForeColour(Colour colour);
  Colour BackColour() const { return backColour_; }
  void SetBackColour(Colour colour);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  void SetFont(const FontSpec& font);
  // The font drawn with: the label's own or the form's.
  FontSpec EffectiveFont() const;

 protected:
  void Paint(HDC dc) override;
  void OnAttached() override;

 private:
  UINT TextFormat() const;
  HFONT CurrentFont() const;
  void FitToText();
  void Changed();

  std::wstring caption_;
  Colour foreColour_ = kButtonTextColour;
  Colour backColour_ = kButtonFaceColour;
  bool transparent_ = false;
  std::optional<FontSpec> fontSpec_;
  runtime::Font font_;
  bool autoSize_ = false;
  bool wordWrap_ = false;
};

}  // namespace quavlet::runtime
