#include "app/Form1.h"

#include "assets/product.h"
#include "assets/resource_ids.h"
#include "runtime/ColourKey.h"
#include "skin/MSkinButton.h"
#include "windows/Site.h"

namespace quavlet {
namespace {

using runtime::ControlDesign;
using runtime::ImageDesign;
using runtime::LabelDesign;
using runtime::SongTi;

constexpr runtime::Colour kCaptionColour = 0x008C581A;  // the captions beside the details
constexpr runtime::Colour kDetailColour = 0x00BE9507;   // the details, and the list's text
constexpr runtime::Colour kStatusColour = 0x00BF7822;
constexpr runtime::Colour kNumberColour = 0x0000C000;

runtime::FormDesign MainWindowDesign() {
  return {.caption = L"Quavlet",
          .clientWidth = 9000,
          .clientHeight = 4875,
          .backColour = runtime::kPanelColour,
          .border = runtime::BorderStyle::None,
          .showInTaskbar = false,
          .icon = IDI_QUAVLET};
}

// A transparent label in "宋体" 9 bold that sizes itself to its text.
LabelDesign SizedLabel(runtime::Place place, std::wstring caption, runtime::Colour colour) {
  return {.place = place,
          .caption = std::move(caption),
          .foreColour = colour,
          .transparent = true,
          .font = SongTi(9),
          .autoSize = true};
}

}  // namespace

Form1::Form1(runtime::Application& application) : Form(application, kFormName, MainWindowDesign()) {
  LayOutWindowedControls();
  LayOutWindowlessControls();
  BindEvents();
}

void Form1::LayOutWindowedControls() {
  // Added in tab order.
  ListView1.Design({.place = {120, 1200, 8775, 3255}, .foreColour = kDetailColour, .backColour = runtime::kPanelColour});
  Add(ListView1);
  // Visible and a tab stop, but outside the client area: never seen.
  WP1.Design({.place = {9000, 4200, 8775, 675}});
  Add(WP1);
  Command4.Design({.place = {3960, 480, 615, 375}, .text = L"关于", .toolTip = L"关于我们"});
  Add(Command4);
  QQ.Design({.place = {120, 480, 1575, 375}, .font = SongTi(12), .foreColour = kNumberColour, .backColour = runtime::kPanelColour});
  Add(QQ);
  Command1.Design({.place = {1800, 480, 615, 375}, .text = L"查询", .toolTip = L"查询"});
  Add(Command1);
  Command2.Design({.place = {2520, 480, 615, 375}, .text = L"播/暂", .toolTip = L"播放或暂停", .enabled = false});
  Add(Command2);
  Command3.Design({.place = {3240, 480, 615, 375}, .text = L"退出", .toolTip = L"退出程序"});
  Add(Command3);
  Combo1.Design({.place = {8280, 4500, 615, 300}});
  for (const wchar_t* item : {L"1", L"2", L"3"}) Combo1.AddItem(item);
  Add(Combo1);
  Command5.Design({.place = {6720, 480, 2295, 375}, .text = L"免费生活查询工具", .toolTip = L"关于我们"});
  Add(Command5);
  Command6.Design({.place = {4320, 4440, 2895, 375}, .text = L"支持我们发展！！！", .toolTip = L"关于我们"});
  Add(Command6);
  Text1.Design({.place = {4080, 4800, 180, 270}, .text = std::wstring(windows::kSiteHost)});
  Add(Text1);
  // The song lists: never seen, never focused.
  for (auto [list, place] : {std::pair{&List3, runtime::Place{10800, 8160, 3135, 2400}},
                             std::pair{&List2, runtime::Place{14040, 8160, 3135, 2400}},
                             std::pair{&List1, runtime::Place{6120, 8520, 4335, 2400}}}) {
    list->Design({.place = place, .visible = false, .tabStop = false});
    Add(*list);
  }
  Timer1.Design({.interval = 1000, .enabled = false});
  Add(Timer1);
}

void Form1::LayOutWindowlessControls() {
  // Added front to back: each covers the ones added after it where they overlap.
  Label10.Design({.place = {3960, 120, 2055, 375}, .caption = L"版本号：V" QUAVLET_VERSION_TEXT, .transparent = true});
  Add(Label10);
  Label9.Design({.place = {120, 4560, 4575, 255}, .caption = L"双击就可复制歌曲地址，支持在线播放！", .transparent = true});
  Add(Label9);
  Image5.Design({.place = {0, 0, 3405, 360}, .picture = IDB_FORM1_TITLE});
  Add(Image5);
  Image4.Design({.place = {1680, 0, 975, 255}});
  Add(Image4);
  Label3.Design({.place = {0, 0, 3375, 375}, .caption = L"Label3", .backColour = runtime::kWhite});
  Add(Label3);
  Image3.Design({.place = {3000, 120, 495, 255}});
  Add(Image3);
  Label7.Design(SizedLabel({7440, 4560, 780, 180}, L"排列方式", kCaptionColour));
  Add(Label7);
  GuRL.Design({.place = {600, 960, 8220, 180},
               .foreColour = kDetailColour,
               .transparent = true,
               .font = runtime::SongTi(9)});
  Add(GuRL);
  Label8.Design(SizedLabel({120, 4560, 105, 180}, L"", kStatusColour));
  Add(Label8);
  Image2.Design({.place = {50, 50, 300, 300}, .picture = IDB_FORM1_LOGO, .stretch = true});
  Add(Image2);
  Label6.Design({.place = {8400, 0, 615, 255}, .transparent = true});
  Add(Label6);
  Label5.Design({.place = {7680, 0, 375, 255}, .transparent = true});
  Add(Label5);
  CL.Design({.place = {8415, 10, 570, 255}, .picture = IDB_CLOSE_HOT, .visible = false});
  Add(CL);
  MI.Design({.place = {7680, 10, 390, 255}, .picture = IDB_MINIMIZE_HOT, .visible = false});
  Add(MI);
  gqm.Design(SizedLabel({5400, 480, 105, 180}, L"", kDetailColour));
  Add(gqm);
  Label1.Design(SizedLabel({4920, 480, 390, 180}, L"歌曲", kCaptionColour));
  Add(Label1);
  gq.Design(SizedLabel({5400, 720, 105, 180}, L"", kDetailColour));
  Add(gq);
  Label2.Design(SizedLabel({4920, 720, 390, 180}, L"歌手", kCaptionColour));
  Add(Label2);
  Label4.Design(SizedLabel({120, 960, 390, 180}, L"出处", kCaptionColour));
  Add(Label4);
  Image1.Design({.place = {0, 0, 9000, 4875}, .picture = IDB_FORM1_FACE});
  Add(Image1);
}

void Form1::BindEvents() {
  // Window chrome
  Image2.MouseDown = [this](int button, int shift, float x, float y) { Image2_MouseDown(button, shift, x, y); };
  Label3.MouseDown = [this](int button, int shift, float x, float y) { Label3_MouseDown(button, shift, x, y); };
  MI.MouseDown = [this](int button, int shift, float x, float y) { MI_MouseDown(button, shift, x, y); };
  CL.MouseDown = [this](int button, int shift, float x, float y) { CL_MouseDown(button, shift, x, y); };
  Label5.MouseMove = [this](int button, int shift, float x, float y) { Label5_MouseMove(button, shift, x, y); };
  Label6.MouseMove = [this](int button, int shift, float x, float y) { Label6_MouseMove(button, shift, x, y); };
  Image1.MouseMove = [this](int button, int shift, float x, float y) { Image1_MouseMove(button, shift, x, y); };
  Label3.MouseMove = [this](int button, int shift, float x, float y) { Label3_MouseMove(button, shift, x, y); };
  Command3.Click = [this] { Command3_Click(); };
  // Music list
  Command1.Click = [this] { Command1_Click(); };
  QQ.KeyPress = [this](int& keyAscii) { QQ_KeyPress(keyAscii); };
  Combo1.Click = [this] { Combo1_Click(); };
  Combo1.Change = [this] { Combo1_Change(); };
  ListView1.Click = [this] { ListView1_Click(); };
  GuRL.DblClick = [this] { GuRL_DblClick(); };
  // Player
  ListView1.DblClick = [this] { ListView1_DblClick(); };
  Command2.Click = [this] { Command2_Click(); };
  Timer1.Timer = [this] { Timer1_Timer(); };
  WP1.OpenStateChange = [this](std::int32_t newState) { WP1_OpenStateChange(newState); };
  // Other windows
  Command5.Click = [this] { Command5_Click(); };
  Command6.Click = [this] { Command6_Click(); };
  // Command4 ("关于") has no behaviour: its click is not bound.
}

void Form1::StackWindowedControls() {
  // Created in tab order, the windows would stack in it too, and the song list would cover the
  // top row of Command6 below it. Front to back as designed; the tab order is the form's own.
  runtime::WindowedControl* const frontToBack[] = {&Text1, &Command6, &Command5, &Combo1, &Command3,
                                                    &Command2, &Command1, &QQ, &Command4, &ListView1,
                                                    &List3, &List2, &List1, &WP1};
  HWND above = HWND_TOP;
  for (runtime::WindowedControl* control : frontToBack) {
    SetWindowPos(control->hWnd(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control->hWnd();
  }
}

void Form1::Form_Load() {
  StackWindowedControls();
  // The skin takes the window over before it becomes layered.
  skin::AttachSkin(hWnd());
  runtime::MakeColourKeyed(*this);
  Text1.SetText(windows::SiteAddress());
}

void Form1::Form_Unload(int& Cancel) {
  (void)Cancel;  // closing always proceeds
  // A load still awaited is given up: its connection closes now, and its thread is waited
  // for when the window's object goes.
  if (musicQuery) musicQuery->Abandon();
  skin::DetachSkin(hWnd());
}

}  // namespace quavlet
