// The song list view's members over the platform list view.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "tests/app/main_window.h"
#include "tests/support/message_pump.h"

namespace quavlet::test {
namespace {

using ListViewTest = MainWindowTest;

TEST_F(ListViewTest, RowsAreNumberedFromOneAndShownOnceQueuedWorkIsDone) {
  musiclist::ListView& view = form.ListView1;
  musiclist::ListItem first = view.ListItems().Add(L"1");
  musiclist::ListItem second = view.ListItems().Add(L"2");
  EXPECT_EQ(first.Index(), 1);
  EXPECT_EQ(second.Index(), 2);
  EXPECT_EQ(view.ListItems().Count(), 2);
  EXPECT_TRUE(second.SetSubItems(3, L"address"));
  EXPECT_EQ(view.ListItems().Item(2)->SubItems(3), L"address");
  EXPECT_EQ(view.ListItems().Item(2)->SubItems(1), L"");
  FlushEvents();
  EXPECT_EQ(ShownRowCount(), 2);
  EXPECT_EQ(ShownCell(1, 3), L"address");
  // A cell changed after the rows are shown is shown too.
  EXPECT_TRUE(first.SetSubItems(1, L"title"));
  EXPECT_EQ(ShownCell(0, 1), L"title");
}

TEST_F(ListViewTest, ReadingARowOrCellThatDoesNotExistFails) {
  musiclist::ListView& view = form.ListView1;
  musiclist::ListItem row = view.ListItems().Add(L"1");
  EXPECT_FALSE(view.ListItems().Item(0));
  EXPECT_FALSE(view.ListItems().Item(2));
  EXPECT_FALSE(row.SubItems(0));
  EXPECT_FALSE(row.SubItems(4));
  EXPECT_FALSE(row.SetSubItems(4, L"x"));
  view.ListItems().Clear();
  EXPECT_FALSE(row.SubItems(1));
  EXPECT_FALSE(row.SetSubItems(1, L"x"));
}

TEST_F(ListViewTest, SelectedItemFailsWithoutASelection) {
  musiclist::ListView& view = form.ListView1;
  EXPECT_FALSE(view.SelectedItem());
  for (const wchar_t* number : {L"1", L"2", L"3"}) view.ListItems().Add(number);
  FlushEvents();
  EXPECT_FALSE(view.SelectedItem());
  ListView_SetItemState(view.hWnd(), 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ASSERT_TRUE(view.SelectedItem());
  EXPECT_EQ(view.SelectedItem()->Index(), 3);
  view.ListItems().Clear();
  EXPECT_FALSE(view.SelectedItem());
}

TEST_F(ListViewTest, ClearingRemovesEveryRowAndHeaderAndHeadersCanBeAddedAgain) {
  musiclist::ListView& view = form.ListView1;
  for (int round = 0; round < 2; ++round) {
    view.ColumnHeaders().Add(L"编号", 438.75);
    view.ColumnHeaders().Add(L"歌曲", 1462.5);
    view.ListItems().Add(L"1");
    FlushEvents();
    EXPECT_EQ(ShownHeaders(), (std::vector<std::wstring>{L"编号", L"歌曲"}));
    EXPECT_EQ(ShownHeaderWidths(), (std::vector<int>{29, 98}));
    view.ListItems().Clear();
    view.ColumnHeaders().Clear();
    FlushEvents();
    EXPECT_EQ(ShownRowCount(), 0);
    EXPECT_TRUE(ShownHeaders().empty());
    EXPECT_EQ(view.ColumnHeaders().Count(), 0);
  }
}

TEST_F(ListViewTest, HeadersRebuiltDifferentlyShowTheNewOnesOnly) {
  musiclist::ListView& view = form.ListView1;
  view.ColumnHeaders().Add(L"编号", 438.75);
  view.ColumnHeaders().Add(L"歌曲", 1462.5);
  view.ColumnHeaders().Add(L"歌手", 975);
  FlushEvents();
  view.ColumnHeaders().Clear();
  view.ColumnHeaders().Add(L"编号", 438.75);  // the same as before
  view.ColumnHeaders().Add(L"地址", 1462.5);  // another text
  FlushEvents();
  EXPECT_EQ(ShownHeaders(), (std::vector<std::wstring>{L"编号", L"地址"}));
  view.ColumnHeaders().Clear();
  view.ColumnHeaders().Add(L"编号", 900);  // another width
  view.ColumnHeaders().Add(L"地址", 1462.5);
  view.ColumnHeaders().Add(L"歌手", 975);
  FlushEvents();
  EXPECT_EQ(ShownHeaders(), (std::vector<std::wstring>{L"编号", L"地址", L"歌手"}));
  EXPECT_EQ(ShownHeaderWidths(), (std::vector<int>{60, 98, 65}));
}

TEST_F(ListViewTest, EmptyingTheViewForgetsSelectionAndScrollingOfTheOldRows) {
  musiclist::ListView& view = form.ListView1;
  view.ColumnHeaders().Add(L"编号", 438.75);
  for (int row = 1; row <= 200; ++row) view.ListItems().Add(std::to_wstring(row));
  FlushEvents();
  // Scrolled down, nothing selected.
  ListView_EnsureVisible(view.hWnd(), 150, FALSE);
  ASSERT_GT(ListView_GetTopIndex(view.hWnd()), 0);
  view.ListItems().Clear();
  for (int row = 1; row <= 200; ++row) view.ListItems().Add(L"new " + std::to_wstring(row));
  FlushEvents();
  EXPECT_EQ(ListView_GetTopIndex(view.hWnd()), 0);
  EXPECT_EQ(ShownCell(0, 0), L"new 1");
  // A row selected and focused.
  ListView_SetItemState(view.hWnd(), 7, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  view.ListItems().Clear();
  EXPECT_FALSE(view.SelectedItem());
  for (int row = 1; row <= 20; ++row) view.ListItems().Add(std::to_wstring(row));
  FlushEvents();
  EXPECT_EQ(ShownRowCount(), 20);
  EXPECT_FALSE(view.SelectedItem());
  EXPECT_EQ(ListView_GetNextItem(view.hWnd(), -1, LVNI_FOCUSED), -1);
  // Emptied and left empty.
  view.ListItems().Clear();
  FlushEvents();
  EXPECT_EQ(ShownRowCount(), 0);
}

TEST_F(ListViewTest, WidthIsInTwipsAndViewModesChangeTheWindowAtOnce) {
  musiclist::ListView& view = form.ListView1;
  EXPECT_EQ(view.Width(), 8775.0);
  view.SetView(musiclist::kListViewList);
  EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_LIST));
  view.SetView(musiclist::kListViewIcons);
  EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_ICON));
  view.SetView(7);  // not a mode: nothing changes
  EXPECT_EQ(view.View(), musiclist::kListViewIcons);
  view.SetView(musiclist::kListViewReport);
  EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_REPORT));
}

