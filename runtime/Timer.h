#pragma once

// A form's window timer: raises Timer every Interval milliseconds while Enabled (an interval of
// 0 never fires). Several timers share one form, each with its own identifier.

#include <windows.h>

#include "runtime/Events.h"

namespace quavlet::runtime {

class Form;

struct TimerDesign {
  UINT interval = 0;  // milliseconds
  bool enabled = true;
};

class WindowTimer {
 public:
  WindowTimer() = default;
  ~WindowTimer();
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;

  void Design(const TimerDesign& design);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  void SetInterval(UINT milliseconds);

  Event Timer;

 private:
  friend class Form;
  void AttachTo(Form& form, UINT_PTR id);
  // Starts or stops the window timer to match Enabled and Interval (when the form is loaded).
  void Apply();
  void Fire();

  Form* form_ = nullptr;
  UINT_PTR id_ = 0;
  UINT interval_ = 0;
  bool enabled_ = true;
  bool running_ = false;
};

}  // namespace quavlet::runtime
