#include "musiclist/SongListBox.h"

#include <climits>

namespace quavlet::musiclist {

DWORD SongListBox::Style() const {
  // A no-data list box must be owner-drawn and hold no strings of its own.
  return (runtime::ListBox::Style() & ~(LBS_HASSTRINGS | LBS_SORT)) | LBS_NODATA |
         LBS_OWNERDRAWFIXED;
}

void SongListBox::SetEntryCount(int count) {
  if (!hWnd()) return;
  if (count == 0) {
    SendMessageW(hWnd(), LB_RESETCONTENT, 0, 0);
  } else {
    SendMessageW(hWnd(), LB_SETCOUNT, static_cast<WPARAM>(count), 0);
  }
}

std::optional<std::wstring_view> SongListBox::EntryAt(WPARAM index) const {
  if (!source_ || index > static_cast<WPARAM>(INT_MAX)) return std::nullopt;
  return source_(static_cast<int>(index));
}

bool SongListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT box = item.rcItem;
  FillRect(item.hDC, &box, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (const auto text = EntryAt(item.itemID)) {
    const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
    const COLORREF oldColour =
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    box.left += 2;
    DrawTextW(item.hDC, text->data(), static_cast<int>(text->size()), &box,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SetTextColor(item.hDC, oldColour);
    SetBkMode(item.hDC, oldMode);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}

LRESULT SongListBox::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LB_GETTEXTLEN: {
      const auto entry = EntryAt(wParam);
      return entry ? static_cast<LRESULT>(entry->size()) : LB_ERR;
    }
    case LB_GETTEXT: {
      const auto entry = EntryAt(wParam);
      if (!entry || !lParam) return LB_ERR;
      auto* out = reinterpret_cast<wchar_t*>(lParam);
      entry->copy(out, entry->size());
      out[entry->size()] = L'\0';
      return static_cast<LRESULT>(entry->size());
    }
    default:
      return runtime::ListBox::OnWindowMessage(message, wParam, lParam);
  }
}

}  // namespace quavlet::musiclist
