#include "musiclist/SongLists.h"

#include <algorithm>

#include "musiclist/XmlDocument.h"

namespace quavlet {
namespace {

// Sends straight to the list box's own procedure. Every procedure chained in front of it (the
// forms layer's keyboard handling, the skin engine) passes list box content messages on
// untouched, and under Wine each of them costs a round trip to the server per message (their
// state lives in window properties): tens of thousands of entries would take seconds.
class ListBoxProcedure {
 public:
  explicit ListBoxProcedure(HWND window)
      : window_(window),
        procedure_(window ? reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC))
                          : nullptr) {}
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return procedure_ ? CallWindowProcW(procedure_, window_, message, wParam, lParam) : 0;
  }

 private:
  HWND window_;
  WNDPROC procedure_;
};

// Stops the list box drawing (and so updating its scroll bar) for the scope.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(const ListBoxProcedure& box) : box_(box) { box_.Send(WM_SETREDRAW, FALSE); }
  ~RedrawSuspended() { box_.Send(WM_SETREDRAW, TRUE); }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  const ListBoxProcedure& box_;
};

}  // namespace

void SongList::Clear() {
  texts_.clear();
  starts_.clear();
  ListBoxProcedure(box_.hWnd()).Send(LB_RESETCONTENT);
}

void SongList::AppendDecodedTexts(const XmlNodeList& nodes, TextDecoding decode) {
  const long room = std::max(0, kSongListCapacity - Count());
  const long count = std::min(nodes.Length(), room);
  starts_.reserve(starts_.size() + static_cast<size_t>(count));
  const ListBoxProcedure box(box_.hWnd());
  const RedrawSuspended quiet(box);
  // Room for every entry at once, instead of the control growing its table a few at a time.
  box.Send(LB_INITSTORAGE, static_cast<WPARAM>(count), 0);
  nodes.VisitTexts(count, [&](std::wstring_view text) {
    const size_t start = texts_.size();
    decode(text, texts_);
    texts_.push_back(L'\0');
    starts_.push_back(start);
    box.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts_.c_str() + start));
  });
}

std::optional<std::wstring_view> SongList::Entry(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  const size_t start = starts_[static_cast<size_t>(index)];
  const size_t end = static_cast<size_t>(index) + 1 < starts_.size()
                         ? starts_[static_cast<size_t>(index) + 1]
                         : texts_.size();
  return std::wstring_view(texts_).substr(start, end - start - 1);
}

}  // namespace quavlet
