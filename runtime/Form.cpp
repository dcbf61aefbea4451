#include "runtime/Form.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/Application.h"
#include "runtime/Barrier.h"
#include "runtime/Colours.h"
#include "runtime/MsgBox.h"
#include "runtime/Timer.h"
#include "runtime/ToolInfo.h"
#include "runtime/WindowedControl.h"
#include "runtime/WindowlessControl.h"

namespace quavlet::runtime {
namespace {

int ScreenDpi() {
  runtime::WindowDc screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : 96;
}

template <typename Item>
void Erase(std::vector<Item*>& items, const Item* item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace

Form::Form(Application& application, std::wstring_view formName, FormDesign design)
    : application_(application), formName_(formName), design_(std::move(design)), dpi_(ScreenDpi()) {
  font_ = CreateFontFromSpec(design_.font, dpi_);
}

Form::~Form() {
  if (!window_) return;
  // Deleted while its window is up: the window must not call back into a dying object.
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(std::exchange(window_, nullptr));
}

void Form::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kFormClassName;
  RegisterClassW(&windowClass);
}

bool Form::Load() {
  if (window_) return true;
  if (!CreateFormWindow()) return false;
  CreateControls();
  for (WindowTimer* timer : timers_) timer->Apply();
  Form_Load();
  return window_ != nullptr;
}

bool Form::CreateFormWindow() {
  DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  style |= design_.border == BorderStyle::None ? WS_POPUP : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  // No taskbar button: a tool window. With one: an application window.
  const DWORD exStyle = design_.showInTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
  const PixelBox client = ToPixels({0, 0, design_.clientWidth, design_.clientHeight});
  RECT frame{0, 0, client.width, client.height};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT workArea{0, 0, 1024, 768};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  const int left = workArea.left + std::max(0L, (workArea.right - workArea.left - width) / 2);
  const int top = workArea.top + std::max(0L, (workArea.bottom - workArea.top - height) / 2);
  CreateWindowExW(exStyle, kFormClassName, design_.caption.c_str(), style, left, top, width, height, nullptr,
                  nullptr, application_.instance(), this);
  if (!window_) return false;
  if (design_.icon) {
    const HINSTANCE instance = application_.instance();
    const auto big = LoadImageW(instance, MAKEINTRESOURCEW(design_.icon), IMAGE_ICON, 0, 0, LR_SHARED);
    const auto small = LoadImageW(instance, MAKEINTRESOURCEW(design_.icon), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                  GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  }
  return true;
}

HWND Form::ToolTipWindow() {
  if (toolTip_ || !window_) return toolTip_;
  toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                             application_.instance(), nullptr);
  for (WindowedControl* control : windowed_) AddToolTip(*control);
  return toolTip_;
}

void Form::CreateControls() {
  // Created in tab order, which is also the order the system keeps its children in.
  for (WindowedControl* control : windowed_) {
    if (control->hWnd()) continue;
    control->Create(*this, nextControlId_++);
    AddToolTip(*control);
  }
}

void Form::AddToolTip(WindowedControl& control) {
  if (!toolTip_ || !control.hWnd() || control.ToolTipText().empty()) return;
  TOOLINFOW tool = ToolInfo(window_, control.hWnd());
  tool.uFlags = TTF_IDISHWND;  // the control relays the pointer's messages itself
  std::wstring text = control.ToolTipText();
  tool.lpszText = text.data();
  if (!SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
    // The control works on without its tip; say so where a developer looks.
    OutputDebugStringW((L"Quavlet: the tooltip refused the tip \"" + text + L"\"\n").c_str());
  }
}

void Form::Show() {
  if (!window_) return;
  ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window_);
}

void Form::Hide() {
  if (window_) ShowWindow(window_, SW_HIDE);
}

void Form::Unload() {
  if (!window_) return;
  int cancel = 0;
  Form_Unload(cancel);
  if (cancel == 0 && window_) DestroyWindow(window_);
}

void Form::DestroyWindowNow() {
  if (window_) DestroyWindow(window_);
}

void Form::Cls() {
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void Form::SetBackColour(Colour colour) {
  design_.backColour = colour;
  Cls();
}

std::wstring Form::Caption() const {
  if (!window_) return design_.caption;
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Form::SetCaption(std::wstring_view caption) {
  design_.caption = caption;
  if (window_) SetWindowTextW(window_, design_.caption.c_str());
}

WindowState Form::GetWindowState() const {
  if (window_ && IsIconic(window_)) return WindowState::Minimized;
  if (window_ && IsZoomed(window_)) return WindowState::Maximized;
  return WindowState::Normal;
}

void Form::SetWindowState(WindowState state) {
  if (!window_) return;
  switch (state) {
    case WindowState::Minimized:
      ShowWindow(window_, SW_MINIMIZE);
      break;
    case WindowState::Maximized:
      ShowWindow(window_, SW_MAXIMIZE);
      break;
    case WindowState::Normal:
      ShowWindow(window_, SW_RESTORE);
      break;
  }
}

int Form::MsgBox(std::wstring_view prompt, UINT style, std::wstring_view title) const {
  return runtime::MsgBox(window_, prompt, style, title);
}

void Form::Add(WindowedControl& control) {
  windowed_.push_back(&control);
  control.form_ = this;
  if (window_) {
    control.Create(*this, nextControlId_++);
    AddToolTip(control);
  }
}

void Form::Add(WindowlessControl& control) {
  windowless_.push_back(&control);
  control.AttachTo(*this);
  control.Invalidate();
}

void Form::Add(WindowTimer& timer) {
  timers_.push_back(&timer);
  timer.AttachTo(*this, nextTimerId_++);
  timer.Apply();
}

void Form::Remove(WindowedControl& control) { Erase(windowed_, &control); }

void Form::Remove(WindowlessControl& control) {
  Erase(windowless_, &control);
  if (pressed_ == &control) pressed_ = nullptr;
  InvalidatePixels(control.Pixels());
}

void Form::Remove(WindowTimer& timer) { Erase(timers_, &timer); }

WindowedControl* Form::ControlByWindow(HWND window) const {
  if (!window) return nullptr;
  for (WindowedControl* control : windowed_) {
    if (control->hWnd() == window) return control;
  }
  return nullptr;
}

void Form::InvalidatePixels(const PixelBox& box) {
  if (!window_) return;
  const RECT area{box.left, box.top, box.left + box.width, box.top + box.height};
  InvalidateRect(window_, &area, FALSE);
}

LRESULT CALLBACK Form::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  // A handler that fails leaves the message to the default procedure (which also validates a
  // paint that failed, so it does not come back at once); the form goes on answering.
  return Barrier([&] { return form->HandleMessage(message, wParam, lParam); },
                 [&] { return DefWindowProcW(window, message, wParam, lParam); });
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_;
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting covers everything
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, lParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      OnMouseButton(message, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      OnCaptureChanged();
      return 0;
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_NOTIFY:
      return OnNotify(wParam, lParam);
    case WM_DRAWITEM:
      return OnDrawItem(wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColour(message, wParam, lParam);
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_ACTIVATE:
      return OnActivate(wParam, lParam);
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_TAB) {
        FocusNextControl(GetKeyState(VK_SHIFT) < 0, nullptr);
        return 0;
      }
      break;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Form::Paint() {
  const runtime::PaintScope paint(window_);
  const HDC target = paint.get();
  const RECT& area = paint.area();
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width > 0 && height > 0) {
    // Drawn off screen, then copied: no flicker while controls are drawn over each other.
    runtime::MemoryDc buffer(CreateCompatibleDC(target));
    runtime::Bitmap surface(CreateCompatibleBitmap(target, width, height));
    {
      runtime::ScopedSelect selectSurface(buffer.get(), surface.get());
      SetViewportOrgEx(buffer.get(), -area.left, -area.top, nullptr);
      DrawSurface(buffer.get(), area);
      SetViewportOrgEx(buffer.get(), 0, 0, nullptr);
      BitBlt(target, area.left, area.top, width, height, buffer.get(), 0, 0, SRCCOPY);
    }
  }
}

void Form::DrawSurface(HDC dc, const RECT& area) const {
  runtime::Brush background(CreateSolidBrush(ResolveColour(design_.backColour)));
  FillRect(dc, &area, background.get());
  for (auto control = windowless_.rbegin(); control != windowless_.rend(); ++control) {
    if (!(*control)->Visible()) continue;
    const PixelBox box = (*control)->Pixels();
    const RECT bounds{box.left, box.top, box.left + box.width, box.top + box.height};
    RECT overlap;
    if (!IntersectRect(&overlap, &bounds, &area)) continue;
    runtime::ScopedSaveDc saved(dc);
    (*control)->Paint(dc);
  }
}

LRESULT Form::OnControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
  if (WindowedControl* control = ControlByWindow(reinterpret_cast<HWND>(lParam))) {
    if (auto brush = control->OnControlColour(reinterpret_cast<HDC>(wParam))) return *brush;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Form::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (WindowedControl* control = ControlByWindow(reinterpret_cast<HWND>(lParam))) {
    control->OnCommand(HIWORD(wParam));
  }
}

LRESULT Form::OnDrawItem(WPARAM wParam, LPARAM lParam) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (WindowedControl* control = ControlByWindow(item.hwndItem)) {
    if (control->OnDrawItem(item)) return TRUE;
  }
  return DefWindowProcW(window_, WM_DRAWITEM, wParam, lParam);
}

LRESULT Form::OnNotify(WPARAM wParam, LPARAM lParam) {
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  if (WindowedControl* control = ControlByWindow(header.hwndFrom)) return control->OnNotify(header);
  return DefWindowProcW(window_, WM_NOTIFY, wParam, lParam);
}

void Form::OnTimer(UINT_PTR id) {
  for (WindowTimer* timer : timers_) {
    if (timer->id_ == id) {
      timer->Fire();
      return;
    }
  }
}

LRESULT Form::OnActivate(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) lastFocus_ = focus;
    return DefWindowProcW(window_, WM_ACTIVATE, wParam, lParam);
  }
  const LRESULT result = DefWindowProcW(window_, WM_ACTIVATE, wParam, lParam);
  Form_Activate();
  return result;
}

