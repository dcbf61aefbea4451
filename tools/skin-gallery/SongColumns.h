#pragma once

// The song list's four columns, as both gallery windows show them in a list view.

#include <windows.h>

namespace quavlet::tools {

// "编号", "歌曲", "歌手" and "地址", the last addressWidth pixels wide.
void AddSongColumns(HWND list, int addressWidth);

}  // namespace quavlet::tools
