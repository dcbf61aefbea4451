#include "tests/support/real_pointer.h"

#include "tests/support/message_pump.h"

namespace quavlet::test {
namespace {

// Wine maps the Unix root to drive Z: and starts Unix programs given by such a path. It gives
// no process handle for them, so the script leaves its exit status in a file when it is done
// (written aside, then renamed, so that a file that exists is complete).
constexpr wchar_t kShell[] = L"Z:\\bin\\sh";
constexpr wchar_t kXdotool[] = L"Z:\\usr\\bin\\xdotool";

std::wstring ReadSmallFile(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  char buffer[16] = {};
  DWORD read = 0;
  ReadFile(file, buffer, sizeof(buffer) - 1, &read, nullptr);
  CloseHandle(file);
  return std::wstring(buffer, buffer + read);
}

}  // namespace

RealPointer::RealPointer() {
  const bool display = GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) > 0;
  available_ = display && GetFileAttributesW(kXdotool) != INVALID_FILE_ATTRIBUTES &&
               GetFileAttributesW(kShell) != INVALID_FILE_ATTRIBUTES;
}

bool RealPointer::Run(const std::wstring& arguments, DWORD timeoutMilliseconds) {
  if (!available_) return false;
  const std::wstring marker = L"/tmp/quavlet-pointer-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++scripts_);
  std::wstring markerPath = L"Z:" + marker;
  for (wchar_t& character : markerPath) {
    if (character == L'/') character = L'\\';
  }
  DeleteFileW(markerPath.c_str());
  std::wstring commandLine = L"sh -c \"xdotool " + arguments + L"; echo $? > " + marker + L".part && mv " + marker +
                             L".part " + marker + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(kShell, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return false;
  }
  if (info.hThread) CloseHandle(info.hThread);
  if (info.hProcess) CloseHandle(info.hProcess);
  const bool finished = PumpUntil(
      [&] { return GetFileAttributesW(markerPath.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMilliseconds);
  if (!finished) return false;
  const std::wstring status = ReadSmallFile(markerPath);
  DeleteFileW(markerPath.c_str());
  return status.rfind(L"0", 0) == 0;
}

void RealPointer::LetLateEventsIn() { PumpFor(300); }

POINT RealPointer::ScreenPoint(HWND window, int clientX, int clientY) {
  POINT point{clientX, clientY};
  ClientToScreen(window, &point);
  return point;
}

}  // namespace quavlet::test
