#include "runtime/Timer.h"

#include "runtime/Form.h"

namespace quavlet::runtime {

WindowTimer::~WindowTimer() {
  if (form_) {
    enabled_ = false;
    Apply();
    form_->Remove(*this);
  }
}

void WindowTimer::Design(const TimerDesign& design) {
  interval_ = design.interval;
  enabled_ = design.enabled;
  Apply();
}

void WindowTimer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Apply();
}

void WindowTimer::SetInterval(UINT milliseconds) {
  interval_ = milliseconds;
  // A new interval starts counting afresh: the running system timer stops before Apply starts
  // it again (or leaves it stopped for an interval of 0).
  if (running_) {
    KillTimer(form_->hWnd(), id_);
    running_ = false;
  }
  Apply();
}

void WindowTimer::AttachTo(Form& form, UINT_PTR id) {
  form_ = &form;
  id_ = id;
}

void WindowTimer::Apply() {
  const HWND window = form_ ? form_->hWnd() : nullptr;
  if (!window) {
    running_ = false;
    return;
  }
  const bool wanted = enabled_ && interval_ > 0;
  if (wanted && !running_) {
    running_ = SetTimer(window, id_, interval_, nullptr) != 0;
  } else if (!wanted && running_) {
    KillTimer(window, id_);
    running_ = false;
  }
}

void WindowTimer::Fire() {
  // A tick already queued when the timer was switched off is dropped.
  if (enabled_ && running_) Raise(Timer);
}

}  // namespace quavlet::runtime
