// The form draws its background and windowless controls back to front; labels size themselves
// to their text; pictures leave their transparent pixels undrawn.

#include <gtest/gtest.h>

#include "assets/resource_ids.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Shape.h"
#include "tests/runtime/test_form.h"
#include "tests/support/message_pump.h"
#include "tests/support/window_queries.h"

namespace quavlet::test {
namespace {

using runtime::Image;
using runtime::Label;
using runtime::Shape;

constexpr COLORREF kBackground = 0x00336699;

// The form's surface as painting draws it, in a 300 × 200 bitmap.
DrawnSurface Surface(const runtime::Form& form) {
  return DrawnSurface(300, 200, [&form](HDC dc, const RECT& area) { form.DrawSurface(dc, area); });
}

COLORREF PixelOfBitmapResource(int resource, int x, int y) {
  runtime::Bitmap bitmap(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  runtime::MemoryDc dc(CreateCompatibleDC(nullptr));
  runtime::ScopedSelect select(dc.get(), bitmap.get());
  return GetPixel(dc.get(), x, y);
}

class WindowlessPaint : public testing::Test {
 protected:
  runtime::Application application{GetModuleHandleW(nullptr)};
  TestForm form{application};
};

TEST_F(WindowlessPaint, ControlsAreDrawnBackToFrontOverTheBackground) {
  Label front;
  Label back;
  front.Design({.place = {300, 300, 900, 600}, .backColour = 0x000000FF});
  back.Design({.place = {600, 600, 1500, 1500}, .backColour = 0x0000FF00});
  form.Add(front);
  form.Add(back);
  const DrawnSurface surface = Surface(form);
  EXPECT_EQ(surface.At(5, 5), kBackground);
  EXPECT_EQ(surface.At(25, 25), 0x000000FFu);
  EXPECT_EQ(surface.At(50, 50), 0x000000FFu);  // front covers back
  EXPECT_EQ(surface.At(100, 100), 0x0000FF00u);
}

TEST_F(WindowlessPaint, HiddenAndTransparentLabelsLeaveWhatIsBeneath) {
  Label hidden;
  Label transparent;
  hidden.Design({.place = {0, 0, 4500, 3000}, .backColour = 0x000000FF, .visible = false});
  transparent.Design({.place = {0, 0, 4500, 3000}, .backColour = 0x0000FF00, .transparent = true});
  form.Add(hidden);
  form.Add(transparent);
  EXPECT_EQ(Surface(form).At(150, 100), kBackground);
  hidden.SetVisible(true);
  EXPECT_EQ(Surface(form).At(150, 100), 0x000000FFu);
}

TEST_F(WindowlessPaint, ALabelDrawsItsCaptionInItsForeColour) {
  Label label;
  label.Design({.place = {0, 0, 4500, 3000}, .caption = L"███", .foreColour = 0x00123456, .backColour = 0x00FFFFFF});
  form.Add(label);
  const DrawnSurface surface = Surface(form);
  int inked = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 60; ++x) inked += surface.At(x, y) == 0x00123456 ? 1 : 0;
  }
  EXPECT_GT(inked, 20);
}

TEST_F(WindowlessPaint, PicturesLeaveTheirTransparentPixelsUndrawn) {
  Image face;
  face.Design({.place = {0, 0, 0, 0}, .picture = IDB_FORM1_FACE});
  form.Add(face);
  ASSERT_EQ(PixelOfBitmapResource(IDB_FORM1_FACE, 0, 0), runtime::kTransparentPixel);
  const DrawnSurface surface = Surface(form);
  EXPECT_EQ(surface.At(0, 0), kBackground);
  EXPECT_EQ(surface.At(150, 100), PixelOfBitmapResource(IDB_FORM1_FACE, 150, 100));
}

TEST_F(WindowlessPaint, APictureSizesItsControlUnlessStretched) {
  Image natural;
  Image stretched;
  natural.Design({.place = {150, 150, 15, 15}, .picture = IDB_FORM1_LOGO});
  stretched.Design({.place = {50, 50, 300, 300}, .picture = IDB_FORM1_LOGO, .stretch = true});
  form.Add(natural);
  form.Add(stretched);
  EXPECT_EQ(natural.Pixels(), (runtime::PixelBox{10, 10, 47, 47}));
  EXPECT_DOUBLE_EQ(natural.Width(), 705);
  // 3.3 px: each edge rounds to the nearest pixel.
  EXPECT_EQ(stretched.Pixels(), (runtime::PixelBox{3, 3, 20, 20}));
}

TEST_F(WindowlessPaint, AShapeIsFilledAndOutlinedAndTakesNoPointer) {
  Shape shape;
  shape.Design({.place = {0, 0, 1500, 1500}, .filled = true, .fillColour = 0x00FFFCEE, .borderColour = 0x00BE9507});
  form.Add(shape);
  const DrawnSurface surface = Surface(form);
  EXPECT_EQ(surface.At(0, 50), 0x00BE9507u);
  EXPECT_EQ(surface.At(99, 50), 0x00BE9507u);
  EXPECT_EQ(surface.At(50, 50), 0x00FFFCEEu);
  EXPECT_EQ(surface.At(150, 50), kBackground);
  EXPECT_EQ(form.WindowlessAt({50, 50}), nullptr);
}

TEST_F(WindowlessPaint, ASizedLabelFitsItsTextAndKeepsOneLineWhenEmpty) {
  Label label;
  label.Design({.place = {120, 960, 105, 180}, .caption = L"歌曲", .font = runtime::SongTi(9), .autoSize = true});
  form.Add(label);
  runtime::WindowDc screen(nullptr);
  const runtime::Font font = runtime::CreateFontFromSpec(runtime::SongTi(9), form.Dpi());
  runtime::ScopedSelect select(screen.get(), font.get());
  SIZE text{};
  GetTextExtentPoint32W(screen.get(), L"歌曲", 2, &text);
  SIZE blank{};
  GetTextExtentPoint32W(screen.get(), L" ", 1, &blank);

  EXPECT_EQ(label.Pixels(), (runtime::PixelBox{8, 64, static_cast<int>(text.cx), static_cast<int>(text.cy)}));
  label.SetCaption(L"歌曲歌曲");
  EXPECT_GT(label.Pixels().width, text.cx);
  label.SetCaption(L"");
  EXPECT_EQ(label.Pixels(), (runtime::PixelBox{8, 64, static_cast<int>(blank.cx), static_cast<int>(text.cy)}));
}

TEST_F(WindowlessPaint, AFixedLabelKeepsItsBoxAndWrapsItsText) {
  Label label;
  label.Design({.place = {240, 720, 1500, 1095},
                .caption = L"　　本程序是采用XML核心技术与列表控件的应用所开发出来的",
                .foreColour = 0x00000000,
                .backColour = 0x00FFFFFF});
  form.Add(label);
  EXPECT_EQ(label.Pixels(), (runtime::PixelBox{16, 48, 100, 73}));
  const DrawnSurface surface = Surface(form);
  auto rowInked = [&surface](int y) {
    for (int x = 16; x < 116; ++x) {
      if (surface.At(x, y) != 0x00FFFFFF) return true;
    }
    return false;
  };
  int inkedRows = 0;
  for (int y = 48; y < 121; ++y) inkedRows += rowInked(y) ? 1 : 0;
  EXPECT_GT(inkedRows, 24);  // more than one line of 12 px text
  EXPECT_FALSE(rowInked(120));
}

}  // namespace
}  // namespace quavlet::test
