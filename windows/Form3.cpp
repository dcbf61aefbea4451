#include "windows/Form3.h"

#include "assets/resource_ids.h"
#include "runtime/ColourKey.h"

namespace quavlet::windows {

namespace {

runtime::FormDesign OverlayDesign() {
  return {.caption = L"Form3",
          .clientWidth = 3060,
          .clientHeight = 1485,
          .border = runtime::BorderStyle::None,
          .showInTaskbar = false};
}

}  // namespace

Form3::Form3(runtime::Application& application) : Form(application, kFormName, OverlayDesign()) {
  Timer1.Design({.interval = 1500, .enabled = true});
  Add(Timer1);
  Image3.Design({.place = {0, 0, 3000, 1500}, .picture = IDB_FORM3_NOTICE});
  Add(Image3);
  Timer1.Timer = [this] { Timer1_Timer(); };
  Image3.Click = [this] { Image3_Click(); };
}

void Form3::Form_Load() { runtime::MakeColourKeyed(*this); }

void Form3::Form_Click() { Unload(); }

void Form3::Image3_Click() { Unload(); }

void Form3::Timer1_Timer() {
  if (TimeUp) TimeUp();
  Unload();
}

}  // namespace quavlet::windows
