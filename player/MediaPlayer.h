#pragma once

// What the main window asks of its embedded player: an address to play, the transport, a
// status text for people, and word whenever the open state changes. The platform's media
// player control, our own DirectShow player and the scripted player of the tests all stand
// behind it.

#include <functional>
#include <string>

namespace quavlet::player {

// Open states as the media player control numbers them; only a few are ever raised here.
namespace open_state {
inline constexpr long kUndefined = 0;
inline constexpr long kMediaChanging = 8;
inline constexpr long kMediaConnecting = 10;
inline constexpr long kMediaOpen = 13;
}  // namespace open_state

class MediaPlayer {
 public:
  using OpenStateChangeHandler = std::function<void(long newOpenState)>;

  virtual ~MediaPlayer() = default;

  // Replaces the current media with the one at that address and, like the control, starts
  // it as soon as it is open. Raises the open-state change at least once.
  virtual void SetUrl(const std::wstring& url) = 0;
  virtual void Stop() = 0;
  virtual void Play() = 0;
  virtual void Pause() = 0;
  // The status line as the player words it, read afresh on every call.
  virtual std::wstring Status() = 0;
  // The handler runs on the user-interface thread; an empty one removes it.
  virtual void SetOpenStateChangeHandler(OpenStateChangeHandler handler) = 0;
};

}  // namespace quavlet::player
