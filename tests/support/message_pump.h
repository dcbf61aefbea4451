#pragma once

#include <windows.h>

#include <functional>

namespace quavlet::test {

// Dispatches every pending message of this thread, so that posted and sent work has run.
void FlushEvents();

// Pumps messages until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds = 5000);

// Pumps messages for the given time (for timers).
void PumpFor(DWORD milliseconds);

// GDI objects this process holds now.
DWORD GdiObjectCount();

}  // namespace quavlet::test
