#include "musiclist/ListView.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "runtime/Form.h"
#include "runtime/twips.h"

namespace quavlet::musiclist {
namespace {

// Posted to the view itself once rows or columns have changed: its handler brings the window
// up to date all at once.
constexpr UINT kUpdateMessage = WM_APP + 0x51;

constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

// LVFI_SUBSTRING of newer headers: despite its name, a search by the text's start too.
constexpr UINT kFindSubstring = 0x0004;

}  // namespace

// ---- ListItem ----

std::optional<std::wstring> ListItem::Text() const {
  if (!view_->HasRow(index_)) return std::nullopt;
  return std::wstring(view_->CellText(index_, 0));
}

std::optional<std::wstring> ListItem::SubItems(int index) const {
  if (!view_->HasRow(index_) || index < 1 || index >= ListView::kColumnCount) return std::nullopt;
  return std::wstring(view_->CellText(index_, index));
}

bool ListItem::SetSubItems(int index, std::wstring_view text) {
  if (!view_->HasRow(index_) || index < 1 || index >= ListView::kColumnCount) return false;
  view_->SetCellText(index_, index, text);
  view_->RowChanged(index_);
  return true;
}

// ---- ListItems ----

void ListItemsCollection::Clear() { view_.ClearRows(); }

ListItem ListItemsCollection::Add(std::wstring_view text) {
  return ListItem(view_, view_.AppendRow(text));
}

std::optional<ListItem> ListItemsCollection::Item(int index) const {
  if (!view_.HasRow(index)) return std::nullopt;
  return ListItem(view_, index);
}

int ListItemsCollection::Count() const { return static_cast<int>(view_.rows_.size()); }

// ---- ColumnHeaders ----

void ColumnHeadersCollection::Clear() { view_.ClearColumns(); }

void ColumnHeadersCollection::Add(std::wstring_view text, double width) {
  view_.AppendColumn(text, width);
}

int ColumnHeadersCollection::Count() const { return view_.columnCount_; }

// ---- ListView ----

ListView::ListView() = default;

DWORD ListView::Style() const {
  // A virtual list: the rows live here and the window asks for the texts it shows. One row at a
  // time is the selected song, so a Shift+click never makes a range of them.
  return (ListViewWindow::Style() & ~LVS_TYPEMASK) | kViewStyles[view_] | LVS_OWNERDATA |
         LVS_SINGLESEL;
}

void ListView::OnCreated() {
  ListViewWindow::OnCreated();
  // A click anywhere on a row selects it, not only on its number.
  SendMessageW(hWnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  if (!rows_.empty()) {
    SendMessageW(hWnd(), LVM_SETITEMCOUNT, rows_.size(), 0);
  }
}

LRESULT ListView::OnNotify(const NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOW:
      // The notification's structure is the sender's to fill in.
      FillDisplayInfo(const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)));
      return 0;
    case LVN_ODFINDITEMW:
      return FindRow(reinterpret_cast<const NMLVFINDITEMW&>(header));
    default:
      return ListViewWindow::OnNotify(header);
  }
}

int ListView::FindRow(const NMLVFINDITEMW& find) const {
  const LVFINDINFOW& wanted = find.lvfi;
  const int count = static_cast<int>(rows_.size());
  // A search by the text's start implies a search by text (the control's type-ahead asks for
  // LVFI_PARTIAL alone); searches by item data or position find nothing here.
  const bool prefix = (wanted.flags & (LVFI_PARTIAL | kFindSubstring)) != 0;
  if (!(prefix || (wanted.flags & LVFI_STRING)) || !wanted.psz || count == 0) return -1;
  const std::wstring_view text(wanted.psz);
  const int start = find.iStart >= 0 && find.iStart < count ? find.iStart : 0;
  // From the start to the end, then, when asked to wrap, from the first row up to the start.
  const int last = (wanted.flags & LVFI_WRAP) ? start + count : count;
  for (int position = start; position < last; ++position) {
    const int row = position % count;
    std::wstring_view cell = CellText(row + 1, 0);
    if (prefix) cell = cell.substr(0, std::min(cell.size(), text.size()));
    if (cell.size() == text.size() &&
        CompareStringOrdinal(cell.data(), static_cast<int>(cell.size()), text.data(),
                             static_cast<int>(text.size()), TRUE) == CSTR_EQUAL) {
      return row;
    }
  }
  return -1;
}

