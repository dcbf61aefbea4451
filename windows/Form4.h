#pragma once

// Form4, the promotion page window: a framed window whose client area is a web browser that
// loads the maker's promotion page each time the window becomes active.

#include <string>
#include <string_view>

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "windows/WebBrowserControl.h"

namespace quavlet::windows {

// "http://" + the maker's host + "/AD/tuichu20101007-music.htm".
std::wstring PromotionPageAddress();

class Form4 : public runtime::Form {
 public:
  static constexpr std::wstring_view kFormName = L"Form4";

  explicit Form4(runtime::Application& application);

  WebBrowserControl WebBrowser1;

  void Form_Activate() override;
};

}  // namespace quavlet::windows
