// The form hands each mouse event to the front-most visible windowless control under the
// pointer, keeps a pressed control until the buttons are up, and gives the rest to its own events.

#include <gtest/gtest.h>

#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Shape.h"
#include "tests/runtime/test_form.h"
#include "tests/support/message_pump.h"

namespace quavlet::test {
namespace {

using runtime::Image;
using runtime::Label;
using runtime::Shape;

// 300 × 200 px. Front to back: a hidden picture over everything, a transparent label at
// 20,20 (60 × 40), an opaque label at 40,40 (100 × 100), a shape at 150,100 (100 × 80).
class WindowlessMouse : public testing::Test {
 protected:
  void SetUp() override {
    hidden.Design({.place = {0, 0, 4500, 3000}, .stretch = true, .visible = false});
    front.Design({.place = {300, 300, 900, 600}, .caption = L"front", .transparent = true});
    back.Design({.place = {600, 600, 1500, 1500}, .caption = L"back", .backColour = 0x0000FF00});
    shape.Design({.place = {2250, 1500, 1500, 1200}, .filled = true, .fillColour = 0x00FFFFFF});
    form.Add(hidden);
    form.Add(front);
    form.Add(back);
    form.Add(shape);
    for (auto [control, name] : {std::pair<runtime::WindowlessControl*, std::string>{&hidden, "hidden"},
                                 {&front, "front"},
                                 {&back, "back"}}) {
      control->MouseDown = form.Logger(name + ".MouseDown");
      control->MouseUp = form.Logger(name + ".MouseUp");
      control->MouseMove = form.Logger(name + ".MouseMove");
      control->Click = form.Note(name + ".Click");
      control->DblClick = form.Note(name + ".DblClick");
    }
    ASSERT_TRUE(form.Load());
    form.Show();
    FlushEvents();
    form.log.clear();
  }

