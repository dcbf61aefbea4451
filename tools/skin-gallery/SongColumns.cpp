#include "tools/skin-gallery/SongColumns.h"

#include <commctrl.h>

namespace quavlet::tools {

void AddSongColumns(HWND list, int addressWidth) {
  const struct {
    const wchar_t* title;
    int width;
  } columns[] = {{L"编号", 50}, {L"歌曲", 150}, {L"歌手", 100}, {L"地址", addressWidth}};
  int column = 0;
  for (const auto& heading : columns) {
    LVCOLUMNW format{};
    format.mask = LVCF_TEXT | LVCF_WIDTH;
    format.pszText = const_cast<wchar_t*>(heading.title);
    format.cx = heading.width;
    SendMessageW(list, LVM_INSERTCOLUMNW, column++, reinterpret_cast<LPARAM>(&format));
  }
}

}  // namespace quavlet::tools
