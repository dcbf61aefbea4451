#include "ole/OleHost.h"

#include <ocidl.h>

#include "runtime/Barrier.h"

namespace quavlet::ole {

namespace {

constexpr wchar_t kHostClassName[] = L"QuavletOleHost";

RECT ClientRect(HWND window) {
  RECT bounds{};
  GetClientRect(window, &bounds);
  return bounds;
}

}  // namespace

// ---- OleClientSite

// Every method the control calls is a barrier: what fails inside answers E_UNEXPECTED.

STDMETHODIMP OleClientSite::QueryInterface(REFIID iid, void** object) {
  return runtime::Barrier(
      [&]() -> HRESULT {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
          *object = static_cast<IOleClientSite*>(this);
        } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
          *object = static_cast<IOleInPlaceSite*>(this);
        } else {
          *object = nullptr;
          return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
      },
      E_UNEXPECTED);
}

STDMETHODIMP OleClientSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP OleClientSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP OleClientSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = host_.hWnd();
  return S_OK;
}

STDMETHODIMP OleClientSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                             RECT* position, RECT* clip, OLEINPLACEFRAMEINFO* frameInfo) {
  if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
  return runtime::Barrier(
      [&]() -> HRESULT {
        *position = host_.ControlBounds();
        *clip = *position;
        // cb is the caller's; everything else is ours to fill.
        frameInfo->fMDIApp = FALSE;
        frameInfo->hwndFrame = host_.FrameWindow();
        frameInfo->haccel = nullptr;
        frameInfo->cAccelEntries = 0;
        *document = nullptr;
        *frame = host_.frame();
        (*frame)->AddRef();
        return S_OK;
      },
      E_UNEXPECTED);
}

STDMETHODIMP OleClientSite::OnPosRectChange(const RECT*) {
  // The control asked for another place; it stays filling the host window.
  return runtime::Barrier(
      [&] {
        host_.FitControl();
        return S_OK;
      },
      E_UNEXPECTED);
}

// ---- OleInPlaceFrame

STDMETHODIMP OleInPlaceFrame::QueryInterface(REFIID iid, void** object) {
  return runtime::Barrier(
      [&]() -> HRESULT {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceUIWindow ||
            iid == IID_IOleInPlaceFrame) {
          *object = static_cast<IOleInPlaceFrame*>(this);
          AddRef();
          return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
      },
      E_UNEXPECTED);
}

STDMETHODIMP OleInPlaceFrame::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = host_.FrameWindow();
  return S_OK;
}

// ---- OleControlHost

OleControlHost::OleControlHost(ConstructionKey) : site_(*this), frame_(*this) {}

std::unique_ptr<OleControlHost> OleControlHost::Create(HWND parent, const RECT& bounds, REFCLSID controlClass,
                                                       DWORD extraStyle) {
  auto host = std::make_unique<OleControlHost>(ConstructionKey{});
  if (!host->CreateWindowAndControl(parent, bounds, controlClass, extraStyle)) return nullptr;
  return host;
}

bool OleControlHost::CreateWindowAndControl(HWND parent, const RECT& bounds, REFCLSID controlClass,
                                            DWORD extraStyle) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  if (!GetClassInfoW(instance, kHostClassName, &windowClass)) {
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kHostClassName;
    RegisterClassW(&windowClass);
  }
  window_ = CreateWindowExW(0, kHostClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | extraStyle,
                            bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                            parent, nullptr, instance, this);
  if (!window_) return false;

  if (FAILED(CoCreateInstance(controlClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                              IID_PPV_ARGS(&control_)))) {
    return false;
  }
  // Some controls read ambient properties while they initialise: give them the site first.
  control_->SetClientSite(&site_);
  Microsoft::WRL::ComPtr<IPersistStreamInit> persist;
  if (SUCCEEDED(control_.As(&persist))) persist->InitNew();
  RECT position = ControlBounds();
  if (FAILED(control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site_, 0, window_, &position))) return false;
  FitControl();
  return true;
}

OleControlHost::~OleControlHost() {
  CloseControl();
  // Only a window still up: one that went with its parent was forgotten at its WM_NCDESTROY,
  // and its handle value may name another window by now.
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void OleControlHost::CloseControl() {
  if (!control_) return;
  Microsoft::WRL::ComPtr<IOleInPlaceObject> inPlace;
  if (SUCCEEDED(control_.As(&inPlace))) inPlace->InPlaceDeactivate();
  control_->Close(OLECLOSE_NOSAVE);
  control_->SetClientSite(nullptr);
  control_.Reset();
}

RECT OleControlHost::ControlBounds() const { return ClientRect(window_); }

HWND OleControlHost::FrameWindow() const {
  const HWND root = GetAncestor(window_, GA_ROOT);
  return root ? root : window_;
}

void OleControlHost::FitControl() {
  if (!control_) return;
  Microsoft::WRL::ComPtr<IOleInPlaceObject> inPlace;
  if (FAILED(control_.As(&inPlace))) return;
  const RECT bounds = ControlBounds();
  inPlace->SetObjectRects(&bounds, &bounds);
}

LRESULT CALLBACK OleControlHost::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return runtime::Barrier([&] { return HandleMessage(window, message, wParam, lParam); },
                          [&] { return DefWindowProcW(window, message, wParam, lParam); });
}

LRESULT OleControlHost::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* host = reinterpret_cast<OleControlHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
      break;
    }
    case WM_SIZE:
      if (host) host->FitControl();
      return 0;
    case WM_DESTROY:
      // Going with its parent: close the control while its windows still exist.
      if (host) host->CloseControl();
      break;
    case WM_NCDESTROY:
      // The handle is the system's again from here on: the host forgets it.
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      if (host) host->window_ = nullptr;
      break;
    case WM_ERASEBKGND:
      // The control paints the whole face; erasing first would only flicker.
      return host && host->control_ ? 1 : DefWindowProcW(window, message, wParam, lParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quavlet::ole
