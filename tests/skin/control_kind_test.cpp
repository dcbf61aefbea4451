#include "skin/ControlKind.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

#include "tests/skin/base_test_window.h"

namespace quavlet::skin {
namespace {

using test::TestWindow;

TEST(ControlKind, RegisteredNamesAreReadAsRegisteredAndClassifiedInAnyCase) {
  const struct {
    const wchar_t* className;
    ControlKind kind;
  } cases[] = {
      {L"ThunderRT6FormDC", ckForm},
      {L"ThunderRT6CommandButton", ckButton},
      {L"THUNDERCHECKBOX", ckCheck},
      {L"ThunderRT6OptionButton", ckOption},
      {L"ThunderRT6DriveListBox", ckDriveList},
      {L"ProgressBar20WndClass", ckProgress},
      {L"MSVB_Lib_Header", ckHeader},
      {L"DataListWndClass", ckDataList},
      {L"ApexGridOleDB32", ckGrid},
      {L"QuavletPlainWindow", ckOther},
  };
  for (const auto& [className, kind] : cases) {
    const TestWindow window(className);
    ASSERT_NE(window.get(), nullptr) << className;
    EXPECT_EQ(GetWindowClass(window.get()), className);
    EXPECT_EQ(ClassifyWindow(window.get()), kind) << className;
  }
}

TEST(ControlKind, SystemControlsAreClassifiedByTheirClassNames) {
  const TestWindow form(L"QuavletKindParent");
  const struct {
    const wchar_t* className;
    DWORD style;
    ControlKind kind;
  } cases[] = {
      {L"Button", BS_PUSHBUTTON, ckButton},
      {L"Button", BS_AUTOCHECKBOX, ckButton},  // check boxes of the button class are buttons too
      {L"ComboBox", CBS_DROPDOWNLIST, ckCombo},
      {L"Edit", 0, ckOther},
      {L"ListBox", 0, ckOther},
      {WC_HEADERW, 0, ckHeader},
      {PROGRESS_CLASSW, 0, ckOther},
      {L"#32770", 0, ckForm},
  };
  for (const auto& [className, style, kind] : cases) {
    const TestWindow control(className, WS_CHILD | style, form.get());
    ASSERT_NE(control.get(), nullptr) << className;
    EXPECT_EQ(ClassifyWindow(control.get()), kind) << className;
  }
}

TEST(ControlKind, AComboBoxDropDownListIsAComboList) {
  const TestWindow form(L"QuavletKindParent");
  const TestWindow combo(L"ComboBox", WS_CHILD | CBS_DROPDOWNLIST, form.get());
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(combo.get(), &info));
  EXPECT_EQ(GetWindowClass(info.hwndList), L"ComboLBox");
  EXPECT_EQ(ClassifyWindow(info.hwndList), ckComboList);
}

TEST(ControlKind, AWindowWhoseClassCannotBeReadIsOther) {
  EXPECT_EQ(GetWindowClass(nullptr), L"");
  EXPECT_EQ(ClassifyWindow(nullptr), ckOther);
  HWND gone = nullptr;
  {
    const TestWindow window(L"ThunderRT6CommandButton");
    gone = window.get();
  }
  EXPECT_EQ(GetWindowClass(gone), L"");
  EXPECT_EQ(ClassifyWindow(gone), ckOther);
}

TEST(ControlKind, ALongClassNameIsReadWhole) {
  const std::wstring longName = L"ApexGrid" + std::wstring(240, L'x');
  const TestWindow window(longName);
  ASSERT_NE(window.get(), nullptr);
  EXPECT_EQ(GetWindowClass(window.get()), longName);
  EXPECT_EQ(ClassifyWindow(window.get()), ckGrid);
}

}  // namespace
}  // namespace quavlet::skin
