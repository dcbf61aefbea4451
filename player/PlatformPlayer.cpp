#include "player/PlatformPlayer.h"

#include "player/AddressGate.h"
#include "player/DirectShowPlayer.h"
#include "player/WmpPlayer.h"

namespace quavlet::player {

bool RunningOnWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

namespace {

std::unique_ptr<MediaPlayer> CreateUngatedPlayer(HWND host) {
  if (!RunningOnWine()) {
    RECT bounds{};
    GetClientRect(host, &bounds);
    if (auto control = WmpPlayer::Create(host, bounds, 0)) return control;
  }
  return DirectShowPlayer::Create();
}

}  // namespace

std::unique_ptr<MediaPlayer> CreatePlatformPlayer(HWND host) {
  auto player = CreateUngatedPlayer(host);
  if (!player) return nullptr;
  return std::make_unique<AddressGate>(std::move(player));
}

}  // namespace quavlet::player
