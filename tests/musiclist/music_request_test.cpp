#include "musiclist/MusicRequest.h"

#include <gtest/gtest.h>

namespace quavlet::musiclist {
namespace {

TEST(MusicServiceHost, DefaultsToTheLocalDemoService) {
  EXPECT_EQ(MusicServiceHost(nullptr), L"127.0.0.1:18080");
  EXPECT_EQ(MusicServiceHost(L""), L"127.0.0.1:18080");
  EXPECT_EQ(MusicServiceHost(L"  "), L"127.0.0.1:18080");
}

TEST(MusicServiceHost, TakesTheEnvironmentsHostOrHostAndPort) {
  EXPECT_EQ(MusicServiceHost(L"127.0.0.1:9000"), L"127.0.0.1:9000");
  EXPECT_EQ(MusicServiceHost(L" localhost "), L"localhost");
}

TEST(BuildRequestAddress, CarriesTheTextExactlyAsTyped) {
  const std::wstring tail = L"&TYPE=16&PAGE_START=1&PAGE_END=10000&SELECT_FLAG=1";
  const std::wstring head = L"http://h:1/fcg-bin/fcgi_agent_zhenghe.fcg?UIN=";
  EXPECT_EQ(BuildRequestAddress(L"h:1", L"12345"), head + L"12345" + tail);
  EXPECT_EQ(BuildRequestAddress(L"h:1", L" 12345 "), head + L" 12345 " + tail);
  EXPECT_EQ(BuildRequestAddress(L"h:1", L"1E5"), head + L"1E5" + tail);
  EXPECT_EQ(BuildRequestAddress(L"h:1", L"12345abc"), head + L"12345abc" + tail);
  EXPECT_EQ(BuildRequestAddress(L"h:1", L"12345.5"), head + L"12345.5" + tail);
}

}  // namespace
}  // namespace quavlet::musiclist
