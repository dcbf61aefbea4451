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

DWORD GdiObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace quavlet::test
