#pragma once

// The painters of the skin engine: every skinned control is drawn here, from the skin atlas,
// in the look of its current visual state (0 normal, 1 hot, 2 pressed or dropped, 3 disabled).
// All drawing is in window coordinates, (0, 0) at the window's top-left corner. A DC argument of
// nullptr means "take the window's own DC and release it again"; a DC passed in is never
// released here.

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace quavlet::skin {

// The window rectangle in screen coordinates with its size; painters use the size only.
struct WindowBox {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
  std::int32_t width;
  std::int32_t height;
};

// Width of the non-client border on each side, without scroll bars.
struct BorderSize {
  int x;
  int y;
};

// Centred on one line, cut with an ellipsis: the format of every skinned caption.
inline constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

// Drawing wrappers. Each takes a position and a size and works on (x, y, x + width, y + height).
int FillBox(HDC dc, int x, int y, int width, int height, COLORREF colour);
int FrameBox(HDC dc, int x, int y, int width, int height, COLORREF colour);
BOOL DrawFocusBox(HDC dc, int x, int y, int width, int height);
int DrawCaption(HDC dc, const std::wstring& text, int x, int y, int width, int height, UINT format);
std::wstring GetWindowCaption(HWND window);
WindowBox GetWindowBox(HWND window);
BorderSize GetBorderSize(HWND window);

// Command buttons: the four faces are rendered into the window's face DCs (0HDC..3HDC); a paint
// or fade step blends the face of "OLDSTATE" at "ALPHALEVEL". BlendButtonFace returns 0.
void RenderButtonFaces(HWND window);
// The same into face DCs the caller has at hand (in state order; a null DC is skipped).
void RenderButtonFaces(HWND window, const std::array<HDC, 4>& faces);
int BlendButtonFace(HWND window, HDC dc);

// Draws the drop-down button of a combo box or drive list in the given state unless the state
// equals "OLDSTATE" and force is false. Returns the state it was asked for, or 2 while the list
// is dropped down (the dropped face wins over whatever the caller asked for).
int PaintComboButton(HWND window, HDC dc, int state, bool force);

// Check boxes and option buttons: 1 when drawn, 0 when skipped (state unchanged, not forced).
int PaintCheckBox(HWND window, int state, bool force);
int PaintOptionButton(HWND window, int state, bool force);

// Draws one header section (0-based) in state 0, 1 or 2 with its text; a negative index draws
// nothing.
void PaintHeaderItem(HWND window, HDC dc, int index, int state);

// WM_PAINT and WM_NCPAINT of a skinned window: what the replaced procedure draws and what the
// skin draws over it depend on the kind of control. Return the message result.
LRESULT HandlePaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT HandleNcPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quavlet::skin
