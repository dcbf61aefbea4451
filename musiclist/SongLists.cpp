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

SongListEntries SongList::Take() noexcept {
  SongListEntries entries{std::move(texts_), std::move(starts_)};
  texts_.clear();
  starts_.clear();
  box_.SetEntryCount(0);
  return entries;
}

void SongList::Restore(SongListEntries entries) noexcept {
  texts_ = std::move(entries.texts);
  starts_ = std::move(entries.starts);
  box_.SetEntryCount(Count());
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

SongListsRefill::SongListsRefill(SongList& addresses, SongList& singers, SongList& titles) noexcept
    : lists_{&addresses, &singers, &titles} {
  for (int i = 0; i < 3; ++i) before_[i] = lists_[i]->Take();
}

SongListsRefill::~SongListsRefill() {
  if (kept_) return;
  for (int i = 0; i < 3; ++i) lists_[i]->Restore(std::move(before_[i]));
}

}  // namespace quavlet
