#pragma once

// Whole-window painting of the kinds that the skin draws entirely itself, used by the paint
// handlers.

#include <windows.h>

namespace quavlet::skin {

// A "button" window whose style before skinning made it a check box, radio button or group box
// rather than a push button: it keeps its own painting.
bool KeepsOwnButtonPainting(HWND window);

// WM_PAINT of a column header: the stretched background and every section in its state.
void PaintHeaderWindow(HWND window);

// WM_PAINT of a progress bar: the client area white with the filled part.
void PaintProgressWindow(HWND window);

// WM_NCPAINT of a progress bar: the blue frame and the bar, over the whole window.
void PaintProgressFrame(HWND window);

}  // namespace quavlet::skin
