// The main window's button that writes the desktop shortcut: the file it leaves and the
// message it shows, read at the moment the message appears.

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>

#include "app/Form1.h"
#include "windows/Site.h"
#include "runtime/Application.h"
#include "runtime/DelayLoad.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/message_pump.h"
#include "tests/windows/scoped_places.h"

namespace quavlet::test {
namespace {

namespace fs = std::filesystem;

const std::wstring kHomeDesktop = L"\u684C\u9762";  // "桌面"
// The site's address is plain ASCII: its code page 936 bytes are its characters.
const std::string kSiteBytes = "[InternetShortcut]\r\nURL=http://" + std::string(windows::kSiteHost.begin(), windows::kSiteHost.end()) +
                               "/\r\n";

// The whole file, opened exclusively: nothing when it is missing or someone still holds it open.
std::optional<std::string> ClosedFileBytes(const fs::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[256];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

// Watches for the message box the button shows; when one appears, records it and the shortcut
// file as it is at that moment, then presses OK.
class MessageMoment {
 public:
  explicit MessageMoment(fs::path file) : file_(std::move(file)) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuavletTestMessageMoment";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetTimer(window_, 1, 5, nullptr);
  }
  ~MessageMoment() { DestroyWindow(window_); }
  MessageMoment(const MessageMoment&) = delete;
  MessageMoment& operator=(const MessageMoment&) = delete;

  std::vector<SeenMessageBox> boxes;
  std::vector<std::optional<std::string>> fileAtBox;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MessageMoment*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
      case WM_TIMER:
        if (self) self->Poll();
        return 0;
      default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
  }

  void Poll() {
    const HWND box = FindMessageBox();
    if (!box || box == answered_) return;
    answered_ = box;
    fileAtBox.push_back(ClosedFileBytes(file_));
    boxes.push_back(DescribeMessageBox(box));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  }

  fs::path file_;
  HWND window_ = nullptr;
  HWND answered_ = nullptr;
};

fs::path ShellDesktop() {
  wchar_t folder[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, folder);
  return folder;
}

class ShortcutButton : public testing::Test {
 protected:
  void SetUp() override {
    // Nothing here may write onto the real desktop.
    ASSERT_EQ(ShellDesktop(), desktop_);
    form_ = &application_.Show<Form1>();
    FlushEvents();
  }

  void Press() const {
    SendMessageW(form_->Command6.hWnd(), BM_CLICK, 0, 0);
    FlushEvents();
  }

  // A home whose "桌面" folder exists, as on an older Chinese system.
  fs::path UseHomeWithDesktopFolder() {
    const fs::path home = root_.Make(L"home");
    root_.Make(L"home\\" + kHomeDesktop);
    homePath_.Set(home.wstring().substr(2));  // without the drive, as the system sets it
    return home / kHomeDesktop / L"Brindlebox.url";
  }

  TemporaryFolder root_{L"C:\\"};
  ScopedCurrentDirectory current_{root_.Path()};
  ScopedEnvironmentVariable homePath_{L"HOMEPATH"};
  fs::path desktop_ = root_.Make(L"Desktop");
  ScopedShellDesktop shellDesktop_{desktop_};
  runtime::Application application_{GetModuleHandleW(nullptr)};
  Form1* form_ = nullptr;
};

TEST_F(ShortcutButton, WritesTheShortcutIntoTheHomeDesktopThenThanks) {
  const fs::path file = UseHomeWithDesktopFolder();
  MessageMoment moment(file);
  Press();

  ASSERT_EQ(moment.boxes.size(), 1u);
  const SeenMessageBox& thanks = moment.boxes[0];
  EXPECT_EQ(thanks.title, L"创建桌面快捷方式成功！");
  EXPECT_EQ(thanks.text, L"感谢您对我们的支持，我代表Brindlebox团队向您敬礼！！");
  EXPECT_EQ(thanks.icon, MessageBoxIcon::Information);
  EXPECT_EQ(thanks.buttons, std::vector<int>{IDOK});
  // When the thanks appear, the file is complete and closed.
  EXPECT_EQ(moment.fileAtBox[0], kSiteBytes);
  EXPECT_FALSE(fs::exists(desktop_ / L"Brindlebox.url"));
}

TEST_F(ShortcutButton, PressedTwiceLeavesOneFileWithTheSameTwoLines) {
  const fs::path file = UseHomeWithDesktopFolder();
  MessageMoment moment(file);
  Press();
  Press();
  EXPECT_EQ(moment.boxes.size(), 2u);
  EXPECT_EQ(ClosedFileBytes(file), kSiteBytes);
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator{}), 1);
}

