#include <gtest/gtest.h>

#include "player/MediaAddress.h"
#include "player/PlayerStatus.h"

namespace quavlet {
namespace {

TEST(MediaAddress, WebAddressesAreHttpAndHttpsInAnyCase) {
  EXPECT_TRUE(IsWebAddress(L"http://127.0.0.1:18080/a.wav"));
  EXPECT_TRUE(IsWebAddress(L"HTTPS://example.test/a.mp3"));
  EXPECT_TRUE(IsWebAddress(L"Http://x"));
  EXPECT_FALSE(IsWebAddress(L"C:\\music\\a.wav"));
  EXPECT_FALSE(IsWebAddress(L"file:///C:/a.wav"));
  EXPECT_FALSE(IsWebAddress(L"http:/x"));
  EXPECT_FALSE(IsWebAddress(L""));
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
  EXPECT_EQ(player_status::Buffering(42), L"正在缓冲: 42%");
  EXPECT_EQ(player_status::Buffering(-1), L"正在缓冲...");
  EXPECT_EQ(player_status::Buffering(140), L"正在缓冲: 100%");
}

TEST(PlayerStatus, AFailureSaysWhyAndLeavesThePlayerReadyButNeverPlaying) {
  const std::wstring failure = player_status::Failure(L"无法下载该地址");
  EXPECT_EQ(failure.rfind(L"无法播放: 无法下载该地址", 0), 0u);
  EXPECT_NE(failure.find(kReadyStatus), std::wstring::npos);
  EXPECT_EQ(failure.find(kPlayingStatus), std::wstring::npos);
}

}  // namespace
}  // namespace quavlet
