#include "musiclist/ListView.h"

#include <commctrl.h>

#include "runtime/Form.h"
#include "runtime/twips.h"

namespace quavlet {
namespace {

constexpr UINT_PTR kShowRowsSubclassId = 2;
// Posted to the view itself once rows have been added: its handler shows them all at once.
constexpr UINT kShowRowsMessage = WM_APP + 0x51;

constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

}  // namespace

// ---- ListItem ----

std::optional<std::wstring> ListItem::Text() const {
  const auto* row = view_->RowAt(index_);
  if (!row) return std::nullopt;
  return (*row)[0];
}

std::optional<std::wstring> ListItem::SubItems(int index) const {
  const auto* row = view_->RowAt(index_);
  if (!row || index < 1 || index >= ListView::kColumnCount) return std::nullopt;
  return (*row)[static_cast<size_t>(index)];
}

bool ListItem::SetSubItems(int index, std::wstring_view text) {
  auto* row = view_->RowAt(index_);
  if (!row || index < 1 || index >= ListView::kColumnCount) return false;
  (*row)[static_cast<size_t>(index)] = text;
  view_->RowChanged(index_);
  return true;
}

// ---- ListItems ----

void ListItemsCollection::Clear() { view_.ClearRows(); }

ListItem ListItemsCollection::Add(std::wstring_view text) {
  return ListItem(view_, view_.AppendRow(text));
}

std::optional<ListItem> ListItemsCollection::Item(int index) const {
  if (!view_.RowAt(index)) return std::nullopt;
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

ListView::~ListView() {
  if (hWnd()) RemoveWindowSubclass(hWnd(), Subclass, kShowRowsSubclassId);
}

DWORD ListView::Style() const {
  // A virtual list: the rows live here and the window asks for the texts it shows.
  return (ListViewWindow::Style() & ~LVS_TYPEMASK) | kViewStyles[view_] | LVS_OWNERDATA;
}

void ListView::OnCreated() {
  ListViewWindow::OnCreated();
  SetWindowSubclass(hWnd(), Subclass, kShowRowsSubclassId, reinterpret_cast<DWORD_PTR>(this));
  // A click anywhere on a row selects it, not only on its number.
  SendMessageW(hWnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  if (!rows_.empty()) {
    SendMessageW(hWnd(), LVM_SETITEMCOUNT, rows_.size(), 0);
  }
}

LRESULT ListView::OnNotify(const NMHDR& header) {
  if (header.code == LVN_GETDISPINFOW) {
    // The notification's structure is the sender's to fill in.
    FillDisplayInfo(const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)));
    return 0;
  }
  return ListViewWindow::OnNotify(header);
}

void ListView::FillDisplayInfo(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  item.pszText[0] = L'\0';
  const Row* row = RowAt(item.iItem + 1);
  if (!row || item.iSubItem < 0 || item.iSubItem >= kColumnCount) return;
  const std::wstring& text = (*row)[static_cast<size_t>(item.iSubItem)];
  lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
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

ListView::Row* ListView::RowAt(int index) {
  if (index < 1 || index > static_cast<int>(rows_.size())) return nullptr;
  return &rows_[static_cast<size_t>(index - 1)];
}

const ListView::Row* ListView::RowAt(int index) const {
  return const_cast<ListView&>(*this).RowAt(index);
}

void ListView::ClearRows() {
  rows_.clear();
  if (hWnd()) SendMessageW(hWnd(), LVM_DELETEALLITEMS, 0, 0);
}

int ListView::AppendRow(std::wstring_view text) {
  Row row;
  row[0] = text;
  rows_.push_back(std::move(row));
  // Rows usually come by the thousand: the window learns the new count once they stop coming
  // (kShowRowsMessage). A message per row would cost far more than the rows themselves, and
  // the members here read the rows, not the window.
  if (hWnd() && !showPending_) {
    showPending_ = true;
    PostMessageW(hWnd(), kShowRowsMessage, 0, 0);
  }
  return static_cast<int>(rows_.size());
}

void ListView::RowChanged(int index) {
  // While rows are coming the whole view is drawn afresh anyway.
  if (hWnd() && !showPending_) SendMessageW(hWnd(), LVM_REDRAWITEMS, index - 1, index - 1);
}

void ListView::ShowRows() {
  if (!showPending_) return;
  showPending_ = false;
  SendMessageW(hWnd(), LVM_SETITEMCOUNT, rows_.size(), 0);
  InvalidateRect(hWnd(), nullptr, TRUE);
}

void ListView::ClearColumns() {
  columnCount_ = 0;
  if (!hWnd()) return;
  // From the last: some versions of the control keep column 0; AppendColumn reuses it then.
  const HWND header = reinterpret_cast<HWND>(SendMessageW(hWnd(), LVM_GETHEADER, 0, 0));
  for (int column = header ? Header_GetItemCount(header) - 1 : -1; column >= 0; --column) {
    SendMessageW(hWnd(), LVM_DELETECOLUMN, static_cast<WPARAM>(column), 0);
  }
}

void ListView::AppendColumn(std::wstring_view text, double width) {
  std::wstring caption(text);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = LVCFMT_LEFT;
  column.pszText = caption.data();
  column.cx = TwipsToPixels(width, Parent() ? Parent()->Dpi() : 96);
  const int index = columnCount_++;
  if (!hWnd()) return;
  const HWND header = reinterpret_cast<HWND>(SendMessageW(hWnd(), LVM_GETHEADER, 0, 0));
  if (header && index < Header_GetItemCount(header)) {
    SendMessageW(hWnd(), LVM_SETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
  } else {
    SendMessageW(hWnd(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
  }
}

LRESULT CALLBACK ListView::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) {
  switch (message) {
    case kShowRowsMessage:
      reinterpret_cast<ListView*>(self)->ShowRows();
      return 0;
    default:
      return DefSubclassProc(window, message, wParam, lParam);
  }
}

}  // namespace quavlet
