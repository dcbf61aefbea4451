// Command buttons: hover, press, release, keys, focus, enabling and the timed fade between faces,
// as message sequences of the button's own procedure interleaved with the engine's blends.

#include <array>
#include <string>
#include <vector>

#include "runtime/GdiHandles.h"
#include "skin/MSkinButton.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"
#include "tests/skin/engine_test_fixture.h"

namespace quavlet::skin::test {
namespace {

class FadeTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    form_ = CreateForm();
    button_ = CreateCommandButton(form_.get(), L"Fade", 20, 20);
    log_.Name(button_, "button");
    AttachSkin(form_.get());
    // The paints that attaching asked for end any fade; start from a quiet button.
    quavlet::test::FlushEvents();
    log_.Clear();
  }

  void TearDown() override {
    DetachSkin(form_.get());
    form_ = TestWindow();
    EngineTest::TearDown();
  }

  int Get(const wchar_t* name) const { return SkinProperties(button_).Get(name); }
  // The button's four face DCs and the bitmaps selected into them, by state.
  std::pair<std::array<HDC, 4>, std::array<HBITMAP, 4>> Faces() const {
    std::pair<std::array<HDC, 4>, std::array<HBITMAP, 4>> faces;
    for (int state = 0; state < 4; ++state) {
      faces.first[state] = SkinProperties(button_).FaceDc(state);
      faces.second[state] = SkinProperties(button_).FaceBitmap(state);
    }
    return faces;
  }
  void Set(const wchar_t* name, int value) const { SkinProperties(button_).Set(name, value); }

  // The blends of a fade from the level up to 255 by 3, each followed by its timer message.
  static std::vector<std::string> FadeSteps(int from) {
    std::vector<std::string> lines;
    for (int level = from; level <= 255; level += 3) {
      lines.push_back("button AlphaBlend " + std::to_string(level));
      lines.push_back("button WM_TIMER");
    }
    return lines;
  }

  COLORREF ScreenPixel(int x, int y) const {
    const runtime::WindowDc dc(button_, runtime::WindowDc::Area::Window);
    return GetPixel(dc.get(), x, y);
  }

  COLORREF FacePixel(int state, int x, int y) const { return GetPixel(SkinProperties(button_).FaceDc(state), x, y); }

  // Column 2 of the normal face, where the (dotted) focus mark's left side runs.
  std::vector<COLORREF> FocusMarkColumn() const {
    std::vector<COLORREF> column;
    for (int y = 2; y < 23; ++y) column.push_back(FacePixel(0, 2, y));
    return column;
  }

  TestWindow form_;
  HWND button_ = nullptr;
};

TEST_F(FadeTest, AFadeFromZeroMakes86BlendsAndThenStops) {
  SendMessageW(button_, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(Get(kTimerIdProperty), 1);
  ASSERT_TRUE(FinishFade(button_));

  std::vector<std::string> expected{"button WM_KEYUP"};
  const std::vector<std::string> steps = FadeSteps(0);
  expected.insert(expected.end(), steps.begin(), steps.end());
  EXPECT_EQ(log_.Lines(), expected);
  EXPECT_EQ(log_.LinesStartingWith("button AlphaBlend").size(), 86u);
  EXPECT_EQ(Get(kTimerIdProperty), 0);
  EXPECT_EQ(Get(kAlphaLevelProperty), 0);
  EXPECT_FALSE(KillTimer(button_, 1)) << "the timer itself is gone";
  // The last blend was opaque: the normal face is what the button shows.
  EXPECT_EQ(ScreenPixel(10, 12), FacePixel(0, 10, 12));
}

TEST_F(FadeTest, ReleasingTheMouseFadesBackFrom60In66Blends) {
  SendMessageW(button_, WM_LBUTTONUP, 0, PointParam(10, 10));
  ASSERT_TRUE(FinishFade(button_));

  const std::vector<std::string> blends = log_.LinesStartingWith("button AlphaBlend");
  ASSERT_EQ(blends.size(), 66u);
  EXPECT_EQ(blends.front(), "button AlphaBlend 60");
  EXPECT_EQ(blends.back(), "button AlphaBlend 255");
  EXPECT_EQ(log_.Lines().front(), "button WM_LBUTTONUP") << "passed on before the fade starts";
  EXPECT_EQ(Get(kMouseFlagProperty), 0);
  EXPECT_EQ(Get(kOldStateProperty), 0);
}

TEST_F(FadeTest, ATimerMessageAt254BlendsOnceMoreAndStops) {
  StartFadeTimer(button_);
  Set(kAlphaLevelProperty, 254);

  SendMessageW(button_, WM_TIMER, 1, 0);
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"button AlphaBlend 254", "button WM_TIMER"}));
  EXPECT_EQ(Get(kTimerIdProperty), 0);
  EXPECT_EQ(Get(kAlphaLevelProperty), 0);
  EXPECT_FALSE(KillTimer(button_, 1));
}

