#pragma once

// A control that is a real child window of a standard class. Its design (place, text, tooltip,
// colours, font, enabled, visible) is kept by the object, applied when the form creates the
// window and passed on at once while the window exists. Tab, and the character keys of
// KeyPress, are taken from the window through its own window procedure placed in front of the
// class's, so they work under any message loop. That procedure finds its control through
// GWLP_USERDATA: a comctl32 subclass would cost a window-property lookup (a round trip to the
// window server under Wine) on every message the control gets.

#include <windows.h>

#include <optional>
#include <string>

#include "runtime/Events.h"
#include "runtime/Font.h"
#include "runtime/GdiHandles.h"
#include "runtime/colour.h"
#include "runtime/twips.h"

namespace quavlet::runtime {

class Form;

struct ControlDesign {
  Place place{};
  std::wstring text{};
  std::wstring toolTip{};
  bool enabled = true;
  bool visible = true;
  bool tabStop = true;
  std::optional<FontSpec> font{};  // the form's font when not given
  std::optional<Colour> foreColour{};
  std::optional<Colour> backColour{};
};

class WindowedControl {
 public:
  explicit WindowedControl(std::wstring className);
  virtual ~WindowedControl();
  WindowedControl(const WindowedControl&) = delete;
  WindowedControl& operator=(const WindowedControl&) = delete;

  void Design(const ControlDesign& design);

  HWND hWnd() const { return window_; }
  Form* Parent() const { return form_; }
  const std::wstring& ClassName() const { return className_; }

  const Place& GetPlace() const { return design_.place; }
  double Left() const { return design_.place.left; }
  double Top() const { return design_.place.top; }
  double Width() const { return design_.place.width; }
  double Height() const { return design_.place.height; }
  void Move(const Place& place);

  bool Enabled() const { return design_.enabled; }
  void SetEnabled(bool enabled);
  bool Visible() const { return design_.visible; }
  void SetVisible(bool visible);
  bool TabStop() const { return design_.tabStop; }
  std::wstring Text() const;
  void SetText(std::wstring_view text);
  const std::wstring& ToolTipText() const { return design_.toolTip; }
  void SetToolTipText(std::wstring_view text);
  void SetFont(const FontSpec& font);
  std::optional<Colour> ForeColour() const { return design_.foreColour; }
  std::optional<Colour> BackColour() const { return design_.backColour; }
  void SetForeColour(Colour colour);
  void SetBackColour(Colour colour);
  void SetFocus() const;

 protected:
  // The class-specific style bits; the runtime adds WS_CHILD, WS_TABSTOP and visibility.
  virtual DWORD Style() const = 0;
  virtual DWORD ExStyle() const { return 0; }
  // The window's height at creation (a combo box is created with its drop-down list's height).
  virtual int CreationHeight(int designHeight) const { return designHeight; }
  virtual void OnCreated() {}
  virtual void OnCommand(WORD notification) { (void)notification; }
  virtual LRESULT OnNotify(const NMHDR& header) {
    (void)header;
    return 0;
  }
  // A character typed into the control; set it to 0 to swallow it.
  virtual void OnKeyPress(int& character) { (void)character; }
  // The colours painted with, when the control has its own.
  virtual std::optional<LRESULT> OnControlColour(HDC dc);
  // An item of an owner-drawn control to draw; false when the control leaves it undrawn.
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item) {
    (void)item;
    return false;
  }
  // Every message the window gets, before its class's procedure. A control that takes some
  // messages itself overrides this and hands the rest to its base class.
  virtual LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The class's own window procedure, for a message passed on.
  LRESULT CallClassProcedure(UINT message, WPARAM wParam, LPARAM lParam) const;

 private:
  friend class Form;
  bool Create(Form& form, int id);
  void ApplyFont();
  static LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCharacter(WPARAM wParam, LPARAM lParam);
  void RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam) const;

  std::wstring className_;
  ControlDesign design_;
  Form* form_ = nullptr;
  HWND window_ = nullptr;
  WNDPROC classProcedure_ = nullptr;
  runtime::Font font_;
  runtime::Brush backBrush_;
};

}  // namespace quavlet::runtime
