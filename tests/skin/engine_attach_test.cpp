// Taking windows over and giving them back: engine start and stop, what each kind of control
// gets, and what detaching leaves behind.

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <thread>
#include <vector>

#include "skin/MSkinButton.h"
#include "skin/SkinProperties.h"
#include "tests/skin/engine_test_fixture.h"
#include "tests/support/failing_allocation.h"

namespace quavlet::skin::test {
namespace {

using AttachTest = EngineTest;

bool HasWindowRegion(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int type = GetWindowRgn(window, region);
  DeleteObject(region);
  return type != ERROR;
}

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

// Every pixel of the five skin bitmaps, member after member.
std::vector<COLORREF> AtlasPixels() {
  const SkinAtlas& atlas = GetSkinAtlas();
  const std::array<std::pair<HDC, SIZE>, 5> members{{{atlas.ButtonSkin, {7, 84}},
                                                     {atlas.ComboSkin, {15, 18}},
                                                     {atlas.MarkSkin, {18, 24}},
                                                     {atlas.OptionSkin, {13, 52}},
                                                     {atlas.HeaderSkin, {9, 20}}}};
  std::vector<COLORREF> pixels;
  for (const auto& [dc, size] : members) {
    for (int y = 0; y < size.cy; ++y) {
      for (int x = 0; x < size.cx; ++x) pixels.push_back(GetPixel(dc, x, y));
    }
  }
  return pixels;
}

TEST_F(AttachTest, NullHandleStartsTheEngineButTakesNothingOver) {
  EXPECT_EQ(AttachSkin(nullptr), 0);

  EXPECT_TRUE(Engine().EngineStarted);
  EXPECT_TRUE(Engine().HasTrackMouseEvent) << "user32 exports TrackMouseEvent";
  EXPECT_EQ(Engine().SkinnedWindowCount, 0);
  const SkinAtlas& atlas = GetSkinAtlas();
  for (HDC member : {atlas.ButtonSkin, atlas.ComboSkin, atlas.MarkSkin, atlas.OptionSkin, atlas.HeaderSkin}) {
    EXPECT_NE(member, nullptr);
  }
  // Detaching nothing changes nothing.
  EXPECT_EQ(DetachSkin(nullptr), 0);
  EXPECT_TRUE(Engine().EngineStarted);
}

TEST_F(AttachTest, ASecondAttachOfTheSameFormChangesNothing) {
  TestWindow form = CreateForm();
  HWND button = CreateCommandButton(form.get());

  EXPECT_EQ(AttachSkin(form.get()), 1);
  const WNDPROC replacedOfButton = reinterpret_cast<WNDPROC>(GetPropW(button, L"PROCADDR"));
  EXPECT_EQ(AttachSkin(form.get()), 0);
  EXPECT_EQ(AttachSkin(button), 0);

  EXPECT_EQ(Engine().SkinnedWindowCount, 2);
  // One entry of the engine in each chain: the replaced procedure is not the engine's own.
  EXPECT_EQ(ProcedureOf(button), &SkinWindowProc);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropW(button, L"PROCADDR")), replacedOfButton);
  EXPECT_NE(replacedOfButton, &SkinWindowProc);
  EXPECT_NE(reinterpret_cast<WNDPROC>(GetPropW(form.get(), L"PROCADDR")), &SkinWindowProc);

  EXPECT_EQ(DetachSkin(form.get()), 1);
  EXPECT_EQ(DetachSkin(form.get()), 0);
}

