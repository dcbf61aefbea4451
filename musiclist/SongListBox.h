#pragma once

// The list box of a hidden song list: a no-data list box whose entries live in the program (the
// song list) and are given out through the standard list box messages (LB_GETCOUNT,
// LB_GETTEXTLEN, LB_GETTEXT) and drawn from there if it is ever shown. A list of tens of
// thousands of songs is then put in with one message instead of one message and one copy per
// entry.

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>

#include "runtime/Controls.h"

namespace quavlet::musiclist {

class SongListBox : public runtime::ListBox {
 public:
  // Entry index (from 0) of the list; empty result when there is none.
  using EntrySource = std::function<std::optional<std::wstring_view>(int)>;

  SongListBox() = default;

  void SetEntrySource(EntrySource source) { source_ = std::move(source); }
  // Tells the window how many entries the source has now.
  void SetEntryCount(int count);

 protected:
  DWORD Style() const override;
  LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  std::optional<std::wstring_view> EntryAt(WPARAM index) const;

  EntrySource source_;
};

}  // namespace quavlet::musiclist
