// skin-gallery: a window with a control of every kind the skin paints, in each of its states,
// drawn by the skin's painters. tools/skin-gallery/shoot.sh saves it as docs/skin-gallery.png.
// With --live it shows live controls instead, taken over by the skin engine (LiveGallery.h).

#include <windows.h>
#include <commctrl.h>

#include <shellapi.h>

#include <cwchar>
#include <string>

#include "skin/SkinAtlas.h"
#include "tools/skin-gallery/GalleryWindow.h"
#include "tools/skin-gallery/LiveGallery.h"

namespace {

// The folder after --record-fade on the command line, if any.
std::wstring FadeFolder() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring folder;
  for (int index = 1; index + 1 < count; ++index) {
    if (std::wcscmp(arguments[index], L"--record-fade") == 0) folder = arguments[index + 1];
  }
  LocalFree(arguments);
  return folder;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The engine builds and releases the skin bitmaps itself.
  if (commandLine && std::wcsstr(commandLine, L"--live")) return quavlet::tools::RunLiveGallery(FadeFolder());
  quavlet::skin::BuildSkinAtlas();
  int result = 0;
  {
    quavlet::tools::GalleryWindow gallery;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    result = static_cast<int>(message.wParam);
  }
  quavlet::skin::ReleaseSkinAtlas();
  return result;
}
