#pragma once

// The main window as the program shows it, for the tests of its layout.

#include <gtest/gtest.h>

#include <string>

#include "app/Form1.h"
#include "runtime/Application.h"
#include "tests/support/message_pump.h"

namespace quavlet::test {

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    form = &application.Show<Form1>();
    FlushEvents();
  }

  runtime::Application application{GetModuleHandleW(nullptr)};
  Form1* form = nullptr;
};

inline std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// A child window's place in its parent's client pixels.
inline PixelBox ChildBox(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace quavlet::test
