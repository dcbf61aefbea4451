#pragma once

// Writing the desktop shortcut file: reading where it may go from the environment and the
// shell, encoding its text for Chinese systems, and creating or truncating the file.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "windows/ShortcutPlan.h"

namespace quavlet::windows {

// The text in code page 936 (GBK), the code page of the Chinese systems the file is read on,
// whatever this system's own ANSI code page is. No byte-order mark.
std::string EncodeGbk(std::wstring_view text);

// "HOMEPATH", whether its folder "桌面" exists now, and the desktop folder the shell reports.
ShortcutPlaces CurrentShortcutPlaces();

struct ShortcutOutcome {
  bool written = false;
  std::wstring path;  // the file written, or the last one tried
  DWORD error = 0;    // why the last try failed; 0 when written
};

// Tries each target in turn: creates or truncates it and writes the bytes whole; the first
// that takes them wins. No target at all counts as a missing path.
ShortcutOutcome WriteShortcutFile(const std::vector<std::wstring>& targets, std::string_view bytes);

// The whole write: the content for the site address, encoded, to the first place that takes it.
ShortcutOutcome WriteDesktopShortcut(std::wstring_view siteAddress, const ShortcutPlaces& places);

}  // namespace quavlet::windows
