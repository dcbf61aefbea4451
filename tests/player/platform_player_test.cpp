#include <gtest/gtest.h>

#include <windows.h>

#include "player/AddressGate.h"
#include "player/DirectShowPlayer.h"
#include "player/PlatformPlayer.h"
#include "player/WmpPlayer.h"
#include "tests/support/message_pump.h"

namespace quavlet::player {
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
  const auto* gate = dynamic_cast<AddressGate*>(player.get());
  ASSERT_TRUE(gate) << "song addresses come from the network: every player stands behind the gate";
  EXPECT_TRUE(dynamic_cast<DirectShowPlayer*>(&gate->player()));
  EXPECT_EQ(GetWindow(host.get(), GW_CHILD), nullptr) << "nothing is hosted in WP1's window";
}

TEST(PlatformPlayer, AShareOrLocalPathIsNeverOpened) {
  HostWindow host;
  auto player = CreatePlatformPlayer(host.get());
  ASSERT_TRUE(player);
  int openStateChanges = 0;
  player->SetOpenStateChangeHandler([&](long) { ++openStateChanges; });
  // A file that exists and would play: refused all the same, at once and for good.
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  for (const std::wstring& address : {std::wstring(windows) + L"\\win.ini", std::wstring(L"\\\\127.0.0.1\\c$\\a.wav"),
                                      std::wstring(L"file:///C:/windows/win.ini")}) {
    player->SetUrl(address);
    player->Play();
    test::PumpFor(300);
    const std::wstring status = player->Status();
    EXPECT_EQ(status.rfind(L"无法播放: 只能播放", 0), 0u) << status;
    EXPECT_NE(status.find(L"准备就绪"), std::wstring::npos) << status;
  }
  EXPECT_EQ(openStateChanges, 3);
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
}  // namespace quavlet::player
