// The main window's controls as built: each one's kind, place, text, tooltip, colours, font and
// initial state, their stacking and the tab order of the windowed ones.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/app/form1_fixture.h"

namespace quavlet::test {
namespace {

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font;
}

struct WindowedRow {
  const char* name;
  const runtime::WindowedControl* control;
  const wchar_t* className;
  runtime::PixelBox box;
  const wchar_t* text;
  const wchar_t* toolTip;
  bool enabled;
  bool visible;
};

TEST_F(MainWindow, EachWindowedControlIsInPlaceWithItsTextTooltipAndState) {
  const WindowedRow rows[] = {
      {"Text1", &form->Text1, L"Edit", {272, 320, 12, 18}, L"http://brindlebox.example/", L"", true, true},
      {"Command6", &form->Command6, L"Button", {288, 296, 193, 25}, L"支持我们发展！！！", L"关于我们", true, true},
      {"Command5", &form->Command5, L"Button", {448, 32, 153, 25}, L"免费生活查询工具", L"关于我们", true, true},
      {"Command3", &form->Command3, L"Button", {216, 32, 41, 25}, L"退出", L"退出程序", true, true},
      {"Command2", &form->Command2, L"Button", {168, 32, 41, 25}, L"播/暂", L"播放或暂停", false, true},
      {"Command1", &form->Command1, L"Button", {120, 32, 41, 25}, L"查询", L"查询", true, true},
      {"QQ", &form->QQ, L"Edit", {8, 32, 105, 25}, L"", L"", true, true},
      {"Command4", &form->Command4, L"Button", {264, 32, 41, 25}, L"关于", L"关于我们", true, true},
      {"ListView1", &form->ListView1, L"SysListView32", {8, 80, 585, 217}, L"", L"", true, true},
      {"List3", &form->List3, L"ListBox", {720, 544, 209, 160}, L"", L"", true, false},
      {"List2", &form->List2, L"ListBox", {936, 544, 209, 160}, L"", L"", true, false},
      {"List1", &form->List1, L"ListBox", {408, 568, 289, 160}, L"", L"", true, false},
      // Visible, but outside the client area: never seen.
      {"WP1", &form->WP1, L"QuavletHost", {600, 280, 585, 45}, L"", L"", true, true},
  };
  for (const WindowedRow& row : rows) {
    SCOPED_TRACE(row.name);
    const runtime::WindowedControl& control = *row.control;
    ASSERT_NE(control.hWnd(), nullptr);
    EXPECT_EQ(GetParent(control.hWnd()), form->hWnd());
    EXPECT_EQ(ClassOf(control.hWnd()), row.className);
    EXPECT_EQ(ChildBox(control.hWnd()), row.box);
    EXPECT_EQ(control.Text(), row.text);
    EXPECT_EQ(ToolTipOf(form->ToolTipWindow(), form->hWnd(), control.hWnd()), row.toolTip);
    EXPECT_EQ(IsWindowEnabled(control.hWnd()) != FALSE, row.enabled);
    EXPECT_EQ((GetWindowLongPtrW(control.hWnd(), GWL_STYLE) & WS_VISIBLE) != 0, row.visible);
  }
  // One tool for each of the six buttons with a tip, each taken by the tooltip window.
  EXPECT_EQ(SendMessageW(form->ToolTipWindow(), TTM_GETTOOLCOUNT, 0, 0), 6);
}

TEST_F(MainWindow, TheComboBoxIsADropDownListOfOneTwoThreeWithNothingPicked) {
  const HWND combo = form->Combo1.hWnd();
  EXPECT_EQ(ClassOf(combo), L"ComboBox");
  EXPECT_EQ(GetWindowLongPtrW(combo, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  const runtime::PixelBox box = ChildBox(combo);
  EXPECT_EQ(box.left, 552);
  EXPECT_EQ(box.top, 300);
  EXPECT_EQ(box.width, 41);
  ASSERT_EQ(form->Combo1.ListCount(), 3);
  EXPECT_EQ(form->Combo1.List(0), L"1");
  EXPECT_EQ(form->Combo1.List(1), L"2");
  EXPECT_EQ(form->Combo1.List(2), L"3");
  EXPECT_EQ(form->Combo1.ListIndex(), -1);
  EXPECT_EQ(form->Combo1.Text(), L"");
}

TEST_F(MainWindow, TheNumberBoxAndTheSongListHaveTheirColoursAndFont) {
  const LOGFONTW font = FontOf(form->QQ.hWnd());
  EXPECT_STREQ(font.lfFaceName, L"宋体");
  EXPECT_EQ(font.lfCharSet, 134);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -16);  // 12 pt
  EXPECT_EQ(form->QQ.ForeColour(), 0x0000C000u);
  EXPECT_EQ(form->QQ.BackColour(), 0x00FFFCEEu);
  EXPECT_EQ(SendMessageW(form->ListView1.hWnd(), LVM_GETTEXTCOLOR, 0, 0), 0x00BE9507);
  EXPECT_EQ(SendMessageW(form->ListView1.hWnd(), LVM_GETBKCOLOR, 0, 0), 0x00FFFCEE);
  EXPECT_EQ(GetWindowLongPtrW(form->ListView1.hWnd(), GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_DOUBLE_EQ(form->ListView1.Width(), 8775);
}

TEST_F(MainWindow, ControlsStackFrontToBackAsDesigned) {
  const std::vector<runtime::WindowlessControl*> expected = {
      &form->Label10, &form->Label9, &form->Image5, &form->Image4, &form->Label3, &form->Image3,
      &form->Label7,  &form->GuRL,   &form->Label8, &form->Image2, &form->Label6, &form->Label5,
      &form->CL,      &form->MI,     &form->gqm,    &form->Label1, &form->gq,     &form->Label2,
      &form->Label4,  &form->Image1};
  EXPECT_EQ(form->WindowlessControls(), expected);

  // The windows stack as designed, whatever order they were created (and tab) in.
  const std::vector<HWND> windowsFrontToBack = {
      form->Text1.hWnd(),    form->Command6.hWnd(), form->Command5.hWnd(), form->Combo1.hWnd(),
      form->Command3.hWnd(), form->Command2.hWnd(), form->Command1.hWnd(), form->QQ.hWnd(),
      form->Command4.hWnd(), form->ListView1.hWnd(), form->List3.hWnd(),   form->List2.hWnd(),
      form->List1.hWnd(),    form->WP1.hWnd()};
  std::vector<HWND> stacked;
  for (HWND child = GetWindow(form->hWnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    stacked.push_back(child);
  }
  EXPECT_EQ(stacked, windowsFrontToBack);
  // Command6's top row lies over the song list's last one.
  EXPECT_EQ(ChildWindowFromPointEx(form->hWnd(), POINT{384, 296}, CWP_SKIPINVISIBLE), form->Command6.hWnd());
}

// The pointer finds each picture and fixed label at its corner pixels, where it lies in front of
// the others; a picture lying wholly behind others is checked by the pixels it covers.
TEST_F(MainWindow, PicturesAndFixedLabelsTakeThePointerWhereTheyStand) {
  struct Probe {
    const char* name;
    const runtime::WindowlessControl* control;
    POINT pixel;
  };
  const Probe probes[] = {
      {"Label10", &form->Label10, {264, 8}}, {"Label10", &form->Label10, {400, 32}},
      {"Label9", &form->Label9, {8, 304}},   {"Label9", &form->Label9, {312, 320}},
      {"Image5", &form->Image5, {0, 0}},     {"Image5", &form->Image5, {226, 23}},
      {"Label3", &form->Label3, {224, 24}},  {"Image3", &form->Image3, {232, 8}},
      {"Image3", &form->Image3, {232, 24}},  {"GuRL", &form->GuRL, {40, 64}},
      {"GuRL", &form->GuRL, {587, 75}},      {"Label6", &form->Label6, {560, 0}},
      {"Label6", &form->Label6, {599, 16}},  {"Label5", &form->Label5, {512, 0}},
      {"Label5", &form->Label5, {536, 16}},  {"Image1", &form->Image1, {599, 324}},
  };
  for (const Probe& probe : probes) {
    SCOPED_TRACE(testing::Message() << probe.name << " at " << probe.pixel.x << "," << probe.pixel.y);
    EXPECT_EQ(form->WindowlessAt(probe.pixel), probe.control);
  }
  // The hover pictures of the chrome wait hidden behind its labels.
  EXPECT_FALSE(form->CL.Visible());
  EXPECT_FALSE(form->MI.Visible());
  EXPECT_EQ(form->WindowlessAt(POINT{570, 8}), &form->Label6);
  EXPECT_EQ(form->CL.Pixels(), (runtime::PixelBox{561, 1, 38, 17}));
  EXPECT_EQ(form->MI.Pixels(), (runtime::PixelBox{512, 1, 26, 17}));
  EXPECT_EQ(form->Image2.Pixels(), (runtime::PixelBox{3, 3, 20, 20}));
  EXPECT_EQ(form->Image4.Pixels(), (runtime::PixelBox{112, 0, 65, 17}));
  for (const runtime::Image* picture : {&form->Image1, &form->Image5, &form->Image2, &form->CL, &form->MI}) {
    EXPECT_TRUE(picture->HasPicture());
  }
  EXPECT_FALSE(form->Image3.HasPicture());
  EXPECT_FALSE(form->Image4.HasPicture());
  EXPECT_TRUE(form->Image2.Stretch());
}

TEST_F(MainWindow, LabelsHaveTheirTextsColoursAndFonts) {
  struct Row {
    const runtime::Label* label;
    const wchar_t* caption;
    runtime::Colour colour;
    bool sized;
  };
  const Row rows[] = {{&form->Label7, L"排列方式", 0x008C581A, true}, {&form->GuRL, L"", 0x00BE9507, false},
                      {&form->Label8, L"", 0x00BF7822, true},          {&form->gqm, L"", 0x00BE9507, true},
                      {&form->Label1, L"歌曲", 0x008C581A, true},       {&form->gq, L"", 0x00BE9507, true},
                      {&form->Label2, L"歌手", 0x008C581A, true},       {&form->Label4, L"出处", 0x008C581A, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.label->Left() << "," << row.label->Top());
    EXPECT_EQ(row.label->Caption(), row.caption);
    EXPECT_EQ(row.label->ForeColour(), row.colour);
    EXPECT_TRUE(row.label->Transparent());
    EXPECT_EQ(row.label->AutoSize(), row.sized);
    EXPECT_EQ(row.label->EffectiveFont(), runtime::SongTi(9));
  }
  EXPECT_EQ(form->Label10.Caption(), L"版本号：V2.01");
  EXPECT_TRUE(form->Label10.Transparent());
  EXPECT_EQ(form->Label9.Caption(), L"双击就可复制歌曲地址，支持在线播放！");
  EXPECT_TRUE(form->Label9.Transparent());
  EXPECT_EQ(form->Label3.Caption(), L"Label3");
  EXPECT_FALSE(form->Label3.Transparent());
  EXPECT_EQ(form->Label3.BackColour(), 0x00FFFFFFu);
  EXPECT_TRUE(form->Label5.Caption().empty() && form->Label5.Transparent());
  EXPECT_TRUE(form->Label6.Caption().empty() && form->Label6.Transparent());
}

TEST_F(MainWindow, TabGoesRoundTheControlsInTheirOrderSkippingDisabledAndHiddenOnes) {
  auto tab = [] {
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    return GetFocus();
  };
  EXPECT_EQ(GetFocus(), form->ListView1.hWnd());
  for (const runtime::WindowedControl* next :
       std::initializer_list<const runtime::WindowedControl*>{&form->WP1, &form->Command4, &form->QQ,
                                                               &form->Command1, &form->Command3, &form->Combo1,
                                                               &form->Command5, &form->Command6, &form->Text1,
                                                               &form->ListView1}) {
    EXPECT_EQ(tab(), next->hWnd());
  }
  form->Command2.SetEnabled(true);
  tab();
  tab();
  tab();
  EXPECT_EQ(tab(), form->Command1.hWnd());
  EXPECT_EQ(tab(), form->Command2.hWnd());
  EXPECT_EQ(tab(), form->Command3.hWnd());
}

TEST_F(MainWindow, EnterInTheNumberBoxArrivesAsKeyPress13) {
  std::vector<int> keys;
  form->QQ.KeyPress = [&keys](int& key) { keys.push_back(key); };
  form->QQ.SetFocus();
  PostMessageW(form->QQ.hWnd(), WM_KEYDOWN, '1', 1);
  PostMessageW(form->QQ.hWnd(), WM_KEYDOWN, VK_RETURN, 1);
  FlushEvents();
  EXPECT_EQ(keys, (std::vector<int>{'1', 13}));
  EXPECT_EQ(form->QQ.Text(), L"1");
}

}  // namespace
}  // namespace quavlet::test
