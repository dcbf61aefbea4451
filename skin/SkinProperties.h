#pragma once

// The skin engine's per-window state, held in named window properties on the window itself.
// A property that is not there reads as 0, the same as a stored 0.

#include <windows.h>

#include <cstdint>
#include <string>

namespace quavlet::skin {

// Property names. Properties are atoms, so the wide and the narrow property functions see the
// same property under the same name.
inline constexpr wchar_t kProcAddrProperty[] = L"PROCADDR";
inline constexpr wchar_t kOldStyleProperty[] = L"OLDSTYLE";
inline constexpr wchar_t kMouseFlagProperty[] = L"MOUSEFLAG";
inline constexpr wchar_t kTimerIdProperty[] = L"TIMERID";
inline constexpr wchar_t kOldStateProperty[] = L"OLDSTATE";
inline constexpr wchar_t kAlphaLevelProperty[] = L"ALPHALEVEL";
inline constexpr wchar_t kHdIndexProperty[] = L"HDINDEX";
inline constexpr wchar_t kHmIndexProperty[] = L"HMINDEX";
// Of a push button turned owner-drawn: the dialog code of the push button it stands for,
// DLGC_DEFPUSHBUTTON or DLGC_UNDEFPUSHBUTTON, as the dialog manager last made it.
inline constexpr wchar_t kDlgCodeProperty[] = L"DLGCODE";

// Of a window given back while another procedure stood in front of the engine's: the
// procedure that the engine's entry, left in the window's chain, passes every message on to.
// Only "PROCADDR" makes a window skinned; this one never stands beside it.
inline constexpr wchar_t kPassOnProcProperty[] = L"PASSPROC";

// "0HDC" .. "3HDC" and "0BMP" .. "3BMP": the state's decimal digit, then the suffix.
std::wstring FaceDcPropertyName(int state);
std::wstring FaceBitmapPropertyName(int state);

// Fade timer of a command button: identifier 1, every 15 ms, no callback.
inline constexpr UINT_PTR kFadeTimerId = 1;
inline constexpr UINT kFadeTimerInterval = 15;

// A view of one window's engine properties; it owns nothing.
class SkinProperties {
 public:
  explicit SkinProperties(HWND window) : window_(window) {}

  HWND window() const { return window_; }

  // 32-bit integers stored as the property's handle value (sign-extended on 64-bit, so -1
  // reads back as -1).
  int32_t Get(const wchar_t* name) const;
  void Set(const wchar_t* name, int32_t value) const;

  // Pointer-sized values: the replaced window procedure, the face DCs and bitmaps.
  HANDLE GetHandle(const wchar_t* name) const;
  void SetHandle(const wchar_t* name, HANDLE value) const;

  bool Has(const wchar_t* name) const;
  void Remove(const wchar_t* name) const;

  WNDPROC ProcAddr() const;
  void SetProcAddr(WNDPROC procedure) const;
  WNDPROC PassOnProc() const;
  void SetPassOnProc(WNDPROC procedure) const;

  HDC FaceDc(int state) const;
  void SetFaceDc(int state, HDC dc) const;
  HBITMAP FaceBitmap(int state) const;
  void SetFaceBitmap(int state, HBITMAP bitmap) const;

 private:
  HWND window_;
};

// Starts the window's fade timer unless one runs ("TIMERID" nonzero). Returns the new timer's
// identifier, or 0 when one was already running or SetTimer failed.
int32_t StartFadeTimer(HWND window);

// Stops the window's fade timer and sets "TIMERID" to 0. Returns KillTimer's result, or 0 when
// no timer ran.
int32_t StopFadeTimer(HWND window);

}  // namespace quavlet::skin
