#pragma once

// The platform's web browser control (CLSID_WebBrowser), hosted in our OLE container.

#include <exdisp.h>
#include <wrl/client.h>

#include <memory>

#include "ole/OleHost.h"
#include "windows/PageView.h"

namespace quavlet::windows {

class BrowserPageView final : public PageView {
 public:
  // nullptr when the control can't be created or hosted.
  static std::unique_ptr<BrowserPageView> Create(HWND parent, const RECT& bounds);

  struct ConstructionKey {
   private:
    friend class BrowserPageView;
    ConstructionKey() = default;
  };
  explicit BrowserPageView(ConstructionKey) {}

  void Navigate(const std::wstring& address) override;
  HWND hWnd() const override { return host_->hWnd(); }

 private:
  std::unique_ptr<ole::OleControlHost> host_;
  Microsoft::WRL::ComPtr<IWebBrowser2> browser_;
};

}  // namespace quavlet::windows
