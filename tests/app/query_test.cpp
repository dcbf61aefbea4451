// The query as the user runs it: the number check, the request sent, the rows shown.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <thread>

#include "tests/app/main_window.h"
#include "tests/musiclist/music_service.h"
#include "tests/support/message_pump.h"
#include "tests/support/mouse_messages.h"

namespace quavlet::test {
namespace {

std::wstring SongAddress(std::wstring_view name) {
  return L"http://" + ServiceHost() + L"/songs/" + std::wstring(name) + L".wav";
}

using QueryTest = MainWindowTest;

TEST_F(QueryTest, RefusesNumbersOutsideFiveToTenDigitsAndSendsNothing) {
  Query(L"12345");
  const std::wstring before = LastRequestTarget();
  ASSERT_EQ(before, ExpectedTarget(L"12345"));
  for (const wchar_t* typed : {L"9999", L"10000000000", L"", L"qqnumber", L"-12345", L"1E999"}) {
    Query(typed);
    const auto shown = TakeBoxes();
    ASSERT_EQ(shown.size(), 1u) << typed;
    EXPECT_EQ(shown[0].text, L"QQ号为5至10位数字");
    EXPECT_EQ(shown[0].title, L"错误");
    EXPECT_EQ(shown[0].icon, MessageBoxIcon::Critical);
    EXPECT_EQ(LastRequestTarget(), before) << typed;
    EXPECT_EQ(ShownRowCount(), 8) << typed;  // the view stays as it was
  }
}

TEST_F(QueryTest, SendsTheNumberExactlyAsTyped) {
  for (const wchar_t* typed : {L"10000", L"9999999999", L" 12345 ", L"12345.5", L"1E5", L"12345abc",
                               L"&H2710"}) {
    Query(typed);
    EXPECT_TRUE(TakeBoxes().empty()) << typed;
    EXPECT_EQ(LastRequestTarget(), ExpectedTarget(typed)) << typed;
  }
}

TEST_F(QueryTest, EnterInTheNumberBoxQueriesLikeTheButton) {
  QueryWithEnter(L"23456");
  EXPECT_EQ(LastRequestTarget(), ExpectedTarget(L"23456"));
  EXPECT_EQ(ShownRowCount(), 3);
  QueryWithEnter(L"999");
  ASSERT_EQ(TakeBoxes().size(), 1u);
}

TEST_F(QueryTest, OtherKeysAreTypedIntoTheNumberBox) {
  SetQQText(L"");
  for (wchar_t key : std::wstring(L"12a45")) SendMessageW(form.QQ.hWnd(), WM_CHAR, key, 1);
  FlushEvents();
  EXPECT_EQ(form.QQ.Text(), L"12a45");
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(QueryTest, ShowsEverySongWithNumberTitleSingerAndAddress) {
  Query(L"12345");
  ASSERT_EQ(ShownRowCount(), 8);
  EXPECT_EQ(ShownHeaders(), (std::vector<std::wstring>{L"编号", L"歌曲", L"歌手", L"地址"}));
  // 8775 twips wide: 438.75, 1462.5, 975 and 5161.76 twips.
  EXPECT_EQ(ShownHeaderWidths(), (std::vector<int>{29, 98, 65, 344}));
  EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_REPORT));
  const std::vector<std::vector<std::wstring>> expected = {
      {L"1", L"清晨的鸟鸣", L"林小雨", SongAddress(L"morning_birds")},
      {L"2", L"Don't Stop", L"The Quavers", SongAddress(L"dont-stop")},
      {L"4", L"河流 100%", L"王五", SongAddress(L"river_100%")},
      {L"5", L"春风.十里", L"赵_六", SongAddress(L"spring.wind")},
  };
  for (const auto& row : expected) {
    const int index = std::stoi(row[0]) - 1;
    for (int column = 0; column < 4; ++column) {
      EXPECT_EQ(ShownCell(index, column), row[static_cast<size_t>(column)]) << index << "," << column;
    }
  }
  EXPECT_EQ(ShownCell(7, 0), L"8");
  EXPECT_TRUE(form.Command2.Enabled());
  EXPECT_TRUE(form.ListView1.Enabled());
  EXPECT_TRUE(form.Timer1.Enabled());
}

TEST_F(QueryTest, ReadsRepliesInGbkGb18030AndUtf8) {
  Query(L"20000");
  EXPECT_EQ(ShownCell(0, 1), L"朱镕基的镕");
  Query(L"40000");
  EXPECT_EQ(ShownCell(0, 1), L"吉祥的\xD842\xDFB7");
  Query(L"30000");
  EXPECT_EQ(ShownCell(0, 1), L"UTF-8 歌曲 ✓");
}

TEST_F(QueryTest, DecodesTheServicesReferencesAndKeepsTheOthers) {
  Query(L"60014");
  ASSERT_EQ(ShownRowCount(), 1);
  // Addresses decode ":" "." "_" "-" "%", keep " " "'" "/" written as references.
  EXPECT_EQ(ShownCell(0, 3), L"http://127.0.0.1/songs/a_b-c%41&#32;d&#39;e&#47;f.wav");
  EXPECT_EQ(form.List1.List(0), L"http://127.0.0.1/songs/a_b-c%41&#32;d&#39;e&#47;f.wav;");
  // Names decode all seven and keep "/".
  EXPECT_EQ(ShownCell(0, 1), L"Don't Stop:._-%&#47;");
  EXPECT_EQ(ShownCell(0, 2), L"A B'C&#47;D");
}

TEST_F(QueryTest, WaitsForASlowReply) {
  Query(L"60005");
  EXPECT_EQ(ShownRowCount(), 2);
}

TEST_F(QueryTest, TheWindowAnswersWhileAReplyTricklesIn) {
  Query(L"12345");
  StartQuery(L"60017");  // one byte a second
  FlushEvents();
  ASSERT_TRUE(form.QueryInFlight());
  EXPECT_EQ(ShownRowCount(), 0);  // emptied at the start, as ever
  EXPECT_EQ(Entries(form.List1).size(), 8u);
  // Another thread asks the window, as Windows does to tell a hung window, while this thread
  // goes about its messages; a window held by the load would answer none of it.
  const HWND window = form.hWnd();
  std::atomic<int> answered{0};
  std::atomic<bool> done{false};
  std::thread asker([&] {
    for (int round = 0; round < 5; ++round) {
      DWORD_PTR result = 0;
      if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result)) ++answered;
      Sleep(200);
    }
    done = true;
  });
  const bool asked = PumpUntil([&] { return done.load(); }, 60000);
  asker.join();
  EXPECT_TRUE(asked);
  EXPECT_EQ(answered, 5);
  EXPECT_TRUE(form.QueryInFlight());  // the reply is still coming in
}

