#include "skin/SkinProperties.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/skin/base_test_window.h"
#include "tests/support/message_pump.h"

namespace quavlet::skin {
namespace {

using quavlet::test::PumpFor;
using quavlet::test::PumpUntil;
using test::TestWindow;

const wchar_t* const kIntegerProperties[] = {kOldStyleProperty, kMouseFlagProperty, kTimerIdProperty,
                                            kOldStateProperty, kAlphaLevelProperty, kHdIndexProperty,
                                            kHmIndexProperty};

TEST(SkinProperties, AWindowWithoutPropertiesReadsZeroForEveryOne) {
  const TestWindow window(L"QuavletPropertyWindow");
  const SkinProperties properties(window.get());
  for (const wchar_t* name : kIntegerProperties) {
    EXPECT_EQ(properties.Get(name), 0) << name;
    EXPECT_FALSE(properties.Has(name)) << name;
  }
  EXPECT_EQ(properties.ProcAddr(), nullptr);
  for (int state = 0; state < 4; ++state) {
    EXPECT_EQ(properties.FaceDc(state), nullptr);
    EXPECT_EQ(properties.FaceBitmap(state), nullptr);
  }
}

TEST(SkinProperties, IntegersRoundTripIncludingNegativeOnes) {
  const TestWindow window(L"QuavletPropertyWindow");
  const SkinProperties properties(window.get());
  properties.Set(kHdIndexProperty, -1);
  properties.Set(kHmIndexProperty, -1);
  properties.Set(kOldStyleProperty, static_cast<int32_t>(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW));
  properties.Set(kAlphaLevelProperty, 255);
  properties.Set(kOldStateProperty, INT32_MIN);
  properties.Set(kMouseFlagProperty, INT32_MAX);
  EXPECT_EQ(properties.Get(kHdIndexProperty), -1);
  EXPECT_EQ(properties.Get(kHmIndexProperty), -1);
  EXPECT_EQ(properties.Get(kOldStyleProperty), static_cast<int32_t>(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW));
  EXPECT_EQ(properties.Get(kAlphaLevelProperty), 255);
  EXPECT_EQ(properties.Get(kOldStateProperty), INT32_MIN);
  EXPECT_EQ(properties.Get(kMouseFlagProperty), INT32_MAX);
}

TEST(SkinProperties, NamesAreExactAndSeenByTheNarrowFunctionsToo) {
  const TestWindow window(L"QuavletPropertyWindow");
  const SkinProperties properties(window.get());
  properties.Set(kAlphaLevelProperty, 140);
  properties.Set(kHmIndexProperty, 2);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(window.get(), "ALPHALEVEL")), 140);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(window.get(), "HMINDEX")), 2);
  SetPropA(window.get(), "OLDSTATE", reinterpret_cast<HANDLE>(3));
  EXPECT_EQ(properties.Get(kOldStateProperty), 3);
  EXPECT_EQ(std::wstring(kProcAddrProperty), L"PROCADDR");
  EXPECT_EQ(std::wstring(kOldStyleProperty), L"OLDSTYLE");
  EXPECT_EQ(std::wstring(kMouseFlagProperty), L"MOUSEFLAG");
  EXPECT_EQ(std::wstring(kTimerIdProperty), L"TIMERID");
  EXPECT_EQ(std::wstring(kHdIndexProperty), L"HDINDEX");
}

TEST(SkinProperties, FaceNamesAreTheStateDigitAndASuffix) {
  const TestWindow window(L"QuavletPropertyWindow");
  const SkinProperties properties(window.get());
  for (int state = 0; state < 4; ++state) {
    EXPECT_EQ(FaceDcPropertyName(state), std::to_wstring(state) + L"HDC");
    EXPECT_EQ(FaceBitmapPropertyName(state), std::to_wstring(state) + L"BMP");
  }
  const HDC dc = reinterpret_cast<HDC>(static_cast<INT_PTR>(0x12340));
  const HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x56780));
  properties.SetFaceDc(2, dc);
  properties.SetFaceBitmap(3, bitmap);
  EXPECT_EQ(GetPropA(window.get(), "2HDC"), dc);
  EXPECT_EQ(GetPropA(window.get(), "3BMP"), bitmap);
  EXPECT_EQ(properties.FaceDc(2), dc);
  EXPECT_EQ(properties.FaceBitmap(3), bitmap);
  EXPECT_EQ(properties.FaceDc(3), nullptr);
  properties.Remove(FaceDcPropertyName(2).c_str());
  properties.Remove(FaceBitmapPropertyName(3).c_str());
}

