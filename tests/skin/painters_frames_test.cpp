#include <gtest/gtest.h>

#include <windows.h>

#include "skin/PainterColours.h"
#include "skin/SkinPainters.h"
#include "tests/skin/painters_harness.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin::test {
namespace {

constexpr wchar_t kEdgeBoxClass[] = L"QuavletEdgeBox";
constexpr COLORREF kFillerColour = 0x00C0FFC0;

// A plain window with its own DC, whose background colour is the filler the frame takes.
void RegisterEdgeBoxClass() {
  WNDCLASSEXW box{};
  box.cbSize = sizeof(box);
  box.style = CS_OWNDC;
  box.lpfnWndProc = DefWindowProcW;
  box.hInstance = GetModuleHandleW(nullptr);
  box.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  box.lpszClassName = kEdgeBoxClass;
  RegisterClassExW(&box);
}

class FramePainterTest : public testing::Test {
 protected:
  void SetUp() override { RegisterEdgeBoxClass(); }

  HWND MakeEdgeBox(DWORD style, DWORD exStyle) {
    HWND box = CreateControl(host_.get(), kEdgeBoxClass, L"", style, exStyle, 20, 20, kWidth, kHeight);
    HDC own = GetDC(box);
    SetBkColor(own, kFillerColour);
    ReleaseDC(box, own);
    return box;
  }

  static constexpr int kWidth = 120;
  static constexpr int kHeight = 60;
  AtlasScope atlas_;
  OwnedWindow host_{CreateHostWindow(320, 260)};
};

TEST_F(FramePainterTest, ClientEdgeBecomesABlueFrameWithBackgroundFiller) {
  HWND box = MakeEdgeBox(0, WS_EX_CLIENTEDGE);
  ASSERT_EQ(GetBorderSize(box).x, 2);
  PainterSubclass subclass(box);
  RepaintNow(box);
  EXPECT_GE(PainterSubclass::PassedOn(box, WM_NCPAINT), 1) << "the window draws its edge first";
  EXPECT_EQ(Hex(WindowPixel(box, 1, 30)), Hex(kFillerColour));
  // The innermost filler line lies on the client's first column and row, which the client's
  // own erase paints over afterwards; look at the frame paint alone.
  SendMessageW(box, WM_NCPAINT, 1, 0);
  for (int along : {5, 30, 54}) {
    EXPECT_EQ(Hex(WindowPixel(box, 0, along)), Hex(kFrameColour));
    EXPECT_EQ(Hex(WindowPixel(box, kWidth - 1, along)), Hex(kFrameColour));
    EXPECT_EQ(Hex(WindowPixel(box, along, 0)), Hex(kFrameColour));
    EXPECT_EQ(Hex(WindowPixel(box, along, kHeight - 1)), Hex(kFrameColour));
    // Columns and rows 1 and 2 on the left and top; W - 2 and H - 2 on the right and bottom.
    for (int inset : {1, 2}) {
      EXPECT_EQ(Hex(WindowPixel(box, inset, along)), Hex(kFillerColour)) << "column " << inset;
      EXPECT_EQ(Hex(WindowPixel(box, along, inset)), Hex(kFillerColour)) << "row " << inset;
    }
    EXPECT_EQ(Hex(WindowPixel(box, kWidth - 2, along)), Hex(kFillerColour));
    EXPECT_EQ(Hex(WindowPixel(box, along, kHeight - 2)), Hex(kFillerColour));
  }
}

TEST_F(FramePainterTest, DisabledWindowGetsThePaleFrame) {
  HWND box = MakeEdgeBox(WS_DISABLED, WS_EX_CLIENTEDGE);
  PainterSubclass subclass(box);
  RepaintNow(box);
  EXPECT_EQ(Hex(WindowPixel(box, 0, 30)), Hex(kDisabledFrameColour));
  EXPECT_EQ(Hex(WindowPixel(box, 1, 30)), Hex(kFillerColour));
}

TEST_F(FramePainterTest, WindowWithoutClientEdgeKeepsItsOwnFrame) {
  HWND skinned = MakeEdgeBox(WS_BORDER, 0);
  OwnedWindow plain(CreateControl(host_.get(), kEdgeBoxClass, L"", WS_BORDER, 0, 20, 100, kWidth, kHeight));
  PainterSubclass subclass(skinned);
  RepaintNow(host_.get());
  for (int x : {0, 1, 60, kWidth - 1}) {
    EXPECT_EQ(Hex(WindowPixel(skinned, x, 0)), Hex(WindowPixel(plain.get(), x, 0))) << x;
    EXPECT_EQ(Hex(WindowPixel(skinned, x, 30)), Hex(WindowPixel(plain.get(), x, 30))) << x;
  }
}

TEST_F(FramePainterTest, DataListKeepsItsEdgeAndIsFramedWhenPainted) {
  RegisterLookalikeClass(L"DataListWndClass", L"ListBox");
  HWND list = CreateControl(host_.get(), L"DataListWndClass", L"", WS_VSCROLL, WS_EX_CLIENTEDGE, 20, 20, kWidth, kHeight);
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"一"));
  PainterSubclass subclass(list);
  SendMessageW(list, WM_NCPAINT, 1, 0);
  EXPECT_NE(Hex(WindowPixel(list, 1, 30)), Hex(kBackgroundColour)) << "the sunken edge stays after a frame paint";

  RepaintNow(list);
  EXPECT_GE(PainterSubclass::PassedOn(list, WM_PAINT), 1);
  EXPECT_EQ(Hex(WindowPixel(list, 0, 30)), Hex(kFrameColour));
  EXPECT_EQ(Hex(WindowPixel(list, 1, 30)), Hex(kBackgroundColour));
  EXPECT_EQ(Hex(WindowPixel(list, kWidth - 2, 30)), Hex(kBackgroundColour));
}

TEST_F(FramePainterTest, DroppedComboListIsFramed) {
  HWND combo = CreateControl(host_.get(), L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 20, 20, 150, 120);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"第一首"));
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  PainterSubclass subclass(info.hwndList);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  RepaintNow(info.hwndList);
  EXPECT_EQ(Hex(WindowPixel(info.hwndList, 0, 5)), Hex(kFrameColour));
  EXPECT_EQ(Hex(WindowPixel(info.hwndList, 1, 5)), Hex(kBackgroundColour));
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  quavlet::test::FlushEvents();
}

TEST_F(FramePainterTest, GridIsFramedOnlyWithABorder) {
  WNDCLASSEXW grid{};
  grid.cbSize = sizeof(grid);
  grid.lpfnWndProc = DefWindowProcW;
  grid.hInstance = GetModuleHandleW(nullptr);
  grid.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  grid.lpszClassName = L"ApexGridOleDB32";
  RegisterClassExW(&grid);

  HWND bordered = CreateControl(host_.get(), L"ApexGridOleDB32", L"", WS_BORDER, 0, 20, 20, kWidth, kHeight);
  HWND borderless = CreateControl(host_.get(), L"ApexGridOleDB32", L"", 0, 0, 20, 100, kWidth, kHeight);
  PainterSubclass first(bordered);
  PainterSubclass second(borderless);
  RepaintNow(host_.get());
  EXPECT_EQ(Hex(WindowPixel(bordered, 0, 30)), Hex(kFrameColour));
  EXPECT_EQ(Hex(WindowPixel(bordered, kWidth - 1, 30)), Hex(kFrameColour));
  EXPECT_EQ(Hex(WindowPixel(borderless, 0, 30)), Hex(kBackgroundColour));
}

}  // namespace
}  // namespace quavlet::skin::test
