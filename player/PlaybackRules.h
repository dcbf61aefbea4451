#pragma once

// The decisions of the main window's playback handlers, free of windows: the once-a-second
// status poll, the play/pause button and the double-click on a song row.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "player/MediaPlayer.h"

namespace quavlet::player {

// What the player's status text says when it is ready, and while it plays (Simplified Chinese).
inline constexpr std::wstring_view kReadyStatus = L"准备就绪";
inline constexpr std::wstring_view kPlayingStatus = L"正在播放";

// The play/pause button's two captions: the first while a press pauses, the second while a
// press resumes.
inline constexpr std::wstring_view kPauseCaption = L"播/暂";
inline constexpr std::wstring_view kResumeCaption = L"暂/播";

// What one tick of the status poll acts on.
class StatusPollTarget {
 public:
  virtual ~StatusPollTarget() = default;
  virtual void ShowStatusText(const std::wstring& status) = 0;
  virtual void ShowUnplayableNotice() = 0;
  virtual void SetPlayPauseCaption(std::wstring_view caption) = 0;
};

// One tick: show the status, then bring the notice when it says ready (and end there), else
// set the resume caption when it says playing. Each step reads the status anew.
void PollPlayerStatus(MediaPlayer& player, StatusPollTarget& target);

// The play/pause button as the press sees it.
class PlayPauseButton {
 public:
  virtual ~PlayPauseButton() = default;
  virtual std::wstring Caption() const = 0;
  virtual void SetCaption(std::wstring_view caption) = 0;
};

// A press: pause and show the resume caption, or resume and show the pause caption, by the
// caption it finds; any other caption does nothing.
void PressPlayPause(MediaPlayer& player, PlayPauseButton& button);

// A double-click on a song row: stop, then (when a row is selected) load its address and
// play. The address is read after the stop, so with no selected row the stop has been issued.
void PlaySelectedSong(MediaPlayer& player, const std::function<std::optional<std::wstring>()>& selectedAddress);

}  // namespace quavlet::player
