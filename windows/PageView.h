#pragma once

// What the promotion page window shows its page in: the platform's web browser control, or,
// where that control can't render (no HTML engine installed), a plain notice with the
// address. Both fill a child window of the window that holds them.

#include <windows.h>

#include <memory>
#include <string>

namespace quavlet::windows {

class PageView {
 public:
  virtual ~PageView() = default;
  // Starts loading the page at that address (the browser's Navigate with the address alone).
  virtual void Navigate(const std::wstring& address) = 0;
  // The view's own window; null for a view without one.
  virtual HWND hWnd() const = 0;
};

// True when the platform can render web pages (its HTML document object can be created).
bool CanRenderWebPages();

// The web browser control where pages can be rendered, else the notice; at `bounds` in
// `parent`'s client area.
std::unique_ptr<PageView> CreatePageView(HWND parent, const RECT& bounds);

}  // namespace quavlet::windows
