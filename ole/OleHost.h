#pragma once

// A small OLE container: one ActiveX control (the media player, the web browser) activated
// in place inside a child window of our own, with no ATL behind it.

#include <windows.h>
#include <ole2.h>
#include <wrl/client.h>

#include <memory>

namespace quavlet::ole {

class OleControlHost;

// The control's view of its container. Lives inside its OleControlHost, which outlives every
// reference the control holds (the control is closed and released first), so the reference
// count only tracks use and never frees anything.
class OleClientSite final : public IOleClientSite, public IOleInPlaceSite {
 public:
  explicit OleClientSite(OleControlHost& host) : host_(host) {}

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override { return --references_; }
  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
  // IOleWindow
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position,
                                RECT* clip, OLEINPLACEFRAMEINFO* frameInfo) override;
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(const RECT* position) override;

  ULONG references() const { return references_; }

 private:
  OleControlHost& host_;
  ULONG references_ = 0;
};

// The frame as the control sees it: the top-level window holding the host, with no menus,
// tool space or accelerators to share.
class OleInPlaceFrame final : public IOleInPlaceFrame {
 public:
  explicit OleInPlaceFrame(OleControlHost& host) : host_(host) {}

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override { return --references_; }
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP GetBorder(RECT*) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS widths) override { return widths ? INPLACE_E_NOTOOLSPACE : S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(MSG*, WORD) override { return S_FALSE; }

  ULONG references() const { return references_; }

 private:
  OleControlHost& host_;
  ULONG references_ = 0;
};

// Owns the host window and the control in it. Destroying the host deactivates and closes the
// control, gives up every reference to it and then destroys the window.
class OleControlHost {
 public:
  // Creates the control of that class in a child window of `parent` at `bounds` (client
  // coordinates of the parent) and activates it in place. nullptr when the control is not
  // installed or refuses to be activated.
  static std::unique_ptr<OleControlHost> Create(HWND parent, const RECT& bounds, REFCLSID controlClass,
                                                DWORD extraStyle = 0);

  struct ConstructionKey {
   private:
    friend class OleControlHost;
    ConstructionKey() = default;
  };
  explicit OleControlHost(ConstructionKey);
  ~OleControlHost();
  OleControlHost(const OleControlHost&) = delete;
  OleControlHost& operator=(const OleControlHost&) = delete;

  // The host window; null once it has been destroyed (with its parent, say).
  HWND hWnd() const { return window_; }
  // The control under another of its interfaces; empty when it doesn't offer it.
  template <typename Interface>
  Microsoft::WRL::ComPtr<Interface> Query() const {
    Microsoft::WRL::ComPtr<Interface> result;
    if (control_) control_.As(&result);
    return result;
  }

  // Where the control lies, in the host window's client coordinates.
  RECT ControlBounds() const;
  // Moves the control to fill the host window again (after a resize).
  void FitControl();
  // The window the frame stands for: the host's top-level ancestor.
  HWND FrameWindow() const;
  IOleInPlaceFrame* frame() { return &frame_; }

 private:
  bool CreateWindowAndControl(HWND parent, const RECT& bounds, REFCLSID controlClass, DWORD extraStyle);
  void CloseControl();
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  OleClientSite site_;
  OleInPlaceFrame frame_;
  HWND window_ = nullptr;
  Microsoft::WRL::ComPtr<IOleObject> control_;
};

}  // namespace quavlet::ole
