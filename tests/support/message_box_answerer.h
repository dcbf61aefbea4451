#pragma once

// Answers the real modal message boxes that code under test shows, and records what they said.
//
// While an answerer lives, a timer of this thread looks every 20 ms for a visible "#32770"
// dialog of this process; the timer runs inside the message box's own modal loop, so the test
// simply calls the code that shows the box. Each box found is recorded (title, text, icon,
// buttons, default button) and then answered: by pressing a button (IDOK, IDCANCEL, IDYES...)
// or by its close box (kCloseBox). Answers are used in order; the last one repeats.
//
//   quavlet::test::MessageBoxAnswerer answerer({IDCANCEL});
//   form.CL_MouseDown(1, 0, 0, 0);                 // shows the exit confirmation
//   ASSERT_EQ(answerer.Seen().size(), 1u);
//   EXPECT_EQ(answerer.Seen()[0].title, L"提示");
//   EXPECT_EQ(answerer.Seen()[0].icon, quavlet::test::MessageBoxIcon::Question);

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace quavlet::test {

enum class MessageBoxIcon { None, Critical, Question, Exclamation, Information };

// Answer a box with its close box (the title bar's ×), as the user would.
inline constexpr int kCloseBox = -1;

struct SeenMessageBox {
  std::wstring title;
  std::wstring text;
  MessageBoxIcon icon = MessageBoxIcon::None;
  std::vector<int> buttons;  // IDOK, IDCANCEL... in the order of the box's children
  int defaultButton = 0;
  HWND owner = nullptr;
};

class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(std::initializer_list<int> answers = {IDOK});
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  const std::vector<SeenMessageBox>& Seen() const { return seen_; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Poll();
  void Answer(HWND box);

  std::vector<int> answers_;
  std::vector<SeenMessageBox> seen_;
  std::vector<HWND> answered_;
  HWND window_ = nullptr;  // message-only window that owns the timer
};

// The message box of this process that is showing now, or nullptr.
HWND FindMessageBox();
// What a message box shows.
SeenMessageBox DescribeMessageBox(HWND box);

}  // namespace quavlet::test
