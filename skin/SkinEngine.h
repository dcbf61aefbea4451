#pragma once

// Inside the skin engine: its process-wide state and the operations that take a window over
// and give it back. The host uses MSkinButton.h only.

#include <windows.h>

#include <cstdint>

namespace quavlet::skin {

// The engine's one copy of process-wide state. Only the user-interface thread touches it.
struct SkinEngineState {
  bool EngineStarted = false;
  // Whether user32 has TrackMouseEvent; otherwise leave tracking goes through comctl32.
  bool HasTrackMouseEvent = false;
  // Windows whose procedure the engine has replaced and not yet given back, forms included.
  std::int32_t SkinnedWindowCount = 0;
  // Whether a DrawingDcShare (SkinGdi.h) is open, and its display DC and scratch DC, each made
  // when first asked for (0 until then and once the share has closed).
  bool DrawingShareOpen = false;
  HDC SharedDisplayDc = nullptr;
  HDC SharedScratchDc = nullptr;
  SIZE SharedScratchSize{};
  HDC SharedFormatDc = nullptr;  // one pixel of the display's format (DisplayDc::BitmapFormatDc)
};

SkinEngineState& Engine();

// Releases the atlas and marks the engine stopped; the next AttachSkin starts it anew.
void StopEngine();

// 1 when the window was taken over, 0 for a null, foreign or already skinned window.
std::int32_t SkinWindow(HWND window);
// 1 when the window was skinned and has been given back, 0 otherwise.
std::int32_t UnskinWindow(HWND window);

// Puts the procedure the engine replaced back into the window, if the engine's own is still the
// window's current one; false, changing nothing, when another procedure was put in front since
// (taking the engine's out from under it would cut that one out of the chain as well).
bool LeaveChainIfInFront(HWND window, WNDPROC replaced);

// EnumChildWindows callbacks over SkinWindow and UnskinWindow; they always go on.
BOOL CALLBACK SkinChildProc(HWND window, LPARAM);
BOOL CALLBACK UnskinChildProc(HWND window, LPARAM);

// Whether the module exports the function. A module that was not loaded is loaded for the
// question and freed again.
bool IsFunctionExported(const char* procName, const wchar_t* moduleName);

// The one window procedure of every skinned window.
LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quavlet::skin
