#include "player/PlaybackRules.h"

namespace quavlet::player {

namespace {

bool Says(const std::wstring& status, std::wstring_view text) { return status.find(text) != std::wstring::npos; }

}  // namespace

void PollPlayerStatus(MediaPlayer& player, StatusPollTarget& target) {
  target.ShowStatusText(player.Status());
  if (Says(player.Status(), kReadyStatus)) {
    target.ShowUnplayableNotice();
    return;
  }
  if (Says(player.Status(), kPlayingStatus)) target.SetPlayPauseCaption(kResumeCaption);
}

void PressPlayPause(MediaPlayer& player, PlayPauseButton& button) {
  const std::wstring caption = button.Caption();
  if (caption == kPauseCaption) {
    button.SetCaption(kResumeCaption);
    player.Pause();
  } else if (caption == kResumeCaption) {
    player.Play();
    button.SetCaption(kPauseCaption);
  }
}

void PlaySelectedSong(MediaPlayer& player, const std::function<std::optional<std::wstring>()>& selectedAddress) {
  player.Stop();
  const std::optional<std::wstring> address = selectedAddress();
  if (!address) return;
  player.SetUrl(*address);
  player.Play();
}

}  // namespace quavlet::player
