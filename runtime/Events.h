#pragma once

// The typed events that forms and controls raise. A form binds them to its own member functions,
// named after the control and the event: Command1.Click = [this] { Command1_Click(); };

#include <functional>

namespace quavlet::runtime {

// Raised with nothing: Click, DblClick, Change, Timer.
using Event = std::function<void()>;

// Mouse events carry the button (kLeftButton...; for MouseMove the buttons held), the shift
// state (kShiftMask...) and the pointer's position in twips relative to the control.
using MouseEvent = std::function<void(int Button, int Shift, float X, float Y)>;

// KeyPress carries the character code; the handler may change it, and 0 swallows the key.
using KeyPressEvent = std::function<void(int& KeyAscii)>;

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Raises an event if something is bound to it.
template <typename Handler, typename... Arguments>
void Raise(const Handler& handler, Arguments&&... arguments) {
  if (handler) handler(std::forward<Arguments>(arguments)...);
}

}  // namespace quavlet::runtime
