// Check boxes, option buttons, combo boxes and list headers under the engine: which messages
// make it draw what, and where.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "runtime/GdiHandles.h"
#include "skin/MSkinButton.h"
#include "skin/PaintGeometry.h"
#include "skin/SkinHandlers.h"
#include "skin/SkinProperties.h"
#include "tests/skin/engine_test_fixture.h"

namespace quavlet::skin::test {
namespace {

COLORREF WindowPixel(HWND window, int x, int y) {
  const runtime::WindowDc dc(window, runtime::WindowDc::Area::Window);
  return GetPixel(dc.get(), x, y);
}

bool AnyLineStartsWith(const std::vector<std::string>& lines, const std::string& prefix) {
  for (const std::string& line : lines) {
    if (line.compare(0, prefix.size(), prefix) == 0) return true;
  }
  return false;
}

class ControlsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    form_ = CreateForm();
  }

  void TearDown() override {
    DetachSkin(form_.get());
    form_ = TestWindow();
    EngineTest::TearDown();
  }

  // Attaches the form and starts the log from a quiet, fully painted state.
  void Attach() {
    AttachSkin(form_.get());
    quavlet::test::FlushEvents();
    log_.Clear();
  }

  TestWindow form_;
};

// --- Check boxes ---

TEST_F(ControlsTest, SpacePressesACheckBoxAndOtherKeysOnlyPass) {
  HWND check = CreateControl(form_.get(), kCheckBoxClass, BS_AUTOCHECKBOX, 10, 10, 120, 20, L"Check");
  log_.Name(check, "check");
  Attach();
  const int box = GetSystemMetrics(SM_CYMENUCHECK);
  const int top = HalfOf(20 - box);
  const std::string boxBlit = "check BitBlt 0," + std::to_string(top) + " " +
                              std::to_string(GetSystemMetrics(SM_CXMENUCHECK)) + "x" + std::to_string(box);

  SendMessageW(check, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"check WM_KEYDOWN"}));

  log_.Clear();
  SendMessageW(check, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"check WM_KEYDOWN", boxBlit}));
  EXPECT_EQ(SkinProperties(check).Get(kOldStateProperty), 2);
  EXPECT_EQ(WindowPixel(check, 0, top + 3), 0x00C48639u) << "the pressed frame";

  log_.Clear();
  SendMessageW(check, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"check WM_KEYUP", boxBlit}));
  EXPECT_EQ(SkinProperties(check).Get(kOldStateProperty), 0);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED) << "the control itself still works";
  EXPECT_EQ(WindowPixel(check, 0, top + 3), 0x00D5A554u) << "the normal frame";
}

TEST_F(ControlsTest, MovesOverACheckBoxAlwaysRedrawIt) {
  HWND check = CreateControl(form_.get(), kCheckBoxClass, BS_AUTOCHECKBOX, 10, 10, 120, 20, L"Check");
  log_.Name(check, "check");
  Attach();

  SendMessageW(check, WM_MOUSEMOVE, 0, PointParam(5, 5));
  SendMessageW(check, WM_MOUSEMOVE, 0, PointParam(6, 5));
  EXPECT_EQ(log_.LinesStartingWith("check BitBlt").size(), 2u) << "forced, though the state stays hot";
  EXPECT_EQ(SkinProperties(check).Get(kOldStateProperty), 1);
  EXPECT_EQ(SkinProperties(check).Get(kMouseFlagProperty), 1);

  SendMessageW(check, WM_MOUSEMOVE, MK_LBUTTON, PointParam(6, 5));
  EXPECT_EQ(SkinProperties(check).Get(kOldStateProperty), 2) << "held: pressed";

  SendMessageW(check, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(SkinProperties(check).Get(kOldStateProperty), 0);
  EXPECT_EQ(SkinProperties(check).Get(kMouseFlagProperty), 0);
}

// --- Releases redraw the marks of the siblings ---

TEST_F(ControlsTest, AButtonReleaseRedrawsEverySkinnedMarkUnderTheSameParent) {
  HWND button = CreateCommandButton(form_.get());
  HWND first = CreateControl(form_.get(), kOptionButtonClass, BS_AUTORADIOBUTTON | WS_GROUP, 10, 40, 100, 20, L"One");
  HWND second = CreateControl(form_.get(), kOptionButtonClass, BS_AUTORADIOBUTTON, 10, 60, 100, 20, L"Two");
  HWND frame = CreateControl(form_.get(), L"Static", 0, 150, 10, 140, 100);
  HWND nested = CreateControl(frame, kCheckBoxClass, BS_AUTOCHECKBOX, 5, 5, 100, 20, L"Nested");
  log_.Name(button, "button");
  log_.Name(first, "first");
  log_.Name(second, "second");
  log_.Name(nested, "nested");
  Attach();
  // A mark control that joined no engine is left alone.
  HWND late = CreateControl(form_.get(), kCheckBoxClass, BS_AUTOCHECKBOX, 10, 90, 100, 20, L"Late");
  log_.Name(late, "late");
  quavlet::test::FlushEvents();
  log_.Clear();

  SendMessageW(button, WM_LBUTTONUP, 0, PointParam(5, 5));

  const std::vector<std::string>& lines = log_.Lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "button WM_LBUTTONUP");
  for (const char* name : {"first", "second", "nested"}) {
    EXPECT_TRUE(AnyLineStartsWith(lines, std::string(name) + " BitBlt")) << name << " was not redrawn";
  }
  EXPECT_FALSE(AnyLineStartsWith(lines, "late ")) << "an unskinned check box is not drawn";
  FinishFade(button);

  // A window without a parent redraws its own descendants.
  log_.Clear();
  SendMessageW(form_.get(), WM_LBUTTONUP, 0, PointParam(200, 150));
  EXPECT_TRUE(AnyLineStartsWith(log_.Lines(), "nested BitBlt"));
}