bool ListView::TakePressBesideRows(UINT message, LPARAM where) {
  // An empty view lets the control report the click with nothing selected.
  if (rows_.empty()) return false;
  LVHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (SendMessageW(hWnd(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0) return false;
  // The control itself would clear the selection here; the press is taken instead, so the
  // selected row stays and the click is its.
  ::SetFocus(hWnd());
  if (!SelectedItem()) return true;
  runtime::Raise(message == WM_LBUTTONDBLCLK ? DblClick : Click);
  return true;
}

void ListView::FillDisplayInfo(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  item.pszText[0] = L'\0';
  if (!HasRow(item.iItem + 1) || item.iSubItem < 0 || item.iSubItem >= kColumnCount) return;
  const std::wstring_view text = CellText(item.iItem + 1, item.iSubItem);
  const size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
  text.copy(item.pszText, length);
  item.pszText[length] = L'\0';
}

void ListView::SetView(int mode) {
  if (mode < kListViewIcons || mode > kListViewReport) return;
  view_ = mode;
  if (!hWnd()) return;
  const LONG_PTR style = GetWindowLongPtrW(hWnd(), GWL_STYLE);
  SetWindowLongPtrW(hWnd(), GWL_STYLE, (style & ~LVS_TYPEMASK) | kViewStyles[mode]);
  InvalidateRect(hWnd(), nullptr, TRUE);
}

std::optional<ListItem> ListView::SelectedItem() const {
  if (!hWnd()) return std::nullopt;
  const auto selected = static_cast<int>(
      SendMessageW(hWnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (selected < 0 || selected >= static_cast<int>(rows_.size())) return std::nullopt;
  return ListItem(const_cast<ListView&>(*this), selected + 1);
}

bool ListView::HasRow(int index) const {
  return index >= 1 && index <= static_cast<int>(rows_.size());
}

std::wstring_view ListView::CellText(int index, int column) const {
  const Cell& cell = rows_[static_cast<size_t>(index - 1)][static_cast<size_t>(column)];
  return std::wstring_view(texts_).substr(cell.start, cell.length);
}

void ListView::SetCellText(int index, int column, std::wstring_view text) {
  // The text first: if there is no room for it, the cell keeps its old text.
  const size_t start = texts_.size();
  texts_.append(text);
  rows_[static_cast<size_t>(index - 1)][static_cast<size_t>(column)] = Cell{start, text.size()};
}

void ListView::ClearRows() {
  rows_.clear();
  texts_.clear();
  if (!hWnd()) return;
  if (WindowHasRowState()) {
    SendMessageW(hWnd(), LVM_DELETEALLITEMS, 0, 0);
  } else {
    // Nothing selected, focused or scrolled: emptying the window now would only cost a
    // relayout that the update, which sets the new count, makes again.
    rowsChanged_ = true;
    RequestUpdate();
  }
}

bool ListView::WindowHasRowState() const {
  const HWND window = hWnd();
  return SendMessageW(window, LVM_GETSELECTEDCOUNT, 0, 0) != 0 ||
         SendMessageW(window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED) != -1 ||
         SendMessageW(window, LVM_GETTOPINDEX, 0, 0) != 0 || GetScrollPos(window, SB_HORZ) != 0;
}

int ListView::AppendRow(std::wstring_view text) {
  // With no room for the row or its text, nothing is appended.
  const size_t start = texts_.size();
  texts_.append(text);
  try {
    rows_.emplace_back();
  } catch (...) {
    texts_.resize(start);
    throw;
  }
  rows_.back()[0] = Cell{start, text.size()};
  // Rows usually come by the thousand: the window learns the new count once they stop coming
  // (kUpdateMessage). A message per row would cost far more than the rows themselves, and
  // the members here read the rows, not the window.
  rowsChanged_ = true;
  RequestUpdate();
  return static_cast<int>(rows_.size());
}

void ListView::RowChanged(int index) {
  if (!hWnd()) return;
  // While an update is pending the whole view is drawn afresh anyway.
  if (updatePending_) {
    rowsChanged_ = true;
  } else {
    SendMessageW(hWnd(), LVM_REDRAWITEMS, index - 1, index - 1);
  }
}

void ListView::RequestUpdate() {
  if (!hWnd() || updatePending_) return;
  updatePending_ = true;
  PostMessageW(hWnd(), kUpdateMessage, 0, 0);
}

void ListView::Update() {
  if (!updatePending_) return;
  updatePending_ = false;
  // Columns cleared and not added again. From the last: some versions of the control keep
  // column 0.
  for (int column = WindowColumnCount() - 1; column >= columnCount_; --column) {
    SendMessageW(hWnd(), LVM_DELETECOLUMN, static_cast<WPARAM>(column), 0);
  }
  if (rowsChanged_) {
    rowsChanged_ = false;
    SendMessageW(hWnd(), LVM_SETITEMCOUNT, rows_.size(), 0);
    InvalidateRect(hWnd(), nullptr, TRUE);
  }
}

int ListView::WindowColumnCount() const {
  const HWND header = reinterpret_cast<HWND>(SendMessageW(hWnd(), LVM_GETHEADER, 0, 0));
  return header ? Header_GetItemCount(header) : 0;
}

void ListView::ClearColumns() {
  columnCount_ = 0;
  // The window keeps its columns until the update: each change to the header costs a
  // relayout, and a query rebuilds the same four columns it had.
  RequestUpdate();
}

void ListView::AppendColumn(std::wstring_view text, double width) {
  std::wstring caption(text);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = LVCFMT_LEFT;
  column.pszText = caption.data();
  column.cx = runtime::TwipsToPixels(width, Parent() ? Parent()->Dpi() : 96);
  const int index = columnCount_++;
  if (!hWnd()) return;
  if (index < WindowColumnCount()) {
    if (!WindowColumnIs(index, column)) {
      SendMessageW(hWnd(), LVM_SETCOLUMNW, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&column));
    }
  } else {
    SendMessageW(hWnd(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
  }
}

bool ListView::WindowColumnIs(int index, const LVCOLUMNW& wanted) const {
  wchar_t text[256] = L"";
  LVCOLUMNW shown{};
  shown.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  shown.pszText = text;
  shown.cchTextMax = 256;
  if (!SendMessageW(hWnd(), LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&shown))) {
    return false;
  }
  return (shown.fmt & LVCFMT_JUSTIFYMASK) == wanted.fmt && shown.cx == wanted.cx &&
         std::wstring_view(text) == wanted.pszText;
}

LRESULT ListView::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kUpdateMessage:
      Update();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (TakePressBesideRows(message, lParam)) return 0;
      // A Ctrl+click would take the selection off the row it hits and leave a view with rows but
      // none selected; a press on a row always selects it.
      return ListViewWindow::OnWindowMessage(message, wParam & ~MK_CONTROL, lParam);
    default:
      return ListViewWindow::OnWindowMessage(message, wParam, lParam);
  }
}

}  // namespace quavlet::musiclist
