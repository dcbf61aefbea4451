#include <gtest/gtest.h>

#include "player/AddressGate.h"
#include "player/MediaAddress.h"
#include "player/PlayerStatus.h"
#include "tests/player/ScriptedPlayer.h"

namespace quavlet::player {
namespace {

using namespace std::literals;

TEST(MediaAddress, WebAddressesAreHttpAndHttpsInAnyCase) {
  EXPECT_TRUE(IsWebAddress(L"http://127.0.0.1:18080/a.wav"));
  EXPECT_TRUE(IsWebAddress(L"HTTPS://example.test/a.mp3"));
  EXPECT_TRUE(IsWebAddress(L"Http://x"));
  EXPECT_FALSE(IsWebAddress(L"C:\\music\\a.wav"));
  EXPECT_FALSE(IsWebAddress(L"file:///C:/a.wav"));
  EXPECT_FALSE(IsWebAddress(L"http:/x"));
  EXPECT_FALSE(IsWebAddress(L""));
}

TEST(MediaAddress, OnlyNetworkMediaAddressesArePlayable) {
  for (const wchar_t* address : {L"http://127.0.0.1:18080/songs/a.wav", L"HTTPS://music.example/a.mp3",
                                 L"mms://media.example/live", L"RTSP://media.example:554/a", L"http://host",
                                 L"http://host?x=1", L"http://user@host/a\\b.mp3"}) {
    EXPECT_TRUE(IsPlayableAddress(address)) << address;
  }
  for (const wchar_t* address :
       {L"", L"C:\\music\\a.wav", L"\\\\server\\share\\a.mp3", L"//server/share/a.mp3", L"file:///C:/a.wav",
        L"file://server/share/a.mp3", L"ftp://host/a.mp3", L"javascript:alert(1)", L"http:\\\\server\\share",
        L"http:/host/a.mp3", L"http://", L"http:///a.mp3", L"http://server\\share/a.mp3", L"https:host/a.mp3",
        L" http://host/a.mp3", L"httpx://host/a.mp3", L"res://host/a", L"a.mp3"}) {
    EXPECT_FALSE(IsPlayableAddress(address)) << address;
  }
  // A NUL or line end would cut or split the address in some layer below.
  EXPECT_FALSE(IsPlayableAddress(L"http://host/a.mp3\0\\\\server\\x"sv));
  EXPECT_FALSE(IsPlayableAddress(L"http://host/a.mp3\r\nHost: other"));
}

TEST(AddressGate, PassesPlayableAddressesAndRefusesTheRestAsUnplayable) {
  auto owned = std::make_unique<test::ScriptedPlayer>();
  test::ScriptedPlayer& player = *owned;
  AddressGate gate(std::move(owned));
  std::vector<long> openStates;
  gate.SetOpenStateChangeHandler([&](long state) { openStates.push_back(state); });
  player.SetStatus(L"正在播放");

  gate.SetUrl(L"http://host/a.mp3");
  gate.Play();
  EXPECT_EQ(gate.Status(), L"正在播放");
  ASSERT_TRUE(player.HasOpenStateChangeHandler());
  player.RaiseOpenStateChange();
  EXPECT_EQ(openStates, std::vector<long>{open_state::kMediaOpen});

  // A share path never reaches the player; what it held is stopped, and the status says why
  // and reads ready, so the poll brings the notice as for a dead address.
  player.ClearCalls();
  gate.SetUrl(L"\\\\server\\share\\a.mp3");
  EXPECT_EQ(player.calls(), std::vector<std::wstring>{L"Stop"});
  const std::wstring status = gate.Status();
  EXPECT_EQ(status.rfind(L"无法播放: 只能播放 http、https、mms 或 rtsp 网址", 0), 0u) << status;
  EXPECT_NE(status.find(kReadyStatus), std::wstring::npos);
  EXPECT_EQ(openStates.back(), open_state::kMediaChanging) << "the poll must come on";
  // Play and pause must not bring back the previous song.
  gate.Play();
  gate.Pause();
  EXPECT_EQ(player.calls(), std::vector<std::wstring>{L"Stop"});
  EXPECT_EQ(gate.Status(), status);

  gate.SetUrl(L"");
  EXPECT_EQ(gate.Status().rfind(L"无法播放: 地址为空", 0), 0u);

  // The next playable address is the player's again.
  player.ClearCalls();
  gate.SetUrl(L"rtsp://host/b");
  gate.Play();
  EXPECT_EQ(player.calls(), (std::vector<std::wstring>{L"SetUrl rtsp://host/b", L"Play"}));
  EXPECT_EQ(gate.Status(), L"正在播放");
}

TEST(MediaAddress, ExtensionComesFromTheLastPathSegment) {
  EXPECT_EQ(MediaFileExtension(L"http://127.0.0.1:18080/songs/3.wav"), L".wav");
  EXPECT_EQ(MediaFileExtension(L"http://host/a/B.MP3?from=qzone&x=y.exe"), L".mp3");
  EXPECT_EQ(MediaFileExtension(L"http://host/a/song.flac#t=10"), L".flac");
  EXPECT_EQ(MediaFileExtension(L"C:\\music\\song.wma"), L".wma");
}

TEST(MediaAddress, ImplausibleExtensionsFallBackToTmp) {
  EXPECT_EQ(MediaFileExtension(L"http://host.example.com"), L".tmp");        // the host's dots are no extension
  EXPECT_EQ(MediaFileExtension(L"http://host.example.com/"), L".tmp");
  EXPECT_EQ(MediaFileExtension(L"http://host/dir.v2/song"), L".tmp");       // a folder's dot
  EXPECT_EQ(MediaFileExtension(L"http://host/song.toolongext"), L".tmp");
  EXPECT_EQ(MediaFileExtension(L"http://host/song."), L".tmp");
  EXPECT_EQ(MediaFileExtension(L"http://host/song.w v"), L".tmp");
  EXPECT_EQ(MediaFileExtension(L"http://host/song.歌"), L".tmp");
  EXPECT_EQ(MediaFileExtension(L"http://host/..\\..\\x.wav/.."), L".tmp");
  EXPECT_EQ(MediaFileExtension(L""), L".tmp");
}

TEST(PlayerStatus, WordsAsTheControlDoes) {
  EXPECT_EQ(player::status::Buffering(42), L"正在缓冲: 42%");
  EXPECT_EQ(player::status::Buffering(-1), L"正在缓冲...");
  EXPECT_EQ(player::status::Buffering(140), L"正在缓冲: 100%");
}

TEST(PlayerStatus, AFailureSaysWhyAndLeavesThePlayerReadyButNeverPlaying) {
  const std::wstring failure = player::status::Failure(L"无法下载该地址");
  EXPECT_EQ(failure.rfind(L"无法播放: 无法下载该地址", 0), 0u);
  EXPECT_NE(failure.find(kReadyStatus), std::wstring::npos);
  EXPECT_EQ(failure.find(kPlayingStatus), std::wstring::npos);
}

}  // namespace
}  // namespace quavlet::player
