#pragma once

#include <windows.h>

namespace quavlet::runtime {

// A message-only window of the given class (registered on first use with the procedure), for
// work that reports back to the window's thread by message. `param` reaches WM_NCCREATE as
// lpCreateParams. Null when no window could be made.
HWND CreateMessageOnlyWindow(const wchar_t* className, WNDPROC procedure, void* param);

}  // namespace quavlet::runtime
