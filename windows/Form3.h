#pragma once

// Form3, the overlay that says a song can't be played: a frameless, colour-keyed notice of
// which only the sign and the text are seen. It closes itself 1.5 s after it was loaded and
// then does what its opener gave it in TimeUp (the main window stops its status poll); a click
// closes it sooner and does not.

#include <functional>
#include <string_view>

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Timer.h"

namespace quavlet::windows {

class Form3 : public runtime::Form {
 public:
  static constexpr std::wstring_view kFormName = L"Form3";

  explicit Form3(runtime::Application& application);

  runtime::WindowTimer Timer1;
  runtime::Image Image3;
  // Run when the overlay's time is up, before it closes; a click skips it.
  std::function<void()> TimeUp;

  void Form_Load() override;
  void Form_Click() override;
  void Image3_Click();
  void Timer1_Timer();
};

}  // namespace quavlet::windows
