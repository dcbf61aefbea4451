#include "runtime/GdiHandles.h"
#include "skin/PaintGeometry.h"
#include "skin/SkinPainters.h"

namespace quavlet::skin {

namespace {

RECT BoxRect(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

}  // namespace

int FillBox(HDC dc, int x, int y, int width, int height, COLORREF colour) {
  const runtime::Brush brush(CreateSolidBrush(colour));
  const RECT rect = BoxRect(x, y, width, height);
  return FillRect(dc, &rect, brush.get());
}

int FrameBox(HDC dc, int x, int y, int width, int height, COLORREF colour) {
  const runtime::Brush brush(CreateSolidBrush(colour));
  const RECT rect = BoxRect(x, y, width, height);
  return FrameRect(dc, &rect, brush.get());
}

BOOL DrawFocusBox(HDC dc, int x, int y, int width, int height) {
  const RECT rect = BoxRect(x, y, width, height);
  return DrawFocusRect(dc, &rect);
}

int DrawCaption(HDC dc, const std::wstring& text, int x, int y, int width, int height, UINT format) {
  RECT rect = BoxRect(x, y, width, height);
  return DrawTextW(dc, text.c_str(), -1, &rect, format);
}

std::wstring GetWindowCaption(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

WindowBox GetWindowBox(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return WindowBox{rect.left, rect.top, rect.right, rect.bottom, rect.right - rect.left, rect.bottom - rect.top};
}

BorderSize GetBorderSize(HWND window) {
  const WindowBox box = GetWindowBox(window);
  RECT client{};
  GetClientRect(window, &client);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const int verticalBar = (style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int horizontalBar = (style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0;
  return BorderSize{HalfOf(box.width - (client.right - client.left) - verticalBar),
                    HalfOf(box.height - (client.bottom - client.top) - horizontalBar)};
}

}  // namespace quavlet::skin
