#include "windows/NoticePageView.h"

#include "runtime/Barrier.h"

namespace quavlet::windows {

NoticePageView::NoticePageView(HWND parent, const RECT& bounds) {
  window_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX, bounds.left,
                            bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  staticProcedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ViewProcedure)));
  // The interface font: "宋体" 10.5 pt, GB2312 character set.
  LOGFONTW design{};
  design.lfHeight = -14;
  design.lfWeight = FW_NORMAL;
  design.lfCharSet = GB2312_CHARSET;
  lstrcpynW(design.lfFaceName, L"宋体", LF_FACESIZE);
  font_.reset(CreateFontIndirectW(&design));
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

NoticePageView::~NoticePageView() {
  // The window goes before the font it was given; only a window still up, since the handle of
  // one that has gone may name another window by now.
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

LRESULT CALLBACK NoticePageView::ViewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return runtime::Barrier(
      [&] {
        auto* view = reinterpret_cast<NoticePageView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        const WNDPROC staticProcedure =
            view ? view->staticProcedure_ : reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
        if (view && message == WM_NCDESTROY) {
          SetWindowLongPtrW(window, GWLP_USERDATA, 0);
          view->window_ = nullptr;
        }
        return CallWindowProcW(staticProcedure, window, message, wParam, lParam);
      },
      [&] { return DefWindowProcW(window, message, wParam, lParam); });
}

std::wstring NoticePageView::NoticeText(const std::wstring& address) {
  return L"\r\n\r\n\r\n本机的网页浏览组件无法显示此网页。\r\n\r\n请在浏览器中打开：\r\n" + address;
}

void NoticePageView::Navigate(const std::wstring& address) { SetWindowTextW(window_, NoticeText(address).c_str()); }

}  // namespace quavlet::windows
