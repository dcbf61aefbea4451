#include "tests/skin/engine_test_windows.h"

#include "tests/skin/engine_event_log.h"

#include <commctrl.h>

namespace quavlet::skin::test {

namespace {

void RegisterButtonBasedClass(const wchar_t* name) {
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &info)) return;
  GetClassInfoExW(nullptr, L"Button", &info);
  info.cbSize = sizeof(info);
  info.hInstance = GetModuleHandleW(nullptr);
  info.lpszClassName = name;
  RegisterClassExW(&info);
}

}  // namespace

void RegisterEngineTestClasses() {
  WNDCLASSEXW form{};
  form.cbSize = sizeof(form);
  if (!GetClassInfoExW(GetModuleHandleW(nullptr), kFormClass, &form)) {
    form.cbSize = sizeof(form);
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = LoggingClassProc;
    form.hInstance = GetModuleHandleW(nullptr);
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);
  }
  RegisterButtonBasedClass(kCheckBoxClass);
  RegisterButtonBasedClass(kOptionButtonClass);
}

TestWindow CreateForm(int x, int y, bool visible) {
  RegisterEngineTestClasses();
  const DWORD style = WS_POPUP | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
  return TestWindow(CreateWindowExW(0, kFormClass, L"Form", style, x, y, 300, 200, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr));
}

HWND CreateControl(HWND form, const wchar_t* className, DWORD style, int x, int y, int width, int height,
                   const wchar_t* text) {
  HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, form,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
  LogMessagesOf(control);
  return control;
}

HWND CreateCommandButton(HWND form, const wchar_t* text, int x, int y) {
  return CreateControl(form, L"Button", BS_PUSHBUTTON, x, y, 80, 25, text);
}

LONG_PTR Property(HWND window, const wchar_t* name) {
  return reinterpret_cast<LONG_PTR>(GetPropW(window, name));
}

namespace {

BOOL CALLBACK NoteEngineProperty(HWND, LPWSTR name, HANDLE, ULONG_PTR found) {
  // Atoms come as small numbers, names as strings; the engine uses names only.
  if (reinterpret_cast<ULONG_PTR>(name) <= 0xFFFF) return TRUE;
  static const wchar_t* const kEngineNames[] = {L"PROCADDR", L"OLDSTYLE", L"MOUSEFLAG", L"TIMERID",
                                                L"OLDSTATE", L"ALPHALEVEL", L"HDINDEX",   L"HMINDEX",
                                                L"0HDC",     L"1HDC",     L"2HDC",      L"3HDC",
                                                L"0BMP",     L"1BMP",     L"2BMP",      L"3BMP",
                                                L"DLGCODE"};
  for (const wchar_t* engineName : kEngineNames) {
    if (lstrcmpiW(name, engineName) == 0) *reinterpret_cast<bool*>(found) = true;
  }
  return TRUE;
}

}  // namespace

bool HasAnyEngineProperty(HWND window) {
  bool found = false;
  EnumPropsExW(window, NoteEngineProperty, reinterpret_cast<LPARAM>(&found));
  return found;
}

LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace quavlet::skin::test
