#include "windows/BrowserPageView.h"

#include "runtime/ComHandles.h"

namespace quavlet::windows {

std::unique_ptr<BrowserPageView> BrowserPageView::Create(HWND parent, const RECT& bounds) {
  auto view = std::make_unique<BrowserPageView>(ConstructionKey{});
  view->host_ = ole::OleControlHost::Create(parent, bounds, CLSID_WebBrowser);
  if (!view->host_) return nullptr;
  view->browser_ = view->host_->Query<IWebBrowser2>();
  if (!view->browser_) return nullptr;
  // A page's script errors and security questions must not stop the user with dialogs.
  view->browser_->put_Silent(VARIANT_TRUE);
  return view;
}

void BrowserPageView::Navigate(const std::wstring& address) {
  runtime::Bstr url(address);
  VARIANT none;
  VariantInit(&none);
  browser_->Navigate(url.get(), &none, &none, &none, &none);
}

}  // namespace quavlet::windows
