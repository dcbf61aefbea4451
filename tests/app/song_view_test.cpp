// The song list view in use: clicks, the copy of an address, the view modes.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "runtime/Clipboard.h"
#include "tests/app/main_window.h"
#include "tests/musiclist/music_service.h"
#include "tests/support/message_pump.h"

namespace quavlet::test {
namespace {

using SongViewTest = MainWindowTest;

// A double-click on the address label as the pointer makes it.
void DoubleClickAddressLabel(Form1& form) {
  const LPARAM where = MAKELPARAM(100, 70);  // inside GuRL (40, 64, 548 x 12 px)
  SendMessageW(form.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageW(form.hWnd(), WM_LBUTTONUP, 0, where);
  SendMessageW(form.hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, where);
  SendMessageW(form.hWnd(), WM_LBUTTONUP, 0, where);
  FlushEvents();
}

TEST_F(SongViewTest, AClickOnARowShowsItsTitleSingerAndAddress) {
  Query(L"12345");
  ClickRow(1);
  EXPECT_EQ(form.gqm.Caption(), L"Don't Stop");
  EXPECT_EQ(form.gq.Caption(), L"The Quavers");
  EXPECT_EQ(form.GuRL.Caption(), L"http://" + ServiceHost() + L"/songs/dont-stop.wav");
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(SongViewTest, AClickOnAnEmptyViewReportsAndDisablesUntilTheNextQuery) {
  Query(L"12345");
  ClickRow(0);
  Query(L"60001");  // a user without songs
  ClickRow(-1);
  const auto shown = TakeBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, L"对不起，该好友没有歌曲，请重新搜索！");
  EXPECT_EQ(shown[0].title, L"搜索失败");
  EXPECT_EQ(shown[0].icon, MessageBoxIcon::Critical);
  EXPECT_FALSE(form.ListView1.Enabled());
  EXPECT_FALSE(IsWindowEnabled(form.ListView1.hWnd()));
  EXPECT_FALSE(form.Command2.Enabled());
  EXPECT_EQ(form.gqm.Caption(), L"清晨的鸟鸣");  // the labels keep what they showed
  Query(L"12345");
  EXPECT_TRUE(form.ListView1.Enabled());
  EXPECT_TRUE(form.Command2.Enabled());
}

TEST_F(SongViewTest, AClickBesideTheRowsKeepsTheSelectedRowAndShowsItAgain) {
  Query(L"12345");
  ClickRow(-1);  // no row selected yet: nothing happens
  EXPECT_TRUE(TakeBoxes().empty());
  EXPECT_EQ(form.gqm.Caption(), L"");
  ClickRow(2);
  form.gqm.SetCaption(L"");
  ClickRow(-1);
  EXPECT_TRUE(TakeBoxes().empty());
  ASSERT_TRUE(form.ListView1.SelectedItem());
  EXPECT_EQ(form.ListView1.SelectedItem()->Index(), 3);
  EXPECT_EQ(form.gqm.Caption(), L"夜曲 二号");
  EXPECT_EQ(form.GuRL.Caption(), L"http://" + ServiceHost() + L"/songs/night_song-2.wav");
  EXPECT_TRUE(form.ListView1.Enabled());
  EXPECT_TRUE(form.Command2.Enabled());
  // Ctrl or Shift on a row neither takes the selection off it nor selects a second one. (Wine's
  // control takes no selection off on a Ctrl+click anyway; Windows' does.)
  ClickRow(2, MK_CONTROL);
  ClickRow(4, MK_SHIFT);
  ClickRow(4, MK_CONTROL);
  EXPECT_TRUE(TakeBoxes().empty());
  ASSERT_TRUE(form.ListView1.SelectedItem());
  EXPECT_EQ(form.ListView1.SelectedItem()->Index(), 5);
  EXPECT_EQ(SendMessageW(form.ListView1.hWnd(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
  EXPECT_TRUE(form.Command2.Enabled());
}

TEST_F(SongViewTest, ADoubleClickOnTheAddressCopiesIt) {
  Query(L"12345");
  ClickRow(2);
  DoubleClickAddressLabel(form);
  const auto shown = TakeBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, L"复制成功！");
  EXPECT_EQ(shown[0].title, L"复制");
  EXPECT_EQ(shown[0].icon, MessageBoxIcon::Information);
  EXPECT_EQ(runtime::clipboard::GetText(), L"http://" + ServiceHost() + L"/songs/night_song-2.wav");
  EXPECT_EQ(GetClipboardOwner(), form.hWnd());
}

TEST_F(SongViewTest, CopyingBeforeAnyClickPutsAnEmptyText) {
  runtime::clipboard::SetText(form.hWnd(), L"something else");
  DoubleClickAddressLabel(form);
  const auto shown = TakeBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, L"复制成功！");
  EXPECT_EQ(runtime::clipboard::GetText(), L"");
}

TEST_F(SongViewTest, TheArrangementBoxSwitchesViewModesUntilTheNextQuery) {
  Query(L"12345");
  const auto pick = [this](int index) {
    SendMessageW(form.Combo1.hWnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(form.hWnd(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(form.Combo1.hWnd()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(form.Combo1.hWnd()));
    FlushEvents();
  };
  pick(0);
  EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_SMALLICON));
  pick(2);
  EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_REPORT));
  pick(1);
  EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_LIST));
  EXPECT_EQ(ShownRowCount(), 8);
  Query(L"23456");
  EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_REPORT));
  EXPECT_EQ(form.Combo1.Text(), L"2");
}

}  // namespace
}  // namespace quavlet::test
