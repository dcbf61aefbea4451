#pragma once

// What tests read back from real windows: class names, places, tooltips, drawn pixels.

#include <windows.h>

#include <functional>
#include <string>

#include "runtime/GdiHandles.h"
#include "runtime/twips.h"

namespace quavlet::test {

std::wstring ClassOf(HWND window);

// The first visible top-level window of that class that belongs to the process, or nullptr.
HWND FindVisibleTopLevel(DWORD process, const std::wstring& className);

// A child window's place in its parent's client pixels.
runtime::PixelBox ChildBox(HWND child);

// The size of an icon's colour picture (0 x 0 when it has none).
SIZE IconSize(HICON icon);

// The tooltip text a tooltip window shows for a control (a tool given by its window).
std::wstring ToolTipOf(HWND toolTip, HWND owner, HWND control);

// A bitmap of the given size, drawn once by the given function; then read pixel by pixel.
class DrawnSurface {
 public:
  DrawnSurface(int width, int height, const std::function<void(HDC dc, const RECT& area)>& draw);
  COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }

 private:
  runtime::WindowDc screen_;
  runtime::MemoryDc dc_;
  runtime::Bitmap bitmap_;
  runtime::ScopedSelect select_;
};

}  // namespace quavlet::test