  void Send(UINT message, int x, int y, WPARAM keys = 0) {
    SendMessageW(form.hWnd(), message, keys, PixelParam(x, y));
  }
  void ClickAt(int x, int y) {
    Send(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    Send(WM_LBUTTONUP, x, y);
  }

  runtime::Application application{GetModuleHandleW(nullptr)};
  TestForm form{application};
  Image hidden;
  Label front;
  Label back;
  Shape shape;
};

TEST_F(WindowlessMouse, TheFrontMostVisibleControlTakesThePointerWithItsOwnTwips) {
  Send(WM_MOUSEMOVE, 30, 30);   // front only
  Send(WM_MOUSEMOVE, 50, 50);   // front over back
  Send(WM_MOUSEMOVE, 100, 90);  // back only
  Send(WM_MOUSEMOVE, 10, 10);   // nothing: the form
  Send(WM_MOUSEMOVE, 200, 150); // the shape takes no pointer: the form
  EXPECT_EQ(form.log, (std::vector<std::string>{"front.MouseMove 0 0 150 150", "front.MouseMove 0 0 450 450",
                                                "back.MouseMove 0 0 900 750", "Form_MouseMove 0 0 150 150",
                                                "Form_MouseMove 0 0 3000 2250"}));
}

TEST_F(WindowlessMouse, ATransparentLabelTakesThePointerOverItsWholeRectangle) {
  // Right of the word "front", where nothing is drawn.
  Send(WM_MOUSEMOVE, 78, 58);
  ASSERT_EQ(form.log.size(), 1u);
  EXPECT_EQ(form.log[0].rfind("front.MouseMove", 0), 0u);
}

TEST_F(WindowlessMouse, HiddenControlsTakeNothingUntilShown) {
  hidden.SetVisible(true);
  Send(WM_MOUSEMOVE, 30, 30);
  hidden.SetVisible(false);
  Send(WM_MOUSEMOVE, 30, 30);
  front.SetVisible(false);
  Send(WM_MOUSEMOVE, 50, 50);
  EXPECT_EQ(form.log, (std::vector<std::string>{"hidden.MouseMove 0 0 450 450", "front.MouseMove 0 0 150 150",
                                                "back.MouseMove 0 0 150 150"}));
}

TEST_F(WindowlessMouse, AClickIsDownUpClickOnTheSameControl) {
  ClickAt(30, 30);
  ClickAt(10, 10);
  EXPECT_EQ(form.log, (std::vector<std::string>{"front.MouseDown 1 0 150 150", "front.MouseUp 1 0 150 150",
                                                "front.Click", "Form_MouseDown 1 0 150 150",
                                                "Form_MouseUp 1 0 150 150", "Form_Click"}));
}

TEST_F(WindowlessMouse, APressKeepsItsControlUntilTheButtonIsUp) {
  Send(WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
  EXPECT_EQ(GetCapture(), form.hWnd());
  Send(WM_MOUSEMOVE, 100, 90, MK_LBUTTON);  // over back, still front's
  Send(WM_LBUTTONUP, 100, 90);              // released elsewhere: no click
  Send(WM_MOUSEMOVE, 100, 90);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(form.log, (std::vector<std::string>{"front.MouseDown 1 0 150 150", "front.MouseMove 1 0 1200 1050",
                                                "front.MouseUp 1 0 1200 1050", "back.MouseMove 0 0 900 750"}));
}

TEST_F(WindowlessMouse, OtherButtonsAndShiftKeysAreReportedAndDoNotClick) {
  Send(WM_RBUTTONDOWN, 30, 30, MK_RBUTTON | MK_SHIFT | MK_CONTROL);
  Send(WM_RBUTTONUP, 30, 30, MK_SHIFT | MK_CONTROL);
  Send(WM_MBUTTONDOWN, 100, 90, MK_MBUTTON);
  Send(WM_MBUTTONUP, 100, 90);
  EXPECT_EQ(form.log, (std::vector<std::string>{"front.MouseDown 2 3 150 150", "front.MouseUp 2 3 150 150",
                                                "back.MouseDown 4 0 900 750", "back.MouseUp 4 0 900 750"}));
}

TEST_F(WindowlessMouse, ADoubleClickRaisesDblClickInPlaceOfTheSecondPress) {
  ClickAt(100, 90);
  Send(WM_LBUTTONDBLCLK, 100, 90, MK_LBUTTON);
  Send(WM_LBUTTONUP, 100, 90);
  EXPECT_EQ(form.log, (std::vector<std::string>{"back.MouseDown 1 0 900 750", "back.MouseUp 1 0 900 750",
                                                "back.Click", "back.DblClick", "back.MouseUp 1 0 900 750"}));
}

TEST_F(WindowlessMouse, ReleasingTheCaptureInAHandlerEndsThePress) {
  // As a drag handle does before it hands the press to the system's move loop.
  front.MouseDown = [](int, int, float, float) { ReleaseCapture(); };
  Send(WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
  Send(WM_MOUSEMOVE, 100, 90);
  EXPECT_EQ(form.log, (std::vector<std::string>{"back.MouseMove 0 0 900 750"}));
}

TEST_F(WindowlessMouse, AHandlerThatClosesTheFormEndsTheEvent) {
  front.MouseDown = [this](int, int, float, float) { form.Unload(); };
  Send(WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.log, (std::vector<std::string>{"Form_Unload"}));
}

TEST_F(WindowlessMouse, AControlDestroyedBeforeItsFormLeavesIt) {
  {
    Label gone;
    gone.Design({.place = {3000, 150, 600, 300}, .caption = L"gone"});
    form.Add(gone);
    gone.Click = form.Note("gone.Click");
    ValidateRect(form.hWnd(), nullptr);
  }
  EXPECT_EQ(form.WindowlessControls().size(), 4u);
  // Its place is repainted, and a click there reaches the form.
  EXPECT_TRUE(GetUpdateRect(form.hWnd(), nullptr, FALSE));
  UpdateWindow(form.hWnd());
  ClickAt(210, 15);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Form_MouseDown 1 0 3150 225", "Form_MouseUp 1 0 3150 225",
                                                "Form_Click"}));
}

TEST_F(WindowlessMouse, ShowingOrHidingAControlRepaintsItsPlace) {
  ValidateRect(form.hWnd(), nullptr);
  hidden.SetVisible(true);
  RECT dirty{};
  ASSERT_TRUE(GetUpdateRect(form.hWnd(), &dirty, FALSE));
  EXPECT_EQ(dirty.right - dirty.left, 300);
  EXPECT_EQ(dirty.bottom - dirty.top, 200);
  ValidateRect(form.hWnd(), nullptr);
  front.SetVisible(false);
  ASSERT_TRUE(GetUpdateRect(form.hWnd(), &dirty, FALSE));
  EXPECT_EQ(dirty.left, 20);
  EXPECT_EQ(dirty.top, 20);
  EXPECT_EQ(dirty.right, 80);
  EXPECT_EQ(dirty.bottom, 60);
}

}  // namespace
}  // namespace quavlet::test
