#include "musiclist/SongLists.h"

#include <algorithm>

#include "musiclist/XmlDocument.h"

namespace quavlet {
namespace {

// Stops a window drawing for the scope.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(HWND window) : window_(window) {
    if (window_) SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawSuspended() {
    if (window_) SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  HWND window_;
};

}  // namespace

void AppendDecodedTexts(runtime::ListBox& list, const XmlNodeList& nodes, TextDecoding decode) {
  const RedrawSuspended quiet(list.hWnd());
  const long room = std::max(0, kSongListCapacity - list.ListCount());
  const long count = std::min(nodes.Length(), room);
  for (long i = 0; i < count; ++i) list.AddItem(decode(nodes.Item(i).Text()));
}

}  // namespace quavlet
