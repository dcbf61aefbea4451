#pragma once

// WebBrowser1 of the promotion page window: a child window holding the page view, which is
// the platform's web browser control where pages can be rendered (see PageView.h). UsePageView
// puts another view in its place (the tests' recording one).

#include <memory>
#include <string>

#include "runtime/WindowedControl.h"
#include "windows/PageView.h"

namespace quavlet::windows {

class WebBrowserControl final : public runtime::WindowedControl {
 public:
  static constexpr wchar_t kClassName[] = L"QuavletBrowserHost";

  WebBrowserControl();
  ~WebBrowserControl() override;

  // Starts loading the page at that address.
  void Navigate(const std::wstring& address);

  void UsePageView(std::unique_ptr<PageView> view);
  PageView* View() const { return view_.get(); }

 protected:
  DWORD Style() const override { return WS_CLIPCHILDREN; }
  void OnCreated() override;

 private:
  std::unique_ptr<PageView> view_;
};

}  // namespace quavlet::windows
