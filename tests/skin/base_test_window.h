#pragma once

// A top-level test window of a class registered under any name, destroyed with the scope.

#include <windows.h>

#include <map>
#include <string>

namespace quavlet::skin::test {

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class TestWindow {
 public:
  // Registers className (once per process) with a procedure that counts WM_TIMER messages.
  explicit TestWindow(const std::wstring& className, DWORD style = WS_OVERLAPPEDWINDOW);
  // A window of an existing (system) class.
  TestWindow(const wchar_t* systemClass, DWORD style, HWND parent);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND get() const { return window_; }
  // WM_TIMER messages with this identifier that reached the window so far.
  int TimerMessages(UINT_PTR timerId) const;

 private:
  friend LRESULT CALLBACK CountingProc(HWND, UINT, WPARAM, LPARAM);

  std::map<UINT_PTR, int> timerMessages_;
  HWND window_ = nullptr;
};

}  // namespace quavlet::skin::test
