// The yardstick of the start-up benchmark: the least a Win32 program does to show a window.
// It registers a class and shows a 600 x 325 popup titled "Quavlet", then runs its message loop.

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"QuavletBareWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"Quavlet", WS_POPUP, 340, 237, 600,
                                325, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
