#include "tests/skin/base_test_window.h"

namespace quavlet::skin::test {

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_TIMER:
      if (auto* owner = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
        ++owner->timerMessages_[wParam];
      }
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

namespace {

void RegisterTestClass(const std::wstring& className) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = CountingProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className.c_str();
  RegisterClassExW(&windowClass);  // fails harmlessly when already registered
}

}  // namespace

TestWindow::TestWindow(const std::wstring& className, DWORD style) {
  RegisterTestClass(className);
  window_ = CreateWindowExW(0, className.c_str(), L"test", style, 10, 10, 200, 120, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
}

TestWindow::TestWindow(const wchar_t* systemClass, DWORD style, HWND parent) {
  window_ = CreateWindowExW(0, systemClass, L"", style, 0, 0, 120, 40, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
  if (window_) DestroyWindow(window_);
}

int TestWindow::TimerMessages(UINT_PTR timerId) const {
  const auto found = timerMessages_.find(timerId);
  return found == timerMessages_.end() ? 0 : found->second;
}

}  // namespace quavlet::skin::test
