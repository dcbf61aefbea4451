#include <gtest/gtest.h>

#include <windows.h>

#include "tests/app/MainWindowFixture.h"

namespace quavlet {
namespace {

using test::FlushEvents;
using test::PumpFor;
using test::PumpUntil;

using Calls = std::vector<std::wstring>;

// How long a wait lasts before what it waits for counts as never coming; a slow machine's late
// tick comes well before.
constexpr DWORD kNeverHappens = 20000;

class PlayerHandlersTest : public test::MainWindowFixture {};

TEST_F(PlayerHandlersTest, WP1LiesOutsideTheClientAreaInTheTabOrderAfterTheSongList) {
  const HWND player = form_->WP1.hWnd();
  ASSERT_TRUE(player);
  RECT bounds;
  GetWindowRect(player, &bounds);
  MapWindowPoints(HWND_DESKTOP, form_->hWnd(), reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ(bounds.left, 600);
  EXPECT_EQ(bounds.top, 280);
  EXPECT_EQ(bounds.right - bounds.left, 585);
  EXPECT_EQ(bounds.bottom - bounds.top, 45);
  RECT client;
  GetClientRect(form_->hWnd(), &client);
  EXPECT_GE(bounds.left, client.right) << "never seen";

  const LONG style = GetWindowLongW(player, GWL_STYLE);
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_TRUE(style & WS_TABSTOP);
  form_->ListView1.SetFocus();
  form_->FocusNextControl(false);
  EXPECT_EQ(GetFocus(), player);
  form_->FocusNextControl(false);
  EXPECT_EQ(GetFocus(), form_->Command4.hWnd());
}

TEST_F(PlayerHandlersTest, ThePlatformsPlayerIsInPlaceBeforeATestReplacesIt) {
  Form1& second = application_.Load<Form1>();  // the one already open
  EXPECT_EQ(&second, form_);
  runtime::Application other(GetModuleHandleW(nullptr));
  Form1& fresh = other.Load<Form1>();
  EXPECT_TRUE(fresh.WP1.HasPlayer());
  EXPECT_EQ(fresh.WP1.Status(), L"");
  fresh.Unload();
  FlushEvents();
}

TEST_F(PlayerHandlersTest, ThePollIsOffUntilThePlayersOpenStateChanges) {
  EXPECT_FALSE(form_->Timer1.Enabled());
  EXPECT_EQ(form_->Label8.Caption(), L"");
  const ULONGLONG switchedOn = GetTickCount64();
  player_->RaiseOpenStateChange(player::open_state::kMediaChanging);
  EXPECT_TRUE(form_->Timer1.Enabled());
  // The first look at the player comes a second later, not before (20 ms allowed for the tick
  // count, which moves in steps).
  ASSERT_TRUE(PumpUntil([this] { return !player_->calls().empty(); }, kNeverHappens));
  EXPECT_GE(GetTickCount64() - switchedOn + 20, 1000u);
  EXPECT_EQ(player_->calls().front(), L"Status");
  // Whatever the state: an undefined one switches it on as well.
  form_->Timer1.SetEnabled(false);
  player_->RaiseOpenStateChange(player::open_state::kUndefined);
  EXPECT_TRUE(form_->Timer1.Enabled());
}

TEST_F(PlayerHandlersTest, ATickShowsTheStatusAndSetsTheResumeCaptionWhilePlaying) {
  player_->SetStatus(L"正在播放");
  form_->Timer1_Timer();
  EXPECT_EQ(form_->Label8.Caption(), L"正在播放");
  EXPECT_EQ(form_->Command2.Text(), L"暂/播");
  EXPECT_FALSE(Overlay());
}

TEST_F(PlayerHandlersTest, ATickReadsTheStatusAfreshAtEachOfItsSteps) {
  player_->ScriptStatuses({L"正在连接...", L"正在缓冲: 50%", L"正在播放"});
  form_->Timer1_Timer();
  EXPECT_EQ(form_->Label8.Caption(), L"正在连接...");
  EXPECT_EQ(form_->Command2.Text(), L"暂/播");
  EXPECT_FALSE(Overlay());

  form_->Command2.SetText(L"播/暂");
  player_->ScriptStatuses({L"正在播放", L"准备就绪", L"正在播放"});
  form_->Timer1_Timer();
  EXPECT_EQ(form_->Label8.Caption(), L"正在播放");
  EXPECT_TRUE(OverlayShown());
  EXPECT_EQ(form_->Command2.Text(), L"播/暂");
}

TEST_F(PlayerHandlersTest, AStatusHoldingBothTextsCountsAsReadyOnly) {
  player_->SetStatus(L"正在播放 准备就绪");
  form_->Timer1_Timer();
  EXPECT_TRUE(OverlayShown());
  EXPECT_EQ(form_->Command2.Text(), L"播/暂");
  EXPECT_EQ(player_->calls().size(), 2u) << "the tick ends after the ready test";
}

TEST_F(PlayerHandlersTest, OtherStatusesChangeOnlyTheLabel) {
  player_->SetStatus(L"已暂停");
  form_->Timer1_Timer();
  EXPECT_EQ(form_->Label8.Caption(), L"已暂停");
  EXPECT_EQ(form_->Command2.Text(), L"播/暂");
  EXPECT_FALSE(Overlay());
}

TEST_F(PlayerHandlersTest, Command2AlternatesItsCaptionsAndPausesAndResumes) {
  form_->Command2.SetEnabled(true);
  EXPECT_EQ(form_->Command2.Text(), L"播/暂");
  SendMessageW(form_->Command2.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form_->Command2.Text(), L"暂/播");
  SendMessageW(form_->Command2.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form_->Command2.Text(), L"播/暂");
  SendMessageW(form_->Command2.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form_->Command2.Text(), L"暂/播");
  EXPECT_EQ(player_->calls(), (Calls{L"Pause", L"Play", L"Pause"}));
}

TEST_F(PlayerHandlersTest, WhilePlayingEachTickSetsTheResumeCaptionAgain) {
  // Playing: the tick shows "暂/播"; a press resumes and shows "播/暂" until the next tick.
  player_->SetStatus(L"正在播放");
  form_->Timer1_Timer();
  form_->Command2_Click();
  EXPECT_EQ(form_->Command2.Text(), L"播/暂");
  form_->Timer1_Timer();
  EXPECT_EQ(form_->Command2.Text(), L"暂/播");
  player_->ClearCalls();
  form_->Command2_Click();
  EXPECT_EQ(player_->calls(), Calls{L"Play"});
}

TEST_F(PlayerHandlersTest, Command2WithAnyOtherCaptionOnlyClearsTheDrawing) {
  form_->Command2.SetText(L"Command2");
  UpdateWindow(form_->hWnd());
  form_->Command2_Click();
  EXPECT_EQ(form_->Command2.Text(), L"Command2");
  EXPECT_TRUE(player_->calls().empty());
  // The run-time drawing is cleared: the whole surface is to be painted again.
  RECT dirty{};
  ASSERT_TRUE(GetUpdateRect(form_->hWnd(), &dirty, FALSE));
  RECT client;
  GetClientRect(form_->hWnd(), &client);
  EXPECT_TRUE(EqualRect(&dirty, &client));
}

TEST_F(PlayerHandlersTest, ADoubleClickWithNoSelectedRowOnlyStopsThePlayer) {
  form_->ListView1.SetEnabled(true);
  form_->ListView1_DblClick();
  FlushEvents();
  EXPECT_EQ(player_->calls(), Calls{L"Stop"});
  EXPECT_FALSE(form_->Timer1.Enabled());
  EXPECT_EQ(form_->Command2.Text(), L"播/暂");
  // No message box or other window came up.
  EXPECT_EQ(GetActiveWindow(), form_->hWnd());
}

TEST_F(PlayerHandlersTest, TheRealPollTicksOnceASecond) {
  player_->SetStatus(L"正在播放");
  const ULONGLONG start = GetTickCount64();
  player_->RaiseOpenStateChange();
  ASSERT_TRUE(PumpUntil([&] { return form_->Label8.Caption() == L"正在播放"; }, kNeverHappens));
  EXPECT_GE(GetTickCount64() - start, 900u);
  EXPECT_EQ(form_->Command2.Text(), L"暂/播");
}

TEST_F(PlayerHandlersTest, ReadyBringsTheOverlayWhichStopsThePollAfterItsOwnSecondAndAHalf) {
  player_->SetStatus(L"准备就绪");
  player_->RaiseOpenStateChange();
  ASSERT_TRUE(PumpUntil([&] { return OverlayShown(); }, kNeverHappens));
  const HWND overlay = Overlay()->hWnd();
  // Nothing is pumped meanwhile: the poll's next tick and the overlay's own are both due.
  Sleep(1700);
  MSG tick{};
  while (tick.hwnd != form_->hWnd()) {  // the poll's tick, past any of a control's
    ASSERT_TRUE(PeekMessageW(&tick, form_->hWnd(), WM_TIMER, WM_TIMER, PM_REMOVE));
    DispatchMessageW(&tick);
  }
  // That tick found the overlay open: it is not loaded anew and its time runs from the first
  // showing, so its own tick is still due.
  ASSERT_TRUE(Overlay());
  EXPECT_EQ(Overlay()->hWnd(), overlay);
  EXPECT_TRUE(PeekMessageW(&tick, overlay, WM_TIMER, WM_TIMER, PM_NOREMOVE)) << "the overlay's run was restarted";
  ASSERT_TRUE(PumpUntil([&] { return !Overlay(); }, kNeverHappens));
  EXPECT_FALSE(form_->Timer1.Enabled());

  // The poll stays off and the label frozen until the next open-state change.
  player_->SetStatus(L"正在播放");
  PumpFor(1300);
  EXPECT_EQ(form_->Label8.Caption(), L"准备就绪");
  EXPECT_FALSE(Overlay());
  player_->RaiseOpenStateChange();
  EXPECT_TRUE(PumpUntil([&] { return form_->Label8.Caption() == L"正在播放"; }, kNeverHappens));
}

TEST_F(PlayerHandlersTest, AnOverlayClosedByAClickLeavesThePollRunningAndComesBack) {
  player_->SetStatus(L"准备就绪");
  player_->RaiseOpenStateChange();
  ASSERT_TRUE(PumpUntil([&] { return OverlayShown(); }, kNeverHappens));
  Overlay()->Image3_Click();
  FlushEvents();
  EXPECT_FALSE(Overlay());
  EXPECT_TRUE(form_->Timer1.Enabled());
  EXPECT_TRUE(PumpUntil([&] { return OverlayShown(); }, kNeverHappens)) << "the next tick with the same status opens it again";
}

// Two songs in the view, as a query leaves them.
void FillTwoSongs(Form1& form) {
  musiclist::ListView& view = form.ListView1;
  view.SetView(musiclist::kListViewReport);
  for (const wchar_t* header : {L"编号", L"歌曲", L"歌手", L"地址"}) view.ColumnHeaders().Add(header, 1500);
  for (int row = 1; row <= 2; ++row) {
    musiclist::ListItem item = view.ListItems().Add(std::to_wstring(row));
    item.SetSubItems(1, L"歌" + std::to_wstring(row));
    item.SetSubItems(2, L"歌手");
    item.SetSubItems(3, L"http://127.0.0.1:18080/songs/" + std::to_wstring(row) + L".wav");
  }
  view.SetEnabled(true);
  FlushEvents();  // the view takes its new rows from the message loop
}

// A double-click on a row of the view as the pointer gives it.
void DoubleClickRow(HWND view, int row) {
  RECT bounds{LVIR_LABEL, 0, 0, 0};
  SendMessageW(view, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
  const LPARAM at = MAKELPARAM(bounds.left + 4, (bounds.top + bounds.bottom) / 2);
  // Each release waits in the queue before its press is sent: the view follows a press until
  // it finds the release there.
  for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
    PostMessageW(view, WM_LBUTTONUP, 0, at);
    SendMessageW(view, press, MK_LBUTTON, at);
    FlushEvents();
  }
}

TEST_F(PlayerHandlersTest, ADoubleClickOnARowStopsThenPlaysItsAddress) {
  FillTwoSongs(*form_);
  DoubleClickRow(form_->ListView1.hWnd(), 1);
  EXPECT_EQ(player_->calls(), (Calls{L"Stop", L"SetUrl http://127.0.0.1:18080/songs/2.wav", L"Play"}));
  // The caption and the poll are not touched by the double-click itself.
  EXPECT_EQ(form_->Command2.Text(), L"播/暂");
  EXPECT_FALSE(form_->Timer1.Enabled());
}

TEST_F(PlayerHandlersTest, ADoubleClickBringsThePollBackAfterTheOverlayStoppedIt) {
  FillTwoSongs(*form_);
  player_->raiseOnSetUrl = true;  // the open-state change follows the new address, as the control's does
  form_->Timer1.SetEnabled(false);
  DoubleClickRow(form_->ListView1.hWnd(), 0);
  EXPECT_TRUE(form_->Timer1.Enabled());
}

}  // namespace
}  // namespace quavlet
