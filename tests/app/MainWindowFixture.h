#pragma once

// The main window, loaded and shown in an application of the test's own, with the scripted
// player in WP1's place.

#include <gtest/gtest.h>

#include <windows.h>

#include "app/Form1.h"
#include "runtime/Application.h"
#include "tests/player/ScriptedPlayer.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/message_pump.h"
#include "windows/Form3.h"

namespace quavlet::test {

class MainWindowFixture : public testing::Test {
 protected:
  void SetUp() override {
    form_ = &application_.Show<Form1>();
    auto scripted = std::make_unique<ScriptedPlayer>();
    player_ = scripted.get();
    form_->WP1.UsePlayer(std::move(scripted));
    FlushEvents();
  }

  void TearDown() override {
    // Playback asks nothing: a box would mean a handler took a failure path.
    EXPECT_TRUE(boxes_.Seen().empty()) << boxes_.Seen().front().text;
    // Every window the test opened goes, then their objects.
    for (runtime::Form* open : {application_.FindByName(L"Form3"), application_.FindByName(L"Form4"),
                                application_.FindByName(L"Form1")}) {
      if (open) open->Unload();
    }
    FlushEvents();
    application_.CollectClosedForms();
  }

  windows::Form3* Overlay() const { return application_.Find<windows::Form3>(); }
  bool OverlayShown() const { return Overlay() && IsWindowVisible(Overlay()->hWnd()); }

  MessageBoxAnswerer boxes_;  // an unexpected box is answered, not waited on forever
  runtime::Application application_{GetModuleHandleW(nullptr)};
  Form1* form_ = nullptr;
  ScriptedPlayer* player_ = nullptr;
};

}  // namespace quavlet::test
