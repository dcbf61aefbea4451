#include "runtime/Barrier.h"
#include "skin/SkinEngine.h"
#include "skin/SkinHandlers.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// When the window's own procedure (the one the engine replaced) gets the message: before the
// engine reacts, after it, or as the handler decides (a painter may keep a paint to itself; a
// converted push button's answers are corrected).
enum class OwnProcedure { First, Last, AsHandlerDecides };

using Handler = LRESULT (*)(WNDPROC replaced, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

struct Route {
  UINT message;
  OwnProcedure ownProcedure;
  Reaction reaction;
  Handler handler;
};

// Every message the engine takes part in. Any other goes to the window's own procedure alone.
constexpr Route kRoutes[] = {
    // message               window's own procedure         engine
    {WM_DESTROY,             OwnProcedure::Last,             GiveBackWindow,     nullptr},
    {WM_SIZE,                OwnProcedure::First,            HandleSize,         nullptr},
    {WM_SETTEXT,             OwnProcedure::First,            HandleSetText,      nullptr},
    {WM_ACTIVATE,            OwnProcedure::Last,             HandleActivate,     nullptr},
    {WM_SETFOCUS,            OwnProcedure::First,            HandleSetFocus,     nullptr},
    {WM_KILLFOCUS,           OwnProcedure::First,            HandleKillFocus,    nullptr},
    {WM_ENABLE,              OwnProcedure::First,            HandleEnable,       nullptr},
    {WM_PAINT,               OwnProcedure::AsHandlerDecides, nullptr,            HandlePaint},
    {WM_WINDOWPOSCHANGING,   OwnProcedure::First,            HandlePosChanging,  nullptr},
    {WM_NCPAINT,             OwnProcedure::AsHandlerDecides, nullptr,            HandleNcPaint},
    {WM_KEYDOWN,             OwnProcedure::First,            HandleKeyDown,      nullptr},
    {WM_KEYUP,               OwnProcedure::First,            HandleKeyUp,        nullptr},
    {WM_TIMER,               OwnProcedure::Last,             HandleTimer,        nullptr},
    {WM_ENTERIDLE,           OwnProcedure::First,            SkinWindowInLParam, nullptr},
    {WM_CTLCOLORLISTBOX,     OwnProcedure::First,            SkinWindowInLParam, nullptr},
    {WM_MOUSEMOVE,           OwnProcedure::First,            HandleMouseMove,    nullptr},
    {WM_LBUTTONDOWN,         OwnProcedure::First,            HandleButtonDown,   nullptr},
    {WM_LBUTTONUP,           OwnProcedure::First,            HandleButtonUp,     nullptr},
    {WM_LBUTTONDBLCLK,       OwnProcedure::First,            HandleDoubleClick,  nullptr},
    {WM_MOUSELEAVE,          OwnProcedure::First,            HandleMouseLeave,   nullptr},
    {WM_GETDLGCODE,          OwnProcedure::AsHandlerDecides, nullptr,            HandleGetDlgCode},
    {BM_SETSTYLE,            OwnProcedure::AsHandlerDecides, nullptr,            HandleSetStyle},
};

const Route* FindRoute(UINT message) {
  for (const Route& route : kRoutes) {
    if (route.message == message) return &route;
  }
  return nullptr;
}

bool IsSkinned(HWND window) { return SkinProperties(window).ProcAddr() != nullptr; }

// A reaction that fails leaves its drawing undone; the message keeps the window's own answer.
void React(const Route& route, HWND window, WPARAM wParam, LPARAM lParam) {
  runtime::Barrier([&] { route.reaction(window, wParam, lParam); });
}

// A handler that calls the window's own procedure itself failed: the message goes to that
// procedure (again, if the handler had passed it on already: a paint then finds nothing left to
// paint). A paint that neither of them completed is validated, or it would come straight back.
LRESULT WhenHandlerFailed(WNDPROC replaced, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(replaced, window, message, wParam, lParam);
  if (message == WM_PAINT && IsWindow(window)) ValidateRect(window, nullptr);
  return result;
}

// The engine's entry in the chain of a window that was given back while another procedure stood
// in front of it (a subclass leaves a chain only in the reverse order of joining it): every
// message goes on to the procedure the engine had replaced, and the entry leaves the chain as
// soon as it is at the front again. At the window's end the property goes with it.
LRESULT PassThrough(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinProperties properties(window);
  const WNDPROC passOn = properties.PassOnProc();
  if (!passOn) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    properties.Remove(kPassOnProcProperty);
  } else if (LeaveChainIfInFront(window, passOn)) {
    properties.Remove(kPassOnProcProperty);
  }
  return CallWindowProcW(passOn, window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!window) return 0;
  const WNDPROC replaced = SkinProperties(window).ProcAddr();
  if (!replaced) return PassThrough(window, message, wParam, lParam);

  const Route* route = FindRoute(message);
  if (!route) return CallWindowProcW(replaced, window, message, wParam, lParam);
  switch (route->ownProcedure) {
    case OwnProcedure::AsHandlerDecides:
      return runtime::Barrier([&] { return route->handler(replaced, window, message, wParam, lParam); },
                              [&] { return WhenHandlerFailed(replaced, window, message, wParam, lParam); });
    case OwnProcedure::Last:
      // At WM_DESTROY the window has been given back by now; it still goes to the procedure
      // read above.
      React(*route, window, wParam, lParam);
      return CallWindowProcW(replaced, window, message, wParam, lParam);
    case OwnProcedure::First:
      break;
  }
  const LRESULT result = CallWindowProcW(replaced, window, message, wParam, lParam);
  // The window's own procedure may have given the window back or destroyed it (a click that
  // closes the form); then the engine has nothing more to do for it.
  if (IsSkinned(window)) React(*route, window, wParam, lParam);
  return result;
}

}  // namespace quavlet::skin
