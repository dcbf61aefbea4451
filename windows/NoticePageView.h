#pragma once

// Where no web page can be rendered: a plain notice that says so and gives the address, so
// the user can open it elsewhere.

#include <string>

#include "runtime/GdiHandles.h"
#include "windows/PageView.h"

namespace quavlet::windows {

class NoticePageView final : public PageView {
 public:
  NoticePageView(HWND parent, const RECT& bounds);
  ~NoticePageView() override;
  NoticePageView(const NoticePageView&) = delete;
  NoticePageView& operator=(const NoticePageView&) = delete;

  void Navigate(const std::wstring& address) override;
  // The notice's window; null once it has been destroyed (with the window that holds it, say).
  HWND hWnd() const override { return window_; }

  // The notice for an address, as shown.
  static std::wstring NoticeText(const std::wstring& address);

 private:
  // In front of the static control's own: it tells the view when the window has gone.
  static LRESULT CALLBACK ViewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  WNDPROC staticProcedure_ = nullptr;
  runtime::Font font_;
};

}  // namespace quavlet::windows
