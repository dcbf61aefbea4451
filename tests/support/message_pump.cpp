#include "tests/support/message_pump.h"

namespace quavlet::test {

void FlushEvents() {
  // Two rounds: handlers of the first round may post more.
  for (int round = 0; round < 2; ++round) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMilliseconds;
  while (!condition()) {
    if (GetTickCount64() >= deadline) return condition();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    FlushEvents();
  }
  return true;
}

void PumpFor(DWORD milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  while (GetTickCount64() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    FlushEvents();
  }
}

DWORD GdiObjectCount() {
  SetLastError(ERROR_SUCCESS);
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return reported;
  // Wine answers 0 (not implemented). There a handle value holding only a slot index names
  // whatever object lives in that slot, so the live objects are counted slot by slot.
  DWORD live = 0;
  for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++live;
  }
  return live;
}

}  // namespace quavlet::test