// --- Combo boxes ---

class ComboTest : public ControlsTest {
 protected:
  HWND CreateCombo(DWORD style) {
    HWND combo = CreateControl(form_.get(), WC_COMBOBOXW, style | WS_VSCROLL, 10, 10, 120, 150);
    for (const wchar_t* item : {L"1", L"2", L"3"}) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    log_.Name(combo, "combo");
    return combo;
  }

  // Whether a press at (x, y) made the engine draw the drop button. The list that a press may
  // have dropped is closed again.
  bool PressDrawsDropButton(HWND combo, int x, int y) {
    log_.Clear();
    SendMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
    const bool drawn = AnyLineStartsWith(log_.Lines(), "combo BitBlt");
    SendMessageW(combo, WM_LBUTTONUP, 0, PointParam(x, y));
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    ReleaseCapture();
    quavlet::test::FlushEvents();
    // Back to a known state for the next press.
    SkinProperties(combo).Set(kOldStateProperty, 0);
    return drawn;
  }
};

TEST_F(ComboTest, AnEditableComboDrawsItsDropButtonPressedOnlyForPressesOnIt) {
  HWND combo = CreateCombo(CBS_DROPDOWN);
  Attach();
  RECT window{};
  GetWindowRect(combo, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int bar = GetSystemMetrics(SM_CXVSCROLL);

  EXPECT_FALSE(PressDrawsDropButton(combo, 10, height / 2)) << "on the edit field";
  EXPECT_FALSE(PressDrawsDropButton(combo, width - bar - 3, height / 2)) << "just left of the button";
  EXPECT_FALSE(PressDrawsDropButton(combo, width - 8, 1)) << "above it";
  EXPECT_TRUE(PressDrawsDropButton(combo, width - bar - 2, height / 2)) << "its left edge";
  EXPECT_TRUE(PressDrawsDropButton(combo, width - 2, height - 2)) << "its bottom right corner";
}

TEST_F(ComboTest, ADropDownListDrawsItsButtonPressedForAPressAnywhere) {
  HWND combo = CreateCombo(CBS_DROPDOWNLIST);
  Attach();
  EXPECT_TRUE(PressDrawsDropButton(combo, 10, 5));
}

TEST_F(ComboTest, HoverAndLeaveDrawTheDropButtonHotAndNormal) {
  HWND combo = CreateCombo(CBS_DROPDOWNLIST);
  Attach();
  const SkinProperties properties(combo);

  SendMessageW(combo, WM_MOUSEMOVE, 0, PointParam(10, 5));
  EXPECT_EQ(properties.Get(kOldStateProperty), 1);
  EXPECT_EQ(properties.Get(kMouseFlagProperty), 1);
  log_.Clear();
  SendMessageW(combo, WM_MOUSEMOVE, 0, PointParam(11, 5));
  EXPECT_FALSE(AnyLineStartsWith(log_.Lines(), "combo BitBlt")) << "unchanged state, not forced: no drawing";

  SendMessageW(combo, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(properties.Get(kOldStateProperty), 0);
  EXPECT_EQ(properties.Get(kMouseFlagProperty), 0);
}

// --- List headers ---

class HeaderTest : public ControlsTest {
 protected:
  HWND CreateHeader(int sections) {
    HWND header = CreateControl(form_.get(), WC_HEADERW, 0, 10, 60, 200, 20);
    for (int index = 0; index < sections; ++index) {
      wchar_t text[] = L"C";
      HDITEMW item{};
      item.mask = HDI_TEXT | HDI_WIDTH;
      item.cxy = 50;
      item.pszText = text;
      SendMessageW(header, HDM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    }
    log_.Name(header, "header");
    return header;
  }

  // What a section looks like in a state: the middle column of its atlas cell, at row 10.
  static COLORREF CellColour(int cell) { return GetPixel(GetSkinAtlas().HeaderSkin, 3 * cell + 1, 10); }
};

TEST_F(HeaderTest, SectionsAreFoundByXAloneTheLeftOneWinningASharedEdge) {
  HWND header = CreateHeader(3);
  EXPECT_EQ(HeaderSectionAt(header, 0), 0);
  EXPECT_EQ(HeaderSectionAt(header, 50), 0) << "the edge of sections 0 and 1";
  EXPECT_EQ(HeaderSectionAt(header, 51), 1);
  EXPECT_EQ(HeaderSectionAt(header, 150), 2);
  EXPECT_EQ(HeaderSectionAt(header, 151), -1);
  EXPECT_EQ(HeaderSectionAt(CreateHeader(0), 10), -1);
}

TEST_F(HeaderTest, ASectionPressedAndReleasedOverTheHeaderIsDrawnNormal) {
  HWND header = CreateHeader(3);
  Attach();
  ASSERT_NE(CellColour(0), CellColour(1));

  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(50, 10));
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"header WM_LBUTTONDOWN", "header BitBlt 0,0 50x20"}));
  EXPECT_EQ(SkinProperties(header).Get(kHdIndexProperty), 0);
  EXPECT_EQ(WindowPixel(header, 5, 10), CellColour(2));

  // Released where it was pressed: the header's own divider drag leaves the widths alone.
  log_.Clear();
  PointAt(header, 50, 10);
  SendMessageW(header, WM_LBUTTONUP, 0, PointParam(50, 10));
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"header WM_LBUTTONUP", "header BitBlt 0,0 50x20"}));
  EXPECT_EQ(SkinProperties(header).Get(kHdIndexProperty), -1);
  EXPECT_EQ(WindowPixel(header, 5, 10), CellColour(0));
  ParkPointer();
}

