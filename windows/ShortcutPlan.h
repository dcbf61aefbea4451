#pragma once

// What the desktop shortcut holds and where it may go: plain decisions, kept apart from the
// file system and the windows so that they can be checked on their own.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quavlet::windows {

// The shortcut's whole text before encoding: the section line, then the URL line, each ended
// by CR LF; nothing else, no byte-order mark.
std::wstring ShortcutContent(std::wstring_view siteAddress);

// The folder "桌面" under the home path. "HOMEPATH" carries no drive letter, so the folder is
// relative to the root of the current drive; an unset variable counts as the empty text.
std::wstring HomeDesktopFolder(const std::optional<std::wstring>& homePath);

// The file name inside any desktop folder.
std::wstring ShortcutFileIn(std::wstring_view folder);

// What is known about the places a shortcut could go when the button is pressed.
struct ShortcutPlaces {
  std::optional<std::wstring> homePath;  // "HOMEPATH"; nullopt when unset
  bool homeDesktopExists = false;        // whether HomeDesktopFolder(homePath) is a folder
  std::wstring shellDesktop;             // the desktop folder the shell reports; empty if none
};

// Where to try writing, in order. The folder "桌面" under the home path is the place as long as
// it exists; it exists only on older Chinese systems, so the user's desktop as the shell
// reports it follows. The folder "桌面" is never created.
std::vector<std::wstring> ShortcutTargets(const ShortcutPlaces& places);

}  // namespace quavlet::windows
