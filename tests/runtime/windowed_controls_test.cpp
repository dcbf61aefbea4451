// Windowed controls are real child windows of the standard classes: their design reaches the
// window, their setters pass on at once, and their notifications become events.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/Controls.h"
#include "tests/runtime/test_form.h"
#include "tests/support/message_pump.h"
#include "tests/support/real_pointer.h"
#include "tests/support/window_queries.h"

namespace quavlet::test {
namespace {

using runtime::CommandButton;
using runtime::ComboBox;
using runtime::ListBox;
using runtime::ListViewWindow;
using runtime::TextBox;

class WindowedControls : public testing::Test {
 protected:
  void SetUp() override {
    button.Design({.place = {150, 150, 900, 375}, .text = L"查询", .toolTip = L"按一下"});
    text.Design({.place = {150, 750, 1500, 375}, .text = L"12345", .font = runtime::SongTi(12),
                 .foreColour = 0x0000C000, .backColour = 0x00FFFCEE});
    combo.Design({.place = {1800, 150, 900, 300}});
    for (const wchar_t* item : {L"1", L"2", L"3"}) combo.AddItem(item);
    list.Design({.place = {3000, 3000, 900, 900}, .visible = false, .tabStop = false});
    view.Design({.place = {150, 1350, 4200, 1500}, .foreColour = 0x00BE9507, .backColour = 0x00FFFCEE});
    for (runtime::WindowedControl* control : std::initializer_list<runtime::WindowedControl*>{&button, &text, &combo, &list, &view}) {
      form.Add(*control);
    }
    button.Click = form.Note("button.Click");
    text.KeyPress = [this](int& key) {
      form.log.push_back("text.KeyPress " + std::to_string(key));
      if (key == 'x') key = 0;
      if (key == 'a') key = 'b';
    };
    combo.Click = form.Note("combo.Click");
    view.Click = form.Note("view.Click");
    view.DblClick = form.Note("view.DblClick");
    ASSERT_TRUE(form.Load());
    // The display's pointer stays where an earlier test left it: resting where the button
    // appears, it would make the form's tooltip before a test asks for one.
    if (RealPointer pointer; pointer.Available()) {
      ASSERT_TRUE(pointer.Run(L"mousemove " + std::to_wstring(GetSystemMetrics(SM_CXSCREEN) - 1) + L" " +
                              std::to_wstring(GetSystemMetrics(SM_CYSCREEN) - 1)));
    }
    form.Show();
    FlushEvents();
    form.log.clear();
  }