TEST_F(HeaderTest, ASectionReleasedWithThePointerElsewhereIsDrawnHot) {
  HWND header = CreateHeader(3);
  Attach();

  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(60, 10));
  EXPECT_EQ(SkinProperties(header).Get(kHdIndexProperty), 1);
  SendMessageW(header, WM_LBUTTONUP, 0, PointParam(400, 10));
  ReleaseCapture();
  EXPECT_EQ(WindowPixel(header, 55, 10), CellColour(1));
}

TEST_F(HeaderTest, MovesLightTheSectionUnderThePointer) {
  HWND header = CreateHeader(3);
  Attach();
  const SkinProperties properties(header);

  SendMessageW(header, WM_MOUSEMOVE, 0, PointParam(60, 10));
  SendMessageW(header, WM_MOUSEMOVE, 0, PointParam(70, 10));
  SendMessageW(header, WM_MOUSEMOVE, 0, PointParam(120, 10));
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"header WM_MOUSEMOVE", "header BitBlt 50,0 50x20",
                                                     "header WM_MOUSEMOVE",  // same section: nothing
                                                     "header WM_MOUSEMOVE", "header BitBlt 50,0 50x20",
                                                     "header BitBlt 100,0 50x20"}));
  EXPECT_EQ(properties.Get(kHmIndexProperty), 2);
  EXPECT_EQ(WindowPixel(header, 105, 10), CellColour(1));
  EXPECT_EQ(WindowPixel(header, 55, 10), CellColour(0));

  SendMessageW(header, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(properties.Get(kHmIndexProperty), -1);
  EXPECT_EQ(properties.Get(kHdIndexProperty), -1);
  EXPECT_EQ(properties.Get(kMouseFlagProperty), 0);
  EXPECT_EQ(WindowPixel(header, 105, 10), CellColour(0));
}

TEST_F(HeaderTest, ADoubleClickPressesTheSectionUnderThePointer) {
  HWND header = CreateHeader(3);
  Attach();

  SendMessageW(header, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(120, 10));
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"header WM_LBUTTONDBLCLK", "header BitBlt 100,0 50x20"}));
  EXPECT_EQ(SkinProperties(header).Get(kHdIndexProperty), 2);
  SendMessageW(header, WM_LBUTTONUP, 0, PointParam(120, 10));
  ReleaseCapture();
}

TEST_F(HeaderTest, AHeaderWithoutSectionsIgnoresPressesAndMoves) {
  HWND header = CreateHeader(0);
  Attach();

  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 10));
  SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, PointParam(30, 10));
  SendMessageW(header, WM_LBUTTONUP, 0, PointParam(30, 10));
  ReleaseCapture();
  EXPECT_FALSE(AnyLineStartsWith(log_.Lines(), "header BitBlt"));
  EXPECT_EQ(SkinProperties(header).Get(kHdIndexProperty), -1);
  EXPECT_EQ(SkinProperties(header).Get(kHmIndexProperty), -1);
}

}  // namespace
}  // namespace quavlet::skin::test