TEST_F(ShortcutButton, TheUrlLineIsTheTextOfTheBoxAtTheMomentOfThePress) {
  const fs::path file = UseHomeWithDesktopFolder();
  MessageMoment moment(file);
  form_->Text1.SetText(L"http://\u684C\u9762.example.cn/");
  Press();
  EXPECT_EQ(ClosedFileBytes(file), "[InternetShortcut]\r\nURL=http://\xD7\xC0\xC3\xE6.example.cn/\r\n");
}

TEST_F(ShortcutButton, WithoutTheHomeDesktopFolderTheShortcutGoesOnTheUsersDesktop) {
  homePath_.Set(root_.Make(L"home").wstring().substr(2));
  const fs::path file = desktop_ / L"Brindlebox.url";
  MessageMoment moment(file);
  Press();
  ASSERT_EQ(moment.boxes.size(), 1u);
  EXPECT_EQ(moment.boxes[0].title, L"创建桌面快捷方式成功！");
  EXPECT_EQ(moment.fileAtBox[0], kSiteBytes);
  EXPECT_FALSE(fs::exists(root_.Path() / L"home" / kHomeDesktop));
}

TEST_F(ShortcutButton, WhenNoPlaceTakesTheFileItSaysSoAndDoesNotThank) {
  homePath_.Unset();  // and no "\桌面" at the root of this drive is assumed
  ASSERT_FALSE(fs::exists(fs::path(L"C:\\") / kHomeDesktop));
  const fs::path blocked = desktop_ / L"Brindlebox.url";
  fs::create_directory(blocked);  // a folder in the file's place
  MessageMoment moment(blocked);
  Press();

  ASSERT_EQ(moment.boxes.size(), 1u);
  const SeenMessageBox& failure = moment.boxes[0];
  EXPECT_EQ(failure.title, L"创建桌面快捷方式失败");
  EXPECT_EQ(failure.icon, MessageBoxIcon::Critical);
  EXPECT_NE(failure.text.find(blocked.wstring()), std::wstring::npos);
  EXPECT_EQ(failure.text.rfind(L"无法在桌面上创建快捷方式。", 0), 0u);
  EXPECT_EQ(failure.buttons, std::vector<int>{IDOK});
  // The program goes on.
  EXPECT_TRUE(form_->IsLoaded());
  EXPECT_EQ(application_.OpenFormCount(), 1);
}

// shell32 is loaded at the first shortcut: without it there is no desktop folder to be had, and
// the shortcut fails as when no place takes the file.
TEST_F(ShortcutButton, WithoutTheShellDllAndTheHomeDesktopItSaysSoAndDoesNotThank) {
  homePath_.Unset();
  const fs::path file = desktop_ / L"Brindlebox.url";
  MessageMoment moment(file);
  runtime::SetDelayLoadMissingForTests(L"shell32.dll");
  Press();
  runtime::SetDelayLoadMissingForTests(L"");
  ASSERT_EQ(moment.boxes.size(), 1u);
  EXPECT_EQ(moment.boxes[0].title, L"创建桌面快捷方式失败");
  EXPECT_EQ(moment.boxes[0].icon, MessageBoxIcon::Critical);
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(form_->IsLoaded());
}

}  // namespace
}  // namespace quavlet::test
