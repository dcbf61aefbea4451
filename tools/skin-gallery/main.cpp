// skin-gallery: a window with a control of every kind the skin paints, in each of its states,
// drawn by the skin's painters. tools/skin-gallery/shoot.sh saves it as docs/skin-gallery.png.

#include <windows.h>
#include <commctrl.h>

#include "skin/SkinAtlas.h"
#include "tools/skin-gallery/GalleryWindow.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
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
