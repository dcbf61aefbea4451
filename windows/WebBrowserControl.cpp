#include "windows/WebBrowserControl.h"

namespace quavlet::windows {

namespace {

void RegisterHostClass() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  if (GetClassInfoW(instance, WebBrowserControl::kClassName, &windowClass)) return;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = WebBrowserControl::kClassName;
  RegisterClassW(&windowClass);
}

}  // namespace

WebBrowserControl::WebBrowserControl() : WindowedControl(kClassName) { RegisterHostClass(); }

WebBrowserControl::~WebBrowserControl() {
  // The view goes before the window that holds it.
  view_.reset();
}

void WebBrowserControl::OnCreated() {
  if (view_) return;
  RECT bounds{};
  GetClientRect(hWnd(), &bounds);
  view_ = CreatePageView(hWnd(), bounds);
}

void WebBrowserControl::UsePageView(std::unique_ptr<PageView> view) { view_ = std::move(view); }

void WebBrowserControl::Navigate(const std::wstring& address) {
  if (view_) view_->Navigate(address);
}

}  // namespace quavlet::windows
