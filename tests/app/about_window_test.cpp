// The About window: its window, texts, colours and colour key, the hover colours of "×",
// closing, and moving it by its face under the display's real pointer.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/Form1.h"
#include "windows/Site.h"
#include "assets/resource_ids.h"
#include "runtime/Application.h"
#include "tests/support/message_pump.h"
#include "tests/support/mouse_messages.h"
#include "tests/support/real_pointer.h"
#include "tests/support/window_queries.h"
#include "windows/Form2.h"

namespace quavlet::test {
namespace {

constexpr runtime::Colour kText = 0x00BE9507;
constexpr POINT kFace{10, 150};     // Shape1 alone: the face
constexpr POINT kCloseLabel{304, 16};
constexpr POINT kTitle{100, 22};    // Label1
constexpr POINT kDescription{150, 90};

const std::wstring kDescriptionText =
    L"\u3000\u3000本程序是采用XML核心技术与列表控件的应用所开发出来的，其原理是根据QQ号来获取空间音乐地址来进行播放，"
    L"从此达到不必要到别人空间去试听，并且可以自己下载或转到自己的空间进行使用！目前还在开发下载功能，尽请期待……";

class AboutWindow : public testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);  // the display's pointer stays off the window unless a test moves it
    form = &application.Show<windows::Form2>();
    FlushEvents();
  }

  HWND Window() const { return form->hWnd(); }

  // The window's surface as painting draws it.
  DrawnSurface Surface() const {
    return DrawnSurface(323, 178, [this](HDC dc, const RECT& area) { form->DrawSurface(dc, area); });
  }

  runtime::Application application{GetModuleHandleW(nullptr)};
  windows::Form2* form = nullptr;
};

TEST_F(AboutWindow, IsABorderlessLayeredFormOf323By178PixelsWithoutATaskbarButton) {
  EXPECT_EQ(ClassOf(Window()), L"ThunderRT6FormDC");
  EXPECT_EQ(form->Caption(), L"关于我们");
  const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  RECT client{};
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, 323);
  EXPECT_EQ(client.bottom, 178);
  const LONG_PTR extended = GetWindowLongPtrW(Window(), GWL_EXSTYLE);
  EXPECT_TRUE(extended & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(extended & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(Window(), GW_OWNER), nullptr);

  EXPECT_EQ(form->BackColour(), runtime::kColourKey);
  ASSERT_TRUE(extended & WS_EX_LAYERED);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Window(), &key, &alpha, &flags));
  EXPECT_EQ(key, runtime::kColourKey);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
}

TEST_F(AboutWindow, ItsIconIsOne32By32ImageOf256Colours) {
  // The icon group as stored: one entry, 32 x 32, 8 bits per pixel.
#pragma pack(push, 2)
  struct GroupEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
  };
  struct GroupHeader {
    WORD reserved, type, count;
  };
#pragma pack(pop)
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(IDI_ABOUT), MAKEINTRESOURCEW(3 + 11));  // RT_GROUP_ICON
  ASSERT_NE(resource, nullptr);
  const auto* header = static_cast<const GroupHeader*>(LockResource(LoadResource(module, resource)));
  ASSERT_EQ(header->count, 1);
  const auto& entry = *reinterpret_cast<const GroupEntry*>(header + 1);
  EXPECT_EQ(entry.width, 32);
  EXPECT_EQ(entry.height, 32);
  EXPECT_EQ(entry.bitCount, 8);

  const auto icon = reinterpret_cast<HICON>(SendMessageW(Window(), WM_GETICON, ICON_BIG, 0));
  EXPECT_NE(icon, nullptr);
  EXPECT_TRUE(form->Image1.HasPicture());
  EXPECT_TRUE(form->Image1.Stretch());
}

struct LabelRow {
  const char* name;
  const runtime::Label* label;
  std::wstring caption;
  runtime::PixelBox box;  // for sized labels only the left and top are fixed
  bool sized;
};

TEST_F(AboutWindow, EachLabelShowsItsTextInPlaceInTheSiteColourOnATransparentBackground) {
  const LabelRow rows[] = {
      {"Label6", &form->Label6, L"×", {296, 8, 17, 17}, false},
      {"Label5", &form->Label5, L"时    间：2010-10-17 12:57", {144, 152, 0, 0}, true},
      {"Label4", &form->Label4, L"制 作 人：Orvane网络工作室", {144, 136, 0, 0}, true},
      {"Label3", &form->Label3, L"官方网站：" + std::wstring(windows::kSiteHost), {144, 120, 0, 0}, true},
      {"Label2", &form->Label2, kDescriptionText, {16, 48, 281, 73}, false},
      {"Label1", &form->Label1, L"Quavlet", {88, 16, 0, 0}, true},
  };
  for (const LabelRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.label->Caption(), row.caption);
    EXPECT_EQ(row.label->ForeColour(), kText);
    EXPECT_TRUE(row.label->Transparent());
    EXPECT_EQ(row.label->AutoSize(), row.sized);
    const runtime::PixelBox box = row.label->Pixels();
    EXPECT_EQ(box.left, row.box.left);
    EXPECT_EQ(box.top, row.box.top);
    if (!row.sized) {
      EXPECT_EQ(box.width, row.box.width);
      EXPECT_EQ(box.height, row.box.height);
    }
  }
  // Two ideographic spaces open the description.
  EXPECT_EQ(form->Label2.Caption().substr(0, 3), L"\u3000\u3000本");
}

