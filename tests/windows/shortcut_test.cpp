#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/windows/scoped_places.h"
#include "windows/ShortcutFile.h"

namespace quavlet::windows {
namespace {

namespace fs = std::filesystem;
using test::ScopedCurrentDirectory;
using test::ScopedEnvironmentVariable;
using test::TemporaryFolder;

const std::wstring kHomeDesktop = L"\u684C\u9762";  // "桌面"
const std::string kSiteBytes = "[InternetShortcut]\r\nURL=http://www.brindlebox.cn/\r\n";

std::optional<std::string> FileBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(EncodeGbk, WritesChineseInCodePage936WithoutAByteOrderMark) {
  EXPECT_EQ(EncodeGbk(L"URL=\u684C\u9762"), "URL=\xD7\xC0\xC3\xE6");
  EXPECT_EQ(EncodeGbk(L"[InternetShortcut]\r\n"), "[InternetShortcut]\r\n");
  EXPECT_EQ(EncodeGbk(L""), "");
}

TEST(WriteDesktopShortcut, WritesTheExactBytesIntoTheShellDesktopWhenTheHomeDesktopIsMissing) {
  TemporaryFolder root;
  const fs::path desktop = root.Make(L"Desktop");
  const ShortcutPlaces places{L"\\no-such-home", false, desktop.wstring()};

  const ShortcutOutcome outcome = WriteDesktopShortcut(L"http://www.brindlebox.cn/", places);

  EXPECT_TRUE(outcome.written);
  EXPECT_EQ(outcome.error, 0u);
  EXPECT_EQ(fs::path(outcome.path), desktop / L"Brindlebox.url");
  EXPECT_EQ(FileBytes(desktop / L"Brindlebox.url"), kSiteBytes);
}

TEST(WriteDesktopShortcut, EncodesTheAddressInCodePage936) {
  TemporaryFolder root;
  const fs::path desktop = root.Make(L"Desktop");
  ASSERT_TRUE(WriteDesktopShortcut(L"http://\u684C\u9762.cn/", ShortcutPlaces{std::nullopt, false, desktop.wstring()})
                  .written);
  EXPECT_EQ(FileBytes(desktop / L"Brindlebox.url"), "[InternetShortcut]\r\nURL=http://\xD7\xC0\xC3\xE6.cn/\r\n");
}

TEST(WriteDesktopShortcut, SecondWriteReplacesTheFirstWhole) {
  TemporaryFolder root;
  const fs::path desktop = root.Make(L"Desktop");
  const ShortcutPlaces places{std::nullopt, false, desktop.wstring()};
  ASSERT_TRUE(WriteDesktopShortcut(L"http://a-much-longer-address.example.cn/with/a/path", places).written);
  ASSERT_TRUE(WriteDesktopShortcut(L"http://www.brindlebox.cn/", places).written);
  EXPECT_EQ(FileBytes(desktop / L"Brindlebox.url"), kSiteBytes);
  ASSERT_TRUE(WriteDesktopShortcut(L"http://www.brindlebox.cn/", places).written);
  EXPECT_EQ(FileBytes(desktop / L"Brindlebox.url"), kSiteBytes);
}

TEST(WriteDesktopShortcut, ReportsFailureWhenNoPlaceTakesTheFile) {
  TemporaryFolder root;
  const fs::path desktop = root.Make(L"Desktop");
  // A folder of the file's name cannot be opened as the file.
  fs::create_directory(desktop / L"Brindlebox.url");

  const ShortcutOutcome blocked = WriteDesktopShortcut(L"http://www.brindlebox.cn/",
                                                       ShortcutPlaces{std::nullopt, false, desktop.wstring()});
  EXPECT_FALSE(blocked.written);
  EXPECT_NE(blocked.error, 0u);
  EXPECT_EQ(fs::path(blocked.path), desktop / L"Brindlebox.url");

  const ShortcutOutcome nowhere = WriteDesktopShortcut(L"http://www.brindlebox.cn/", ShortcutPlaces{});
  EXPECT_FALSE(nowhere.written);
  EXPECT_NE(nowhere.error, 0u);
}

// The rest reads the real environment: "HOMEPATH" and the current drive.
class ShortcutPlacesTest : public testing::Test {
 protected:
  TemporaryFolder root_{L"C:\\"};
  ScopedCurrentDirectory current_{root_.Path()};
  ScopedEnvironmentVariable homePath_{L"HOMEPATH"};
  fs::path shellDesktop_ = root_.Make(L"ShellDesktop");

