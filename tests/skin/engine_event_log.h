#pragma once

// An ordered log of what reaches the window procedures that the skin engine replaces and of
// what the engine draws onto windows, as readable lines:
//   "button WM_LBUTTONDOWN"            a message reached the button's own procedure
//   "button AlphaBlend 255"            the engine blended a face onto the button at alpha 255
//   "check BitBlt 0,6 13x13"           the engine copied an image onto the check box
// Only named windows are logged. Draws are caught by patching this program's imports of
// AlphaBlend and BitBlt, so every blit that our own code makes onto a window's DC is seen,
// while the system's controls (which call GDI through their own imports) are not.

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quavlet::skin::test {

class ImportPatch;

class EventLog {
 public:
  EventLog();
  ~EventLog();
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

  // Gives a window the name its lines carry; unnamed windows are not logged.
  void Name(HWND window, const std::string& name);
  // The messages to record (draws are always recorded).
  void Watch(std::initializer_list<UINT> messages);
  void Clear() { lines_.clear(); }
  // Runs the probe when the message reaches the window's own procedure (before that procedure
  // handles it): a look at the state the engine left at that moment.
  void When(HWND window, UINT message, std::function<void()> probe);

  const std::vector<std::string>& Lines() const { return lines_; }
  // The lines that start with the given text, in order.
  std::vector<std::string> LinesStartingWith(const std::string& prefix) const;
  int Count(const std::string& line) const;

  void RecordMessage(HWND window, UINT message);
  void RecordDraw(HDC target, const std::string& what);

  // The log that the logging procedures and the import patches write to, if any.
  static EventLog* Active();

 private:
  std::map<HWND, std::string> names_;
  std::set<UINT> watched_;
  std::vector<std::string> lines_;
  std::map<std::pair<HWND, UINT>, std::function<void()>> probes_;
  std::vector<ImportPatch> patches_;
};

// A window procedure for test window classes: logs, then DefWindowProcW.
LRESULT CALLBACK LoggingClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Puts a logging procedure in front of a system control's own one, so that the engine, attached
// afterwards, replaces the logging procedure and every message it passes on is logged.
void LogMessagesOf(HWND window);

std::string MessageName(UINT message);

}  // namespace quavlet::skin::test
