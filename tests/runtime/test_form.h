#pragma once

// A form for the runtime's tests: it records the events it receives in a log.

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/Form.h"

namespace quavlet::test {

class TestForm : public runtime::Form {
 public:
  static constexpr std::wstring_view kFormName = L"TestForm";
  explicit TestForm(runtime::Application& application, runtime::FormDesign design = DefaultDesign(),
                    std::wstring_view name = kFormName)
      : Form(application, name, std::move(design)) {}

  static runtime::FormDesign DefaultDesign() {
    return {.caption = L"Test form", .clientWidth = 4500, .clientHeight = 3000, .backColour = 0x00336699};
  }

  // A handler that logs "<what> <button> <shift> <x> <y>".
  runtime::MouseEvent Logger(std::string what) {
    return [this, what](int button, int shift, float x, float y) {
      log.push_back(what + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                    std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)));
    };
  }
  runtime::Event Note(std::string what) {
    return [this, what] { log.push_back(what); };
  }

  void Form_Load() override { log.push_back("Form_Load"); }
  void Form_Unload(int& Cancel) override {
    log.push_back("Form_Unload");
    Cancel = cancelUnload ? 1 : 0;
  }
  void Form_Activate() override { log.push_back("Form_Activate"); }
  void Form_Click() override { log.push_back("Form_Click"); }
  void Form_DblClick() override { log.push_back("Form_DblClick"); }
  void Form_MouseDown(int button, int shift, float x, float y) override { Logger("Form_MouseDown")(button, shift, x, y); }
  void Form_MouseUp(int button, int shift, float x, float y) override { Logger("Form_MouseUp")(button, shift, x, y); }
  void Form_MouseMove(int button, int shift, float x, float y) override { Logger("Form_MouseMove")(button, shift, x, y); }

  std::vector<std::string> log;
  bool cancelUnload = false;
};

// A second kind of form, to tell forms apart by name.
class OtherTestForm : public TestForm {
 public:
  static constexpr std::wstring_view kFormName = L"OtherTestForm";
  explicit OtherTestForm(runtime::Application& application) : TestForm(application, DefaultDesign(), kFormName) {}
};

inline LPARAM PixelParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

}  // namespace quavlet::test
