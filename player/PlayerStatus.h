#pragma once

// The status texts of our own player, worded as the platform's media player control words
// them on a Simplified Chinese system, so that the status poll reads both alike.

#include <string>
#include <string_view>

#include "player/PlaybackRules.h"

namespace quavlet::player::status {

inline constexpr std::wstring_view kConnecting = L"正在连接...";
inline constexpr std::wstring_view kReady = kReadyStatus;
inline constexpr std::wstring_view kPlaying = kPlayingStatus;
inline constexpr std::wstring_view kPaused = L"已暂停";
inline constexpr std::wstring_view kStopped = L"已停止";

// "正在缓冲: 42%", or "正在缓冲..." while the size is unknown (percent < 0).
std::wstring Buffering(int percent);

// A media that can't be opened or played leaves the player ready for another one, as the
// control does; the text says why first.
std::wstring Failure(std::wstring_view reason);

}  // namespace quavlet::player::status
