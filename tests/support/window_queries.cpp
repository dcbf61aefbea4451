#include "tests/support/window_queries.h"

#include <commctrl.h>

namespace quavlet::test {

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

namespace {

struct TopLevelSearch {
  DWORD process;
  const std::wstring& className;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<TopLevelSearch*>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search.process && IsWindowVisible(window) && ClassOf(window) == search.className) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindVisibleTopLevel(DWORD process, const std::wstring& className) {
  TopLevelSearch search{process, className, nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

runtime::PixelBox ChildBox(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {0, 0};
  runtime::Bitmap colour(info.hbmColor);
  runtime::Bitmap mask(info.hbmMask);
  BITMAP picture{};
  if (!colour || !GetObjectW(colour.get(), sizeof(picture), &picture)) return {0, 0};
  return {picture.bmWidth, picture.bmHeight};
}

std::wstring ToolTipOf(HWND toolTip, HWND owner, HWND control) {
  wchar_t text[256] = {};
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // the size the classic common controls know
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageW(toolTip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  return text;
}

DrawnSurface::DrawnSurface(int width, int height, const std::function<void(HDC dc, const RECT& area)>& draw)
    : screen_(nullptr),
      dc_(CreateCompatibleDC(screen_.get())),
      bitmap_(CreateCompatibleBitmap(screen_.get(), width, height)),
      select_(dc_.get(), bitmap_.get()) {
  const RECT area{0, 0, width, height};
  draw(dc_.get(), area);
}

}  // namespace quavlet::test