// The row the list view finds for a search, asked as the control asks its owner.
int FoundRow(musiclist::ListView& view, const wchar_t* text, UINT flags, int start) {
  NMLVFINDITEMW find{};
  find.hdr.hwndFrom = view.hWnd();
  find.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(view.hWnd()));
  find.hdr.code = LVN_ODFINDITEMW;
  find.iStart = start;
  find.lvfi.flags = flags;
  find.lvfi.psz = text;
  return static_cast<int>(SendMessageW(GetParent(view.hWnd()), WM_NOTIFY, find.hdr.idFrom,
                                       reinterpret_cast<LPARAM>(&find)));
}

int SelectedRow(const musiclist::ListView& view) { return view.SelectedItem() ? view.SelectedItem()->Index() : 0; }

TEST_F(ListViewTest, TypingARowsNumberSelectsItAndSearchesMatchTheFirstColumnsStart) {
  musiclist::ListView& view = form.ListView1;
  view.ColumnHeaders().Add(L"编号", 438.75);
  for (int row = 1; row <= 20; ++row) view.ListItems().Add(std::to_wstring(row));
  FlushEvents();
  SetFocus(view.hWnd());
  const auto type = [&view](std::wstring_view keys) {
    for (wchar_t key : keys) SendMessageW(view.hWnd(), WM_CHAR, key, 1);
    FlushEvents();
  };
  ListView_SetItemState(view.hWnd(), 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  type(L"3");
  EXPECT_EQ(SelectedRow(view), 3);

  // The search itself: from the start row on, wrapping round when asked, ignoring case; the
  // whole text without LVFI_PARTIAL.
  view.ListItems().Clear();
  for (const wchar_t* text : {L"alpha", L"Beta", L"gamma", L"beta 2"}) view.ListItems().Add(text);
  FlushEvents();
  const UINT prefix = LVFI_STRING | LVFI_PARTIAL | LVFI_WRAP;
  EXPECT_EQ(FoundRow(view, L"BE", prefix, 0), 1);
  EXPECT_EQ(FoundRow(view, L"be", prefix, 2), 3);
  EXPECT_EQ(FoundRow(view, L"al", prefix, 1), 0);
  EXPECT_EQ(FoundRow(view, L"al", LVFI_STRING | LVFI_PARTIAL, 1), -1);
  EXPECT_EQ(FoundRow(view, L"BETA", LVFI_STRING | LVFI_WRAP, 2), 1);
  EXPECT_EQ(FoundRow(view, L"bet", LVFI_STRING | LVFI_WRAP, 0), -1);
  EXPECT_EQ(FoundRow(view, L"delta", prefix, 0), -1);
  EXPECT_EQ(FoundRow(view, L"gamma", prefix, 99), 2);  // a start beyond the rows is the first
  EXPECT_EQ(FoundRow(view, L"ga", LVFI_PARTIAL, 0), 2);  // as the control's type-ahead asks
  EXPECT_EQ(FoundRow(view, L"alpha", LVFI_PARAM, 0), -1);
}

// A press and release of the left button at a row, through the system's input.
void ClickWithPointer(HWND view, int row) {
  RECT box{};
  ListView_GetItemRect(view, row, &box, LVIR_LABEL);
  POINT point{box.left + 4, (box.top + box.bottom) / 2};
  ClientToScreen(view, &point);
  SetCursorPos(point.x, point.y);
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
  PumpFor(300);
}

TEST_F(ListViewTest, ADisabledViewTakesNoClicks) {
  Query(L"12345");
  SetForegroundWindow(form.hWnd());
  form.ListView1.SetEnabled(false);
  ClickWithPointer(form.ListView1.hWnd(), 4);
  EXPECT_EQ(form.gqm.Caption(), L"");
  form.ListView1.SetEnabled(true);
  ClickWithPointer(form.ListView1.hWnd(), 4);
  // The click's effect may come later than the pause above on a slow machine.
  PumpUntil([&] { return !form.gqm.Caption().empty(); }, 5000);
  EXPECT_EQ(form.gqm.Caption(), L"春风.十里");
}

}  // namespace
}  // namespace quavlet::test
