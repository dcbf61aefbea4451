#pragma once

// Small pieces that several of the engine's reactions share.

#include <windows.h>

#include "skin/ClassNameKind.h"

namespace quavlet::skin {

// A blend at this level is an opaque copy of the face.
inline constexpr int kOpaqueLevel = 255;

// Whether the window under the pointer is this one.
bool PointerIsOver(HWND window);

// The x and y of a mouse message, as the signed 16-bit words of lParam.
int MouseX(LPARAM lParam);
int MouseY(LPARAM lParam);

// Whether a mouse position lies on the drop button of an editable combo box: the scroll-bar
// wide strip at the right, inside a two-pixel margin.
bool InsideDropButton(HWND combo, LPARAM lParam);

// The drop button of a combo box with bit 0x1 (simple or drop-down list) reacts to the whole
// window; an editable drop-down only to its drop button.
bool HasNoEditField(HWND combo);

// Check boxes and option buttons: draws the kind's mark in the state (unless it is the state
// drawn last and not forced); any other kind nothing.
void PaintMarkControl(HWND window, ControlKind kind, int state, bool force);

// Command-button faces. The pressed face is shown whole at once (any fade stops); a fade lays the
// face of the state over what is shown, from the level up, one step per timer message.
void ShowPressedFace(HWND button);
void FadeToFace(HWND button, int state, int fromLevel);

}  // namespace quavlet::skin
