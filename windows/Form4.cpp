#include "windows/Form4.h"

#include "assets/resource_ids.h"
#include "runtime/Colours.h"
#include "windows/Site.h"

namespace quavlet::windows {

namespace {

runtime::FormDesign PromotionWindowDesign() {
  return {.caption = L"Brindlebox 免费生活查询工具 —— 天气、快递、火车时刻，一查就有！",
          .clientWidth = 12105,
          .clientHeight = 7830,
          // The browser leaves the last client row uncovered: it shows the system's colour, not
          // the main window's cream.
          .backColour = runtime::kButtonFaceColour,
          .border = runtime::BorderStyle::FixedSingle,
          .showInTaskbar = true,
          .icon = IDI_QUAVLET};
}

}  // namespace

std::wstring PromotionPageAddress() {
  return L"http://" + std::wstring(kSiteHost) + L"/AD/tuichu20101007-music.htm";
}

Form4::Form4(runtime::Application& application) : Form(application, kFormName, PromotionWindowDesign()) {
  WebBrowser1.Design({.place = {0, 0, 12135, 7815}});
  Add(WebBrowser1);
}

void Form4::Form_Activate() { WebBrowser1.Navigate(PromotionPageAddress()); }

}  // namespace quavlet::windows
