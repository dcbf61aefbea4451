#include "tools/skin-gallery/GalleryWindow.h"

namespace quavlet::tools {

namespace {

constexpr wchar_t kGalleryClass[] = L"QuavletSkinGallery";
// A pale backdrop, so that the white faces and frames of the controls stand out.
constexpr COLORREF kBackdropColour = 0x00F3EDE6;
constexpr int kClientWidth = 720;
constexpr int kClientHeight = 600;

GalleryWindow* GalleryOf(HWND window) {
  return reinterpret_cast<GalleryWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT OnCreate(HWND window, LPARAM lParam) {
  auto* gallery = static_cast<GalleryWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(gallery));
  return 0;
}

// Labels, check boxes and option buttons ask their parent for their background.
LRESULT OnControlColour(HWND window, WPARAM wParam) {
  const GalleryWindow* gallery = GalleryOf(window);
  SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
  return reinterpret_cast<LRESULT>(gallery ? gallery->background() : GetStockObject(WHITE_BRUSH));
}

LRESULT OnDestroy() {
  PostQuitMessage(0);
  return 0;
}

LRESULT CALLBACK GalleryProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(window, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnControlColour(window, wParam);
    case WM_DESTROY: return OnDestroy();
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

// The program's face, a little larger than its 12 pixels: the substitute Chinese face of the
// Wine prefix is legible in a picture only from about 16.
HFONT MakeInterfaceFont() {
  LOGFONTW font{};
  font.lfHeight = -16;
  font.lfCharSet = GB2312_CHARSET;
  lstrcpynW(font.lfFaceName, L"宋体", LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

}  // namespace

GalleryWindow::GalleryWindow()
    : font_(MakeInterfaceFont()), background_(CreateSolidBrush(kBackdropColour)) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = GalleryProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = background_.get();
  windowClass.lpszClassName = kGalleryClass;
  RegisterClassExW(&windowClass);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  window_ = CreateWindowExW(0, kGalleryClass, kGalleryTitle, style, 0, 0, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  AddGalleryControls(*this);
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

GalleryWindow::~GalleryWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

HWND GalleryWindow::AddControl(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                               RECT place) {
  HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, window_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

void GalleryWindow::AddLabel(const wchar_t* text, int x, int y) {
  AddControl(L"Static", text, SS_LEFT | SS_NOPREFIX, 0, RECT{x, y, x + 540, y + 19});
}

}  // namespace quavlet::tools
