#include "runtime/MessageWindow.h"

namespace quavlet::runtime {

HWND CreateMessageOnlyWindow(const wchar_t* className, WNDPROC procedure, void* param) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  if (!GetClassInfoW(instance, className, &windowClass)) {
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
  }
  return CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, param);
}

}  // namespace quavlet::runtime
