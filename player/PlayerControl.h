#pragma once

// WP1, the main window's embedded player: a child window that holds the player's place and
// tab position, with the player behind it. The platform's player is chosen when the window
// is created; UsePlayer puts another in its place (the tests' scripted one).

#include <cstdint>
#include <functional>
#include <memory>

#include "player/MediaPlayer.h"
#include "runtime/WindowedControl.h"

namespace quavlet::player {

class PlayerControl final : public runtime::WindowedControl, public MediaPlayer {
 public:
  PlayerControl();
  ~PlayerControl() override;

  // Raised with the new open state whenever the player's open state changes.
  std::function<void(std::int32_t NewState)> OpenStateChange;

  void UsePlayer(std::unique_ptr<MediaPlayer> player);
  bool HasPlayer() const { return static_cast<bool>(player_); }

  // The player's members; without a player they do nothing and the status is empty.
  void SetUrl(const std::wstring& url) override;
  void Stop() override;
  void Play() override;
  void Pause() override;
  std::wstring Status() override;
  // The control's own event is OpenStateChange; this one is not used.
  void SetOpenStateChangeHandler(OpenStateChangeHandler) override {}

 protected:
  DWORD Style() const override { return WS_CLIPCHILDREN; }
  void OnCreated() override;

 private:
  std::unique_ptr<MediaPlayer> player_;
};

}  // namespace quavlet::player
