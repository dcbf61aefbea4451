// The main window's chrome driven by the mouse messages its form receives: the hover
// highlights of the minimise and close places, minimising, the exit confirmation, the exit
// button, and the program living on while another window is open.

#include <gtest/gtest.h>

#include <string>

#include "windows/Site.h"
#include "tests/app/form1_fixture.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/mouse_messages.h"
#include "windows/Form2.h"

namespace quavlet::test {
namespace {

// Client pixels of the places the chrome reacts to.
constexpr POINT kMinimisePlace{520, 5};
constexpr POINT kClosePlace{580, 5};
constexpr POINT kFace{400, 45};       // Image1, where no window covers it
constexpr POINT kDragRow{100, 24};    // Label3's exposed row
constexpr POINT kTitle{100, 10};      // Image5
constexpr POINT kVersionLine{300, 15};  // Label10

// The pieces follow each other with nothing between them.
const std::wstring kExitQuestion =
    L"您确定要退出吗？欢迎访问Brindlebox" + std::wstring(windows::kSiteHost) + L"世界上最强大的生活查询工具";

class Chrome : public MainWindow {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);  // the display's pointer must not move over the window meanwhile
    MainWindow::SetUp();
  }

  HWND Window() const { return form->hWnd(); }
  void MoveOver(POINT place) const { SendMouseMove(Window(), place.x, place.y); }

  // Normal: the zone label shows, the highlighted picture is hidden.
  void ExpectMinimiseHighlighted(bool highlighted) const {
    EXPECT_EQ(form->MI.Visible(), highlighted);
    EXPECT_EQ(form->Label5.Visible(), !highlighted);
  }
  void ExpectCloseHighlighted(bool highlighted) const {
    EXPECT_EQ(form->CL.Visible(), highlighted);
    EXPECT_EQ(form->Label6.Visible(), !highlighted);
  }

  // Highlights the close place and presses it with the button, the box answered as given.
  std::vector<SeenMessageBox> PressClose(MouseButton button, int answer) const {
    MoveOver(kClosePlace);
    MessageBoxAnswerer answerer({answer});
    SendClick(Window(), button, kClosePlace.x, kClosePlace.y);
    FlushEvents();
    return answerer.Seen();
  }
};

TEST_F(Chrome, ThePlacesLieOverTheirGlyphsOnTheFace) {
  EXPECT_EQ(form->WindowlessAt(kMinimisePlace), &form->Label5);
  EXPECT_EQ(form->WindowlessAt(kClosePlace), &form->Label6);
  EXPECT_EQ(form->WindowlessAt(kFace), &form->Image1);
  EXPECT_EQ(form->WindowlessAt(kDragRow), &form->Label3);
  EXPECT_EQ(form->WindowlessAt(kTitle), &form->Image5);
  EXPECT_EQ(form->WindowlessAt(kVersionLine), &form->Label10);
  EXPECT_EQ(ChildWindowFromPoint(Window(), kFace), Window());
}

TEST_F(Chrome, BothPlacesStartNormal) {
  ExpectMinimiseHighlighted(false);
  ExpectCloseHighlighted(false);
}

TEST_F(Chrome, AMoveOverAPlaceHighlightsItUntilAMoveOverTheFace) {
  MoveOver(kMinimisePlace);
  ExpectMinimiseHighlighted(true);
  ExpectCloseHighlighted(false);
  // The picture now takes the pointer in the label's place; moving over it keeps the highlight.
  EXPECT_EQ(form->WindowlessAt(kMinimisePlace), &form->MI);
  MoveOver(kMinimisePlace);
  ExpectMinimiseHighlighted(true);

  MoveOver(kClosePlace);
  EXPECT_EQ(form->WindowlessAt(kClosePlace), &form->CL);
  ExpectCloseHighlighted(true);
  ExpectMinimiseHighlighted(true);  // nothing but the face or the drag row removes a highlight

  MoveOver(kFace);
  ExpectMinimiseHighlighted(false);
  ExpectCloseHighlighted(false);
}

TEST_F(Chrome, AMoveOverTheDragRowRemovesBothHighlights) {
  MoveOver(kMinimisePlace);
  MoveOver(kClosePlace);
  MoveOver(kDragRow);
  ExpectMinimiseHighlighted(false);
  ExpectCloseHighlighted(false);
}

TEST_F(Chrome, LeavingOntoAnotherControlKeepsTheHighlight) {
  MoveOver(kClosePlace);
  MoveOver(kTitle);
  MoveOver(kVersionLine);
  ExpectCloseHighlighted(true);
  MoveOver(kFace);
  ExpectCloseHighlighted(false);
}