TEST_F(AttachTest, EachKindGetsItsOwnProperties) {
  TestWindow form = CreateForm();
  HWND button = CreateCommandButton(form.get());
  HWND check = CreateControl(form.get(), kCheckBoxClass, BS_AUTOCHECKBOX, 10, 50, 120, 20, L"Check");
  HWND text = CreateControl(form.get(), L"Edit", WS_BORDER, 10, 80, 120, 20);

  ASSERT_EQ(AttachSkin(form.get()), 1);
  EXPECT_EQ(Engine().SkinnedWindowCount, 4);

  // Every face has the window DC's own format (its colour depth), whichever DC it was made with.
  HDC windowDc = GetWindowDC(button);
  const int windowBitsPerPixel = GetDeviceCaps(windowDc, BITSPIXEL);
  const int windowPlanes = GetDeviceCaps(windowDc, PLANES);
  ReleaseDC(button, windowDc);
  for (int state = 0; state < 4; ++state) {
    const std::wstring digit = std::to_wstring(state);
    const auto face = static_cast<HDC>(GetPropW(button, (digit + L"HDC").c_str()));
    const auto bitmap = static_cast<HBITMAP>(GetPropW(button, (digit + L"BMP").c_str()));
    ASSERT_EQ(GetObjectType(face), static_cast<DWORD>(OBJ_MEMDC)) << state;
    ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP)) << state;
    EXPECT_EQ(GetCurrentObject(face, OBJ_BITMAP), bitmap) << "face " << state << " draws into its bitmap";
    BITMAP size{};
    GetObjectW(bitmap, sizeof(size), &size);
    EXPECT_EQ(size.bmWidth, 80);
    EXPECT_EQ(size.bmHeight, 25);
    EXPECT_EQ(size.bmBitsPixel, windowBitsPerPixel) << state;
    EXPECT_EQ(size.bmPlanes, windowPlanes) << state;
  }
  SkinProperties buttonProperties(button);
  EXPECT_TRUE(buttonProperties.Has(kOldStyleProperty));
  EXPECT_EQ(buttonProperties.Get(kOldStyleProperty) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  for (const wchar_t* name : {kMouseFlagProperty, kTimerIdProperty, kOldStateProperty, kAlphaLevelProperty}) {
    EXPECT_TRUE(buttonProperties.Has(name)) << "button lacks a property";
    EXPECT_EQ(buttonProperties.Get(name), 0);
  }
  EXPECT_TRUE(HasWindowRegion(button));

  SkinProperties checkProperties(check);
  EXPECT_TRUE(checkProperties.Has(kMouseFlagProperty));
  EXPECT_TRUE(checkProperties.Has(kOldStateProperty));
  EXPECT_EQ(checkProperties.Get(kOldStateProperty), 0);
  EXPECT_FALSE(checkProperties.Has(kOldStyleProperty));
  EXPECT_NE(checkProperties.ProcAddr(), nullptr);

  SkinProperties textProperties(text);
  EXPECT_NE(textProperties.ProcAddr(), nullptr);
  for (const wchar_t* name : {kMouseFlagProperty, kOldStateProperty, kTimerIdProperty, kOldStyleProperty}) {
    EXPECT_FALSE(textProperties.Has(name)) << "a text box only has its replaced procedure";
  }
  // The windows stay Unicode: the engine swaps procedures with the wide functions.
  for (HWND window : {form.get(), button, check, text}) EXPECT_TRUE(IsWindowUnicode(window));

  EXPECT_EQ(DetachSkin(form.get()), 1);
}

TEST_F(AttachTest, ADisabledButtonStartsDisabled) {
  TestWindow form = CreateForm();
  HWND button = CreateControl(form.get(), L"Button", BS_PUSHBUTTON | WS_DISABLED, 10, 10, 80, 25, L"Off");

  AttachSkin(form.get());
  EXPECT_EQ(SkinProperties(button).Get(kOldStateProperty), 3);
  DetachSkin(form.get());
}

TEST_F(AttachTest, CheckBoxesAndRadioButtonsOfTheButtonClassKeepTheirOwnStyle) {
  TestWindow form = CreateForm();
  HWND checkBox = CreateControl(form.get(), L"Button", BS_AUTOCHECKBOX, 10, 10, 100, 20, L"Check");
  HWND radio = CreateControl(form.get(), L"Button", BS_RADIOBUTTON, 10, 40, 100, 20, L"Radio");

  AttachSkin(form.get());
  for (HWND window : {checkBox, radio}) {
    const SkinProperties properties(window);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_NE(style & BS_TYPEMASK, BS_OWNERDRAW) << "not switched to owner-draw";
    EXPECT_EQ(static_cast<DWORD>(properties.Get(kOldStyleProperty)), static_cast<DWORD>(style));
    EXPECT_NE(properties.FaceDc(3), nullptr) << "faces are made all the same";
    EXPECT_TRUE(HasWindowRegion(window));
  }
  DetachSkin(form.get());
}

