#include "player/PlayerControl.h"

#include "player/PlatformPlayer.h"
#include "runtime/Controls.h"

namespace quavlet::player {

PlayerControl::PlayerControl() : WindowedControl(runtime::HostWindow::kClassName) {}

PlayerControl::~PlayerControl() {
  // The player goes before the window that may hold it.
  player_.reset();
}

void PlayerControl::OnCreated() {
  if (!player_) UsePlayer(CreatePlatformPlayer(hWnd()));
}

void PlayerControl::UsePlayer(std::unique_ptr<MediaPlayer> player) {
  player_ = std::move(player);
  if (!player_) return;
  player_->SetOpenStateChangeHandler([this](long newState) {
    runtime::Raise(OpenStateChange, static_cast<std::int32_t>(newState));
  });
}

void PlayerControl::SetUrl(const std::wstring& url) {
  if (player_) player_->SetUrl(url);
}

void PlayerControl::Stop() {
  if (player_) player_->Stop();
}

void PlayerControl::Play() {
  if (player_) player_->Play();
}

void PlayerControl::Pause() {
  if (player_) player_->Pause();
}

std::wstring PlayerControl::Status() { return player_ ? player_->Status() : std::wstring(); }

}  // namespace quavlet::player
