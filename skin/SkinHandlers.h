#pragma once

// The engine's reactions to the messages of a skinned window. SkinWindowProc runs each one
// either after the window's own procedure has had the message (most of them) or before it; the
// message's result is the one the window's own procedure gives (but for the push button answers
// below). Each reaction classifies the window afresh and does nothing for the kinds it does not
// name.

#include <windows.h>

namespace quavlet::skin {

using Reaction = void (*)(HWND window, WPARAM wParam, LPARAM lParam);

// Windows joining and leaving the engine.
void HandleActivate(HWND window, WPARAM wParam, LPARAM lParam);        // the other window of the activation
void SkinWindowInLParam(HWND window, WPARAM wParam, LPARAM lParam);    // idle dialog or menu; a drop-down list
void GiveBackWindow(HWND window, WPARAM wParam, LPARAM lParam);        // at WM_DESTROY
void HandleSize(HWND window, WPARAM wParam, LPARAM lParam);
void HandlePosChanging(HWND window, WPARAM wParam, LPARAM lParam);
// A command button's caption is part of its faces: they are rendered again.
void HandleSetText(HWND window, WPARAM wParam, LPARAM lParam);

// Mouse.
void HandleMouseMove(HWND window, WPARAM wParam, LPARAM lParam);
void HandleMouseLeave(HWND window, WPARAM wParam, LPARAM lParam);
void HandleButtonDown(HWND window, WPARAM wParam, LPARAM lParam);
void HandleDoubleClick(HWND window, WPARAM wParam, LPARAM lParam);
// Also redraws the skinned check boxes and option buttons under the same parent.
void HandleButtonUp(HWND window, WPARAM wParam, LPARAM lParam);

// Keyboard, focus and enabling.
void HandleKeyDown(HWND window, WPARAM wParam, LPARAM lParam);
void HandleKeyUp(HWND window, WPARAM wParam, LPARAM lParam);
void HandleSetFocus(HWND window, WPARAM wParam, LPARAM lParam);
void HandleKillFocus(HWND window, WPARAM wParam, LPARAM lParam);
void HandleEnable(HWND window, WPARAM wParam, LPARAM lParam);

// One 15 ms step of a command button's fade.
void HandleTimer(HWND window, WPARAM wParam, LPARAM lParam);

// A push button the engine made owner-drawn still answers the dialog manager as the push button
// it stands for: WM_GETDLGCODE gives its default or non-default push code, and BM_SETSTYLE's
// move of the default is remembered while the button stays owner-drawn. They call the window's
// own procedure themselves and return its (corrected) result.
LRESULT HandleGetDlgCode(WNDPROC replaced, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT HandleSetStyle(WNDPROC replaced, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Asks for one WM_MOUSELEAVE when the pointer leaves the window.
void TrackMouseLeave(HWND window);

// The header section whose left <= x <= right, the left one on a shared edge; -1 for none.
int HeaderSectionAt(HWND header, int x);

// EnumChildWindows callback: a skinned check box or option button is drawn normal, forced.
BOOL CALLBACK RepaintMarkControl(HWND window, LPARAM);

}  // namespace quavlet::skin