TEST_F(AttachTest, DetachRestoresEverythingAndStopsTheEngine) {
  TestWindow form = CreateForm();
  HWND button = CreateCommandButton(form.get());
  HWND check = CreateControl(form.get(), kCheckBoxClass, BS_AUTOCHECKBOX, 10, 50, 120, 20, L"Check");
  HWND header = CreateControl(form.get(), WC_HEADERW, 0, 10, 80, 200, 20);
  const std::array<HWND, 4> windows{form.get(), button, check, header};
  std::array<WNDPROC, 4> procedures{};
  for (size_t i = 0; i < windows.size(); ++i) procedures[i] = ProcedureOf(windows[i]);
  const LONG_PTR buttonStyle = GetWindowLongPtrW(button, GWL_STYLE);

  AttachSkin(form.get());
  // A fade is running when the form is given back.
  SendMessageW(button, WM_KEYUP, VK_SPACE, 0);
  ASSERT_EQ(SkinProperties(button).Get(kTimerIdProperty), 1);
  const auto face = static_cast<HDC>(GetPropW(button, L"0HDC"));
  const auto bitmap = static_cast<HBITMAP>(GetPropW(button, L"0BMP"));

  EXPECT_EQ(DetachSkin(form.get()), 1);

  EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE), buttonStyle);
  EXPECT_FALSE(HasWindowRegion(button));
  EXPECT_FALSE(KillTimer(button, 1)) << "the fade timer was stopped";
  EXPECT_EQ(GetObjectType(face), 0u) << "face DC freed";
  EXPECT_EQ(GetObjectType(bitmap), 0u) << "face bitmap freed";
  for (size_t i = 0; i < windows.size(); ++i) {
    EXPECT_FALSE(HasAnyEngineProperty(windows[i])) << "window " << i;
    EXPECT_EQ(ProcedureOf(windows[i]), procedures[i]) << "window " << i;
    EXPECT_TRUE(IsWindowUnicode(windows[i])) << "window " << i;
  }
  EXPECT_EQ(Engine().SkinnedWindowCount, 0);
  EXPECT_FALSE(Engine().EngineStarted);
  EXPECT_EQ(GetSkinAtlas().ButtonSkin, nullptr);
  EXPECT_EQ(GetSkinAtlas().HeaderSkin, nullptr);
}

