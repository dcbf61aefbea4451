#include "tools/skin-gallery/FadeRecorder.h"

#include <cstdio>
#include <vector>

#include "runtime/GdiHandles.h"
#include "skin/SkinProperties.h"

namespace quavlet::tools {

namespace {

// The pixels of the button's whole window, read back from the screen.
bool SaveWindowPicture(HWND window, const std::wstring& path) {
  RECT box{};
  GetWindowRect(window, &box);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as a .bmp file stores it
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  void* bits = nullptr;
  const runtime::WindowDc screen(window, runtime::WindowDc::Area::Window);
  runtime::Bitmap picture(CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                       nullptr, 0));
  runtime::MemoryDc copy(CreateCompatibleDC(screen.get()));
  if (!picture || !copy) return false;
  {
    const runtime::ScopedSelect selected(copy.get(), picture.get());
    BitBlt(copy.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
  }
  const DWORD imageSize = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + imageSize;
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  fwrite(&file, sizeof(file), 1, out);
  fwrite(&header, sizeof(header), 1, out);
  fwrite(bits, 1, imageSize, out);
  fclose(out);
  return true;
}

std::wstring FramePath(const std::wstring& folder, const wchar_t* phase, int step) {
  wchar_t name[32];
  swprintf(name, 32, L"\\%ls-%03d.bmp", phase, step);
  return folder + name;
}

// Runs the thread's messages until the button's fade ends, saving a frame after each of its
// timer messages (frame 0 before the first).
void RecordFade(HWND button, const std::wstring& folder, const wchar_t* phase) {
  int step = 0;
  SaveWindowPicture(button, FramePath(folder, phase, step++));
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (skin::SkinProperties(button).Get(skin::kTimerIdProperty) && GetTickCount64() < deadline) {
    MSG message;
    if (!GetMessageW(&message, nullptr, 0, 0)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (message.message == WM_TIMER && message.hwnd == button) {
      SaveWindowPicture(button, FramePath(folder, phase, step++));
    }
  }
}

void PointAt(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  SetCursorPos(point.x, point.y);
}

}  // namespace

void RecordHoverFade(HWND button, const std::wstring& folder) {
  RECT client{};
  GetClientRect(button, &client);
  PointAt(button, client.right / 2, client.bottom / 2);
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(client.right / 2, client.bottom / 2));
  RecordFade(button, folder, L"in");

  // Away from the button; the system reports the leave, which starts the fade back.
  PointAt(button, client.right / 2, client.bottom + 200);
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (!skin::SkinProperties(button).Get(skin::kTimerIdProperty) && GetTickCount64() < deadline) {
    MSG message;
    if (!GetMessageW(&message, nullptr, 0, 0)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  RecordFade(button, folder, L"out");
}

}  // namespace quavlet::tools
