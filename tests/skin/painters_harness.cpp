#include "tests/skin/painters_harness.h"

#include <cstdio>

#include "skin/SkinAtlas.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin::test {

namespace {

constexpr wchar_t kHostClass[] = L"QuavletPainterHost";
// The test's own record of the replaced procedure and of the paints passed on to it.
constexpr wchar_t kOwnProcedureProperty[] = L"PAINTERTESTPROC";
constexpr wchar_t kPassedOnPaintProperty[] = L"PAINTERTESTPAINTS";
constexpr wchar_t kPassedOnNcPaintProperty[] = L"PAINTERTESTNCPAINTS";

const wchar_t* PassedOnProperty(UINT message) {
  return message == WM_PAINT ? kPassedOnPaintProperty : kPassedOnNcPaintProperty;
}

WNDPROC OwnProcedure(HWND window) { return reinterpret_cast<WNDPROC>(GetPropW(window, kOwnProcedureProperty)); }

// What the paint handlers get as "the replaced procedure": counts the paints it is handed.
LRESULT CALLBACK CountingOwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT || message == WM_NCPAINT) {
    const wchar_t* name = PassedOnProperty(message);
    SetPropW(window, name, reinterpret_cast<HANDLE>(reinterpret_cast<INT_PTR>(GetPropW(window, name)) + 1));
  }
  return CallWindowProcW(OwnProcedure(window), window, message, wParam, lParam);
}

LRESULT CALLBACK RouteToPainters(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: return HandlePaint(CountingOwnProcedure, window, message, wParam, lParam);
    case WM_NCPAINT: return HandleNcPaint(CountingOwnProcedure, window, message, wParam, lParam);
    default: return CallWindowProcW(OwnProcedure(window), window, message, wParam, lParam);
  }
}

void RegisterHostClass() {
  WNDCLASSEXW host{};
  host.cbSize = sizeof(host);
  host.lpfnWndProc = DefWindowProcW;
  host.hInstance = GetModuleHandleW(nullptr);
  host.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  host.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  host.lpszClassName = kHostClass;
  RegisterClassExW(&host);  // a second registration fails harmlessly
}

}  // namespace

AtlasScope::AtlasScope() { BuildSkinAtlas(); }
AtlasScope::~AtlasScope() { ReleaseSkinAtlas(); }

OwnedWindow::~OwnedWindow() {
  if (window_) DestroyWindow(window_);
  quavlet::test::FlushEvents();
}

HWND CreateHostWindow(int width, int height) {
  RegisterHostClass();
  // A popup shown without activation: hiding an active or captioned window makes Wine wait two
  // seconds for a window manager, and Xvfb has none.
  HWND host = CreateWindowExW(0, kHostClass, L"Painter test", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, 40, 40, width,
                              height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(host, SW_SHOWNOACTIVATE);
  quavlet::test::FlushEvents();
  return host;
}

HWND CreateControl(HWND host, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int x,
                   int y, int width, int height) {
  HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, host,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
  quavlet::test::FlushEvents();
  return control;
}

void RegisterLookalikeClass(const wchar_t* name, const wchar_t* base) {
  WNDCLASSEXW lookalike{};
  lookalike.cbSize = sizeof(lookalike);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &lookalike)) return;
  if (!GetClassInfoExW(nullptr, base, &lookalike)) return;
  lookalike.cbSize = sizeof(lookalike);
  lookalike.hInstance = GetModuleHandleW(nullptr);
  lookalike.lpszClassName = name;
  lookalike.style &= ~CS_GLOBALCLASS;
  RegisterClassExW(&lookalike);
}

PainterSubclass::PainterSubclass(HWND window) : window_(window) {
  SetPropW(window_, kOwnProcedureProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrW(window_, GWLP_WNDPROC)));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RouteToPainters));
}

PainterSubclass::~PainterSubclass() {
  if (!IsWindow(window_)) return;
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnProcedure(window_)));
  RemovePropW(window_, kOwnProcedureProperty);
  RemovePropW(window_, kPassedOnPaintProperty);
  RemovePropW(window_, kPassedOnNcPaintProperty);
}

int PainterSubclass::PassedOn(HWND window, UINT message) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(window, PassedOnProperty(message))));
}

ButtonFaces::ButtonFaces(HWND button) : button_(button) {
  const SkinProperties properties(button_);
  const WindowBox box = GetWindowBox(button_);
  HDC windowDc = GetWindowDC(button_);
  for (int state = 0; state < 4; ++state) {
    dcs_[state] = CreateCompatibleDC(windowDc);
    bitmaps_[state] = CreateCompatibleBitmap(windowDc, box.width, box.height);
    displaced_[state] = SelectObject(dcs_[state], bitmaps_[state]);
    properties.SetFaceDc(state, dcs_[state]);
    properties.SetFaceBitmap(state, bitmaps_[state]);
  }
  ReleaseDC(button_, windowDc);
  properties.Set(kOldStyleProperty, static_cast<int32_t>(GetWindowLongPtrW(button_, GWL_STYLE)));
  properties.Set(kMouseFlagProperty, 0);
  properties.Set(kTimerIdProperty, 0);
  properties.Set(kOldStateProperty, IsWindowEnabled(button_) ? 0 : 3);
  properties.Set(kAlphaLevelProperty, 0);
  RenderButtonFaces(button_);
}

ButtonFaces::~ButtonFaces() {
  const SkinProperties properties(button_);
  StopFadeTimer(button_);
  for (int state = 0; state < 4; ++state) {
    SelectObject(dcs_[state], displaced_[state]);
    DeleteDC(dcs_[state]);
    DeleteObject(bitmaps_[state]);
    properties.Remove(FaceDcPropertyName(state).c_str());
    properties.Remove(FaceBitmapPropertyName(state).c_str());
  }
  for (const wchar_t* name : {kOldStyleProperty, kMouseFlagProperty, kTimerIdProperty, kOldStateProperty,
                              kAlphaLevelProperty}) {
    properties.Remove(name);
  }
}

CrispFont::CrispFont()
    : font_(CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma")) {}

CrispFont::~CrispFont() { DeleteObject(font_); }

void RepaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  quavlet::test::FlushEvents();
}

COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

COLORREF ClientPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

COLORREF DcPixel(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

void Smear(HWND window, int x, int y, int width, int height, COLORREF colour) {
  HDC dc = GetWindowDC(window);
  FillBox(dc, x, y, width, height, colour);
  ReleaseDC(window, dc);
}

int CountPixels(HWND window, RECT area, COLORREF colour) {
  HDC dc = GetWindowDC(window);
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (GetPixel(dc, x, y) == colour) ++count;
    }
  }
  ReleaseDC(window, dc);
  return count;
}

MenuCheckSize::MenuCheckSize(int pixels) {
  saved_.cbSize = sizeof(saved_);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(saved_), &saved_, 0);
  NONCLIENTMETRICSW metrics = saved_;
  // The check box follows the menu font's height; no change is written to the user's settings.
  for (LONG height = -6; height >= -40 && GetSystemMetrics(SM_CXMENUCHECK) != pixels; --height) {
    metrics.lfMenuFont.lfHeight = height;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  }
}

MenuCheckSize::~MenuCheckSize() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(saved_), &saved_, 0); }

std::string Hex(COLORREF colour) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%08lX", static_cast<unsigned long>(colour));
  return text;
}

}  // namespace quavlet::skin::test
