#pragma once

// The main window, loaded and shown for a test, with readers of what its music list shows.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/Form1.h"
#include "runtime/Application.h"
#include "tests/support/message_box_answerer.h"

namespace quavlet::test {

class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  // Types the text into QQ (replacing what is there), presses 查询 and waits for the query to
  // end (see WaitForQuery).
  void Query(std::wstring_view typed);
  // The same without waiting: the query is in flight when this returns (unless refused).
  void StartQuery(std::wstring_view typed);
  // Types the text into QQ, presses Enter there and waits for the query to end.
  void QueryWithEnter(std::wstring_view typed);
  void SetQQText(std::wstring_view typed);
  // Pumps messages until no query is in flight (at most 20 s), then lets what it posted run;
  // false if the query was still in flight.
  bool WaitForQuery();

  // Threads of this process now.
  static int ThreadCount();

  // What the platform's list view shows: its row count, a cell (row and column from 0), its
  // column headers' texts and pixel widths.
  int ShownRowCount() const;
  std::wstring ShownCell(int row, int column) const;
  std::vector<std::wstring> ShownHeaders() const;
  std::vector<int> ShownHeaderWidths() const;
  DWORD ViewType() const;

  // Selects a row (from 0) and clicks it as the pointer would; -1 clicks the empty view.
  void ClickRow(int row, WPARAM keys = 0);

  static std::vector<std::wstring> Entries(const runtime::ListBox& list);

  // The message boxes shown (and answered with OK) since the last call.
  std::vector<SeenMessageBox> TakeBoxes();

  runtime::Application application{GetModuleHandleW(nullptr)};
  Form1& form;
  MessageBoxAnswerer boxes;

 private:
  size_t boxesTaken_ = 0;
};

}  // namespace quavlet::test
