#include <span>

#include "runtime/Barrier.h"

#include "skin/ButtonSkinning.h"
#include "skin/ControlKind.h"
#include "skin/SkinEngine.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

// The whole frame, as WM_NCPAINT's wParam.
constexpr WPARAM kWholeFrame = 1;

// Only windows of this thread can be taken over: a window of another process cannot have its
// procedure replaced (and must not get our properties or styles), and a window of another
// thread would run the engine off the user-interface thread. A destroyed handle has no thread.
bool BelongsToThisThread(HWND window) {
  return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

struct StartingProperty {
  const wchar_t* name;
  int value;
};

constexpr StartingProperty kMarkProperties[] = {{kMouseFlagProperty, 0}, {kOldStateProperty, 0}};
constexpr StartingProperty kHeaderProperties[] = {
    {kMouseFlagProperty, 0}, {kHdIndexProperty, -1}, {kHmIndexProperty, -1}};

// The state properties a kind keeps from its takeover to its return.
std::span<const StartingProperty> StartingPropertiesOf(ControlKind kind) {
  switch (kind) {
    case ckCombo:
    case ckDriveList:
    case ckCheck:
    case ckOption:
      return kMarkProperties;
    case ckHeader:
      return kHeaderProperties;
    default:
      return {};
  }
}

void PrepareByKind(HWND window, const SkinProperties& properties) {
  const ControlKind kind = ClassifyWindow(window);
  if (kind == ckForm) {
    // Every descendant, at any depth, before the form itself.
    EnumChildWindows(window, SkinChildProc, 0);
  } else if (kind == ckButton) {
    PrepareCommandButton(window);
  }
  for (const StartingProperty& property : StartingPropertiesOf(kind)) {
    properties.Set(property.name, property.value);
  }
}

void UndoByKind(HWND window, const SkinProperties& properties) {
  const ControlKind kind = ClassifyWindow(window);
  if (kind == ckForm) {
    EnumChildWindows(window, UnskinChildProc, 0);
  } else if (kind == ckButton) {
    UndoCommandButton(window);
  }
  for (const StartingProperty& property : StartingPropertiesOf(kind)) {
    properties.Remove(property.name);
  }
}

// Frame and client are drawn again, now through whichever procedure the window has. A window
// that is not visible (the main window's controls while it loads) has nothing on screen to
// draw again; showing it paints it in full, through the same procedure.
void Repaint(HWND window) {
  if (!IsWindowVisible(window)) return;
  SendMessageW(window, WM_NCPAINT, kWholeFrame, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
}

}  // namespace

std::int32_t SkinWindow(HWND window) {
  if (!window) return 0;
  const SkinProperties properties(window);
  // One entry of the engine per procedure chain.
  if (properties.ProcAddr()) return 0;
  if (!BelongsToThisThread(window)) return 0;

  PrepareByKind(window, properties);
  ++Engine().SkinnedWindowCount;
  if (const WNDPROC passOn = properties.PassOnProc()) {
    // Given back earlier while another procedure stood in front, the window still has the
    // engine's entry in its chain: that entry takes it up again, so the chain never holds two.
    properties.SetProcAddr(passOn);
    properties.Remove(kPassOnProcProperty);
  } else {
    // The W function keeps the window a Unicode one.
    const LONG_PTR replaced =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWindowProc));
    properties.SetProcAddr(reinterpret_cast<WNDPROC>(replaced));
  }
  Repaint(window);
  return 1;
}

std::int32_t UnskinWindow(HWND window) {
  if (!window) return 0;
  const SkinProperties properties(window);
  const WNDPROC replaced = properties.ProcAddr();
  if (!replaced) return 0;

  UndoByKind(window, properties);
  properties.Remove(kProcAddrProperty);
  // With another procedure in front, the engine's stays in the chain and passes everything on.
  if (!LeaveChainIfInFront(window, replaced)) properties.SetPassOnProc(replaced);
  Repaint(window);

  SkinEngineState& engine = Engine();
  if (--engine.SkinnedWindowCount <= 0) StopEngine();
  return 1;
}

bool LeaveChainIfInFront(HWND window, WNDPROC replaced) {
  if (GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&SkinWindowProc)) return false;
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replaced));
  return true;
}

// A window that fails to be taken over or given back does not stop the others.
BOOL CALLBACK SkinChildProc(HWND window, LPARAM) {
  runtime::Barrier([&] { SkinWindow(window); });
  return TRUE;
}

BOOL CALLBACK UnskinChildProc(HWND window, LPARAM) {
  runtime::Barrier([&] { UnskinWindow(window); });
  return TRUE;
}

}  // namespace quavlet::skin
