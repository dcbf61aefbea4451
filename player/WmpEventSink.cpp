#include "player/WmpEventSink.h"

#include <wmp.h>

#include "runtime/Barrier.h"

namespace quavlet::player {

STDMETHODIMP WmpEventSink::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(_WMPOCXEvents)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP WmpEventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP WmpEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) {
  if (typeInfo) *typeInfo = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP WmpEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                                  EXCEPINFO*, UINT*) {
  if (member != kOpenStateChangeDispatchId) return S_OK;  // the other events are not wanted
  long newState = 0;
  if (parameters && parameters->cArgs >= 1) {
    VARIANT state;
    VariantInit(&state);
    if (SUCCEEDED(VariantChangeType(&state, &parameters->rgvarg[0], 0, VT_I4))) newState = state.lVal;
    VariantClear(&state);
  }
  // The handler reaches into the main window; what fails there stays on this side of the player.
  return runtime::Barrier(
      [&] {
        if (onOpenStateChange_) onOpenStateChange_(newState);
        return S_OK;
      },
      E_FAIL);
}

}  // namespace quavlet::player
