#include <gtest/gtest.h>

#include "player/PlaybackRules.h"
#include "tests/player/ScriptedPlayer.h"

namespace quavlet::player {
namespace {

using test::ScriptedPlayer;

struct RecordingPollTarget final : StatusPollTarget {
  std::vector<std::wstring> actions;
  void ShowStatusText(const std::wstring& status) override { actions.push_back(L"label " + status); }
  void ShowUnplayableNotice() override { actions.push_back(L"notice"); }
  void SetPlayPauseCaption(std::wstring_view caption) override {
    actions.push_back(L"caption " + std::wstring(caption));
  }
};

TEST(StatusPoll, EachStepReadsTheStatusAnew) {
  ScriptedPlayer player;
  RecordingPollTarget target;

  // The label gets the first read; the ready test sees only the second.
  player.ScriptStatuses({L"准备就绪", L"正在连接...", L"正在播放"});
  PollPlayerStatus(player, target);
  EXPECT_EQ(target.actions, (std::vector<std::wstring>{L"label 准备就绪", L"caption 暂/播"}));

  target.actions.clear();
  player.ScriptStatuses({L"正在播放", L"准备就绪", L"正在播放"});
  PollPlayerStatus(player, target);
  EXPECT_EQ(target.actions, (std::vector<std::wstring>{L"label 正在播放", L"notice"}));

  target.actions.clear();
  player.ScriptStatuses({L"正在播放", L"正在播放", L"已暂停"});
  PollPlayerStatus(player, target);
  EXPECT_EQ(target.actions, (std::vector<std::wstring>{L"label 正在播放"}));
}

TEST(StatusPoll, OtherStatusesOnlyShowInTheLabel) {
  for (const wchar_t* status : {L"", L"已暂停", L"正在连接...", L"正在缓冲: 40%", L"准备", L"正在"}) {
    ScriptedPlayer player;
    player.SetStatus(status);
    RecordingPollTarget target;
    PollPlayerStatus(player, target);
    EXPECT_EQ(target.actions, (std::vector<std::wstring>{std::wstring(L"label ") + status})) << status;
  }
}

struct CaptionButton final : PlayPauseButton {
  explicit CaptionButton(std::wstring initial) : caption(std::move(initial)) {}
  std::wstring caption;
  std::vector<std::wstring>* log = nullptr;
  std::wstring Caption() const override { return caption; }
  void SetCaption(std::wstring_view text) override {
    caption = text;
    if (log) log->push_back(L"caption " + caption);
  }
};

TEST(PlayPause, PausesAfterShowingTheResumeCaptionAndShowsThePauseCaptionAfterPlaying) {
  std::vector<std::wstring> order;
  ScriptedPlayer player;
  player.journal = &order;
  CaptionButton button(L"播/暂");
  button.log = &order;
  PressPlayPause(player, button);
  PressPlayPause(player, button);
  EXPECT_EQ(order, (std::vector<std::wstring>{L"caption 暂/播", L"Pause", L"Play", L"caption 播/暂"}));
}

TEST(PlayPause, AnyOtherCaptionDoesNothing) {
  for (const wchar_t* caption : {L"", L"播放", L"暂/播 ", L"Command2"}) {
    ScriptedPlayer player;
    CaptionButton button(caption);
    PressPlayPause(player, button);
    EXPECT_EQ(button.caption, caption);
    EXPECT_TRUE(player.calls().empty());
  }
}

TEST(PlaySelectedSong, StopsThenLoadsTheAddressAndPlays) {
  ScriptedPlayer player;
  bool stoppedBeforeReading = false;
  PlaySelectedSong(player, [&]() -> std::optional<std::wstring> {
    stoppedBeforeReading = player.calls() == std::vector<std::wstring>{L"Stop"};
    return L"http://127.0.0.1/song.wav";
  });
  EXPECT_TRUE(stoppedBeforeReading);
  EXPECT_EQ(player.calls(), (std::vector<std::wstring>{L"Stop", L"SetUrl http://127.0.0.1/song.wav", L"Play"}));
}

}  // namespace
}  // namespace quavlet::player