TEST_F(AttachTest, DetachKeepsWhatTheProgramChangedWhileSkinned) {
  TestWindow form = CreateForm();
  HWND button = CreateControl(form.get(), L"Button", BS_PUSHBUTTON | WS_DISABLED, 10, 10, 80, 25, L"Later");
  AttachSkin(form.get());
  EnableWindow(button, TRUE);

  DetachSkin(form.get());
  EXPECT_TRUE(IsWindowEnabled(button)) << "enabled while skinned, and still enabled after";
  EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(AttachTest, OwnerDrawnPushButtonsStillAnswerTheDialogManagerAsPushButtons) {
  // Windows' dialog manager moves the default to a push button that takes the focus only when
  // it answers as one; an owner-drawn button answers DLGC_BUTTON alone.
  TestWindow form = CreateForm();
  HWND ok = CreateControl(form.get(), L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 10, 80, 25, L"OK");
  HWND cancel = CreateControl(form.get(), L"Button", BS_PUSHBUTTON | WS_TABSTOP, 100, 10, 80, 25, L"Cancel");
  const auto dialogCode = [](HWND button) { return SendMessageW(button, WM_GETDLGCODE, 0, 0); };
  const auto buttonType = [](HWND button) { return GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK; };

  AttachSkin(form.get());
  ASSERT_EQ(buttonType(ok), BS_OWNERDRAW);
  ASSERT_EQ(buttonType(cancel), BS_OWNERDRAW);
  EXPECT_EQ(dialogCode(ok), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(dialogCode(cancel), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);

  // The default moves as the dialog manager moves it, and both stay owner-drawn.
  SendMessageW(ok, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  SendMessageW(cancel, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(buttonType(ok), BS_OWNERDRAW);
  EXPECT_EQ(buttonType(cancel), BS_OWNERDRAW);
  EXPECT_EQ(dialogCode(ok), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  EXPECT_EQ(dialogCode(cancel), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  // Another kind of style is the program's own: it passes unchanged.
  SendMessageW(ok, BM_SETSTYLE, BS_AUTOCHECKBOX, TRUE);
  EXPECT_EQ(buttonType(ok), BS_AUTOCHECKBOX);
  SendMessageW(ok, BM_SETSTYLE, BS_OWNERDRAW, TRUE);

  // Given back, each is the push button the dialog manager last made it.
  DetachSkin(form.get());
  EXPECT_EQ(buttonType(ok), BS_PUSHBUTTON);
  EXPECT_EQ(buttonType(cancel), BS_DEFPUSHBUTTON);
  EXPECT_EQ(dialogCode(cancel), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  EXPECT_FALSE(HasAnyEngineProperty(ok));
  EXPECT_FALSE(HasAnyEngineProperty(cancel));
}

TEST_F(AttachTest, DetachingAWindowThatWasNeverSkinnedChangesNothing) {
  TestWindow form = CreateForm();
  TestWindow other = CreateForm(450, 100);
  AttachSkin(form.get());
  const int count = Engine().SkinnedWindowCount;

  EXPECT_EQ(DetachSkin(other.get()), 0);
  EXPECT_EQ(Engine().SkinnedWindowCount, count);
  EXPECT_TRUE(Engine().EngineStarted);
  EXPECT_NE(GetSkinAtlas().ButtonSkin, nullptr);
  DetachSkin(form.get());
}

TEST_F(AttachTest, TheAtlasIsRebuiltIdenticallyAfterTheEngineStopped) {
  TestWindow form = CreateForm();
  AttachSkin(form.get());
  const std::vector<COLORREF> first = AtlasPixels();
  DetachSkin(form.get());
  EXPECT_EQ(GetSkinAtlas().ButtonSkin, nullptr);

  AttachSkin(form.get());
  EXPECT_TRUE(Engine().EngineStarted);
  EXPECT_EQ(AtlasPixels(), first);
  DetachSkin(form.get());
}

TEST_F(AttachTest, WindowsOfAnotherThreadAreLeftAlone) {
  HWND foreign = nullptr;
  HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread owner([&] {
    foreign = CreateWindowExW(0, L"Button", L"Theirs", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80, 25, nullptr, nullptr,
                              nullptr, nullptr);
    SetEvent(created);
    // Serve sent messages until the test is done with the window.
    while (MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    DestroyWindow(foreign);
  });
  WaitForSingleObject(created, 5000);
  const LONG_PTR style = GetWindowLongPtrW(foreign, GWL_STYLE);

  EXPECT_EQ(AttachSkin(foreign), 0);
  EXPECT_EQ(Engine().SkinnedWindowCount, 0);
  EXPECT_FALSE(HasAnyEngineProperty(foreign));
  EXPECT_EQ(GetWindowLongPtrW(foreign, GWL_STYLE), style);

  SetEvent(done);
  owner.join();
  CloseHandle(created);
  CloseHandle(done);
  // A destroyed handle is no window to take over either.
  EXPECT_EQ(AttachSkin(foreign), 0);
  EXPECT_EQ(Engine().SkinnedWindowCount, 0);
}

// A procedure put in front of the engine's after the attach, as another subclass would be: it
// counts what it sees and passes everything on to the procedure it replaced.
int frontSaw = 0;
// At the window's last message, after everything behind: how many of the engine's properties
// the window still carries.
int frontPropertiesAtTheEnd = -1;
LRESULT CALLBACK FrontProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ++frontSaw;
  const auto next = reinterpret_cast<WNDPROC>(GetPropW(window, L"TESTNEXT"));
  const LRESULT result = CallWindowProcW(next, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    frontPropertiesAtTheEnd = 0;
    for (const wchar_t* name : {L"PROCADDR", L"PASSPROC", L"0HDC", L"OLDSTYLE"}) {
      if (GetPropW(window, name)) ++frontPropertiesAtTheEnd;
    }
    RemovePropW(window, L"TESTNEXT");
  }
  return result;
}

void PutInFront(HWND window) {
  SetPropW(window, L"TESTNEXT", reinterpret_cast<HANDLE>(GetWindowLongPtrW(window, GWLP_WNDPROC)));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrontProcedure));
}

void TakeOutOfFront(HWND window) {
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RemovePropW(window, L"TESTNEXT")));
}

std::wstring TextOf(HWND window) {
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  return text;
}

TEST_F(AttachTest, GivingBackUnderAnotherProcedureLeavesTheChainWholeUntilTheEngineIsInFrontAgain) {
  TestWindow form = CreateForm();
  HWND button = CreateCommandButton(form.get());
  const WNDPROC own = ProcedureOf(button);
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  AttachSkin(form.get());
  PutInFront(button);

  // Taking the engine's procedure out from under the one in front would cut that one out too:
  // the engine's entry stays in the chain and passes everything on.
  EXPECT_EQ(DetachSkin(form.get()), 1);
  EXPECT_EQ(ProcedureOf(button), FrontProcedure);
  EXPECT_FALSE(HasAnyEngineProperty(button));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropW(button, L"PASSPROC")), own);
  EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE), style) << "given back all the same";
  EXPECT_EQ(Engine().SkinnedWindowCount, 0);
  EXPECT_FALSE(Engine().EngineStarted);
  frontSaw = 0;
  SetWindowTextW(button, L"Still");
  EXPECT_EQ(TextOf(button), L"Still") << "the button's own procedure still gets its messages";
  EXPECT_GT(frontSaw, 0) << "and the one in front still sees them first";

  // Skinned again meanwhile: the entry already in the chain takes the button up again.
  AttachSkin(form.get());
  EXPECT_EQ(ProcedureOf(button), FrontProcedure);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropW(button, L"PROCADDR")), own);
  EXPECT_EQ(GetPropW(button, L"PASSPROC"), nullptr);
  EXPECT_NE(GetPropW(button, L"0HDC"), nullptr);
  EXPECT_EQ(DetachSkin(form.get()), 1);

  // Once the one in front has left, the engine's entry leaves at the next message.
  TakeOutOfFront(button);
  SetWindowTextW(button, L"Own");
  EXPECT_EQ(ProcedureOf(button), own);
  EXPECT_EQ(GetPropW(button, L"PASSPROC"), nullptr);
  EXPECT_EQ(TextOf(button), L"Own");
}