TEST_F(FadeTest, ANewFadeTakesOverTheRunningTimer) {
  PointAt(button_, 10, 12);
  SendMessageW(button_, WM_MOUSEMOVE, 0, PointParam(10, 12));
  EXPECT_EQ(Get(kOldStateProperty), 1) << "fading to hot";
  ASSERT_TRUE(quavlet::test::PumpUntil([this] { return Get(kAlphaLevelProperty) >= 30; }));
  // The leave is sent below, at a known moment, instead of coming from the system.
  TRACKMOUSEEVENT cancel{sizeof(cancel), TME_CANCEL | TME_LEAVE, button_, 0};
  TrackMouseEvent(&cancel);
  log_.Clear();

  // The pointer leaves in the middle of the hot fade.
  ParkPointer();
  SendMessageW(button_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Get(kTimerIdProperty), 1) << "still the one timer";
  EXPECT_EQ(StartFadeTimer(button_), 0) << "no second timer starts";
  ASSERT_TRUE(FinishFade(button_));

  const std::vector<std::string> lines = log_.Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "button WM_MOUSELEAVE");
  EXPECT_EQ(lines[1], "button AlphaBlend 140") << "the hot face laid on at once";
  const std::vector<std::string> rest(lines.begin() + 2, lines.end());
  EXPECT_EQ(rest, FadeSteps(0)) << "then the normal face fades in on the same timer";
}

TEST_F(FadeTest, PressingShowsThePressedFaceAtOnceAndStopsTheFade) {
  SetFocus(button_);
  ASSERT_TRUE(FinishFade(button_));
  SendMessageW(button_, WM_KEYUP, VK_SPACE, 0);
  ASSERT_EQ(Get(kTimerIdProperty), 1);
  log_.Clear();

  SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"button WM_LBUTTONDOWN", "button AlphaBlend 255"}));
  EXPECT_EQ(Get(kOldStateProperty), 2);
  EXPECT_EQ(Get(kAlphaLevelProperty), 0);
  EXPECT_EQ(Get(kTimerIdProperty), 0);
  EXPECT_EQ(ScreenPixel(10, 12), FacePixel(2, 10, 12));
  EXPECT_NE(FacePixel(2, 10, 12), FacePixel(0, 10, 12)) << "the pressed face differs from the normal one";

  SendMessageW(button_, WM_LBUTTONUP, 0, PointParam(10, 10));
  ReleaseCapture();
  ASSERT_TRUE(FinishFade(button_));
  EXPECT_EQ(ScreenPixel(10, 12), FacePixel(0, 10, 12)) << "back to normal";
}

TEST_F(FadeTest, ADoubleClickPressesLikeASingleOne) {
  SendMessageW(button_, WM_KEYUP, VK_SPACE, 0);
  ASSERT_EQ(Get(kTimerIdProperty), 1);
  log_.Clear();

  SendMessageW(button_, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(10, 10));
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"button WM_LBUTTONDBLCLK", "button AlphaBlend 255"}));
  EXPECT_EQ(Get(kOldStateProperty), 2);
  EXPECT_EQ(Get(kTimerIdProperty), 0);
  SendMessageW(button_, WM_LBUTTONUP, 0, PointParam(10, 10));
  ReleaseCapture();
  FinishFade(button_);
}

