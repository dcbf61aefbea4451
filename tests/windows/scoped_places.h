#pragma once

// Scratch places for tests that touch the file system and the environment, each put back as
// it was when the test ends.

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace quavlet::test {

// A fresh, empty folder under the given parent (the temporary folder by default), removed
// with everything in it at the end.
class TemporaryFolder {
 public:
  explicit TemporaryFolder(const std::filesystem::path& parent = std::filesystem::temp_directory_path());
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Makes a folder (and its parents) inside; returns its full path.
  std::filesystem::path Make(const std::wstring& relative) const;

 private:
  std::filesystem::path path_;
};

class ScopedCurrentDirectory {
 public:
  explicit ScopedCurrentDirectory(const std::filesystem::path& directory);
  ~ScopedCurrentDirectory();
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

// Remembers a variable of this process's environment and restores (or removes) it at the end.
class ScopedEnvironmentVariable {
 public:
  explicit ScopedEnvironmentVariable(std::wstring name);
  ~ScopedEnvironmentVariable();
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

  void Set(const std::wstring& value) const;
  void Unset() const;

 private:
  std::wstring name_;
  std::optional<std::wstring> previous_;
};

// Points the user's desktop folder, as the shell reports it, at another folder for the scope,
// so that tests never write onto the desktop of the person running them.
class ScopedShellDesktop {
 public:
  explicit ScopedShellDesktop(const std::filesystem::path& folder);
  ~ScopedShellDesktop();
  ScopedShellDesktop(const ScopedShellDesktop&) = delete;
  ScopedShellDesktop& operator=(const ScopedShellDesktop&) = delete;

 private:
  std::optional<std::wstring> previous_;
};

}  // namespace quavlet::test