TEST_F(AttachTest, AWindowDestroyedUnderAnotherProcedureKeepsNoneOfTheEnginesProperties) {
  TestWindow form = CreateForm();
  HWND button = CreateCommandButton(form.get());
  AttachSkin(form.get());
  PutInFront(button);
  frontPropertiesAtTheEnd = -1;
  DestroyWindow(button);
  EXPECT_EQ(frontPropertiesAtTheEnd, 0) << "the engine's properties left on the window as it went";
  EXPECT_EQ(Engine().SkinnedWindowCount, 1) << "only the form is left";
  DetachSkin(form.get());
}

// A window of a class whose long name costs the engine an allocation on every message it
// classifies, with a procedure of its own that counts its paints and timer messages.
constexpr wchar_t kLongNamedClass[] = L"QuavletEngineFailureTestWindowClass";
int ownPaints = 0;
int ownTimers = 0;
LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    ++ownPaints;
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_TIMER) ++ownTimers;
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(AttachTest, AFailureInTheEngineStaysInItAndTheWindowGoesOnAnsweringAndPainting) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = CountingProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kLongNamedClass;
  RegisterClassW(&windowClass);
  TestWindow window(CreateWindowExW(0, kLongNamedClass, L"", WS_POPUP | WS_VISIBLE, 50, 50, 120, 80, nullptr,
                                    nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_EQ(AttachSkin(window.get()), 1);
  quavlet::test::FlushEvents();
  // The class name read for the classification is the one allocation this large.
  const size_t nameBytes = (std::size(kLongNamedClass) - 1) * sizeof(wchar_t);

  ownPaints = 0;
  {
    const quavlet::test::FailingAllocation failing(nameBytes, 1);
    InvalidateRect(window.get(), nullptr, FALSE);
    UpdateWindow(window.get());
    ASSERT_TRUE(failing.Failed());
  }
  EXPECT_EQ(ownPaints, 1) << "the paint went to the window's own procedure";
  RECT left{};
  EXPECT_FALSE(GetUpdateRect(window.get(), &left, FALSE)) << "and nothing was left to paint again";

  ownTimers = 0;
  {
    const quavlet::test::FailingAllocation failing(nameBytes, 1);
    SendMessageW(window.get(), WM_TIMER, 7, 0);
    ASSERT_TRUE(failing.Failed());
  }
  EXPECT_EQ(ownTimers, 1) << "a reaction that failed still lets the message through";

  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutW(window.get(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
  EXPECT_NE(GetPropW(window.get(), L"PROCADDR"), nullptr) << "still skinned";
  InvalidateRect(window.get(), nullptr, FALSE);
  UpdateWindow(window.get());
  EXPECT_EQ(ownPaints, 2);
  EXPECT_EQ(DetachSkin(window.get()), 1);
}

TEST_F(AttachTest, TheExportProbeLeavesModulesAsItFoundThem) {
  EXPECT_TRUE(IsFunctionExported("TrackMouseEvent", L"User32"));
  EXPECT_FALSE(IsFunctionExported("NoSuchFunction", L"User32"));
  EXPECT_FALSE(IsFunctionExported("TrackMouseEvent", L"no-such-module.dll"));

  const bool loadedBefore = GetModuleHandleW(L"version.dll") != nullptr;
  EXPECT_TRUE(IsFunctionExported("GetFileVersionInfoW", L"version.dll"));
  EXPECT_EQ(GetModuleHandleW(L"version.dll") != nullptr, loadedBefore);
}

}  // namespace
}  // namespace quavlet::skin::test
