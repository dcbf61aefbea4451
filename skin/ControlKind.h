#pragma once

// Classification of a live window by its class name; the kind is read afresh on every use.

#include <windows.h>

#include <string>

#include "skin/ClassNameKind.h"

namespace quavlet::skin {

// The window's class name as registered (not lower-cased); empty when it cannot be read.
std::wstring GetWindowClass(HWND window);

// The ControlKind of the window: its class name, lower-cased, looked up in the kind table.
ControlKind ClassifyWindow(HWND window);

}  // namespace quavlet::skin
