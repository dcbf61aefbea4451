#pragma once

// A form: a top-level window of the class "ThunderRT6FormDC" holding windowed controls (real
// child windows), windowless controls (labels, pictures, shapes drawn on the form's own surface)
// and timers. A form class derives from Form, declares its controls as members, adds them in
// its constructor (windowed ones in tab order, windowless ones front to back), binds their
// events to its member functions and overrides the Form_ events it handles.
//
// The window procedure finds its Form through GWLP_USERDATA, so it keeps working when another
// procedure is chained in front of it.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "runtime/Events.h"
#include "runtime/Font.h"
#include "runtime/GdiHandles.h"
#include "runtime/colour.h"
#include "runtime/twips.h"

namespace quavlet::runtime {

class Application;
class WindowedControl;
class WindowlessControl;
class WindowTimer;

inline constexpr wchar_t kFormClassName[] = L"ThunderRT6FormDC";

enum class BorderStyle {
  None,         // no frame, no title bar
  FixedSingle,  // title bar with a close box only; not resizable
};

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

struct FormDesign {
  std::wstring caption{};
  double clientWidth = 0;   // twips
  double clientHeight = 0;  // twips
  Colour backColour = kPanelColour;
  BorderStyle border = BorderStyle::None;
  bool showInTaskbar = false;
  int icon = 0;  // icon resource, 0 for none
  FontSpec font = DefaultFont();
};

class Form {
 public:
  Form(Application& application, std::wstring_view formName, FormDesign design);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  static void RegisterWindowClass(HINSTANCE instance);

  Application& application() const { return application_; }
  std::wstring_view FormName() const { return formName_; }
  HWND hWnd() const { return window_; }
  bool IsLoaded() const { return window_ != nullptr; }

  // Creates the window (hidden) and its controls, starts enabled timers, runs Form_Load.
  bool Load();
  // Modeless: shows the window and activates it.
  void Show();
  void Hide();
  // Runs Form_Unload; unless it cancels, destroys the window (and so the controls).
  void Unload();
  // Clears whatever has been drawn at run time: the form repaints its design.
  void Cls();

  Colour BackColour() const { return design_.backColour; }
  void SetBackColour(Colour colour);
  std::wstring Caption() const;
  void SetCaption(std::wstring_view caption);
  WindowState GetWindowState() const;
  void SetWindowState(WindowState state);

  // Pixels per inch of the screen the form's twips are converted with.
  int Dpi() const { return dpi_; }
  PixelBox ToPixels(const Place& place) const { return PlaceToPixels(place, dpi_); }
  const FontSpec& FontDesign() const { return design_.font; }
  HFONT FontHandle() const { return font_.get(); }

  // A modal message box owned by this form; returns the button pressed (IDOK...).
  int MsgBox(std::wstring_view prompt, UINT style, std::wstring_view title) const;

  // Controls register here, windowed ones in tab order, windowless ones front to back. A
  // control leaves its form by itself when it is destroyed.
  void Add(WindowedControl& control);
  void Add(WindowlessControl& control);
  void Add(WindowTimer& timer);
  void Remove(WindowedControl& control);
  void Remove(WindowlessControl& control);
  void Remove(WindowTimer& timer);
  const std::vector<WindowedControl*>& WindowedControls() const { return windowed_; }
  const std::vector<WindowlessControl*>& WindowlessControls() const { return windowless_; }

  // Draws the form's background and its windowless controls, back to front, as painting does.
  void DrawSurface(HDC dc, const RECT& area) const;
  // Destroys the window without running Form_Unload (the application ending).
  void DestroyWindowNow();

  // The front-most visible windowless control that takes the pointer at a client pixel.
  WindowlessControl* WindowlessAt(POINT pixel) const;
  // Moves the focus from a control (the focused one by default) to the next (or previous)
  // windowed control in tab order that is visible, enabled and a tab stop.
  void FocusNextControl(bool backwards, HWND from = GetFocus());
  // The form's tooltip window, which shows the controls' ToolTipText. It is made when first
  // asked for (by the pointer's first move over a control that has a tip): a top-level window
  // costs milliseconds to make under Wine, and nothing shows it before then.
  HWND ToolTipWindow();
  void InvalidatePixels(const PixelBox& box);

  // The form's own events; a form overrides those it handles.
  virtual void Form_Load() {}
  virtual void Form_Unload(int& Cancel) { (void)Cancel; }
  virtual void Form_Activate() {}
  virtual void Form_Click() {}
  virtual void Form_DblClick() {}
  virtual void Form_MouseDown(int Button, int Shift, float X, float Y);
  virtual void Form_MouseUp(int Button, int Shift, float X, float Y);
  virtual void Form_MouseMove(int Button, int Shift, float X, float Y);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  bool CreateFormWindow();
  void CreateControls();
  void AddToolTip(WindowedControl& control);
  void Paint();
  LRESULT OnControlColour(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  void OnTimer(UINT_PTR id);
  LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
  void OnSetFocus();
  void OnClose();
  void OnNcDestroy();
  WindowedControl* ControlByWindow(HWND window) const;
  bool CanTakeFocus(const WindowedControl& control) const;

  // Mouse routing to windowless controls (FormMouse.cpp).
  enum class MouseKind { Down, Up, Move, Click, DblClick };
  void OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam);
  void OnMouseMove(WPARAM wParam, LPARAM lParam);
  void OnCaptureChanged();
  void Deliver(WindowlessControl* target, MouseKind kind, int button, int shift, POINT pixel);
  void EndPress();

  Application& application_;
  std::wstring formName_;
  FormDesign design_;
  int dpi_;
  HWND window_ = nullptr;
  HWND toolTip_ = nullptr;
  HWND lastFocus_ = nullptr;  // given the focus back when the form is activated again
  runtime::Font font_;
  runtime::Brush backBrush_;
  std::vector<WindowedControl*> windowed_;      // tab order
  std::vector<WindowlessControl*> windowless_;  // front to back
  std::vector<WindowTimer*> timers_;
  int nextControlId_ = 100;
  UINT_PTR nextTimerId_ = 1;

  // The control (or the form, when nullptr) that a press went to: it gets the moves and the
  // release until every button is up, as a captured pointer does.
  WindowlessControl* pressed_ = nullptr;
  bool pressActive_ = false;
  bool doubleClickPress_ = false;
};

}  // namespace quavlet::runtime
