#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "skin/PainterColours.h"
#include "skin/SkinArt.h"
#include "skin/SkinAtlas.h"
#include "skin/SkinBlit.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"
#include "tests/skin/painters_harness.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin::test {
namespace {

// One control of every kind the painters serve, each painting through them.
class EveryKindTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterLookalikeClass(L"ThunderRT6CheckBox", L"Button");
    RegisterLookalikeClass(L"ThunderRT6OptionButton", L"Button");
    RegisterLookalikeClass(L"ThunderRT6DriveListBox", L"ComboBox");
    RegisterLookalikeClass(L"ProgressBar20WndClass", PROGRESS_CLASSW);
    RegisterLookalikeClass(L"DataListWndClass", L"ListBox");

    button_ = Add(L"Button", L"查询", BS_PUSHBUTTON, 0, 10, 10, 80, 24);
    faces_ = std::make_unique<ButtonFaces>(button_);
    check_ = Add(L"ThunderRT6CheckBox", L"Check", BS_AUTO3STATE, 0, 10, 40, 100, 20);
    option_ = Add(L"ThunderRT6OptionButton", L"Option", BS_AUTORADIOBUTTON, 0, 10, 64, 100, 20);
    combo_ = Add(L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 120, 10, 120, 100);
    Add(L"ComboBox", L"", CBS_DROPDOWN | WS_VSCROLL, 0, 120, 40, 120, 100);
    Add(L"ThunderRT6DriveListBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 120, 70, 120, 100);
    HWND list = Add(WC_LISTVIEWW, L"", LVS_REPORT, WS_EX_CLIENTEDGE, 10, 100, 230, 80);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(L"歌曲");
    column.cx = 100;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    header_ = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    Subclass(header_);
    progress_ = Add(L"ProgressBar20WndClass", L"", WS_BORDER, 0, 10, 190, 200, 20);
    SendMessageW(progress_, PBM_SETRANGE32, 0, 30000);
    SendMessageW(progress_, PBM_SETPOS, 12000, 0);
    HWND vertical = Add(L"ProgressBar20WndClass", L"", PBS_VERTICAL | PBS_SMOOTH, WS_EX_CLIENTEDGE, 250, 10, 20, 150);
    SendMessageW(vertical, PBM_SETRANGE32, 0, 30000);
    SendMessageW(vertical, PBM_SETPOS, 20000, 0);
    Add(L"DataListWndClass", L"", 0, WS_EX_CLIENTEDGE, 280, 10, 60, 60);
    Add(L"Static", L"", 0, WS_EX_CLIENTEDGE, 280, 80, 60, 60);
  }

  void TearDown() override {
    subclasses_.clear();
    faces_.reset();
  }

  HWND Add(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int x, int y, int width,
           int height) {
    HWND control = CreateControl(host_.get(), className, text, style, exStyle, x, y, width, height);
    Subclass(control);
    return control;
  }

  void Subclass(HWND control) { subclasses_.push_back(std::make_unique<PainterSubclass>(control)); }

  // Every painter once, through every road: paint messages, the window's own DC, a DC given.
  void PaintEverything() {
    RepaintNow(host_.get());
    for (int state = kStateNormal; state <= kStatePressed; ++state) {
      PaintCheckBox(check_, state, true);
      PaintOptionButton(option_, state, true);
      PaintComboButton(combo_, nullptr, state, true);
      PaintHeaderItem(header_, nullptr, 0, state);
      SkinProperties(button_).Set(kOldStateProperty, state);
      SkinProperties(button_).Set(kAlphaLevelProperty, 200);
      BlendButtonFace(button_, nullptr);
    }
    RenderButtonFaces(button_);
    HDC given = GetWindowDC(combo_);
    PaintComboButton(combo_, given, kStateHot, true);
    ReleaseDC(combo_, given);
    SendMessageW(progress_, WM_NCPAINT, 1, 0);
  }

  AtlasScope atlas_;
  OwnedWindow host_{CreateHostWindow(360, 240)};
  std::vector<std::unique_ptr<PainterSubclass>> subclasses_;
  std::unique_ptr<ButtonFaces> faces_;
  HWND button_ = nullptr;
  HWND check_ = nullptr;
  HWND option_ = nullptr;
  HWND combo_ = nullptr;
  HWND header_ = nullptr;
  HWND progress_ = nullptr;
};

TEST_F(EveryKindTest, PaintingLeavesNoGdiObjectBehind) {
  // The first rounds fill the system's caches (fonts, cached window DCs, brushes).
  PaintEverything();
  PaintEverything();
  const DWORD before = quavlet::test::GdiObjectCount();
  ASSERT_GT(before, 0u);
  for (int round = 0; round < 10; ++round) PaintEverything();
  EXPECT_EQ(quavlet::test::GdiObjectCount(), before);
}

TEST_F(EveryKindTest, DcsGivenByTheCallerAreDrawnIntoAndLeftToIt) {
  const WindowBox comboBox = GetWindowBox(combo_);
  const WindowBox buttonBox = GetWindowBox(button_);
  const WindowBox headerBox = GetWindowBox(header_);
  ScopedMemoryDC comboDc(comboBox.width, comboBox.height);
  ScopedMemoryDC buttonDc(buttonBox.width, buttonBox.height);
  ScopedMemoryDC headerDc(headerBox.width, headerBox.height);
  for (HDC dc : {comboDc.get(), buttonDc.get(), headerDc.get()}) FillBox(dc, 0, 0, 400, 400, 0x000000FF);

  PaintComboButton(combo_, comboDc.get(), kStateHot, true);
  SkinProperties(button_).Set(kOldStateProperty, kStateNormal);
  SkinProperties(button_).Set(kAlphaLevelProperty, 255);
  BlendButtonFace(button_, buttonDc.get());
  PaintHeaderItem(header_, headerDc.get(), 0, kStatePressed);

  const int comboButtonLeft = comboBox.width - GetSystemMetrics(SM_CXVSCROLL) - 2;
  EXPECT_EQ(Hex(GetPixel(comboDc.get(), comboButtonLeft, 5)), Hex(GetPixel(GetSkinAtlas().ComboSkin, 0, 5)));
  EXPECT_EQ(Hex(GetPixel(buttonDc.get(), 1, 1)), Hex(GetPixel(GetSkinAtlas().ButtonSkin, 1, 1)));
  EXPECT_EQ(Hex(GetPixel(headerDc.get(), 0, 0)), Hex(GetPixel(GetSkinAtlas().HeaderSkin, 6, 0)));
  for (HDC dc : {comboDc.get(), buttonDc.get(), headerDc.get()}) {
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC)) << "still alive";
  }
}

}  // namespace
}  // namespace quavlet::skin::test