bool Form::CanTakeFocus(const WindowedControl& control) const {
  return control.hWnd() && control.TabStop() && control.Visible() && IsWindowEnabled(control.hWnd());
}

void Form::OnSetFocus() {
  if (lastFocus_ && IsWindow(lastFocus_) && IsChild(window_, lastFocus_) && IsWindowEnabled(lastFocus_) &&
      IsWindowVisible(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  for (WindowedControl* control : windowed_) {
    if (CanTakeFocus(*control)) {
      control->SetFocus();
      return;
    }
  }
}

void Form::FocusNextControl(bool backwards, HWND from) {
  const int count = static_cast<int>(windowed_.size());
  if (count == 0) return;
  int current = backwards ? count : -1;
  for (int index = 0; index < count; ++index) {
    const HWND control = windowed_[static_cast<size_t>(index)]->hWnd();
    if (control && (control == from || IsChild(control, from))) current = index;
  }
  for (int step = 1; step <= count; ++step) {
    const int index = ((current + (backwards ? -step : step)) % count + count) % count;
    WindowedControl& candidate = *windowed_[static_cast<size_t>(index)];
    if (CanTakeFocus(candidate)) {
      candidate.SetFocus();
      return;
    }
  }
}

void Form::OnClose() { Unload(); }

void Form::OnNcDestroy() {
  window_ = nullptr;
  toolTip_ = nullptr;
  lastFocus_ = nullptr;
  pressed_ = nullptr;
  pressActive_ = false;
  for (WindowTimer* timer : timers_) timer->Apply();
  application_.FormClosed(*this);
}

void Form::Form_MouseDown(int, int, float, float) {}
void Form::Form_MouseUp(int, int, float, float) {}
void Form::Form_MouseMove(int, int, float, float) {}

}  // namespace quavlet::runtime
