#include <gtest/gtest.h>

#include "windows/ShortcutPlan.h"

namespace quavlet::windows {
namespace {

const std::wstring kHomeDesktop = L"\u684C\u9762";  // "桌面"

TEST(ShortcutContent, IsTheSectionLineThenTheUrlLineEachEndedByCrLf) {
  EXPECT_EQ(ShortcutContent(L"http://www.example.cn/"),
            L"[InternetShortcut]\r\nURL=http://www.example.cn/\r\n");
  // The address is taken as it stands, even empty or odd.
  EXPECT_EQ(ShortcutContent(L""), L"[InternetShortcut]\r\nURL=\r\n");
  EXPECT_EQ(ShortcutContent(L" a b "), L"[InternetShortcut]\r\nURL= a b \r\n");
}

TEST(HomeDesktopFolder, AppendsTheChineseDesktopNameToTheHomePathWithoutADrive) {
  EXPECT_EQ(HomeDesktopFolder(L"\\Users\\wei"), L"\\Users\\wei\\" + kHomeDesktop);
  // Unset reads as empty: the folder lies at the root of the current drive.
  EXPECT_EQ(HomeDesktopFolder(std::nullopt), L"\\" + kHomeDesktop);
  EXPECT_EQ(HomeDesktopFolder(L""), L"\\" + kHomeDesktop);
  // A home at the root must not turn into a network path ("\\桌面").
  EXPECT_EQ(HomeDesktopFolder(L"\\"), L"\\" + kHomeDesktop);
}

TEST(ShortcutFileIn, PutsBrindleboxUrlInsideTheFolder) {
  EXPECT_EQ(ShortcutFileIn(L"C:\\Users\\wei\\Desktop"), L"C:\\Users\\wei\\Desktop\\Brindlebox.url");
  EXPECT_EQ(ShortcutFileIn(L"C:\\"), L"C:\\Brindlebox.url");
}

TEST(ShortcutTargets, PrefersTheHomeDesktopWhileItExistsThenTheShellDesktop) {
  ShortcutPlaces places{L"\\Users\\wei", true, L"C:\\Users\\wei\\Desktop"};
  EXPECT_EQ(ShortcutTargets(places),
            (std::vector<std::wstring>{L"\\Users\\wei\\" + kHomeDesktop + L"\\Brindlebox.url",
                                       L"C:\\Users\\wei\\Desktop\\Brindlebox.url"}));

  places.homeDesktopExists = false;
  EXPECT_EQ(ShortcutTargets(places), (std::vector<std::wstring>{L"C:\\Users\\wei\\Desktop\\Brindlebox.url"}));

  places.homePath.reset();
  places.homeDesktopExists = true;
  EXPECT_EQ(ShortcutTargets(places), (std::vector<std::wstring>{L"\\" + kHomeDesktop + L"\\Brindlebox.url",
                                                                L"C:\\Users\\wei\\Desktop\\Brindlebox.url"}));
}

TEST(ShortcutTargets, IsEmptyWhenNeitherPlaceIsKnown) {
  EXPECT_TRUE(ShortcutTargets(ShortcutPlaces{L"\\Users\\wei", false, L""}).empty());
  EXPECT_TRUE(ShortcutTargets(ShortcutPlaces{}).empty());
}

}  // namespace
}  // namespace quavlet::windows
