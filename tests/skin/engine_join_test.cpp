// Windows that join the engine after the host was attached (activated forms, message boxes and
// idle dialogs, drop-down lists) and windows leaving it when destroyed.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/GdiHandles.h"
#include "skin/MSkinButton.h"
#include "skin/SkinProperties.h"
#include "tests/skin/engine_test_fixture.h"

namespace quavlet::skin::test {
namespace {

using JoinTest = EngineTest;

bool IsSkinned(HWND window) { return SkinProperties(window).ProcAddr() != nullptr; }

// Runs a piece of work from a timer, i.e. from inside whatever message loop runs then (a modal
// message box's, for instance).
class TimedWork {
 public:
  TimedWork(UINT delayMilliseconds, std::function<void()> work) : work_(std::move(work)) {
    window_ = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetTimer(window_, 1, delayMilliseconds, &TimedWork::Fire);
  }
  ~TimedWork() { DestroyWindow(window_); }
  TimedWork(const TimedWork&) = delete;
  TimedWork& operator=(const TimedWork&) = delete;

 private:
  static void CALLBACK Fire(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    reinterpret_cast<TimedWork*>(GetWindowLongPtrW(window, GWLP_USERDATA))->work_();
  }

  HWND window_ = nullptr;
  std::function<void()> work_;
};

TEST_F(JoinTest, AMessageBoxJoinsWhileShownAndLeavesNoTraceWhenClosed) {
  TestWindow form = CreateForm();
  HWND button = CreateCommandButton(form.get());
  SetForegroundWindow(form.get());
  SetActiveWindow(form.get());
  AttachSkin(form.get());
  const int countBefore = Engine().SkinnedWindowCount;

  HWND box = nullptr;
  bool boxSkinned = false;
  bool okButtonSkinned = false;
  int countWhileShown = 0;
  TimedWork look(300, [&] {
    box = GetActiveWindow();
    boxSkinned = IsSkinned(box);
    HWND ok = GetDlgItem(box, IDOK);
    okButtonSkinned = IsSkinned(ok) && SkinProperties(ok).FaceDc(0) != nullptr;
    countWhileShown = Engine().SkinnedWindowCount;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(MessageBoxW(form.get(), L"Leave?", L"Question", MB_OKCANCEL | MB_ICONQUESTION), IDOK);
  quavlet::test::FlushEvents();

  ASSERT_NE(box, form.get()) << "the box was the active window";
  EXPECT_TRUE(boxSkinned);
  EXPECT_TRUE(okButtonSkinned) << "the box's buttons are drawn by the skin";
  EXPECT_GE(countWhileShown, countBefore + 3) << "the box, its buttons and its text";
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(Engine().SkinnedWindowCount, countBefore);
  EXPECT_TRUE(IsSkinned(button));

  DetachSkin(form.get());
  EXPECT_FALSE(Engine().EngineStarted);
}

TEST_F(JoinTest, ActivationBringsInOtherFormsAndTheWindowsOfTheActivatedOne) {
  TestWindow form = CreateForm();
  AttachSkin(form.get());
  // Made with its button before it is shown, as forms are.
  TestWindow second = CreateForm(450, 100, false);
  HWND secondButton = CreateCommandButton(second.get());
  HWND child = CreateControl(form.get(), L"Edit", 0, 10, 100, 80, 20);
  TestWindow stranger(CreateWindowExW(0, L"Edit", L"", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr));

  SendMessageW(form.get(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(second.get()));
  EXPECT_TRUE(IsSkinned(second.get())) << "another form";
  EXPECT_TRUE(IsSkinned(secondButton)) << "with everything on it";
  SendMessageW(form.get(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(child));
  EXPECT_TRUE(IsSkinned(child)) << "a window of the form";
  SendMessageW(form.get(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(stranger.get()));
  EXPECT_FALSE(IsSkinned(stranger.get())) << "neither a form nor the form's";
  SendMessageW(form.get(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(Engine().SkinnedWindowCount, 4);

  second = TestWindow();
  EXPECT_EQ(Engine().SkinnedWindowCount, 2) << "the second form left when it was destroyed";
  DetachSkin(form.get());
}

TEST_F(JoinTest, IdleDialogsAndListsAskingForColoursJoin) {
  TestWindow form = CreateForm();
  AttachSkin(form.get());
  TestWindow dialog = CreateForm(450, 100);
  TestWindow list(CreateWindowExW(0, L"ListBox", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr));

  SendMessageW(form.get(), WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog.get()));
  EXPECT_TRUE(IsSkinned(dialog.get()));
  const runtime::WindowDc dc(list.get());
  SendMessageW(form.get(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc.get()),
               reinterpret_cast<LPARAM>(list.get()));
  EXPECT_TRUE(IsSkinned(list.get()));
  SendMessageW(form.get(), WM_ENTERIDLE, MSGF_MENU, 0);
  EXPECT_EQ(Engine().SkinnedWindowCount, 3);

  dialog = TestWindow();
  list = TestWindow();
  EXPECT_EQ(Engine().SkinnedWindowCount, 1);
  DetachSkin(form.get());
}

TEST_F(JoinTest, ACombosDropDownListJoinsWhenItFirstAsksForItsColours) {
  TestWindow form = CreateForm();
  HWND combo = CreateControl(form.get(), L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 100, 120);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"1"));
  AttachSkin(form.get());
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(combo, &info);
  ASSERT_NE(info.hwndList, nullptr);
  EXPECT_FALSE(IsSkinned(info.hwndList)) << "not below the form: it is a pop-up";

  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  quavlet::test::FlushEvents();
  EXPECT_TRUE(IsSkinned(info.hwndList));
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_EQ(Engine().SkinnedWindowCount, 3);

  form = TestWindow();
  EXPECT_EQ(Engine().SkinnedWindowCount, 0) << "the list went with its combo box";
}

TEST_F(JoinTest, ADestroyedFormGivesBackItsWindowsBeforeItsOwnProcedureHearsOfIt) {
  TestWindow form = CreateForm();
  HWND button = CreateCommandButton(form.get());
  HWND frame = CreateControl(form.get(), L"Static", 0, 150, 10, 140, 100);
  HWND nested = CreateControl(frame, kCheckBoxClass, BS_AUTOCHECKBOX, 5, 5, 100, 20, L"Nested");
  AttachSkin(form.get());
  log_.Name(form.get(), "form");
  log_.Name(button, "button");
  log_.Name(nested, "nested");

  bool anyPropertyLeft = true;
  int countThen = -1;
  log_.When(form.get(), WM_DESTROY, [&] {
    anyPropertyLeft = HasAnyEngineProperty(form.get()) || HasAnyEngineProperty(button) ||
                      HasAnyEngineProperty(frame) || HasAnyEngineProperty(nested);
    countThen = Engine().SkinnedWindowCount;
  });
  log_.Clear();
  DestroyWindow(form.release());

  EXPECT_FALSE(anyPropertyLeft);
  EXPECT_EQ(countThen, 0);
  EXPECT_FALSE(Engine().EngineStarted);
  const std::vector<std::string> ends = log_.LinesStartingWith("");
  std::vector<std::string> destroys;
  for (const std::string& line : ends) {
    if (line.find("WM_DESTROY") != std::string::npos) destroys.push_back(line);
  }
  // Each window still hears of its own end, the form first, as the system sends it.
  EXPECT_EQ(destroys, (std::vector<std::string>{"form WM_DESTROY", "button WM_DESTROY", "nested WM_DESTROY"}));
}

TEST_F(JoinTest, AClickThatDetachesTheFormLeavesTheButtonClean) {
  TestWindow form = CreateForm();
  HWND button = CreateCommandButton(form.get());
  AttachSkin(form.get());
  quavlet::test::FlushEvents();
  // The form's click handler gives the form back, as a main window's unload does.
  log_.When(form.get(), WM_COMMAND, [&] { DetachSkin(form.get()); });

  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
  SendMessageW(button, WM_LBUTTONUP, 0, PointParam(5, 5));
  ASSERT_FALSE(IsSkinned(button)) << "the click reached the form";

  EXPECT_FALSE(HasAnyEngineProperty(button));
  EXPECT_FALSE(KillTimer(button, 1)) << "no fade was started on a given-back button";
  EXPECT_EQ(Engine().SkinnedWindowCount, 0);
}

TEST_F(JoinTest, AClickThatDestroysTheFormEndsCleanly) {
  TestWindow form = CreateForm();
  HWND button = CreateCommandButton(form.get());
  AttachSkin(form.get());
  log_.When(form.get(), WM_COMMAND, [&] { DestroyWindow(form.release()); });

  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
  SendMessageW(button, WM_LBUTTONUP, 0, PointParam(5, 5));
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(Engine().SkinnedWindowCount, 0);
  EXPECT_FALSE(Engine().EngineStarted);
}

}  // namespace
}  // namespace quavlet::skin::test
