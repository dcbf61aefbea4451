#pragma once

// Real windows for the skin engine tests: forms of the program's form class and controls of the
// classes the engine knows, each destroyed with its owner object.

#include <windows.h>

#include <string>

namespace quavlet::skin::test {

// The classes that the engine recognises by name and the system does not provide: the form
// class (logging, DefWindowProcW) and check box and option button classes built on "Button".
void RegisterEngineTestClasses();

inline constexpr wchar_t kFormClass[] = L"ThunderRT6FormDC";
inline constexpr wchar_t kCheckBoxClass[] = L"ThunderRT6CheckBox";
inline constexpr wchar_t kOptionButtonClass[] = L"ThunderRT6OptionButton";

// A window destroyed when the object goes; release() hands it over (e.g. to a test that destroys
// it itself).
class TestWindow {
 public:
  TestWindow() = default;
  explicit TestWindow(HWND window) : window_(window) {}
  ~TestWindow() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  TestWindow(TestWindow&& other) noexcept : window_(other.release()) {}
  TestWindow& operator=(TestWindow&& other) noexcept {
    if (this != &other) {
      this->~TestWindow();
      window_ = other.release();
    }
    return *this;
  }
  HWND get() const { return window_; }
  HWND release() {
    HWND window = window_;
    window_ = nullptr;
    return window;
  }

 private:
  HWND window_ = nullptr;
};

// A top-level form at (x, y), 300 x 200, shown unless told otherwise.
TestWindow CreateForm(int x = 100, int y = 100, bool visible = true);

// A child control of the form; its messages are logged (see LogMessagesOf).
HWND CreateControl(HWND form, const wchar_t* className, DWORD style, int x, int y, int width, int height,
                   const wchar_t* text = L"");

// A "Button" push button, 80 x 25 at (10, 10) unless told otherwise.
HWND CreateCommandButton(HWND form, const wchar_t* text = L"OK", int x = 10, int y = 10);

// A window property of the engine as a number (an absent one reads 0).
LONG_PTR Property(HWND window, const wchar_t* name);

// Whether any of the engine's property names is on the window.
bool HasAnyEngineProperty(HWND window);

// Client coordinates packed as a mouse message's lParam.
LPARAM PointParam(int x, int y);

}  // namespace quavlet::skin::test
