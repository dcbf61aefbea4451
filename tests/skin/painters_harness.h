#pragma once

// Windows for the painter tests: a visible host, controls inside it whose WM_PAINT and
// WM_NCPAINT go through the painters, the face DCs a skinned command button keeps, and pixel
// reads from what the windows show.

#include <windows.h>

#include <array>
#include <string>

namespace quavlet::skin::test {

// The skin atlas for the length of a test.
class AtlasScope {
 public:
  AtlasScope();
  ~AtlasScope();
  AtlasScope(const AtlasScope&) = delete;
  AtlasScope& operator=(const AtlasScope&) = delete;
};

// A window destroyed at the end of the scope.
class OwnedWindow {
 public:
  explicit OwnedWindow(HWND window = nullptr) : window_(window) {}
  ~OwnedWindow();
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;

  HWND get() const { return window_; }

 private:
  HWND window_;
};

// A visible top-level window with a white background, to hold the controls under test.
HWND CreateHostWindow(int width, int height);

// A child control of the host at (x, y), width x height.
HWND CreateControl(HWND host, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int x,
                   int y, int width, int height);

// Registers, once per process, a class named `name` that behaves as the system class `base`:
// the Thunder classes of the forms runtime and the progress bar class the skin recognises.
void RegisterLookalikeClass(const wchar_t* name, const wchar_t* base);

// Routes WM_PAINT and WM_NCPAINT of a window to the paint handlers and everything else to the
// window's own procedure, as the engine's subclass does; puts the procedure back at the end.
class PainterSubclass {
 public:
  explicit PainterSubclass(HWND window);
  ~PainterSubclass();
  PainterSubclass(const PainterSubclass&) = delete;
  PainterSubclass& operator=(const PainterSubclass&) = delete;

  // How many WM_PAINT or WM_NCPAINT messages the painters handed on to the window's own
  // procedure.
  static int PassedOn(HWND window, UINT message);

 private:
  HWND window_;
};

// The four window-sized face DCs (0HDC..3HDC with 0BMP..3BMP) and the button properties that
// attaching a command button sets up; all freed and removed at the end.
class ButtonFaces {
 public:
  explicit ButtonFaces(HWND button);
  ~ButtonFaces();
  ButtonFaces(const ButtonFaces&) = delete;
  ButtonFaces& operator=(const ButtonFaces&) = delete;

 private:
  HWND button_;
  std::array<HDC, 4> dcs_{};
  std::array<HBITMAP, 4> bitmaps_{};
  std::array<HGDIOBJ, 4> displaced_{};
};

// A font without anti-aliasing, so that text pixels have exactly the text colour.
class CrispFont {
 public:
  CrispFont();
  ~CrispFont();
  CrispFont(const CrispFont&) = delete;
  CrispFont& operator=(const CrispFont&) = delete;

  HFONT get() const { return font_; }

 private:
  HFONT font_;
};

// Repaints the window and its frame now, through whatever procedure it has.
void RepaintNow(HWND window);

// A pixel as the window shows it, in window coordinates ((0, 0) at the top-left corner of the
// window rectangle), or in client coordinates.
COLORREF WindowPixel(HWND window, int x, int y);
COLORREF ClientPixel(HWND window, int x, int y);

// A pixel of an atlas member or any DC.
COLORREF DcPixel(HDC dc, int x, int y);

// Paints a window-coordinate rectangle in one colour, to see whether a painter drew over it.
void Smear(HWND window, int x, int y, int width, int height, COLORREF colour);

// Counts the pixels of a window-coordinate rectangle that have exactly this colour.
int CountPixels(HWND window, RECT area, COLORREF colour);

// Sets the menu check box size (SM_CXMENUCHECK, SM_CYMENUCHECK) through the menu font for this
// process, and puts the font back at the end.
class MenuCheckSize {
 public:
  explicit MenuCheckSize(int pixels);
  ~MenuCheckSize();
  MenuCheckSize(const MenuCheckSize&) = delete;
  MenuCheckSize& operator=(const MenuCheckSize&) = delete;

 private:
  NONCLIENTMETRICSW saved_{};
};

// Hex text of a colour for assertion messages.
std::string Hex(COLORREF colour);

}  // namespace quavlet::skin::test
