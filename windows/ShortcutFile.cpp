#include "windows/ShortcutFile.h"

#include <objbase.h>
#include <shlobj.h>

#include <memory>
#include <optional>
#include <utility>

#include "runtime/DelayLoad.h"

namespace quavlet::windows {

namespace {

constexpr UINT kChineseCodePage = 936;

// Closes the file when the write is over, on every path.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (*this) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  // Closes now; false when the system could not flush and close the file.
  bool Close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE; }

 private:
  HANDLE handle_;
};

struct TaskMemoryFree {
  void operator()(wchar_t* text) const { CoTaskMemFree(text); }
};

std::optional<std::wstring> EnvironmentValue(const wchar_t* name) {
  const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
  if (needed == 0) {
    if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    return std::wstring{};
  }
  std::wstring value(needed, L'\0');
  const DWORD length = GetEnvironmentVariableW(name, value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring ShellDesktopFolder() {
  // shell32 loads at the first shortcut; without it there is no desktop folder to be had.
  if (!runtime::DelayLoadable(L"shell32.dll", {"SHGetKnownFolderPath"})) return {};
  wchar_t* raw = nullptr;
  const HRESULT result = SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &raw);
  const std::unique_ptr<wchar_t, TaskMemoryFree> folder{raw};
  if (FAILED(result) || !folder) return {};
  return folder.get();
}

// Creates or truncates the file and writes the bytes; the error code, 0 on success.
DWORD WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  FileHandle file{CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (!file) return GetLastError();
  DWORD written = 0;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
    return GetLastError();
  }
  if (written != bytes.size()) return ERROR_WRITE_FAULT;
  if (!file.Close()) return GetLastError();
  return 0;
}

}  // namespace

std::string EncodeGbk(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = WideCharToMultiByte(kChineseCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(needed > 0 ? needed : 0), '\0');
  if (needed > 0) {
    WideCharToMultiByte(kChineseCodePage, 0, text.data(), length, bytes.data(), needed, nullptr, nullptr);
  }
  return bytes;
}

ShortcutPlaces CurrentShortcutPlaces() {
  ShortcutPlaces places;
  places.homePath = EnvironmentValue(L"HOMEPATH");
  places.homeDesktopExists = IsFolder(HomeDesktopFolder(places.homePath));
  places.shellDesktop = ShellDesktopFolder();
  return places;
}

ShortcutOutcome WriteShortcutFile(const std::vector<std::wstring>& targets, std::string_view bytes) {
  ShortcutOutcome outcome;
  outcome.error = ERROR_PATH_NOT_FOUND;
  for (const std::wstring& target : targets) {
    outcome.path = target;
    outcome.error = WriteWholeFile(target, bytes);
    if (outcome.error == 0) {
      outcome.written = true;
      break;
    }
  }
  return outcome;
}

ShortcutOutcome WriteDesktopShortcut(std::wstring_view siteAddress, const ShortcutPlaces& places) {
  return WriteShortcutFile(ShortcutTargets(places), EncodeGbk(ShortcutContent(siteAddress)));
}

}  // namespace quavlet::windows
