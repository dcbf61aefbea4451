#pragma once

// Receives the media player control's events (_WMPOCXEvents) through its connection point
// and hands on the open-state change (dispatch id 5001). Lives inside its player, which
// unadvises before it goes, so the reference count only tracks use.

#include <windows.h>
#include <oaidl.h>

#include <functional>

namespace quavlet::player {

inline constexpr DISPID kOpenStateChangeDispatchId = 5001;

class WmpEventSink final : public IDispatch {
 public:
  using OpenStateChanged = std::function<void(long newOpenState)>;

  explicit WmpEventSink(OpenStateChanged onOpenStateChange) : onOpenStateChange_(std::move(onOpenStateChange)) {}

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override { return --references_; }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                      UINT*) override;

  ULONG references() const { return references_; }

 private:
  OpenStateChanged onOpenStateChange_;
  ULONG references_ = 0;
};

}  // namespace quavlet::player
