#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "skin/SkinBlit.h"
#include "skin/SkinPainters.h"
#include "tests/skin/painters_harness.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin::test {
namespace {

constexpr COLORREF kPaper = 0x00FFFFFF;
constexpr COLORREF kInk = 0x00336699;

class DrawingWrapperTest : public testing::Test {
 protected:
  void SetUp() override { FillBox(canvas_.get(), 0, 0, 40, 30, kPaper); }

  COLORREF At(int x, int y) const { return GetPixel(canvas_.get(), x, y); }

  ScopedMemoryDC canvas_{40, 30};
};

TEST_F(DrawingWrapperTest, FillBoxCoversPositionAndSizeExactly) {
  EXPECT_NE(FillBox(canvas_.get(), 5, 6, 10, 4, kInk), 0);
  EXPECT_EQ(At(5, 6), kInk);
  EXPECT_EQ(At(14, 9), kInk);
  EXPECT_EQ(At(15, 9), kPaper);
  EXPECT_EQ(At(14, 10), kPaper);
  EXPECT_EQ(At(4, 6), kPaper);
}

TEST_F(DrawingWrapperTest, FrameBoxDrawsOnePixelInsideTheBox) {
  EXPECT_NE(FrameBox(canvas_.get(), 5, 6, 10, 8, kInk), 0);
  EXPECT_EQ(At(5, 6), kInk);
  EXPECT_EQ(At(14, 13), kInk);
  EXPECT_EQ(At(10, 6), kInk);
  EXPECT_EQ(At(5, 10), kInk);
  EXPECT_EQ(At(6, 7), kPaper) << "hollow";
  EXPECT_EQ(At(15, 13), kPaper);
  EXPECT_EQ(At(14, 14), kPaper);
}

TEST_F(DrawingWrapperTest, CaptionIsCentredOnOneLineAndReturnsItsHeight) {
  SetTextColor(canvas_.get(), 0);
  SetBkMode(canvas_.get(), TRANSPARENT);
  const int height = DrawCaption(canvas_.get(), L"查询", 0, 0, 40, 30, kCaptionFormat);
  EXPECT_GT(height, 5);
  RECT ink{40, 30, -1, -1};
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (At(x, y) == kPaper) continue;
      ink = RECT{std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x),
                 std::max<LONG>(ink.bottom, y)};
    }
  }
  ASSERT_GE(ink.right, ink.left);
  EXPECT_LE(std::abs((ink.left + ink.right) - 39), 3) << "centred across";
  EXPECT_LE(std::abs((ink.top + ink.bottom) - 29), 4) << "centred down";
}

class WindowMeasureTest : public testing::Test {
 protected:
  OwnedWindow host_{CreateHostWindow(320, 240)};
};

TEST_F(WindowMeasureTest, CaptionComesBackInFullUnicode) {
  HWND button = CreateControl(host_.get(), L"Button", L"查询 QQ 音乐", 0, 0, 10, 10, 100, 24);
  EXPECT_EQ(GetWindowCaption(button), L"查询 QQ 音乐");
  SetWindowTextW(button, L"");
  EXPECT_EQ(GetWindowCaption(button), L"");
}

TEST_F(WindowMeasureTest, BorderSizeLeavesScrollBarsOut) {
  struct Case {
    DWORD style;
    DWORD exStyle;
    int border;
  };
  for (const Case& window : {Case{0, 0, 0}, Case{WS_BORDER, 0, 1}, Case{0, WS_EX_CLIENTEDGE, 2},
                             Case{WS_BORDER, WS_EX_CLIENTEDGE, 3}, Case{WS_VSCROLL, WS_EX_CLIENTEDGE, 2},
                             Case{WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 2}}) {
    SCOPED_TRACE(testing::Message() << std::hex << window.style << " " << window.exStyle);
    OwnedWindow box(CreateControl(host_.get(), L"Static", L"", window.style, window.exStyle, 10, 10, 120, 80));
    const BorderSize border = GetBorderSize(box.get());
    EXPECT_EQ(border.x, window.border);
    EXPECT_EQ(border.y, window.border);
  }
}

}  // namespace
}  // namespace quavlet::skin::test
