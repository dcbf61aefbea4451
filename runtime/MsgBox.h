#pragma once

// The modal message box with a title, buttons and an icon (MB_OKCANCEL | MB_ICONQUESTION...);
// returns the button pressed (IDOK, IDCANCEL...). Form::MsgBox shows one owned by a form.

#include <windows.h>

#include <string_view>

namespace quavlet::runtime {

int MsgBox(HWND owner, std::wstring_view prompt, UINT style, std::wstring_view title);

}  // namespace quavlet::runtime
