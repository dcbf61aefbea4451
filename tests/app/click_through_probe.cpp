// Shows the main window over a plain background window and reports where real pointer presses
// land, one line each ("form" or "background"), so that a script can press with the X pointer
// and check that the colour-keyed pixels let the presses through. It first prints
// "ready <left> <top>", the main window's place on the screen, and ends after three presses or
// twenty seconds.

#include <windows.h>

#include <cstdio>

#include "app/Form1.h"
#include "runtime/Application.h"

namespace {

struct Presses {
  int count = 0;
};

void Report(Presses& presses, const char* where) {
  std::printf("%s\n", where);
  std::fflush(stdout);
  if (++presses.count == 3) PostQuitMessage(0);
}

LRESULT CALLBACK BackgroundProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* presses = reinterpret_cast<Presses*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_LBUTTONDOWN:
      if (presses) Report(*presses, "background");
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // stays behind the main window
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); }

}  // namespace

int main() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  quavlet::runtime::Application application(instance);
  Presses presses;

  WNDCLASSW backgroundClass{};
  backgroundClass.lpfnWndProc = BackgroundProcedure;
  backgroundClass.hInstance = instance;
  backgroundClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  backgroundClass.lpszClassName = L"QuavletProbeBackground";
  RegisterClassW(&backgroundClass);
  const HWND background = CreateWindowExW(WS_EX_NOACTIVATE, backgroundClass.lpszClassName, L"Background",
                                          WS_POPUP | WS_VISIBLE, 40, 40, 900, 600, nullptr, nullptr, instance, nullptr);
  SetWindowLongPtrW(background, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&presses));

  quavlet::Form1& form = application.Show<quavlet::Form1>();
  SetWindowPos(form.hWnd(), HWND_TOPMOST, 200, 150, 0, 0, SWP_NOSIZE);
  form.Image1.MouseDown = [&presses](int, int, float, float) { Report(presses, "form"); };
  // An opaque label painted in the colour key: a hole where a control draws it.
  form.Label10.SetTransparent(false);
  form.Label10.SetBackColour(quavlet::runtime::kColourKey);
  UpdateWindow(form.hWnd());

  RECT place{};
  GetWindowRect(form.hWnd(), &place);
  std::printf("ready %ld %ld\n", place.left, place.top);
  std::fflush(stdout);

  SetTimer(nullptr, 0, 20000, GiveUp);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DestroyWindow(background);
  return 0;
}