LRESULT CALLBACK SomeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(SkinProperties, TheReplacedProcedureKeepsItsFullAddress) {
  const TestWindow window(L"QuavletPropertyWindow");
  const SkinProperties properties(window.get());
  properties.SetProcAddr(SomeProcedure);
  EXPECT_EQ(properties.ProcAddr(), SomeProcedure);
  EXPECT_TRUE(properties.Has(kProcAddrProperty));
  properties.Remove(kProcAddrProperty);
  EXPECT_EQ(properties.ProcAddr(), nullptr);
  EXPECT_FALSE(properties.Has(kProcAddrProperty));
}

TEST(SkinProperties, AStoredZeroIsThereAndARemovedPropertyIsGone) {
  const TestWindow window(L"QuavletPropertyWindow");
  const SkinProperties properties(window.get());
  properties.Set(kMouseFlagProperty, 0);
  EXPECT_TRUE(properties.Has(kMouseFlagProperty));
  EXPECT_EQ(properties.Get(kMouseFlagProperty), 0);
  properties.Set(kMouseFlagProperty, 1);
  properties.Remove(kMouseFlagProperty);
  EXPECT_FALSE(properties.Has(kMouseFlagProperty));
  EXPECT_EQ(properties.Get(kMouseFlagProperty), 0);
  properties.Remove(kMouseFlagProperty);  // removing again changes nothing
  EXPECT_FALSE(properties.Has(kMouseFlagProperty));
}

TEST(FadeTimer, StartsOnceStopsAndStopsAgain) {
  const TestWindow window(L"QuavletPropertyWindow");
  const SkinProperties properties(window.get());

  EXPECT_EQ(StartFadeTimer(window.get()), 1);
  EXPECT_EQ(properties.Get(kTimerIdProperty), 1);
  EXPECT_EQ(StartFadeTimer(window.get()), 0);  // already running: no second timer
  EXPECT_EQ(properties.Get(kTimerIdProperty), 1);

  // It arrives as WM_TIMER 1 in the window's own procedure, every 15 ms.
  ASSERT_TRUE(PumpUntil([&] { return window.TimerMessages(kFadeTimerId) >= 3; }, 3000));

  EXPECT_NE(StopFadeTimer(window.get()), 0);
  EXPECT_TRUE(properties.Has(kTimerIdProperty));  // stays, holding 0
  EXPECT_EQ(properties.Get(kTimerIdProperty), 0);
  const int delivered = window.TimerMessages(kFadeTimerId);
  PumpFor(100);
  EXPECT_EQ(window.TimerMessages(kFadeTimerId), delivered);

  EXPECT_EQ(StopFadeTimer(window.get()), 0);
  EXPECT_EQ(properties.Get(kTimerIdProperty), 0);

  EXPECT_EQ(StartFadeTimer(window.get()), 1);  // a later fade starts anew
  EXPECT_EQ(StopFadeTimer(window.get()), 1);
}

TEST(FadeTimer, StoppingAWindowThatNeverHadOneReturnsZero) {
  const TestWindow window(L"QuavletPropertyWindow");
  EXPECT_EQ(StopFadeTimer(window.get()), 0);
  EXPECT_EQ(SkinProperties(window.get()).Get(kTimerIdProperty), 0);
}

TEST(FadeTimer, WhenNoTimerCanBeMadeNoneIsRecorded) {
  HWND gone = nullptr;
  {
    const TestWindow window(L"QuavletPropertyWindow");
    gone = window.get();
  }
  EXPECT_EQ(StartFadeTimer(gone), 0);
  EXPECT_EQ(SkinProperties(gone).Get(kTimerIdProperty), 0);
  EXPECT_EQ(StopFadeTimer(gone), 0);
}

}  // namespace
}  // namespace quavlet::skin
