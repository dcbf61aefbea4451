#pragma once

// Shared set-up of the skin engine tests: the engine starts each test stopped, with the pointer
// parked away from the test windows, and must be stopped again at the end.

#include <gtest/gtest.h>
#include <windows.h>

#include "skin/SkinAtlas.h"
#include "skin/SkinEngine.h"
#include "tests/skin/engine_event_log.h"
#include "tests/skin/engine_test_windows.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin::test {

class EngineTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterEngineTestClasses();
    ParkPointer();
    // A test that only started the engine (AttachSkin of a null handle) leaves it running idle.
    if (Engine().EngineStarted && Engine().SkinnedWindowCount == 0) StopEngine();
    ASSERT_FALSE(Engine().EngineStarted);
    log_.Watch({WM_DESTROY, WM_SIZE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_ENABLE, WM_KEYDOWN, WM_KEYUP,
                WM_TIMER, WM_ENTERIDLE, WM_CTLCOLORLISTBOX, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
                WM_LBUTTONDBLCLK, WM_MOUSELEAVE});
  }

  void TearDown() override {
    quavlet::test::FlushEvents();
    EXPECT_EQ(Engine().SkinnedWindowCount, 0) << "a test left windows skinned";
  }

  // Far from every test window, so that no real pointer event reaches them by chance.
  static void ParkPointer() { SetCursorPos(1270, 790); }

  static void PointAt(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
  }

  // Lets a running fade finish (its timer steps every 15 ms).
  static bool FinishFade(HWND button) {
    return quavlet::test::PumpUntil([button] { return GetPropW(button, L"TIMERID") == nullptr; }, 5000);
  }

  EventLog log_;
};

}  // namespace quavlet::skin::test
