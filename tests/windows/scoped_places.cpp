#include "tests/windows/scoped_places.h"

#include <string>

namespace quavlet::test {

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder(const fs::path& parent) {
  for (unsigned attempt = 0;; ++attempt) {
    fs::path candidate = parent / (L"quavlet-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt));
    if (fs::create_directory(candidate)) {
      path_ = std::move(candidate);
      return;
    }
  }
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

fs::path TemporaryFolder::Make(const std::wstring& relative) const {
  fs::path folder = path_ / relative;
  fs::create_directories(folder);
  return folder;
}

ScopedCurrentDirectory::ScopedCurrentDirectory(const fs::path& directory) : previous_(fs::current_path()) {
  fs::current_path(directory);
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
}

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::wstring name) : name_(std::move(name)) {
  const DWORD needed = GetEnvironmentVariableW(name_.c_str(), nullptr, 0);
  if (needed == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return;
  std::wstring value(needed, L'\0');
  value.resize(needed ? GetEnvironmentVariableW(name_.c_str(), value.data(), needed) : 0);
  previous_ = std::move(value);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
  SetEnvironmentVariableW(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}

void ScopedEnvironmentVariable::Set(const std::wstring& value) const {
  SetEnvironmentVariableW(name_.c_str(), value.c_str());
}

void ScopedEnvironmentVariable::Unset() const { SetEnvironmentVariableW(name_.c_str(), nullptr); }

namespace {

constexpr wchar_t kUserShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr wchar_t kDesktopValue[] = L"Desktop";

std::optional<std::wstring> ReadDesktopValue() {
  wchar_t value[1024] = {};
  DWORD bytes = sizeof(value) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, kUserShellFolders, kDesktopValue, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ |
                   RRF_NOEXPAND, nullptr, value, &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(value);
}

void WriteDesktopValue(const std::wstring& folder) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kUserShellFolders, kDesktopValue, REG_EXPAND_SZ, folder.c_str(),
                  static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

ScopedShellDesktop::ScopedShellDesktop(const fs::path& folder) : previous_(ReadDesktopValue()) {
  WriteDesktopValue(folder.wstring());
}

ScopedShellDesktop::~ScopedShellDesktop() {
  if (previous_) {
    WriteDesktopValue(*previous_);
  } else {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kUserShellFolders, kDesktopValue);
  }
}

}  // namespace quavlet::test