  runtime::Application application{GetModuleHandleW(nullptr)};
  TestForm form{application};
  CommandButton button;
  TextBox text;
  ComboBox combo;
  ListBox list;
  ListViewWindow view;
};

TEST_F(WindowedControls, EachIsAChildWindowOfItsStandardClassAtItsPlace) {
  EXPECT_EQ(ClassOf(button.hWnd()), L"Button");
  EXPECT_EQ(ClassOf(text.hWnd()), L"Edit");
  EXPECT_EQ(ClassOf(combo.hWnd()), L"ComboBox");
  EXPECT_EQ(ClassOf(list.hWnd()), L"ListBox");
  EXPECT_EQ(ClassOf(view.hWnd()), L"SysListView32");
  EXPECT_EQ(ChildBox(button.hWnd()), (runtime::PixelBox{10, 10, 60, 25}));
  EXPECT_EQ(GetParent(view.hWnd()), form.hWnd());
  EXPECT_TRUE(IsWindowUnicode(button.hWnd()));
  EXPECT_EQ(GetWindowLongPtrW(combo.hWnd(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(GetWindowLongPtrW(view.hWnd(), GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
}

TEST_F(WindowedControls, DesignedColoursAndFontsReachTheWindows) {
  EXPECT_EQ(SendMessageW(view.hWnd(), LVM_GETTEXTCOLOR, 0, 0), 0x00BE9507);
  EXPECT_EQ(SendMessageW(view.hWnd(), LVM_GETBKCOLOR, 0, 0), 0x00FFFCEE);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(text.hWnd(), WM_GETFONT, 0, 0)), sizeof(font), &font);
  EXPECT_STREQ(font.lfFaceName, L"宋体");
  EXPECT_EQ(font.lfCharSet, 134);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -16);
  runtime::WindowDc dc(text.hWnd());
  const auto brush = SendMessageW(form.hWnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                                  reinterpret_cast<LPARAM>(text.hWnd()));
  LOGBRUSH look{};
  GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof(look), &look);
  EXPECT_EQ(look.lbColor, 0x00FFFCEEu);
  EXPECT_EQ(GetTextColor(dc.get()), 0x0000C000u);
}

TEST_F(WindowedControls, SettersPassOnToTheWindowAtOnce) {
  button.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(button.hWnd()));
  button.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(button.hWnd()));
  text.SetText(L"暂/播");
  EXPECT_EQ(text.Text(), L"暂/播");
  wchar_t shown[16] = {};
  GetWindowTextW(text.hWnd(), shown, 16);
  EXPECT_STREQ(shown, L"暂/播");
  EXPECT_EQ(ToolTipOf(form.ToolTipWindow(), form.hWnd(), button.hWnd()), L"按一下");
}

struct ToolTipSearch {
  HWND form;
  std::vector<HWND> found;
};

// A named callback: a lambda converts to a function of the default calling convention, which on
// 32-bit Windows is not the stdcall WNDENUMPROC.
BOOL CALLBACK CollectToolTipWindow(HWND window, LPARAM state) {
  auto& search = *reinterpret_cast<ToolTipSearch*>(state);
  if (GetWindow(window, GW_OWNER) == search.form && ClassOf(window) == TOOLTIPS_CLASSW) {
    search.found.push_back(window);
  }
  return TRUE;
}

// The form's tooltip windows (made by nobody but the form), shown or not.
std::vector<HWND> ToolTipWindowsOf(HWND form) {
  ToolTipSearch search{form, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectToolTipWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The size of each TOOLINFOW handed to a tooltip window on this thread.
std::vector<UINT>* toolSizes = nullptr;

LRESULT CALLBACK RecordToolSize(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && toolSizes && (call->message == TTM_ADDTOOLW || call->message == TTM_UPDATETIPTEXTW)) {
    toolSizes->push_back(reinterpret_cast<const TOOLINFOW*>(call->lParam)->cbSize);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The classic common controls (5.82, which the program's manifest asks for) refuse a tool of a
// size they do not know, so a tip of the comctl32 6 size would never show on Windows; Wine takes
// any size. Each control with a tip is one tool, added when the tooltip window is made or when
// the control joins the form later.
TEST_F(WindowedControls, EachTipIsOneToolOfTheSizeTheClassicCommonControlsKnow) {
  std::vector<UINT> sizes;
  toolSizes = &sizes;
  const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordToolSize, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const HWND toolTip = form.ToolTipWindow();
  CommandButton later;
  later.Design({.place = {1200, 2400, 900, 375}, .text = L"后来", .toolTip = L"后来的"});
  form.Add(later);
  CommandButton untipped;
  untipped.Design({.place = {2400, 2400, 900, 375}, .text = L"无"});
  form.Add(untipped);
  button.SetToolTipText(L"再按一下");
  UnhookWindowsHookEx(hook);
  toolSizes = nullptr;

  ASSERT_NE(toolTip, nullptr);
  EXPECT_EQ(SendMessageW(toolTip, TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_EQ(sizes, (std::vector<UINT>{TTTOOLINFOW_V2_SIZE, TTTOOLINFOW_V2_SIZE, TTTOOLINFOW_V2_SIZE}));
  EXPECT_EQ(ToolTipOf(toolTip, form.hWnd(), button.hWnd()), L"再按一下");
  EXPECT_EQ(ToolTipOf(toolTip, form.hWnd(), later.hWnd()), L"后来的");
}

// The control hands the pointer's messages to the form's tooltip itself: the tooltip window is
// made at the pointer's first move over a control with a tip, and shows the tip once the pointer
// rests there.
TEST_F(WindowedControls, TheToolTipShowsWhileThePointerRestsOnTheControl) {
  RealPointer pointer;
  if (!pointer.Available()) GTEST_SKIP() << "no X display";
  EXPECT_TRUE(ToolTipWindowsOf(form.hWnd()).empty()) << "made before anything needed it";
  const POINT over = RealPointer::ScreenPoint(button.hWnd(), 20, 10);
  ASSERT_TRUE(pointer.Run(L"mousemove " + std::to_wstring(over.x) + L" " + std::to_wstring(over.y) +
                          L" mousemove " + std::to_wstring(over.x + 2) + L" " + std::to_wstring(over.y + 1)));
  EXPECT_TRUE(PumpUntil(
      [&] {
        const auto tips = ToolTipWindowsOf(form.hWnd());
        return tips.size() == 1 && IsWindowVisible(tips.front());
      },
      RealPointer::kNeverArrives));
  const HWND tip = form.ToolTipWindow();
  EXPECT_EQ(ToolTipWindowsOf(form.hWnd()), std::vector<HWND>{tip});
  wchar_t shown[32] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.lpszText = shown;
  SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), button.hWnd());
  EXPECT_STREQ(shown, L"按一下");
}

TEST_F(WindowedControls, AButtonRaisesClick) {
  SendMessageW(button.hWnd(), BM_CLICK, 0, 0);
  FlushEvents();
  EXPECT_EQ(form.log, (std::vector<std::string>{"button.Click"}));
}

TEST_F(WindowedControls, KeyPressSeesEachCharacterAndMayChangeOrSwallowIt) {
  SetWindowTextW(text.hWnd(), L"");
  for (WPARAM key : {WPARAM{'1'}, WPARAM{'x'}, WPARAM{'a'}, WPARAM{VK_RETURN}}) {
    PostMessageW(text.hWnd(), WM_KEYDOWN, key == 'x' || key == 'a' ? toupper(static_cast<int>(key)) : key, 1);
  }
  FlushEvents();
  EXPECT_EQ(form.log, (std::vector<std::string>{"text.KeyPress 49", "text.KeyPress 120", "text.KeyPress 97",
                                                "text.KeyPress 13"}));
  EXPECT_EQ(text.Text(), L"1b");
}

TEST_F(WindowedControls, AComboBoxOffersItsItemsAndRaisesClickWhenTheUserPicks) {
  EXPECT_EQ(combo.ListCount(), 3);
  EXPECT_EQ(combo.List(1), L"2");
  EXPECT_EQ(combo.ListIndex(), -1);
  combo.SetFocus();
  SendMessageW(combo.hWnd(), WM_KEYDOWN, VK_DOWN, 0);
  FlushEvents();
  EXPECT_EQ(combo.ListIndex(), 0);
  EXPECT_EQ(combo.Text(), L"1");
  EXPECT_EQ(form.log, (std::vector<std::string>{"combo.Click"}));
}

TEST_F(WindowedControls, AListBoxKeepsItsEntriesInOrder) {
  list.AddItem(L"http://127.0.0.1/a.mp3");
  list.AddItem(L"b");
  EXPECT_EQ(list.ListCount(), 2);
  EXPECT_EQ(list.List(0), L"http://127.0.0.1/a.mp3");
  EXPECT_EQ(list.List(5), L"");
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
}

TEST_F(WindowedControls, AListViewRaisesClickAndDblClick) {
  PostMessageW(view.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, PixelParam(20, 40));
  PostMessageW(view.hWnd(), WM_LBUTTONUP, 0, PixelParam(20, 40));
  FlushEvents();
  PostMessageW(view.hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, PixelParam(20, 40));
  PostMessageW(view.hWnd(), WM_LBUTTONUP, 0, PixelParam(20, 40));
  FlushEvents();
  ASSERT_FALSE(form.log.empty());
  EXPECT_EQ(form.log.front(), "view.Click");
  EXPECT_NE(std::find(form.log.begin(), form.log.end(), "view.DblClick"), form.log.end());
}

TEST_F(WindowedControls, AnEventHandlerThatFailsLeavesTheFormAndTheControlAnswering) {
  button.Click = [] { throw std::runtime_error("the click failed"); };
  text.KeyPress = [](int&) { throw std::runtime_error("the key press failed"); };
  SendMessageW(button.hWnd(), BM_CLICK, 0, 0);
  SetWindowTextW(text.hWnd(), L"");
  SendMessageW(text.hWnd(), WM_CHAR, L'q', 1);
  EXPECT_EQ(text.Text(), L"q") << "the key went on to the edit box as though nothing had taken it";

  DWORD_PTR answer = 0;
  for (HWND window : {form.hWnd(), button.hWnd(), text.hWnd()}) {
    EXPECT_NE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
  }
  InvalidateRect(form.hWnd(), nullptr, FALSE);
  UpdateWindow(form.hWnd());
  RECT left{};
  EXPECT_FALSE(GetUpdateRect(form.hWnd(), &left, FALSE)) << "the form paints";
  // And the next click is handled as ever.
  button.Click = form.Note("button.Click");
  SendMessageW(button.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.log, std::vector<std::string>{"button.Click"});
}

}  // namespace
}  // namespace quavlet::test
