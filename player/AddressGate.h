#pragma once

// Stands in front of a player and lets only playable addresses (IsPlayableAddress) through.
// Any other address is one the player cannot play: the media in the player is stopped, the
// status says why and reads ready, as after a dead address, and the open-state change is
// raised so that the status poll comes on and brings the notice.

#include <memory>
#include <string>

#include "player/MediaPlayer.h"

namespace quavlet::player {

class AddressGate final : public MediaPlayer {
 public:
  explicit AddressGate(std::unique_ptr<MediaPlayer> player);

  // The player behind the gate.
  MediaPlayer& player() const { return *player_; }

  void SetUrl(const std::wstring& url) override;
  void Stop() override;
  void Play() override;
  void Pause() override;
  std::wstring Status() override;
  void SetOpenStateChangeHandler(OpenStateChangeHandler handler) override;

 private:
  std::unique_ptr<MediaPlayer> player_;
  // The status while a refused address is the current one; empty otherwise.
  std::wstring refusal_;
  OpenStateChangeHandler onOpenStateChange_;
};

}  // namespace quavlet::player
