// The program itself: started as a user starts it, it ends once its main window closes by the
// exit button, since no other window is open.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/message_pump.h"
#include "tests/support/window_queries.h"

namespace quavlet::test {
namespace {

// The program next to the tests, as a path Wine understands (the Unix root is drive Z:).
std::wstring ProgramPath() {
  const std::string unixPath = QUAVLET_PROGRAM_PATH;
  std::wstring path = L"Z:";
  for (char character : unixPath) path += character == '/' ? L'\\' : static_cast<wchar_t>(character);
  return path;
}

BOOL CALLBACK FindExitButton(HWND child, LPARAM context) {
  wchar_t text[16] = {};
  GetWindowTextW(child, text, 16);
  if (std::wstring(text) == L"退出") {
    *reinterpret_cast<HWND*>(context) = child;
    return FALSE;
  }
  return TRUE;
}

class ProgramProcess {
 public:
  ProgramProcess() {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring path = ProgramPath();
    std::wstring commandLine = L"\"" + path + L"\"";
    started_ = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &info_) != FALSE;
  }
  ~ProgramProcess() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  bool Started() const { return started_; }
  HANDLE Handle() const { return info_.hProcess; }
  HWND MainWindow() const { return FindVisibleTopLevel(info_.dwProcessId, L"ThunderRT6FormDC"); }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

TEST(Program, EndsWhenTheExitButtonClosesItsOnlyWindow) {
  ProgramProcess program;
  ASSERT_TRUE(program.Started());
  HWND window = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (window = program.MainWindow()) != nullptr; }, 15000));
  HWND exitButton = nullptr;
  EnumChildWindows(window, FindExitButton, reinterpret_cast<LPARAM>(&exitButton));
  ASSERT_NE(exitButton, nullptr);
  EXPECT_EQ(WaitForSingleObject(program.Handle(), 300), static_cast<DWORD>(WAIT_TIMEOUT));  // it waits for the user

  PostMessageW(exitButton, BM_CLICK, 0, 0);
  ASSERT_EQ(WaitForSingleObject(program.Handle(), 10000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(program.Handle(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace quavlet::test
