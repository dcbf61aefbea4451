#include "skin/SkinProperties.h"

#include "runtime/Barrier.h"

namespace quavlet::skin {
namespace {

std::wstring FacePropertyName(int state, const wchar_t* suffix) {
  return std::to_wstring(state) + suffix;
}

struct PropertySearch {
  const wchar_t* name;
  bool found;
};

BOOL CALLBACK FindProperty(HWND, LPWSTR propertyName, HANDLE, ULONG_PTR data) {
  return runtime::Barrier(
      [&]() -> BOOL {
        auto* search = reinterpret_cast<PropertySearch*>(data);
        // Properties named by an integer atom arrive as that atom, not as a string.
        if (IS_INTRESOURCE(propertyName)) return TRUE;
        if (lstrcmpiW(propertyName, search->name) != 0) return TRUE;
        search->found = true;
        return FALSE;
      },
      FALSE);
}

}  // namespace

std::wstring FaceDcPropertyName(int state) { return FacePropertyName(state, L"HDC"); }
std::wstring FaceBitmapPropertyName(int state) { return FacePropertyName(state, L"BMP"); }

int32_t SkinProperties::Get(const wchar_t* name) const {
  // Truncating the handle value gives back the 32-bit integer that Set sign-extended.
  return static_cast<int32_t>(reinterpret_cast<INT_PTR>(GetPropW(window_, name)));
}

void SkinProperties::Set(const wchar_t* name, int32_t value) const {
  SetPropW(window_, name, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)));
}

HANDLE SkinProperties::GetHandle(const wchar_t* name) const { return GetPropW(window_, name); }

void SkinProperties::SetHandle(const wchar_t* name, HANDLE value) const {
  SetPropW(window_, name, value);
}

bool SkinProperties::Has(const wchar_t* name) const {
  // GetProp cannot tell an absent property from one holding 0; the enumeration can.
  PropertySearch search{name, false};
  EnumPropsExW(window_, FindProperty, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void SkinProperties::Remove(const wchar_t* name) const { RemovePropW(window_, name); }

WNDPROC SkinProperties::ProcAddr() const {
  return reinterpret_cast<WNDPROC>(GetHandle(kProcAddrProperty));
}

void SkinProperties::SetProcAddr(WNDPROC procedure) const {
  SetHandle(kProcAddrProperty, reinterpret_cast<HANDLE>(procedure));
}

WNDPROC SkinProperties::PassOnProc() const {
  return reinterpret_cast<WNDPROC>(GetHandle(kPassOnProcProperty));
}

void SkinProperties::SetPassOnProc(WNDPROC procedure) const {
  SetHandle(kPassOnProcProperty, reinterpret_cast<HANDLE>(procedure));
}

HDC SkinProperties::FaceDc(int state) const {
  return static_cast<HDC>(GetHandle(FaceDcPropertyName(state).c_str()));
}

void SkinProperties::SetFaceDc(int state, HDC dc) const {
  SetHandle(FaceDcPropertyName(state).c_str(), dc);
}

HBITMAP SkinProperties::FaceBitmap(int state) const {
  return static_cast<HBITMAP>(GetHandle(FaceBitmapPropertyName(state).c_str()));
}

void SkinProperties::SetFaceBitmap(int state, HBITMAP bitmap) const {
  SetHandle(FaceBitmapPropertyName(state).c_str(), bitmap);
}

int32_t StartFadeTimer(HWND window) {
  const SkinProperties properties(window);
  if (properties.Get(kTimerIdProperty) != 0) return 0;
  // Delivered as WM_TIMER to the window's own procedure, where the fade steps.
  const UINT_PTR timer = SetTimer(window, kFadeTimerId, kFadeTimerInterval, nullptr);
  properties.Set(kTimerIdProperty, static_cast<int32_t>(timer));
  return static_cast<int32_t>(timer);
}

int32_t StopFadeTimer(HWND window) {
  const SkinProperties properties(window);
  const int32_t timer = properties.Get(kTimerIdProperty);
  if (timer == 0) return 0;
  const BOOL killed = KillTimer(window, static_cast<UINT_PTR>(timer));
  properties.Set(kTimerIdProperty, 0);
  return killed;
}

}  // namespace quavlet::skin
