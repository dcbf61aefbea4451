// The program itself: started as a user starts it, it ends once its main window closes by the
// exit button, since no other window is open. Its file tells Windows and Explorer its version,
// names and manifest.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "musiclist/XmlDocument.h"

#include "tests/support/message_pump.h"
#include "tests/support/window_queries.h"

namespace quavlet::test {
namespace {

// The program next to the tests, or the one QUAVLET_PROGRAM names (the stripped program an
// archive ships), as a path Wine understands (the Unix root is drive Z:).
std::wstring ProgramPath() {
  const char* named = std::getenv("QUAVLET_PROGRAM");
  const std::string unixPath = named && *named ? named : QUAVLET_PROGRAM_PATH;
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

// The main window's child of a class whose text (asked by message: read directly across processes
// it is the text the window was made with) satisfies the test.
struct ChildSearch {
  const wchar_t* className;
  bool (*accepts)(const std::wstring& text);
  HWND found;
};

BOOL CALLBACK FindChild(HWND child, LPARAM context) {
  auto& search = *reinterpret_cast<ChildSearch*>(context);
  wchar_t className[64] = {};
  GetClassNameW(child, className, 64);
  if (std::wstring_view(className) != search.className) return TRUE;
  wchar_t text[256] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 10000, &length)) {
    return TRUE;
  }
  if (!search.accepts(text)) return TRUE;
  search.found = child;
  return FALSE;
}

HWND ChildOf(HWND window, const wchar_t* className, bool (*accepts)(const std::wstring& text)) {
  ChildSearch search{className, accepts, nullptr};
  EnumChildWindows(window, FindChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
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

// What a user does first, against the music list service the tests talk to: the number typed,
// Enter, the songs listed. The window is driven and read by messages only (texts of another
// process's list view cannot be read reliably under emulation, its row count can). It checks the
// program's own delay-loaded network DLL on the way.
TEST(Program, ListsTheSongsOfANumberQueriedWithEnterAndEnds) {
  ProgramProcess program;
  ASSERT_TRUE(program.Started());
  HWND window = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (window = program.MainWindow()) != nullptr; }, 30000));
  EXPECT_NE(GetPropW(window, L"PROCADDR"), nullptr) << "the skin is not attached";
  const HWND number = ChildOf(window, L"Edit", [](const std::wstring& text) { return text.empty(); });
  const HWND list = ChildOf(window, L"SysListView32", [](const std::wstring&) { return true; });
  ASSERT_NE(number, nullptr);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);

  SendMessageW(number, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"12345"));
  PostMessageW(number, WM_CHAR, 13, 1);
  // The service answers at once; the bound is for a slow machine.
  EXPECT_TRUE(PumpUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 8; }, 60000))
      << SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) << " rows";
  EXPECT_EQ(WaitForSingleObject(program.Handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the program ended";

  HWND exitButton = nullptr;
  EnumChildWindows(window, FindExitButton, reinterpret_cast<LPARAM>(&exitButton));
  ASSERT_NE(exitButton, nullptr);
  PostMessageW(exitButton, BM_CLICK, 0, 0);
  ASSERT_EQ(WaitForSingleObject(program.Handle(), 30000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(program.Handle(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

// The version resource as Explorer reads it: the language and code page its translation names
// pick the block of strings.
class VersionInfo {
 public:
  explicit VersionInfo(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    data_.resize(size);
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, data_.data())) data_.clear();
  }
  bool Read() const { return !data_.empty(); }

  const VS_FIXEDFILEINFO* Fixed() const { return static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\")); }
  // The first translation: language, then code page.
  std::pair<WORD, WORD> Translation() const {
    const auto* pair = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation"));
    return pair ? std::pair{pair[0], pair[1]} : std::pair<WORD, WORD>{0, 0};
  }
  std::wstring String(std::wstring_view name) const {
    const auto [language, codePage] = Translation();
    wchar_t block[64] = {};
    std::swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", language, codePage);
    const auto* text = static_cast<const wchar_t*>(Query(block + std::wstring(name)));
    return text ? std::wstring(text) : L"(missing)";
  }

 private:
  const void* Query(const std::wstring& path) const {
    void* value = nullptr;
    UINT length = 0;
    if (data_.empty() || !VerQueryValueW(data_.data(), path.c_str(), &value, &length) || length == 0) return nullptr;
    return value;
  }
  std::vector<BYTE> data_;
};

TEST(ProgramFile, ReportsItsVersionAndNamesThroughTheVersionApi) {
  const VersionInfo info(ProgramPath());
  ASSERT_TRUE(info.Read());
  const VS_FIXEDFILEINFO* fixed = info.Fixed();
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  // 2.01 as the main window shows it: 2.1.0.0.
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00020001u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00020001u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  // Chinese (PRC), strings in Unicode; non-ASCII text survives the resource compiler.
  EXPECT_EQ(info.Translation(), (std::pair<WORD, WORD>{0x0804, 1200}));
  EXPECT_EQ(info.String(L"FileDescription"), L"Quavlet");
  EXPECT_EQ(info.String(L"ProductName"), L"Quavlet");
  EXPECT_EQ(info.String(L"CompanyName"), L"Orvane网络工作室");  // the maker as the About window names it
  EXPECT_EQ(info.String(L"LegalCopyright"), L"© 2010 Orvane网络工作室");
  EXPECT_EQ(info.String(L"OriginalFilename"), L"quavlet.exe");
  EXPECT_EQ(L"版本号：V" + info.String(L"FileVersion"), L"版本号：V2.01");
  EXPECT_EQ(info.String(L"ProductVersion"), L"2.01");
}

// The manifest's text, read from the program file as Windows reads it when starting it.
std::string ManifestOf(const std::wstring& path) {
  HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return {};
  std::string text;
  if (HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
    if (HGLOBAL loaded = LoadResource(module, resource)) {
      text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, resource));
    }
  }
  FreeLibrary(module);
  return text;
}

long CountOf(const musiclist::XmlDocument& manifest, std::wstring_view element) {
  return manifest.GetElementsByTagName(element).Length();
}

TEST(ProgramFile, CarriesAWellFormedManifestAsInvokerForVistaTo11WithoutCommonControls6) {
  const std::string text = ManifestOf(ProgramPath());
  ASSERT_FALSE(text.empty());
  // Windows refuses to start a program whose manifest is not well-formed.
  std::unique_ptr<musiclist::XmlDocument> manifest = musiclist::XmlDocument::Create();
  ASSERT_NE(manifest, nullptr);
  ASSERT_TRUE(manifest->LoadReply(text));
  EXPECT_EQ(CountOf(*manifest, L"assemblyIdentity"), 1);
  EXPECT_EQ(CountOf(*manifest, L"requestedExecutionLevel"), 1);
  EXPECT_NE(text.find(R"(level="asInvoker")"), std::string::npos);
  EXPECT_EQ(CountOf(*manifest, L"supportedOS"), 5);
  for (const char* system : {"e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
                             "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
                             "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
    EXPECT_NE(text.find(system), std::string::npos) << system;
  }
  const musiclist::XmlNodeList dpiAware = manifest->GetElementsByTagName(L"dpiAware");
  ASSERT_EQ(dpiAware.Length(), 1);
  EXPECT_EQ(dpiAware.Item(0).Text(), L"false");
  EXPECT_EQ(CountOf(*manifest, L"dependentAssembly"), 0);
  EXPECT_EQ(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

}  // namespace
}  // namespace quavlet::test