TEST_F(Chrome, APressOnTheHighlightedMinimisePictureMinimisesWithAnyButton) {
  for (MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    form->Show();  // restores
    FlushEvents();
    ASSERT_FALSE(IsIconic(Window()));
    MoveOver(kMinimisePlace);
    SendClick(Window(), button, kMinimisePlace.x, kMinimisePlace.y);
    FlushEvents();
    EXPECT_TRUE(IsIconic(Window())) << static_cast<int>(button);
    EXPECT_EQ(form->GetWindowState(), runtime::WindowState::Minimized);
  }
}

TEST_F(Chrome, ThePressOnTheClosePictureAsksWithTheExitQuestion) {
  const std::vector<SeenMessageBox> seen = PressClose(MouseButton::Left, IDCANCEL);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, L"提示");
  EXPECT_EQ(seen[0].text, kExitQuestion);
  EXPECT_EQ(seen[0].icon, MessageBoxIcon::Question);
  EXPECT_EQ(seen[0].buttons, (std::vector<int>{IDOK, IDCANCEL}));
  EXPECT_EQ(seen[0].defaultButton, IDOK);
  EXPECT_EQ(seen[0].owner, Window());
}

TEST_F(Chrome, CancelOrTheCloseBoxLeavesEverythingAsItWas) {
  for (int answer : {IDCANCEL, kCloseBox}) {
    ASSERT_EQ(PressClose(MouseButton::Left, answer).size(), 1u) << answer;
    EXPECT_TRUE(form->IsLoaded());
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(application.OpenFormCount(), 1);
    ExpectCloseHighlighted(true);  // the highlight stays as it was
  }
}

TEST_F(Chrome, OkClosesTheMainWindow) {
  const HWND window = Window();
  ASSERT_EQ(PressClose(MouseButton::Left, IDOK).size(), 1u);
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(application.OpenFormCount(), 0);
}

TEST_F(Chrome, RightAndMiddlePressesOnTheClosePictureAskToo) {
  for (MouseButton button : {MouseButton::Right, MouseButton::Middle}) {
    const std::vector<SeenMessageBox> seen = PressClose(button, IDCANCEL);
    ASSERT_EQ(seen.size(), 1u) << static_cast<int>(button);
    EXPECT_EQ(seen[0].text, kExitQuestion);
    EXPECT_TRUE(form->IsLoaded());
  }
  EXPECT_EQ(PressClose(MouseButton::Right, IDOK).size(), 1u);
  EXPECT_FALSE(form->IsLoaded());
}

TEST_F(Chrome, TheCloseZoneItselfDoesNotAsk) {
  // Before the highlight the label lies over the picture: a press there is the label's.
  MessageBoxAnswerer answerer({IDOK});
  SendClick(Window(), MouseButton::Left, kClosePlace.x, kClosePlace.y);
  FlushEvents();
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_TRUE(form->IsLoaded());
}

TEST_F(Chrome, TheExitButtonClosesAtOnceWithoutAWord) {
  const HWND window = Window();
  MessageBoxAnswerer answerer({IDCANCEL});
  SendMessageW(form->Command3.hWnd(), BM_CLICK, 0, 0);
  FlushEvents();
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(application.OpenFormCount(), 0);
}

// Closes the window it is set on, from a timer, while the application's loop runs.
void CALLBACK CloseLater(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  PostMessageW(window, WM_CLOSE, 0, 0);
}

TEST_F(Chrome, TheProgramLivesOnWhileAnotherWindowIsOpen) {
  windows::Form2& about = application.Show<windows::Form2>();
  FlushEvents();
  ASSERT_EQ(application.OpenFormCount(), 2);

  SendMessageW(form->Command3.hWnd(), BM_CLICK, 0, 0);
  FlushEvents();
  EXPECT_EQ(application.Find<Form1>(), nullptr);
  EXPECT_EQ(application.OpenFormCount(), 1);
  ASSERT_TRUE(about.IsLoaded());

  const HWND aboutWindow = about.hWnd();
  SetTimer(aboutWindow, 1, 300, CloseLater);
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(application.Run(), 0);  // returns once the About window has closed
  EXPECT_GE(GetTickCount64() - start, 250u);
  EXPECT_FALSE(IsWindow(aboutWindow));
  EXPECT_EQ(application.OpenFormCount(), 0);
}

}  // namespace
}  // namespace quavlet::test
