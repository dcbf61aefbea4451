#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <vector>

#include "player/DirectShowPlayer.h"
#include "player/PlaybackRules.h"
#include "player/UrlDownload.h"
#include "runtime/DelayLoad.h"
#include "tests/player/LoopbackHttpServer.h"
#include "tests/player/TemporaryFile.h"
#include "tests/player/WaveSound.h"
#include "tests/support/message_pump.h"

namespace quavlet::player {
namespace {

using test::PumpUntil;

constexpr DWORD kPlaybackTimeout = 15000;

bool Contains(const std::wstring& text, std::wstring_view part) { return text.find(part) != std::wstring::npos; }

// The temporary copies this process has made of web addresses.
std::vector<std::wstring> TemporaryCopies() {
  wchar_t folder[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, folder);
  const std::wstring pattern = std::wstring(folder) + L"quavlet-" + std::to_wstring(GetCurrentProcessId()) + L"-*";
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.emplace_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

class DirectShowPlayerTest : public testing::Test {
 protected:
  void SetUp() override {
    player_ = DirectShowPlayer::Create();
    ASSERT_TRUE(player_);
    player_->SetOpenStateChangeHandler([this](long state) { openStates_.push_back(state); });
  }

  bool StatusBecomes(std::wstring_view expected, DWORD timeout = kPlaybackTimeout) {
    return PumpUntil([&] { return player_->Status() == expected; }, timeout);
  }
  bool StatusSays(std::wstring_view part, DWORD timeout = kPlaybackTimeout) {
    return PumpUntil([&] { return Contains(player_->Status(), part); }, timeout);
  }

  // For a test whose media reaches the platform's decoders: under qemu's i386 user emulation
  // GStreamer could not map its plugins or allocate ("mmap() failed: Cannot allocate memory")
  // and the process ended, whatever the player did.
  static bool MediaCannotPlayHere() { return GetEnvironmentVariableW(L"QUAVLET_I386_EMULATED", nullptr, 0) > 0; }

  std::unique_ptr<DirectShowPlayer> player_;
  std::vector<long> openStates_;
};

#define SKIP_WHERE_MEDIA_CANNOT_PLAY()                                                               \
  if (MediaCannotPlayHere()) GTEST_SKIP() << "GStreamer cannot allocate in a 32-bit process under " \
                                             "qemu-i386 emulation"
// For a test with a loopback server that the player's download thread talks to: under the same
// emulation such a test ended the process ("qemu: uncaught target signal 11") before the player
// reported, even with urlmon never called.
#define SKIP_WHERE_DOWNLOADS_CANNOT_RUN()                                                                 \
  if (MediaCannotPlayHere()) GTEST_SKIP() << "a download test with a loopback server ends the process " \
                                             "under qemu-i386 emulation (uncaught signal 11)"

TEST_F(DirectShowPlayerTest, ALocalWaveFileConnectsPlaysAndIsStoppedAtTheEnd) {
  SKIP_WHERE_MEDIA_CANNOT_PLAY();
  test::TemporaryFile song(L"quavlet-test-tone.wav", test::ToneWave(800));
  EXPECT_EQ(player_->Status(), L"");

  player_->SetUrl(song.path());
  EXPECT_EQ(player_->Status(), L"正在连接...");
  EXPECT_EQ(openStates_, std::vector<long>{open_state::kMediaChanging});

  ASSERT_TRUE(StatusBecomes(L"正在播放")) << player_->Status();
  EXPECT_EQ(openStates_.back(), open_state::kMediaOpen);
  // A song played to its end must not read as one that cannot be played.
  ASSERT_TRUE(StatusBecomes(L"已停止")) << player_->Status();
  test::PumpFor(300);
  EXPECT_EQ(player_->Status(), L"已停止");
  // It stays loaded: play starts it again.
  player_->Play();
  EXPECT_EQ(player_->Status(), L"正在播放");
  ASSERT_TRUE(StatusBecomes(L"已停止")) << player_->Status();
}

TEST_F(DirectShowPlayerTest, PausePlayAndStopSayWhatTheyDid) {
  SKIP_WHERE_MEDIA_CANNOT_PLAY();
  test::TemporaryFile song(L"quavlet-test-long-tone.wav", test::ToneWave(6000));
  player_->SetUrl(song.path());
  ASSERT_TRUE(StatusBecomes(L"正在播放")) << player_->Status();
  player_->Pause();
  EXPECT_EQ(player_->Status(), L"已暂停");
  player_->Play();
  EXPECT_EQ(player_->Status(), L"正在播放");
  player_->Stop();
  EXPECT_EQ(player_->Status(), L"已停止");
  test::PumpFor(300);
  EXPECT_EQ(player_->Status(), L"已停止");
}

TEST_F(DirectShowPlayerTest, PauseBeforeTheMediaIsOpenHoldsItPaused) {
  SKIP_WHERE_MEDIA_CANNOT_PLAY();
  test::TemporaryFile song(L"quavlet-test-held-tone.wav", test::ToneWave(3000));
  player_->SetUrl(song.path());
  player_->Pause();
  ASSERT_TRUE(StatusBecomes(L"已暂停")) << player_->Status();
  test::PumpFor(300);
  EXPECT_EQ(player_->Status(), L"已暂停");
}

TEST_F(DirectShowPlayerTest, AFileThatCannotBeOpenedLeavesItReadyAndSaysWhy) {
  player_->SetUrl(L"C:\\no such folder\\no such song.wav");
  ASSERT_TRUE(StatusSays(L"无法播放")) << player_->Status();
  EXPECT_TRUE(Contains(player_->Status(), kReadyStatus));
  EXPECT_FALSE(Contains(player_->Status(), kPlayingStatus));
  // Play and pause after a failure leave the explanation in place.
  player_->Play();
  player_->Pause();
  EXPECT_TRUE(Contains(player_->Status(), L"无法播放"));
}

TEST_F(DirectShowPlayerTest, AFileThatIsNoMediaFailsCleanly) {
  SKIP_WHERE_MEDIA_CANNOT_PLAY();
  test::TemporaryFile text(L"quavlet-test-not-a-song.wav", std::string(4000, 'x'));
  player_->SetUrl(text.path());
  ASSERT_TRUE(StatusSays(L"无法播放")) << player_->Status();
  EXPECT_TRUE(Contains(player_->Status(), L"不支持该格式")) << player_->Status();
  EXPECT_TRUE(Contains(player_->Status(), kReadyStatus));
}

TEST_F(DirectShowPlayerTest, AnEmptyAddressFailsAtOnceAndStillRaisesTheOpenStateChange) {
  player_->SetUrl(L"");
  EXPECT_TRUE(Contains(player_->Status(), L"无法播放: 地址为空"));
  EXPECT_TRUE(Contains(player_->Status(), kReadyStatus));
  EXPECT_EQ(openStates_.size(), 1u);
}

TEST_F(DirectShowPlayerTest, AWebAddressIsFetchedPlayedAndItsCopyRemoved) {
  SKIP_WHERE_MEDIA_CANNOT_PLAY();
  test::LoopbackHttpServer server(test::ToneWave(800));
  server.HoldReplies();
  player_->SetUrl(server.Address(L"/songs/1.wav"));
  EXPECT_EQ(server.replies(), 0) << "setting the address must not wait for the network";
  EXPECT_EQ(player_->Status(), L"正在连接...");
  server.ReleaseReplies();
  ASSERT_TRUE(StatusBecomes(L"正在播放")) << player_->Status();
  EXPECT_EQ(server.requests(), 1);
  ASSERT_EQ(TemporaryCopies().size(), 1u);
  EXPECT_TRUE(Contains(TemporaryCopies()[0], L".wav"));
  ASSERT_TRUE(StatusBecomes(L"已停止")) << player_->Status();

  player_->SetUrl(L"");
  EXPECT_TRUE(TemporaryCopies().empty());
}

TEST_F(DirectShowPlayerTest, DestroyingThePlayerRemovesTheCopy) {
  SKIP_WHERE_MEDIA_CANNOT_PLAY();
  test::LoopbackHttpServer server(test::ToneWave(3000));
  player_->SetUrl(server.Address(L"/songs/2.wav"));
  ASSERT_TRUE(StatusBecomes(L"正在播放")) << player_->Status();
  ASSERT_EQ(TemporaryCopies().size(), 1u);
  player_.reset();
  EXPECT_TRUE(TemporaryCopies().empty());
}

TEST_F(DirectShowPlayerTest, AnAddressNobodyAnswersFailsWithoutHangingOrLeavingFiles) {
  const std::wstring address = L"http://127.0.0.1:" + std::to_wstring(test::UnusedLoopbackPort()) + L"/gone.mp3";
  player_->SetUrl(address);
  ASSERT_TRUE(StatusSays(L"无法播放")) << player_->Status();
  EXPECT_TRUE(Contains(player_->Status(), L"无法下载该地址"));
  EXPECT_TRUE(Contains(player_->Status(), kReadyStatus));
  EXPECT_TRUE(TemporaryCopies().empty());
}

TEST_F(DirectShowPlayerTest, AMissingPageFailsLikeAnUnreachableOne) {
  SKIP_WHERE_DOWNLOADS_CANNOT_RUN();
  test::LoopbackHttpServer server("", 404);
  player_->SetUrl(server.Address(L"/expired.mp3"));
  ASSERT_TRUE(StatusSays(L"无法播放")) << player_->Status();
  EXPECT_TRUE(Contains(player_->Status(), L"无法下载该地址")) << player_->Status();
  EXPECT_TRUE(TemporaryCopies().empty());
}

// urlmon is loaded at the first download: a system without it cannot fetch the song, and the
// player says so like for any address it cannot fetch.
TEST_F(DirectShowPlayerTest, WithoutTheDownloadDllAWebAddressFailsLikeAnUnreachableOne) {
  SKIP_WHERE_DOWNLOADS_CANNOT_RUN();
  test::LoopbackHttpServer server(test::ToneWave(800));
  runtime::SetDelayLoadMissingForTests(L"urlmon.dll");
  player_->SetUrl(server.Address(L"/songs/1.wav"));
  const bool failed = StatusSays(L"无法播放");
  runtime::SetDelayLoadMissingForTests(L"");
  ASSERT_TRUE(failed) << player_->Status();
  EXPECT_TRUE(Contains(player_->Status(), L"无法下载该地址")) << player_->Status();
  EXPECT_TRUE(Contains(player_->Status(), kReadyStatus));
  EXPECT_EQ(server.requests(), 0);
  EXPECT_TRUE(TemporaryCopies().empty());
}

TEST_F(DirectShowPlayerTest, ANewAddressWinsOverAFetchStillUnderway) {
  SKIP_WHERE_MEDIA_CANNOT_PLAY();
  test::LoopbackHttpServer first(test::ToneWave(6000));
  test::LoopbackHttpServer second(test::ToneWave(500));
  player_->SetUrl(first.Address(L"/first.wav"));
  player_->SetUrl(second.Address(L"/second.wav"));
  ASSERT_TRUE(StatusBecomes(L"正在播放")) << player_->Status();
  ASSERT_TRUE(StatusBecomes(L"已停止")) << player_->Status();
  // The first fetch, abandoned, never takes over, and neither copy outlives its use.
  test::PumpFor(500);
  EXPECT_EQ(player_->Status(), L"已停止");
  player_->SetUrl(L"");
  EXPECT_TRUE(PumpUntil([] { return TemporaryCopies().empty(); }, 5000));
}

TEST_F(DirectShowPlayerTest, StopWhileFetchingGivesTheFetchUp) {
  SKIP_WHERE_DOWNLOADS_CANNOT_RUN();
  test::LoopbackHttpServer server(test::ToneWave(2000));
  player_->SetUrl(server.Address(L"/song.wav"));
  player_->Stop();
  EXPECT_EQ(player_->Status(), L"已停止");
  test::PumpFor(1000);
  EXPECT_EQ(player_->Status(), L"已停止");
  EXPECT_TRUE(PumpUntil([] { return TemporaryCopies().empty(); }, 5000));
}

// The download's posts, watched: its first progress report waits (a while at most) for the
// test to have destroyed the download, and every post notes whether that had happened already.
constexpr UINT kProgressMessage = WM_APP + 11;
constexpr UINT kDoneMessage = WM_APP + 12;
struct PostWatch {
  HANDLE reporting = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE destroyed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<int> posts{0};
  std::atomic<bool> postedAfterDestroyed{false};
  ~PostWatch() {
    CloseHandle(reporting);
    CloseHandle(destroyed);
  }
};
PostWatch* postWatch = nullptr;

BOOL WINAPI WatchedPost(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProgressMessage && postWatch->posts++ == 0) {
    SetEvent(postWatch->reporting);
    WaitForSingleObject(postWatch->destroyed, 1000);
  }
  if (WaitForSingleObject(postWatch->destroyed, 0) == WAIT_OBJECT_0) postWatch->postedAfterDestroyed = true;
  return PostMessageW(window, message, wParam, lParam);
}

TEST(UrlDownloadTest, NothingIsPostedOnceTheDownloadHasBeenDestroyed) {
  test::LoopbackHttpServer server(test::ToneWave(3000));
  PostWatch watch;
  postWatch = &watch;
  const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  wchar_t folder[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, folder);
  const std::wstring path = std::wstring(folder) + L"quavlet-" + std::to_wstring(GetCurrentProcessId()) + L"-posts.wav";
  auto download = std::make_unique<UrlDownload>(server.Address(L"/song.wav"), path,
                                                UrlDownload::Notification{window, kProgressMessage, kDoneMessage, 1,
                                                                          WatchedPost});
  ASSERT_EQ(WaitForSingleObject(watch.reporting, 15000), WAIT_OBJECT_0) << "the download reports its progress";
  // Destroyed while a report is on its way: the report either went before, or never goes. (The
  // owner may destroy its window right after.)
  download.reset();
  SetEvent(watch.destroyed);
  EXPECT_TRUE(PumpUntil([] { return TemporaryCopies().empty(); }, 10000));
  test::PumpFor(300);
  EXPECT_FALSE(watch.postedAfterDestroyed);
  DestroyWindow(window);
  postWatch = nullptr;
}

}  // namespace
}  // namespace quavlet::player
