#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "app/Form1.h"
#include "runtime/Application.h"
#include "runtime/GdiHandles.h"
#include "tests/support/message_pump.h"
#include "tests/support/window_queries.h"
#include "windows/Form4.h"
#include "windows/NoticePageView.h"
#include "windows/PageView.h"

namespace quavlet {
namespace {

using test::FlushEvents;

constexpr wchar_t kPageAddress[] = L"http://brindlebox.example/AD/tuichu20101007-music.htm";

// Stands in the browser's place and writes down every address it is sent to.
class RecordingPageView final : public windows::PageView {
 public:
  explicit RecordingPageView(std::vector<std::wstring>& addresses) : addresses_(addresses) {}
  void Navigate(const std::wstring& address) override { addresses_.push_back(address); }
  HWND hWnd() const override { return nullptr; }

 private:
  std::vector<std::wstring>& addresses_;
};

// Another program's window, as far as activation goes.
class OtherWindow {
 public:
  OtherWindow() {
    window_ = CreateWindowExW(WS_EX_APPWINDOW, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                              100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~OtherWindow() { DestroyWindow(window_); }
  OtherWindow(const OtherWindow&) = delete;
  OtherWindow& operator=(const OtherWindow&) = delete;
  void Activate() const {
    SetForegroundWindow(window_);
    FlushEvents();
  }

 private:
  HWND window_;
};

class PromotionWindowTest : public testing::Test {
 protected:
  void TearDown() override {
    for (const wchar_t* name : {L"Form4", L"Form1"}) {
      if (runtime::Form* open = application_.FindByName(name)) open->Unload();
    }
    FlushEvents();
  }

  // Form4 loaded but not yet shown, with the recording view in the browser's place.
  windows::Form4& LoadRecordingWindow() {
    windows::Form4& window = application_.Load<windows::Form4>();
    window.WebBrowser1.UsePageView(std::make_unique<RecordingPageView>(addresses_));
    return window;
  }

  runtime::Application application_{GetModuleHandleW(nullptr)};
  std::vector<std::wstring> addresses_;
};

TEST_F(PromotionWindowTest, ThePageAddressIsTheMakersHostAndTheFixedPath) {
  EXPECT_EQ(windows::PromotionPageAddress(), kPageAddress);
}

TEST_F(PromotionWindowTest, IsAFixedFramedWindowWithACloseBoxATaskbarButtonAndAnIcon) {
  windows::Form4& window = application_.Show<windows::Form4>();
  const HWND handle = window.hWnd();
  RECT client;
  GetClientRect(handle, &client);
  EXPECT_EQ(client.right, 807);
  EXPECT_EQ(client.bottom, 522);
  const LONG style = GetWindowLongW(handle, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(handle, GW_OWNER), nullptr);
  EXPECT_FALSE(window.Caption().empty());
  EXPECT_NE(window.Caption(), L"Form4");

  const auto icon = reinterpret_cast<HICON>(SendMessageW(handle, WM_GETICON, ICON_BIG, 0));
  ASSERT_TRUE(icon);
  const SIZE size = test::IconSize(icon);
  EXPECT_EQ(size.cx, 48);
  EXPECT_EQ(size.cy, 48);

  // The browser fills the client area, a pixel wider and a pixel shorter as designed.
  EXPECT_EQ(test::ChildBox(window.WebBrowser1.hWnd()), (runtime::PixelBox{0, 0, 809, 521}));
  // The row it leaves shows the system's colour, not the main window's cream.
  SetForegroundWindow(handle);
  RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  FlushEvents();
  const runtime::WindowDc dc(handle);
  EXPECT_EQ(GetPixel(dc.get(), 400, 521), GetSysColor(COLOR_BTNFACE));
}

TEST_F(PromotionWindowTest, NavigatesToThePageOnEveryActivation) {
  windows::Form4& window = LoadRecordingWindow();
  EXPECT_TRUE(addresses_.empty()) << "loading alone loads no page";
  application_.Show<windows::Form4>();
  FlushEvents();
  ASSERT_EQ(addresses_, std::vector<std::wstring>{kPageAddress});

  OtherWindow other;
  other.Activate();
  EXPECT_EQ(addresses_.size(), 1u);
  SetForegroundWindow(window.hWnd());
  FlushEvents();
  EXPECT_EQ(addresses_, (std::vector<std::wstring>{kPageAddress, kPageAddress}));
}

TEST_F(PromotionWindowTest, Command5OpensTheWindowOnceAndActivatesItAfterwards) {
  Form1& main = application_.Show<Form1>();
  SendMessageW(main.Command5.hWnd(), BM_CLICK, 0, 0);
  FlushEvents();
  windows::Form4* window = application_.Find<windows::Form4>();
  ASSERT_TRUE(window);
  EXPECT_TRUE(IsWindowVisible(window->hWnd()));
  EXPECT_EQ(GetForegroundWindow(), window->hWnd());

  window->WebBrowser1.UsePageView(std::make_unique<RecordingPageView>(addresses_));
  SetForegroundWindow(main.hWnd());
  FlushEvents();
  SendMessageW(main.Command5.hWnd(), BM_CLICK, 0, 0);
  FlushEvents();
  EXPECT_EQ(application_.Find<windows::Form4>(), window) << "the open window is brought forward, not a second one";
  EXPECT_EQ(GetForegroundWindow(), window->hWnd());
  EXPECT_EQ(addresses_, std::vector<std::wstring>{kPageAddress}) << "and so reloads its page";
}

TEST_F(PromotionWindowTest, WithoutAnHtmlEngineItShowsANoticeWithTheAddressAndClosesCleanly) {
  if (windows::CanRenderWebPages()) GTEST_SKIP() << "this platform renders pages: the browser itself is shown";
  windows::Form4& window = application_.Show<windows::Form4>();
  FlushEvents();
  const HWND notice = window.WebBrowser1.View()->hWnd();
  ASSERT_TRUE(notice);
  wchar_t text[512] = {};
  GetWindowTextW(notice, text, 512);
  EXPECT_EQ(std::wstring(text), windows::NoticePageView::NoticeText(kPageAddress));
  EXPECT_TRUE(IsWindowVisible(notice));

  PostMessageW(window.hWnd(), WM_CLOSE, 0, 0);
  FlushEvents();
  EXPECT_FALSE(application_.Find<windows::Form4>());
  EXPECT_FALSE(IsWindow(notice));
  // Its handle value is the system's to give again: the notice forgot it with its window, and
  // destroys no window of that value when it goes.
  EXPECT_EQ(window.WebBrowser1.View()->hWnd(), nullptr);
  // Nothing asked anything on the way: no other window of ours is up.
  EXPECT_EQ(application_.OpenFormCount(), 0);
  EXPECT_EQ(GetForegroundWindow(), nullptr);
}

}  // namespace
}  // namespace quavlet
