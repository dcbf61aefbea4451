#pragma once

// The main window as the program shows it, for the tests of its layout.

#include <gtest/gtest.h>

#include <string>

#include "app/Form1.h"
#include "runtime/Application.h"
#include "tests/support/message_pump.h"
#include "tests/support/window_queries.h"

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

}  // namespace quavlet::test
