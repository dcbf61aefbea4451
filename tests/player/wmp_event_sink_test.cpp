#include <gtest/gtest.h>

#include <windows.h>
#include <wmp.h>

#include <vector>

#include "player/WmpEventSink.h"

namespace quavlet::player {
namespace {

HRESULT InvokeWithLong(IDispatch& sink, DISPID member, VARIANT argument) {
  DISPPARAMS parameters{&argument, nullptr, 1, 0};
  return sink.Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
}

TEST(WmpEventSink, HandsOnTheOpenStateChangeWithItsNewState) {
  std::vector<long> states;
  WmpEventSink sink([&](long state) { states.push_back(state); });
  VARIANT state;
  state.vt = VT_I4;
  state.lVal = 13;
  EXPECT_EQ(InvokeWithLong(sink, 5001, state), S_OK);
  // A short integer, as some callers pass it, is taken the same way.
  state.vt = VT_I2;
  state.iVal = 8;
  EXPECT_EQ(InvokeWithLong(sink, 5001, state), S_OK);
  EXPECT_EQ(states, (std::vector<long>{13, 8}));
}

TEST(WmpEventSink, IgnoresTheControlsOtherEvents) {
  int raised = 0;
  WmpEventSink sink([&](long) { ++raised; });
  VARIANT state;
  state.vt = VT_I4;
  state.lVal = 3;
  EXPECT_EQ(InvokeWithLong(sink, 5101 /* PlayStateChange */, state), S_OK);
  EXPECT_EQ(InvokeWithLong(sink, 5002 /* StatusChange */, state), S_OK);
  EXPECT_EQ(raised, 0);
}

TEST(WmpEventSink, AnswersAsTheControlsEventInterface) {
  WmpEventSink sink([](long) {});
  IUnknown* events = nullptr;
  ASSERT_EQ(sink.QueryInterface(__uuidof(_WMPOCXEvents), reinterpret_cast<void**>(&events)), S_OK);
  events->Release();
  IUnknown* dispatch = nullptr;
  ASSERT_EQ(sink.QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
  dispatch->Release();
  IUnknown* other = nullptr;
  EXPECT_EQ(sink.QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&other)), E_NOINTERFACE);
  EXPECT_EQ(other, nullptr);
  EXPECT_EQ(sink.references(), 0u);
}

}  // namespace
}  // namespace quavlet::player
