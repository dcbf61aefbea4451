#include "runtime/WindowedControl.h"

#include <commctrl.h>
#include <windowsx.h>

#include "runtime/Application.h"
#include "runtime/Barrier.h"
#include "runtime/Colours.h"
#include "runtime/Form.h"
#include "runtime/ToolInfo.h"

namespace quavlet::runtime {

WindowedControl::WindowedControl(std::wstring className) : className_(std::move(className)) {}

WindowedControl::~WindowedControl() {
  if (form_) form_->Remove(*this);
  if (window_) {
    // The procedure stays in place (a skin may sit in front of it and must still see the
    // window's destruction); without its control it hands every message to the class.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void WindowedControl::Design(const ControlDesign& design) {
  design_ = design;
  if (!window_) return;
  Move(design.place);
  SetText(design.text);
  SetEnabled(design.enabled);
  SetVisible(design.visible);
  ApplyFont();
}

bool WindowedControl::Create(Form& form, int id) {
  form_ = &form;
  const PixelBox box = form.ToPixels(design_.place);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | Style();
  if (design_.tabStop) style |= WS_TABSTOP;
  if (design_.visible) style |= WS_VISIBLE;
  if (!design_.enabled) style |= WS_DISABLED;
  window_ = CreateWindowExW(ExStyle(), className_.c_str(), design_.text.c_str(), style, box.left, box.top, box.width,
                            CreationHeight(box.height), form.hWnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), form.application().instance(),
                            nullptr);
  if (!window_) return false;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  classProcedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProcedure)));
  ApplyFont();
  OnCreated();
  return true;
}

void WindowedControl::ApplyFont() {
  if (!window_ || !form_) return;
  font_.reset();
  if (design_.font) font_ = CreateFontFromSpec(*design_.font, form_->Dpi());
  const HFONT font = font_ ? font_.get() : form_->FontHandle();
  // Redrawn only where it can be seen: a control of a form that is loading has nothing on screen.
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), IsWindowVisible(window_));
}

void WindowedControl::Move(const Place& place) {
  design_.place = place;
  if (!window_ || !form_) return;
  const PixelBox box = form_->ToPixels(place);
  SetWindowPos(window_, nullptr, box.left, box.top, box.width, CreationHeight(box.height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowedControl::SetEnabled(bool enabled) {
  design_.enabled = enabled;
  if (window_) EnableWindow(window_, enabled);
}

void WindowedControl::SetVisible(bool visible) {
  design_.visible = visible;
  if (window_) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

std::wstring WindowedControl::Text() const {
  if (!window_) return design_.text;
  const int length = GetWindowTextLengthW(window_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window_, text.data(), length + 1)));
  return text;
}

void WindowedControl::SetText(std::wstring_view text) {
  design_.text = text;
  if (window_) SetWindowTextW(window_, design_.text.c_str());
}

void WindowedControl::SetToolTipText(std::wstring_view text) {
  design_.toolTip = text;
  if (!window_ || !form_ || !form_->ToolTipWindow()) return;
  TOOLINFOW tool = ToolInfo(form_->hWnd(), window_);
  tool.lpszText = design_.toolTip.data();
  SendMessageW(form_->ToolTipWindow(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void WindowedControl::SetFont(const FontSpec& font) {
  design_.font = font;
  ApplyFont();
}

void WindowedControl::SetForeColour(Colour colour) {
  design_.foreColour = colour;
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void WindowedControl::SetBackColour(Colour colour) {
  design_.backColour = colour;
  backBrush_.reset();
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void WindowedControl::SetFocus() const {
  if (window_) ::SetFocus(window_);
}

std::optional<LRESULT> WindowedControl::OnControlColour(HDC dc) {
  if (!design_.foreColour && !design_.backColour) return std::nullopt;
  SetTextColor(dc, ResolveColour(design_.foreColour.value_or(kWindowTextColour)));
  const COLORREF back = ResolveColour(design_.backColour.value_or(kWindowColour));
  SetBkColor(dc, back);
  if (!backBrush_) backBrush_.reset(CreateSolidBrush(back));
  return reinterpret_cast<LRESULT>(backBrush_.get());
}

LRESULT WindowedControl::OnCharacter(WPARAM wParam, LPARAM lParam) {
  // Tab moves the focus (on its key-down); its character is not typed anywhere.
  if (wParam == L'\t') return 0;
  // The key press may unload the form and this control with it.
  const HWND window = window_;
  const WNDPROC classProcedure = classProcedure_;
  int character = static_cast<int>(wParam);
  OnKeyPress(character);
  if (character == 0 || !IsWindow(window)) return 0;
  return CallWindowProcW(classProcedure, window, WM_CHAR, static_cast<WPARAM>(character), lParam);
}

LRESULT CALLBACK WindowedControl::ControlProcedure(HWND window, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
  auto* control = reinterpret_cast<WindowedControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!control) {
    const auto classProcedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
    return CallWindowProcW(classProcedure, window, message, wParam, lParam);
  }
  const WNDPROC classProcedure = control->classProcedure_;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    control->window_ = nullptr;
    return CallWindowProcW(classProcedure, window, message, wParam, lParam);
  }
  // What fails in the control's own handling leaves the message to the class, as though the
  // control had not been there (read beforehand: the handling may have destroyed the control).
  return Barrier([&] { return control->OnWindowMessage(message, wParam, lParam); },
                 [&] { return IsWindow(window) ? CallWindowProcW(classProcedure, window, message, wParam, lParam) : 0; });
}

LRESULT WindowedControl::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_TAB && form_) {
        form_->FocusNextControl(GetKeyState(VK_SHIFT) < 0, window_);
        return 0;
      }
      break;
    case WM_CHAR:
      return OnCharacter(wParam, lParam);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      RelayToToolTip(message, wParam, lParam);
      break;
    default:
      break;
  }
  return CallClassProcedure(message, wParam, lParam);
}

LRESULT WindowedControl::CallClassProcedure(UINT message, WPARAM wParam, LPARAM lParam) const {
  return CallWindowProcW(classProcedure_, window_, message, wParam, lParam);
}

void WindowedControl::RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam) const {
  // What the tooltip's own subclass would pass it: the pointer's moves and presses over the tool.
  if (design_.toolTip.empty() || !form_ || !form_->ToolTipWindow()) return;
  MSG relayed{};
  relayed.hwnd = window_;
  relayed.message = message;
  relayed.wParam = wParam;
  relayed.lParam = lParam;
  relayed.time = static_cast<DWORD>(GetMessageTime());
  const DWORD position = GetMessagePos();
  relayed.pt = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  SendMessageW(form_->ToolTipWindow(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace quavlet::runtime
