#pragma once

// Answers the message boxes a handler shows on this (the UI) thread: a watcher thread finds
// each one, notes its text, title and icon, and presses its default button.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quavlet::test {

enum class BoxIcon { None, Stop, Information, Question, Exclamation, Other };

struct ShownBox {
  std::wstring text;
  std::wstring title;
  BoxIcon icon = BoxIcon::None;
};

class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer();
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  // The boxes answered so far, oldest first; Take() also forgets them.
  std::vector<ShownBox> Shown() const;
  std::vector<ShownBox> Take();

 private:
  void Watch();
  void Answer(HWND box);

  DWORD uiThread_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<ShownBox> shown_;
  std::vector<HWND> answered_;
  std::thread watcher_;
};

}  // namespace quavlet::test
