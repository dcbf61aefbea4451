#include <gtest/gtest.h>

#include <windows.h>

#include "player/DirectShowPlayer.h"
#include "player/PlatformPlayer.h"
#include "player/WmpPlayer.h"
#include "tests/support/message_pump.h"

namespace quavlet {
namespace {

class HostWindow {
 public:
  HostWindow() {
    window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 585, 45, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  ~HostWindow() { DestroyWindow(window_); }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

TEST(PlatformPlayer, UnderWineOurOwnPlayerStandsInForTheMediaPlayerControl) {
  if (!RunningOnWine()) GTEST_SKIP() << "on Windows the control itself is used";
  HostWindow host;
  auto player = CreatePlatformPlayer(host.get());
  ASSERT_TRUE(player);
  EXPECT_TRUE(dynamic_cast<DirectShowPlayer*>(player.get()));
  EXPECT_EQ(GetWindow(host.get(), GW_CHILD), nullptr) << "nothing is hosted in WP1's window";
}

TEST(PlatformPlayer, AMediaPlayerControlThatReportsNoStatusIsRefused) {
  // Known Wine difference: its control answers E_NOTIMPL for the status, so it is no use to
  // the status poll. On Windows the control is accepted and reports an empty status at first.
  HostWindow host;
  RECT bounds{0, 0, 585, 45};
  auto control = WmpPlayer::Create(host.get(), bounds, 0);
  if (RunningOnWine()) {
    EXPECT_FALSE(control);
    EXPECT_EQ(GetWindow(host.get(), GW_CHILD), nullptr) << "and its host window is gone again";
  } else {
    ASSERT_TRUE(control);
    EXPECT_EQ(control->Status(), L"");
  }
}

}  // namespace
}  // namespace quavlet