TEST_F(FadeTest, HoverFadesTheHotFaceInOnlyOnEntry) {
  PointAt(button_, 10, 12);
  SendMessageW(button_, WM_MOUSEMOVE, 0, PointParam(10, 12));
  SendMessageW(button_, WM_MOUSEMOVE, 0, PointParam(41, 12));
  EXPECT_EQ(Get(kMouseFlagProperty), 1);
  EXPECT_EQ(Get(kOldStateProperty), 1);
  ASSERT_TRUE(FinishFade(button_));

  EXPECT_EQ(log_.LinesStartingWith("button AlphaBlend").size(), 86u) << "one fade, not one per move";
  EXPECT_EQ(ScreenPixel(10, 12), FacePixel(1, 10, 12));
  EXPECT_NE(FacePixel(1, 10, 12), FacePixel(0, 10, 12));
}

TEST_F(FadeTest, LeavingFadesBackToNormal) {
  PointAt(button_, 10, 12);
  SendMessageW(button_, WM_MOUSEMOVE, 0, PointParam(10, 12));
  ASSERT_TRUE(FinishFade(button_));
  log_.Clear();

  // The system reports the leave that the hover entry asked for.
  ParkPointer();
  ASSERT_TRUE(quavlet::test::PumpUntil([this] { return log_.Count("button WM_MOUSELEAVE") == 1; }));
  ASSERT_TRUE(FinishFade(button_));
  const std::vector<std::string> blends = log_.LinesStartingWith("button AlphaBlend");
  ASSERT_EQ(blends.size(), 1u + 86u);
  EXPECT_EQ(blends.front(), "button AlphaBlend 140");
  EXPECT_EQ(Get(kMouseFlagProperty), 0);
  EXPECT_EQ(Get(kOldStateProperty), 0);
  EXPECT_EQ(ScreenPixel(10, 12), FacePixel(0, 10, 12));
}

TEST_F(FadeTest, AMoveAwayWhileHeldCompletesTheFaceAtOnce) {
  PointAt(button_, 10, 12);
  SendMessageW(button_, WM_MOUSEMOVE, 0, PointParam(10, 12));
  ASSERT_EQ(Get(kTimerIdProperty), 1);
  log_.Clear();

  ParkPointer();
  SendMessageW(button_, WM_MOUSEMOVE, MK_LBUTTON, PointParam(400, 300));
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"button WM_MOUSEMOVE", "button AlphaBlend 255"}));
  EXPECT_EQ(Get(kTimerIdProperty), 0);
}

TEST_F(FadeTest, SpacePressesAndReleasesLikeTheMouse) {
  SendMessageW(button_, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"button WM_KEYDOWN", "button AlphaBlend 255"}));
  EXPECT_EQ(Get(kOldStateProperty), 2);

  log_.Clear();
  SendMessageW(button_, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(button_, WM_KEYUP, VK_RETURN, 0);
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"button WM_KEYDOWN", "button WM_KEYUP"})) << "other keys only pass";
  EXPECT_EQ(Get(kTimerIdProperty), 0);

  SendMessageW(button_, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(Get(kOldStateProperty), 0);
  EXPECT_EQ(Get(kAlphaLevelProperty), 0);
  EXPECT_EQ(Get(kTimerIdProperty), 1);
  FinishFade(button_);
}

TEST_F(FadeTest, EnablingSwitchesBetweenTheNormalAndTheDisabledFace) {
  Set(kAlphaLevelProperty, 77);
  SendMessageW(button_, WM_ENABLE, FALSE, 0);
  EXPECT_EQ(Get(kOldStateProperty), 3);
  EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"button WM_ENABLE", "button AlphaBlend 77"}));

  SendMessageW(button_, WM_ENABLE, TRUE, 0);
  EXPECT_EQ(Get(kOldStateProperty), 0);

  EnableWindow(button_, FALSE);
  EXPECT_EQ(Get(kOldStateProperty), 3);
  EnableWindow(button_, TRUE);
  EXPECT_EQ(Get(kOldStateProperty), 0);
}