  // "HOMEPATH" as the system gives it: without the drive letter.
  static std::wstring WithoutDrive(const fs::path& path) { return path.wstring().substr(2); }

  ShortcutPlaces PlacesNow() {
    ShortcutPlaces places = CurrentShortcutPlaces();
    places.shellDesktop = shellDesktop_.wstring();
    return places;
  }
};

TEST_F(ShortcutPlacesTest, WritesIntoTheHomeDesktopWhenItsFolderExists) {
  const fs::path home = root_.Make(L"home");
  const fs::path homeDesktop = root_.Make(L"home\\" + kHomeDesktop);
  homePath_.Set(WithoutDrive(home));

  const ShortcutPlaces places = PlacesNow();
  EXPECT_EQ(places.homePath, WithoutDrive(home));
  EXPECT_TRUE(places.homeDesktopExists);
  const ShortcutOutcome outcome = WriteDesktopShortcut(L"http://www.brindlebox.cn/", places);

  EXPECT_TRUE(outcome.written);
  EXPECT_EQ(outcome.path, WithoutDrive(home) + L"\\" + kHomeDesktop + L"\\Brindlebox.url");
  EXPECT_EQ(FileBytes(homeDesktop / L"Brindlebox.url"), kSiteBytes);
  EXPECT_FALSE(fs::exists(shellDesktop_ / L"Brindlebox.url"));
}

TEST_F(ShortcutPlacesTest, FallsBackToTheShellDesktopWhenTheHomeDesktopIsMissing) {
  const fs::path home = root_.Make(L"home");
  homePath_.Set(WithoutDrive(home));

  const ShortcutPlaces places = PlacesNow();
  EXPECT_FALSE(places.homeDesktopExists);
  const ShortcutOutcome outcome = WriteDesktopShortcut(L"http://www.brindlebox.cn/", places);

  EXPECT_TRUE(outcome.written);
  EXPECT_EQ(FileBytes(shellDesktop_ / L"Brindlebox.url"), kSiteBytes);
  // The folder "桌面" is never created.
  EXPECT_FALSE(fs::exists(home / kHomeDesktop));
}

TEST_F(ShortcutPlacesTest, FallsBackToTheShellDesktopWhenTheHomeDesktopCannotTakeTheFile) {
  const fs::path home = root_.Make(L"home");
  root_.Make(L"home\\" + kHomeDesktop + L"\\Brindlebox.url");  // a folder in the file's place
  homePath_.Set(WithoutDrive(home));

  const ShortcutOutcome outcome = WriteDesktopShortcut(L"http://www.brindlebox.cn/", PlacesNow());

  EXPECT_TRUE(outcome.written);
  EXPECT_EQ(fs::path(outcome.path), shellDesktop_ / L"Brindlebox.url");
  EXPECT_EQ(FileBytes(shellDesktop_ / L"Brindlebox.url"), kSiteBytes);
}

TEST_F(ShortcutPlacesTest, UnsetHomePathMeansTheDesktopFolderAtTheRootOfTheCurrentDrive) {
  homePath_.Unset();
  const fs::path driveDesktop = fs::path(L"C:\\") / kHomeDesktop;
  const bool madeHere = fs::create_directory(driveDesktop);
  const fs::path file = driveDesktop / L"Brindlebox.url";
  const std::optional<std::string> before = FileBytes(file);

  const ShortcutPlaces places = PlacesNow();
  EXPECT_EQ(places.homePath, std::nullopt);
  EXPECT_TRUE(places.homeDesktopExists);
  const ShortcutOutcome outcome = WriteDesktopShortcut(L"http://www.brindlebox.cn/", places);

  EXPECT_TRUE(outcome.written);
  EXPECT_EQ(outcome.path, L"\\" + kHomeDesktop + L"\\Brindlebox.url");
  EXPECT_EQ(FileBytes(file), kSiteBytes);
  EXPECT_FALSE(fs::exists(shellDesktop_ / L"Brindlebox.url"));

  if (madeHere) {
    fs::remove_all(driveDesktop);
  } else if (before) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << *before;
  } else {
    fs::remove(file);
  }
}

TEST_F(ShortcutPlacesTest, ReportsTheShellsDesktopFolder) {
  wchar_t expected[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, expected), S_OK);
  EXPECT_EQ(CurrentShortcutPlaces().shellDesktop, expected);
}

}  // namespace
}  // namespace quavlet::windows
