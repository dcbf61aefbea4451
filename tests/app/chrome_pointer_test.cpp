// The main window's chrome under the display's real pointer. A move runs the system's own move
// loop, which reads real input and the pointer's position, so the drag is driven through the X
// server (xdotool) exactly as a hand drives it; posted messages would carry no pointer motion.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/app/form1_fixture.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/real_pointer.h"

namespace quavlet::test {
namespace {

class ChromeUnderPointer : public MainWindow {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);  // away from the window until a test moves it
    MainWindow::SetUp();
    if (!pointer_.Available()) GTEST_SKIP() << "no X display with xdotool";
  }

  RECT Frame() const {
    RECT frame{};
    GetWindowRect(form->hWnd(), &frame);
    return frame;
  }

  // Presses the button at a client pixel, moves the pointer by (dx, dy) in steps, releases.
  bool Drag(int button, POINT from, int dx, int dy) {
    const POINT start = RealPointer::ScreenPoint(form->hWnd(), from.x, from.y);
    std::wstring script = L"mousemove " + Coordinates(start, 0, 0) + L" sleep 0.2 mousedown " + std::to_wstring(button);
    for (int step = 1; step <= 4; ++step) {
      script += L" sleep 0.1 mousemove " + Coordinates(start, dx * step / 4, dy * step / 4);
    }
    // Escape ends a move loop that outlived the release, putting the window back where it was:
    // so a move that does not end with its button fails here rather than hanging the test.
    script += L" sleep 0.2 mouseup " + std::to_wstring(button) + L" sleep 0.2 key Escape";
    return pointer_.Run(script);
  }

  bool MoveTo(POINT client) {
    const POINT screen = RealPointer::ScreenPoint(form->hWnd(), client.x, client.y);
    return pointer_.Run(L"mousemove " + Coordinates(screen, -3, 0) + L" sleep 0.1 mousemove " +
                        Coordinates(screen, 0, 0));
  }

  // Waits for what the pointer's last events should have done.
  static bool Then(const std::function<bool()>& condition) {
    return PumpUntil(condition, RealPointer::kNeverArrives);
  }

  static std::wstring Coordinates(POINT point, int dx, int dy) {
    return std::to_wstring(point.x + dx) + L" " + std::to_wstring(point.y + dy);
  }

  RealPointer pointer_;
};

TEST_F(ChromeUnderPointer, APressOnTheDragRowMovesTheWindowWithAnyButton) {
  // Under qemu's i386 user emulation the 32-bit system move loop never returned (the test
  // process waited, idle, until it was killed), so a hang there says nothing of the program.
  if (GetEnvironmentVariableW(L"QUAVLET_I386_EMULATED", nullptr, 0) > 0) {
    GTEST_SKIP() << "the system's move loop does not return under qemu-i386 emulation";
  }
  // xdotool buttons: 1 left, 3 right, 2 middle.
  for (int button : {1, 3, 2}) {
    SCOPED_TRACE(button);
    const RECT before = Frame();
    ASSERT_TRUE(Drag(button, {100, 24}, 40, 30));
    Then([&] { return Frame().left != before.left || Frame().top != before.top; });
    const RECT after = Frame();
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 30);

    // The move ended with the release: the window no longer follows the pointer.
    ASSERT_TRUE(pointer_.Run(L"mousemove_relative -- 25 -35"));
    RealPointer::LetLateEventsIn();
    EXPECT_EQ(Frame().left, after.left);
    EXPECT_EQ(Frame().top, after.top);
  }
}

TEST_F(ChromeUnderPointer, APressOnTheTitlePictureOrTheRowAboveDoesNotMoveTheWindow) {
  for (POINT place : {POINT{100, 10}, POINT{100, 23}, POINT{10, 5}, POINT{230, 24}}) {
    SCOPED_TRACE(std::to_string(place.x) + "," + std::to_string(place.y));
    const RECT before = Frame();
    ASSERT_TRUE(Drag(1, place, 40, 30));
    RealPointer::LetLateEventsIn();
    EXPECT_EQ(Frame().left, before.left);
    EXPECT_EQ(Frame().top, before.top);
  }
}

TEST_F(ChromeUnderPointer, HoveringTheClosePlaceThenPressingItAsks) {
  ASSERT_TRUE(MoveTo({580, 6}));
  EXPECT_TRUE(Then([&] { return form->CL.Visible(); }));
  EXPECT_FALSE(form->Label6.Visible());

  MessageBoxAnswerer answerer({IDCANCEL});
  ASSERT_TRUE(pointer_.Run(L"click 1"));
  Then([&] { return !answerer.Seen().empty(); });
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].title, L"提示");
  EXPECT_TRUE(form->IsLoaded());

  ASSERT_TRUE(MoveTo({400, 45}));  // the face, between the buttons and the song details
  EXPECT_TRUE(Then([&] { return !form->CL.Visible(); }));
  EXPECT_TRUE(form->Label6.Visible());
}

TEST_F(ChromeUnderPointer, LeavingTheCloseHighlightStraightOutOfTheWindowKeepsIt) {
  ASSERT_TRUE(MoveTo({580, 6}));
  ASSERT_TRUE(Then([&] { return form->CL.Visible(); }));
  ASSERT_TRUE(pointer_.Run(L"mousemove_relative -- 0 -40"));
  RealPointer::LetLateEventsIn();
  EXPECT_TRUE(form->CL.Visible());
  EXPECT_FALSE(form->Label6.Visible());
  ASSERT_TRUE(MoveTo({100, 24}));  // the drag row
  EXPECT_TRUE(Then([&] { return !form->CL.Visible(); }));
  EXPECT_TRUE(form->Label6.Visible());
}

TEST_F(ChromeUnderPointer, HoveringTheMinimisePlaceThenPressingItMinimises) {
  ASSERT_TRUE(MoveTo({520, 6}));
  EXPECT_TRUE(Then([&] { return form->MI.Visible(); }));
  EXPECT_FALSE(form->Label5.Visible());
  ASSERT_TRUE(pointer_.Run(L"click 1"));
  EXPECT_TRUE(Then([&] { return IsIconic(form->hWnd()) != FALSE; }));
}

}  // namespace
}  // namespace quavlet::test
