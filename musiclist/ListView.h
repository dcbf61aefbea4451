#pragma once

// The song list view: the platform list view window with the members the program uses of it.
// Rows are numbered from 1 by ListItems().Item() and ListItem::Index(); sub-items run from 1
// to 3. Reading SelectedItem() with no selected row fails (an empty result), as do reads of a
// row or cell that does not exist, so callers take their failure path instead of reading an
// empty row.
//
// The window is a virtual list view: the rows live here and the window asks for the texts of
// the rows it shows, so tens of thousands of rows cost no more than the ones on screen. It
// answers the window's searches (typing a row's number selects it) from the rows' first column.
//
// A click beside the rows of a view that has rows keeps the selected row selected and is
// reported as a click on it, as the list views of forms do; only an empty view reports a click
// with nothing selected.

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Controls.h"

namespace quavlet::musiclist {

class ListView;

// One row of the view, found again by its position.
class ListItem {
 public:
  ListItem(ListView& view, int index) : view_(&view), index_(index) {}

  // 1-based position of the row.
  int Index() const { return index_; }
  // The row's own text (the first column); empty result when the row is gone.
  std::optional<std::wstring> Text() const;
  // The text of column index + 1 (index 1 to 3); empty result when the row or index does not
  // exist.
  std::optional<std::wstring> SubItems(int index) const;
  // Sets that text; false (and nothing changes) when the row or index does not exist.
  bool SetSubItems(int index, std::wstring_view text);

 private:
  ListView* view_;
  int index_;
};

class ListItemsCollection {
 public:
  explicit ListItemsCollection(ListView& view) : view_(view) {}
  ListItemsCollection(const ListItemsCollection&) = delete;
  ListItemsCollection& operator=(const ListItemsCollection&) = delete;

  // Removes every row.
  void Clear();
  // Appends a row with this text and returns it.
  ListItem Add(std::wstring_view text);
  // The row at this 1-based position; empty result when there is none.
  std::optional<ListItem> Item(int index) const;
  int Count() const;

 private:
  ListView& view_;
};

class ColumnHeadersCollection {
 public:
  explicit ColumnHeadersCollection(ListView& view) : view_(view) {}
  ColumnHeadersCollection(const ColumnHeadersCollection&) = delete;
  ColumnHeadersCollection& operator=(const ColumnHeadersCollection&) = delete;

  // Removes every column header.
  void Clear();
  // Appends a header with this text and width (twips), default alignment.
  void Add(std::wstring_view text, double width);
  int Count() const;

 private:
  ListView& view_;
};

// View modes.
inline constexpr int kListViewIcons = 0;
inline constexpr int kListViewSmallIcons = 1;
inline constexpr int kListViewList = 2;
inline constexpr int kListViewReport = 3;

class ListView : public runtime::ListViewWindow {
 public:
  static constexpr int kColumnCount = 4;

  ListView();

  ListItemsCollection& ListItems() { return listItems_; }
  const ListItemsCollection& ListItems() const { return listItems_; }
  ColumnHeadersCollection& ColumnHeaders() { return columnHeaders_; }
  const ColumnHeadersCollection& ColumnHeaders() const { return columnHeaders_; }

  // 0 icons, 1 small icons, 2 list, 3 report; other values are ignored. Sub-items show only
  // in report view.
  void SetView(int mode);
  int View() const { return view_; }

  // The selected row; empty result when no row is selected.
  std::optional<ListItem> SelectedItem() const;

  // Width() (twips), SetEnabled(), Click and DblClick come with the window.

 protected:
  DWORD Style() const override;
  void OnCreated() override;
  LRESULT OnNotify(const NMHDR& header) override;
  LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend class ListItem;
  friend class ListItemsCollection;
  friend class ColumnHeadersCollection;

  // Where a cell's text stands in texts_.
  struct Cell {
    size_t start = 0;
    size_t length = 0;
  };
  using Row = std::array<Cell, kColumnCount>;

  void ClearRows();
  int AppendRow(std::wstring_view text);
  bool HasRow(int index) const;  // 1-based
  // A cell of an existing row (1-based) and column (0 to kColumnCount - 1).
  std::wstring_view CellText(int index, int column) const;
  void SetCellText(int index, int column, std::wstring_view text);
  void ClearColumns();
  void AppendColumn(std::wstring_view text, double width);
  void RowChanged(int index);
  // Whether the window has a selected or focused row or is scrolled: what emptying it resets.
  bool WindowHasRowState() const;
  // Posts the update that brings the window in line with the rows and columns, once.
  void RequestUpdate();
  void Update();
  int WindowColumnCount() const;
  // Whether the window's column index already shows this text, width and alignment.
  bool WindowColumnIs(int index, const LVCOLUMNW& wanted) const;
  void FillDisplayInfo(NMLVDISPINFOW& info) const;
  // Type-ahead and LVM_FINDITEM: the row (from 0) whose first column matches, or -1.
  int FindRow(const NMLVFINDITEMW& find) const;
  // A press of the left button beside the rows of a view that has rows keeps the selected row
  // and reports the click (or double-click) for it; true when the press was taken so.
  bool TakePressBesideRows(UINT message, LPARAM where);

  ListItemsCollection listItems_{*this};
  ColumnHeadersCollection columnHeaders_{*this};
  std::vector<Row> rows_;
  // Every cell's text, one after another: a string per cell would cost an allocation each,
  // and a list holds tens of thousands of rows. A changed cell takes new room at the end; the
  // buffer starts afresh when the rows are cleared.
  std::wstring texts_;
  int columnCount_ = 0;
  int view_ = kListViewReport;
  bool updatePending_ = false;
  bool rowsChanged_ = false;
};

}  // namespace quavlet::musiclist