TEST_F(AboutWindow, TheTitleAndTheCloseLabelAreInSongTi105Bold) {
  for (const runtime::Label* label : {&form->Label1, &form->Label6}) {
    const runtime::FontSpec font = label->EffectiveFont();
    EXPECT_EQ(font.face, L"宋体");
    EXPECT_EQ(font.charset, 134);
    EXPECT_EQ(font.weight, FW_BOLD);
    EXPECT_DOUBLE_EQ(font.points, 10.5);
  }
  EXPECT_EQ(form->Label5.EffectiveFont().points, 9);
}

TEST_F(AboutWindow, TheFaceIsTheShapeAndTheStripsItLeavesAreHoles) {
  const runtime::ShapeDesign& face = form->Shape1.Look();
  EXPECT_TRUE(face.filled);
  EXPECT_EQ(face.fillColour, 0x00FFFCEEu);
  EXPECT_EQ(face.borderColour, 0x00BE9507u);
  const runtime::PixelBox box = form->Shape1.Pixels();
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.width, 321);
  EXPECT_EQ(box.height, 177);

  // The 2-pixel strip on the right and the 1-pixel strip at the bottom are the colour key.
  const DrawnSurface surface = Surface();
  for (int y : {0, 60, 176}) {
    EXPECT_EQ(surface.At(321, y), runtime::kColourKey) << y;
    EXPECT_EQ(surface.At(322, y), runtime::kColourKey) << y;
  }
  for (int x : {0, 160, 320}) EXPECT_EQ(surface.At(x, 177), runtime::kColourKey) << x;
  // The outline and the fill.
  EXPECT_EQ(surface.At(0, 100), 0x00BE9507u);
  EXPECT_EQ(surface.At(320, 100), 0x00BE9507u);
  EXPECT_EQ(surface.At(100, 176), 0x00BE9507u);
  EXPECT_EQ(surface.At(kFace.x, kFace.y), 0x00FFFCEEu);
  // No other hole inside the face.
  int holes = 0;
  for (int y = 1; y < 176; y += 5) {
    for (int x = 1; x < 320; x += 5) holes += surface.At(x, y) == runtime::kColourKey ? 1 : 0;
  }
  EXPECT_EQ(holes, 0);
}

TEST_F(AboutWindow, PointerEventsOverTheFaceReachTheWindow) {
  EXPECT_EQ(form->WindowlessAt(kFace), nullptr);
  EXPECT_EQ(form->WindowlessAt(kCloseLabel), &form->Label6);
  EXPECT_EQ(form->WindowlessAt(kTitle), &form->Label1);
  EXPECT_EQ(form->WindowlessAt(kDescription), &form->Label2);
}

TEST_F(AboutWindow, TheCloseLabelDarkensUnderThePointerUntilAMoveOverTheFace) {
  EXPECT_EQ(form->Label6.ForeColour(), windows::Form2::kCloseNormalColour);
  SendMouseMove(Window(), kCloseLabel.x, kCloseLabel.y);
  EXPECT_EQ(form->Label6.ForeColour(), 0x005A3710u);
  // Onto another label the hover colour stays.
  SendMouseMove(Window(), kTitle.x, kTitle.y);
  SendMouseMove(Window(), kDescription.x, kDescription.y);
  EXPECT_EQ(form->Label6.ForeColour(), 0x005A3710u);
  SendMouseMove(Window(), kFace.x, kFace.y);
  EXPECT_EQ(form->Label6.ForeColour(), 0x00BE9507u);
}

TEST_F(AboutWindow, OneClickOnTheCloseLabelClosesTheWindow) {
  const HWND window = Window();
  SendMouseMove(window, kCloseLabel.x, kCloseLabel.y);
  SendClick(window, MouseButton::Left, kCloseLabel.x, kCloseLabel.y);
  FlushEvents();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(application.Find<windows::Form2>(), nullptr);
}

TEST_F(AboutWindow, AClickOnAnotherLabelDoesNothing) {
  for (POINT place : {kTitle, kDescription}) {
    SendClick(Window(), MouseButton::Left, place.x, place.y);
    FlushEvents();
    EXPECT_TRUE(form->IsLoaded());
  }
}