TEST_F(QueryTest, ANewQueryTakesOverFromTheOneInFlight) {
  Query(L"12345");
  const int threadsBefore = ThreadCount();
  // A reply that never ends, then Enter with another number: the list is the one typed last.
  StartQuery(L"60017");
  ASSERT_TRUE(form.QueryInFlight());
  QueryWithEnter(L"23456");
  EXPECT_TRUE(form.loadOk);
  EXPECT_EQ(LastRequestTarget(), ExpectedTarget(L"23456"));
  ASSERT_EQ(ShownRowCount(), 3);
  EXPECT_EQ(ShownCell(0, 1), L"夜曲 二号");

  // A reply that comes after 3 seconds, overtaken by a quick one: nothing of the slow one
  // reaches the view, even once it could have come in.
  StartQuery(L"60005");
  ASSERT_TRUE(form.QueryInFlight());
  Query(L"12345");
  EXPECT_EQ(ShownRowCount(), 8);
  PumpFor(4000);
  EXPECT_EQ(ShownRowCount(), 8);
  EXPECT_EQ(Entries(form.List1).size(), 8u);
  EXPECT_EQ(ShownCell(1, 1), L"Don't Stop");
  // The loads given up do not linger either.
  EXPECT_TRUE(PumpUntil([&] { return form.musicQuery->Running() == 0; }, 10000));
  EXPECT_TRUE(PumpUntil([&] { return ThreadCount() <= threadsBefore; }, 10000))
      << ThreadCount() << " threads, " << threadsBefore << " before";
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(QueryTest, ClosingDuringALoadAsksThenEndsTheLoadWithTheWindow) {
  Query(L"12345");
  const int threadsBefore = ThreadCount();
  StartQuery(L"60017");
  ASSERT_TRUE(form.QueryInFlight());
  // The close picture, highlighted by the pointer, asks first; the answer is OK.
  constexpr POINT kClosePlace{580, 5};
  SendMouseMove(form.hWnd(), kClosePlace.x, kClosePlace.y);
  SendClick(form.hWnd(), MouseButton::Left, kClosePlace.x, kClosePlace.y);
  FlushEvents();
  const auto shown = TakeBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, L"提示");
  EXPECT_EQ(application.Find<Form1>(), nullptr);
  // The window's object goes as the program's loop lets it go: the load's thread with it.
  application.CollectClosedForms();
  EXPECT_TRUE(PumpUntil([&] { return ThreadCount() <= threadsBefore; }, 5000))
      << ThreadCount() << " threads, " << threadsBefore << " before";
}

}  // namespace
}  // namespace quavlet::test
