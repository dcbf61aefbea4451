#include "runtime/Label.h"

#include "runtime/Form.h"

namespace quavlet::runtime {

void Label::Design(const LabelDesign& design) {
  SetPlaceQuietly(design.place);
  caption_ = design.caption;
  foreColour_ = design.foreColour;
  backColour_ = design.backColour;
  transparent_ = design.transparent;
  autoSize_ = design.autoSize;
  wordWrap_ = design.wordWrap;
  SetVisible(design.visible);
  if (design.font) {
    SetFont(*design.font);
  } else {
    Changed();
  }
}

void Label::SetCaption(std::wstring_view caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Changed();
}

void Label::SetForeColour(Colour colour) {
  foreColour_ = colour;
  Invalidate();
}

void Label::SetBackColour(Colour colour) {
  backColour_ = colour;
  Invalidate();
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void Label::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  Changed();
}

void Label::SetFont(const FontSpec& font) {
  fontSpec_ = font;
  font_.reset();
  if (Parent()) font_ = CreateFontFromSpec(font, Parent()->Dpi());
  Changed();
}

FontSpec Label::EffectiveFont() const {
  if (fontSpec_) return *fontSpec_;
  return Parent() ? Parent()->FontDesign() : DefaultFont();
}

void Label::OnAttached() {
  if (fontSpec_ && !font_) font_ = CreateFontFromSpec(*fontSpec_, Parent()->Dpi());
  Changed();
}

HFONT Label::CurrentFont() const {
  if (font_) return font_.get();
  return Parent() ? Parent()->FontHandle() : nullptr;
}

UINT Label::TextFormat() const {
  // Captions are shown as they are: an ampersand in a song title is not a mnemonic.
  UINT format = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_EXPANDTABS;
  if (autoSize_ && !wordWrap_) return format | DT_SINGLELINE;
  return format | DT_WORDBREAK | DT_EDITCONTROL;
}

void Label::Changed() {
  Invalidate();
  if (autoSize_) FitToText();
  Invalidate();
}

void Label::FitToText() {
  if (!Parent()) return;
  runtime::WindowDc screen(nullptr);
  runtime::ScopedSelect selectFont(screen.get(), CurrentFont());
  const PixelBox box = Pixels();
  // An empty caption still measures one blank, so the label keeps the height of a line.
  const std::wstring text = caption_.empty() ? std::wstring(L" ") : caption_;
  RECT extent{0, 0, wordWrap_ ? box.width : 0, 0};
  DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent, TextFormat() | DT_CALCRECT);
  const int dpi = Parent()->Dpi();
  Place place = GetPlace();
  place.width = PixelsToTwips(extent.right - extent.left, dpi);
  place.height = PixelsToTwips(extent.bottom - extent.top, dpi);
  SetPlaceQuietly(place);
}

void Label::Paint(HDC dc) {
  const PixelBox box = Pixels();
  RECT area{box.left, box.top, box.left + box.width, box.top + box.height};
  if (!transparent_) {
    runtime::Brush background(CreateSolidBrush(ResolveColour(backColour_)));
    FillRect(dc, &area, background.get());
  }
  if (caption_.empty()) return;
  runtime::ScopedSaveDc saved(dc);
  SelectObject(dc, CurrentFont());
  SetTextColor(dc, ResolveColour(foreColour_));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area, TextFormat());
}

}  // namespace quavlet::runtime