TEST_F(AboutWindow, ShownAgainAfterClosingItLoadsAnew) {
  form->Unload();
  EXPECT_EQ(application.OpenFormCount(), 0);
  windows::Form2& again = application.Show<windows::Form2>();
  FlushEvents();
  ASSERT_TRUE(again.IsLoaded());
  EXPECT_TRUE(GetWindowLongPtrW(again.hWnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(again.Label6.ForeColour(), windows::Form2::kCloseNormalColour);
}

TEST(AboutWindowFromTheMainWindow, TheAboutButtonDoesNotOpenIt) {
  runtime::Application application{GetModuleHandleW(nullptr)};
  Form1& main = application.Show<Form1>();
  FlushEvents();
  SendMessageW(main.Command4.hWnd(), BM_CLICK, 0, 0);
  PumpFor(200);
  EXPECT_EQ(application.Find<windows::Form2>(), nullptr);
  EXPECT_EQ(application.OpenFormCount(), 1);
}

// Moves under the display's real pointer: the press starts the system's move loop, which reads
// real input, so it is driven through the X server as a hand drives it.
class AboutWindowUnderPointer : public AboutWindow {
 protected:
  void SetUp() override {
    AboutWindow::SetUp();
    if (!pointer_.Available()) GTEST_SKIP() << "no X display with xdotool";
  }

  RECT Frame() const {
    RECT frame{};
    GetWindowRect(Window(), &frame);
    return frame;
  }

  bool Drag(int button, POINT from, int dx, int dy) {
    const POINT start = RealPointer::ScreenPoint(Window(), from.x, from.y);
    const auto at = [&](int step) {
      return std::to_wstring(start.x + dx * step / 2) + L" " + std::to_wstring(start.y + dy * step / 2);
    };
    const std::wstring b = std::to_wstring(button);
    return pointer_.Run(L"mousemove " + at(0) + L" sleep 0.2 mousedown " + b + L" sleep 0.1 mousemove " + at(1) +
                        L" sleep 0.1 mousemove " + at(2) + L" sleep 0.2 mouseup " + b + L" sleep 0.2 key Escape");
  }

  RealPointer pointer_;
};

TEST_F(AboutWindowUnderPointer, APressOnTheFaceMovesTheWindowWithAnyButton) {
  for (int button : {1, 3, 2}) {
    SCOPED_TRACE(button);
    const RECT before = Frame();
    ASSERT_TRUE(Drag(button, kFace, -30, 20));
    PumpUntil([&] { return Frame().left != before.left || Frame().top != before.top; }, RealPointer::kNeverArrives);
    EXPECT_EQ(Frame().left - before.left, -30);
    EXPECT_EQ(Frame().top - before.top, 20);
    EXPECT_TRUE(form->IsLoaded());
  }
}

TEST_F(AboutWindowUnderPointer, APressOnALabelOrThePictureDoesNotMoveIt) {
  for (POINT place : {kTitle, kDescription, POINT{60, 20}, POINT{200, 140}}) {
    SCOPED_TRACE(std::to_string(place.x) + "," + std::to_string(place.y));
    const RECT before = Frame();
    ASSERT_TRUE(Drag(1, place, -30, 20));
    RealPointer::LetLateEventsIn();
    EXPECT_EQ(Frame().left, before.left);
    EXPECT_EQ(Frame().top, before.top);
  }
}

TEST_F(AboutWindowUnderPointer, HoveringThenClickingTheCloseLabelClosesTheWindow) {
  const POINT close = RealPointer::ScreenPoint(Window(), kCloseLabel.x, kCloseLabel.y);
  const std::wstring at = std::to_wstring(close.x) + L" " + std::to_wstring(close.y);
  const auto hot = [&] { return form->Label6.ForeColour() == windows::Form2::kCloseHotColour; };
  ASSERT_TRUE(pointer_.Run(L"mousemove " + std::to_wstring(close.x - 3) + L" " + std::to_wstring(close.y) +
                           L" sleep 0.1 mousemove " + at));
  EXPECT_TRUE(PumpUntil(hot, RealPointer::kNeverArrives));
  // Straight out of the window, the hover colour stays.
  ASSERT_TRUE(pointer_.Run(L"mousemove_relative -- 0 -30"));
  RealPointer::LetLateEventsIn();
  EXPECT_TRUE(hot());
  ASSERT_TRUE(pointer_.Run(L"mousemove " + at));
  const HWND window = Window();
  ASSERT_TRUE(pointer_.Run(L"click 1"));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }, RealPointer::kNeverArrives));
}

}  // namespace
}  // namespace quavlet::test
