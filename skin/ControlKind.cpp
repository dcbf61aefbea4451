#include "skin/ControlKind.h"

#include <array>

namespace quavlet::skin {

std::wstring GetWindowClass(HWND window) {
  // 255 characters cover every registered class name (the system's limit is 256 with the NUL).
  std::array<wchar_t, 256> buffer{};
  const int length = GetClassNameW(window, buffer.data(), 255);
  if (length <= 0) return {};
  return std::wstring(buffer.data());  // up to the first NUL
}

ControlKind ClassifyWindow(HWND window) { return ClassifyClassName(GetWindowClass(window)); }

}  // namespace quavlet::skin
