#include <gtest/gtest.h>

#include <windows.h>
#include <exdisp.h>

#include <memory>

#include "tests/support/message_pump.h"
#include "ole/OleHost.h"

namespace quavlet::ole {
namespace {

// A plain top-level window to hold the host, destroyed with the test.
class TestFrame {
 public:
  TestFrame() {
    window_ = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 50, 50, 500, 400,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~TestFrame() { DestroyWindow(window_); }
  TestFrame(const TestFrame&) = delete;
  TestFrame& operator=(const TestFrame&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

RECT WindowRectIn(HWND window, HWND parent) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

TEST(OleControlHost, HostsTheWebBrowserInPlaceAtTheGivenBounds) {
  TestFrame frame;
  auto host = OleControlHost::Create(frame.get(), RECT{10, 20, 310, 220}, CLSID_WebBrowser, WS_TABSTOP);
  ASSERT_TRUE(host);
  test::FlushEvents();

  const RECT placed = WindowRectIn(host->hWnd(), frame.get());
  EXPECT_EQ(placed.left, 10);
  EXPECT_EQ(placed.top, 20);
  EXPECT_EQ(placed.right, 310);
  EXPECT_EQ(placed.bottom, 220);
  EXPECT_EQ(GetParent(host->hWnd()), frame.get());
  EXPECT_TRUE(GetWindowLongW(host->hWnd(), GWL_STYLE) & WS_TABSTOP);
  EXPECT_EQ(host->FrameWindow(), frame.get());

  EXPECT_TRUE(host->Query<IWebBrowser2>());
  // Activated in place: the control's own window lies in ours.
  auto inPlace = host->Query<IOleInPlaceObject>();
  ASSERT_TRUE(inPlace);
  HWND controlWindow = nullptr;
  ASSERT_EQ(inPlace->GetWindow(&controlWindow), S_OK);
  EXPECT_TRUE(IsChild(host->hWnd(), controlWindow));
}

TEST(OleControlHost, TheControlFollowsTheHostWindowsSize) {
  TestFrame frame;
  auto host = OleControlHost::Create(frame.get(), RECT{0, 0, 200, 100}, CLSID_WebBrowser);
  ASSERT_TRUE(host);
  auto inPlace = host->Query<IOleInPlaceObject>();
  HWND controlWindow = nullptr;
  ASSERT_EQ(inPlace->GetWindow(&controlWindow), S_OK);

  MoveWindow(host->hWnd(), 0, 0, 320, 240, TRUE);
  test::FlushEvents();
  RECT outer;
  GetWindowRect(controlWindow, &outer);
  EXPECT_EQ(outer.right - outer.left, 320);
  EXPECT_EQ(outer.bottom - outer.top, 240);
}

TEST(OleControlHost, AControlThatIsNotInstalledGivesNothingAndLeavesNoWindow) {
  TestFrame frame;
  const CLSID missing = {0x1234abcd, 0x0, 0x0, {0, 0, 0, 0, 0, 0, 0, 1}};
  EXPECT_FALSE(OleControlHost::Create(frame.get(), RECT{0, 0, 10, 10}, missing));
  EXPECT_EQ(GetWindow(frame.get(), GW_CHILD), nullptr);
}

TEST(OleControlHost, DestroyingTheHostDestroysItsWindow) {
  TestFrame frame;
  auto host = OleControlHost::Create(frame.get(), RECT{0, 0, 200, 100}, CLSID_WebBrowser);
  ASSERT_TRUE(host);
  const HWND window = host->hWnd();
  host.reset();
  EXPECT_FALSE(IsWindow(window));
}

TEST(OleControlHost, TheControlIsClosedWhenItsParentWindowGoesFirst) {
  auto frame = std::make_unique<TestFrame>();
  auto host = OleControlHost::Create(frame->get(), RECT{0, 0, 200, 100}, CLSID_WebBrowser);
  ASSERT_TRUE(host);
  ASSERT_TRUE(host->Query<IWebBrowser2>());
  const HWND window = host->hWnd();
  frame.reset();
  EXPECT_FALSE(IsWindow(window));
  // The handle value is the system's to give again: the host forgets it with its window, and
  // destroys no window of that value later.
  EXPECT_EQ(host->hWnd(), nullptr);
  EXPECT_FALSE(host->Query<IWebBrowser2>()) << "closed and released with its window";
  host.reset();  // and the host itself goes quietly afterwards
}

}  // namespace
}  // namespace quavlet::ole
