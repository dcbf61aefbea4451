#include "windows/NoticePageView.h"

namespace quavlet {

NoticePageView::NoticePageView(HWND parent, const RECT& bounds) {
  window_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX, bounds.left,
                            bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
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
  // The window goes before the font it was given.
  if (window_) DestroyWindow(window_);
}

std::wstring NoticePageView::NoticeText(const std::wstring& address) {
  return L"\r\n\r\n\r\n本机的网页浏览组件无法显示此网页。\r\n\r\n请在浏览器中打开：\r\n" + address;
}

void NoticePageView::Navigate(const std::wstring& address) { SetWindowTextW(window_, NoticeText(address).c_str()); }

}  // namespace quavlet
