#include "windows/PageView.h"

#include <mshtml.h>
#include <wrl/client.h>

#include "windows/BrowserPageView.h"
#include "windows/NoticePageView.h"

namespace quavlet::windows {

bool CanRenderWebPages() {
  // The browser control itself exists without an HTML engine, but then shows nothing (and
  // Wine's would ask to install one): ask for the engine's document object instead.
  Microsoft::WRL::ComPtr<IUnknown> document;
  return SUCCEEDED(CoCreateInstance(__uuidof(HTMLDocument), nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&document)));
}

std::unique_ptr<PageView> CreatePageView(HWND parent, const RECT& bounds) {
  if (CanRenderWebPages()) {
    if (auto browser = BrowserPageView::Create(parent, bounds)) return browser;
  }
  return std::make_unique<NoticePageView>(parent, bounds);
}

}  // namespace quavlet::windows
