#include "player/AddressGate.h"

#include "player/MediaAddress.h"
#include "player/PlayerStatus.h"

namespace quavlet::player {

AddressGate::AddressGate(std::unique_ptr<MediaPlayer> player) : player_(std::move(player)) {}

void AddressGate::SetUrl(const std::wstring& url) {
  if (IsPlayableAddress(url)) {
    refusal_.clear();
    player_->SetUrl(url);
    return;
  }
  // The previous media must not go on as if it were this one.
  player_->Stop();
  refusal_ = player::status::Failure(RefusalReason(url));
  if (auto handler = onOpenStateChange_) handler(open_state::kMediaChanging);
}

void AddressGate::Stop() { player_->Stop(); }

void AddressGate::Play() {
  // Nothing to play: what the player still holds is the previous song.
  if (refusal_.empty()) player_->Play();
}

void AddressGate::Pause() {
  if (refusal_.empty()) player_->Pause();
}

std::wstring AddressGate::Status() { return refusal_.empty() ? player_->Status() : refusal_; }

void AddressGate::SetOpenStateChangeHandler(OpenStateChangeHandler handler) {
  onOpenStateChange_ = handler;
  player_->SetOpenStateChangeHandler(std::move(handler));
}

}  // namespace quavlet::player