TEST_F(FadeTest, AFocusChangeRendersTheFacesAgainAndFadesIn) {
  const std::vector<COLORREF> unfocused = FocusMarkColumn();
  SetFocus(button_);
  EXPECT_EQ(log_.Lines().front(), "button WM_SETFOCUS");
  EXPECT_EQ(Get(kTimerIdProperty), 1);
  EXPECT_EQ(Get(kAlphaLevelProperty), 0);
  // The focus mark runs along the faces' inner edge.
  EXPECT_NE(FocusMarkColumn(), unfocused);
  ASSERT_TRUE(FinishFade(button_));

  SetFocus(form_.get());
  EXPECT_EQ(Get(kTimerIdProperty), 1);
  EXPECT_EQ(FocusMarkColumn(), unfocused);
  FinishFade(button_);
}

TEST_F(FadeTest, ANewCaptionIsDrawnOnEveryFaceAndShown) {
  const auto face = [this](int state) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 25; ++y) {
      for (int x = 0; x < 75; ++x) pixels.push_back(FacePixel(state, x, y));
    }
    return pixels;
  };
  std::vector<COLORREF> before[4];
  for (int state = 0; state < 4; ++state) before[state] = face(state);

  SetWindowTextW(button_, L"暂停");
  quavlet::test::FlushEvents();
  for (int state = 0; state < 4; ++state) EXPECT_NE(face(state), before[state]) << state;
  EXPECT_EQ(ScreenPixel(30, 12), FacePixel(0, 30, 12));

  SetWindowTextW(button_, L"Fade");
  quavlet::test::FlushEvents();
  for (int state = 0; state < 4; ++state) EXPECT_EQ(face(state), before[state]) << state;
}

TEST_F(FadeTest, ResizingMakesNewFacesInTheSameDcs) {
  const auto [faces, bitmaps] = Faces();

  SetWindowPos(button_, nullptr, 0, 0, 120, 30, SWP_NOMOVE | SWP_NOZORDER);

  for (int state = 0; state < 4; ++state) {
    EXPECT_EQ(SkinProperties(button_).FaceDc(state), faces[state]);
    const HBITMAP bitmap = SkinProperties(button_).FaceBitmap(state);
    EXPECT_NE(bitmap, bitmaps[state]);
    EXPECT_EQ(GetCurrentObject(faces[state], OBJ_BITMAP), bitmap);
    BITMAP size{};
    GetObjectW(bitmap, sizeof(size), &size);
    EXPECT_EQ(size.bmWidth, 120);
    EXPECT_EQ(size.bmHeight, 30);
    EXPECT_EQ(GetObjectType(bitmaps[state]), 0u) << "the old face bitmap is freed";
  }
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(button_, region), ERROR);
  RECT bounds{};
  GetRgnBox(region, &bounds);
  DeleteObject(region);
  EXPECT_EQ(bounds.right, 120);
  EXPECT_EQ(bounds.bottom, 30);
}

TEST_F(FadeTest, AResizeWhoseFacesCannotBeMadeKeepsTheFacesItHas) {
  const auto [faces, bitmaps] = Faces();

  // No bitmap of this size can be made (its bits would pass 2 GB).
  SetWindowPos(button_, nullptr, 0, 0, 30000, 30000, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_EQ(GetWindowBox(button_).width, 30000);
  for (int state = 0; state < 4; ++state) {
    EXPECT_EQ(SkinProperties(button_).FaceBitmap(state), bitmaps[state]) << state;
    EXPECT_EQ(GetCurrentObject(faces[state], OBJ_BITMAP), bitmaps[state]) << state;
  }

  // Back at a size that can be made, the faces are made anew and the old bitmaps freed.
  SetWindowPos(button_, nullptr, 0, 0, 120, 30, SWP_NOMOVE | SWP_NOZORDER);
  for (int state = 0; state < 4; ++state) {
    const HBITMAP bitmap = SkinProperties(button_).FaceBitmap(state);
    EXPECT_NE(bitmap, bitmaps[state]);
    EXPECT_EQ(GetCurrentObject(faces[state], OBJ_BITMAP), bitmap);
    EXPECT_EQ(GetObjectType(bitmaps[state]), 0u) << "the old face bitmap is freed, not lost";
  }
}

}  // namespace
}  // namespace quavlet::skin::test
