#pragma once

// The description of one control's tool in its form's tooltip window.

#include <windows.h>
#include <commctrl.h>

namespace quavlet::runtime {

// The program asks for the classic common controls (comctl32 5.82), which refuse a TOOLINFOW of
// a size they do not know: the size is the one of that version, not sizeof(TOOLINFOW), which is
// the comctl32 6 structure. The tool is the control's window, owned by its form.
inline TOOLINFOW ToolInfo(HWND form, HWND control) {
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = form;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

}  // namespace quavlet::runtime
