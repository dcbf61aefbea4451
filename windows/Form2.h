#pragma once

// Form2, the About window: a small borderless panel, shaped by its face (the shape Shape1) on a
// colour-keyed background, with the program's title, a description, the maker's site, the
// maker, a date and a "×" label that closes it. A press on the face moves it. Nothing in the
// program opens it; application.Show<Form2>() does.

#include <string_view>

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Shape.h"

namespace quavlet::windows {

class Form2 : public runtime::Form {
 public:
  static constexpr std::wstring_view kFormName = L"Form2";

  // The text colour of "×": as designed and over the face, and with the pointer over it.
  static constexpr runtime::Colour kCloseNormalColour = 0x00BE9507;
  static constexpr runtime::Colour kCloseHotColour = 0x005A3710;

  explicit Form2(runtime::Application& application);

  // ---- Controls, front to back ----
  runtime::Label Label6;
  runtime::Label Label5;
  runtime::Label Label4;
  runtime::Label Label3;
  runtime::Label Label2;
  runtime::Label Label1;
  runtime::Image Image1;
  runtime::Shape Shape1;

  void Form_Load() override;
  void Form_MouseDown(int Button, int Shift, float X, float Y) override;
  void Form_MouseMove(int Button, int Shift, float X, float Y) override;
  void Form_Click() override;
  void Label6_MouseMove(int Button, int Shift, float X, float Y);
  void Label6_Click();

 private:
  void LayOutControls();
};

}  // namespace quavlet::windows
