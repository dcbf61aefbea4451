#include "musiclist/SongLists.h"

#include <algorithm>

#include "musiclist/XmlDocument.h"

namespace quavlet {

SongList::SongList(SongListBox& box) : box_(box) {
  box_.SetEntrySource([this](int index) { return Entry(index); });
}

SongList::~SongList() { box_.SetEntrySource(nullptr); }

void SongList::Clear() {
  texts_.clear();
  starts_.clear();
  box_.SetEntryCount(0);
}

void SongList::AppendDecodedTexts(const XmlNodeList& nodes, TextDecoding decode) {
  const long room = std::max(0, kSongListCapacity - Count());
  const long count = std::min(nodes.Length(), room);
  starts_.reserve(starts_.size() + static_cast<size_t>(count));
  nodes.VisitTexts(count, [&](std::wstring_view text) {
    starts_.push_back(texts_.size());
    decode(text, texts_);
  });
  box_.SetEntryCount(Count());
}

std::optional<std::wstring_view> SongList::Entry(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  const size_t start = starts_[static_cast<size_t>(index)];
  const size_t end = static_cast<size_t>(index) + 1 < starts_.size()
                         ? starts_[static_cast<size_t>(index) + 1]
                         : texts_.size();
  return std::wstring_view(texts_).substr(start, end - start);
}

}  // namespace quavlet
