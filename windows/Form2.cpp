#include "windows/Form2.h"

#include <string>

#include "assets/product.h"
#include "assets/resource_ids.h"
#include "runtime/ColourKey.h"
#include "runtime/WindowMove.h"
#include "windows/Site.h"

namespace quavlet::windows {
namespace {

using runtime::LabelDesign;
using runtime::SongTi;

constexpr runtime::Colour kTextColour = 0x00BE9507;
constexpr runtime::Colour kOutlineColour = 0x00BE9507;

// Begins with two ideographic spaces, as a Chinese paragraph does.
constexpr wchar_t kDescription[] =
    L"\u3000\u3000本程序是采用XML核心技术与列表控件的应用所开发出来的，其原理是根据QQ号来获取空间音乐地址来进行播放，"
    L"从此达到不必要到别人空间去试听，并且可以自己下载或转到自己的空间进行使用！目前还在开发下载功能，尽请期待……";

runtime::FormDesign AboutWindowDesign() {
  return {.caption = L"关于我们",
          .clientWidth = 4845,
          .clientHeight = 2670,
          .backColour = runtime::kPanelColour,
          .border = runtime::BorderStyle::None,
          .showInTaskbar = false,
          .icon = IDI_ABOUT};
}

// A transparent label in the window's font that grows to fit its text.
LabelDesign SizedLine(runtime::Place place, std::wstring caption) {
  return {.place = place, .caption = std::move(caption), .foreColour = kTextColour, .transparent = true, .autoSize = true};
}

}  // namespace

Form2::Form2(runtime::Application& application) : Form(application, kFormName, AboutWindowDesign()) {
  LayOutControls();
  Label6.MouseMove = [this](int button, int shift, float x, float y) { Label6_MouseMove(button, shift, x, y); };
  Label6.Click = [this] { Label6_Click(); };
}

void Form2::LayOutControls() {
  // Added front to back: each covers the ones added after it where they overlap.
  Label6.Design({.place = {4440, 120, 255, 255},
                 .caption = L"×",
                 .foreColour = kCloseNormalColour,
                 .transparent = true,
                 .font = SongTi(10.5)});
  Add(Label6);
  Label5.Design(SizedLine({2160, 2280, 2340, 180}, L"时    间：2010-10-17 12:57"));
  Add(Label5);
  Label4.Design(SizedLine({2160, 2040, 2160, 180}, L"制 作 人：" QUAVLET_MAKER_NAME));
  Add(Label4);
  Label3.Design(SizedLine({2160, 1800, 2340, 180}, L"官方网站：" + std::wstring(kSiteHost)));
  Add(Label3);
  Label2.Design({.place = {240, 720, 4215, 1095}, .caption = kDescription, .foreColour = kTextColour, .transparent = true});
  Add(Label2);
  Label1.Design({.place = {1320, 240, 2280, 210},
                 .caption = L"Quavlet",
                 .foreColour = kTextColour,
                 .transparent = true,
                 .font = SongTi(10.5),
                 .autoSize = true});
  Add(Label1);
  Image1.Design({.place = {720, 120, 480, 480}, .icon = IDI_ABOUT, .stretch = true});
  Add(Image1);
  // The face stops short of the right and bottom edges: those strips are holes.
  Shape1.Design({.place = {0, 0, 4815, 2655},
                 .filled = true,
                 .fillColour = runtime::kPanelColour,
                 .borderColour = kOutlineColour});
  Add(Shape1);
}

void Form2::Form_Load() { runtime::MakeColourKeyed(*this); }

// The face takes no pointer events of its own: a press on it reaches the window, which moves.
void Form2::Form_MouseDown(int, int, float, float) { runtime::StartWindowMove(hWnd()); }

void Form2::Form_MouseMove(int, int, float, float) { Label6.SetForeColour(kCloseNormalColour); }

void Form2::Form_Click() { Unload(); }

void Form2::Label6_MouseMove(int, int, float, float) { Label6.SetForeColour(kCloseHotColour); }

void Form2::Label6_Click() { Unload(); }

}  // namespace quavlet::windows
