#include "musiclist/SongLists.h"

#include <algorithm>

#include "musiclist/XmlDocument.h"

namespace quavlet::musiclist {

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

void SongList::Replace(SongListEntries entries) noexcept {
  texts_ = std::move(entries.texts);
  starts_ = std::move(entries.starts);
  box_.SetEntryCount(Count());
}

void AppendDecodedTexts(const XmlNodeList& nodes, TextDecoding decode, SongListEntries& entries) {
  const long room = std::max(0L, static_cast<long>(kSongListCapacity) - static_cast<long>(entries.starts.size()));
  const long count = std::min(nodes.Length(), room);
  entries.starts.reserve(entries.starts.size() + static_cast<size_t>(count));
  nodes.VisitTexts(count, [&](std::wstring_view text) {
    entries.starts.push_back(entries.texts.size());
    decode(text, entries.texts);
  });
}

void SongList::AppendDecodedTexts(const XmlNodeList& nodes, TextDecoding decode) {
  SongListEntries entries{std::move(texts_), std::move(starts_)};
  try {
    quavlet::musiclist::AppendDecodedTexts(nodes, decode, entries);
  } catch (...) {
    Replace(std::move(entries));
    throw;
  }
  Replace(std::move(entries));
}

std::optional<std::wstring_view> SongList::Entry(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  const size_t start = starts_[static_cast<size_t>(index)];
  const size_t end = static_cast<size_t>(index) + 1 < starts_.size()
                         ? starts_[static_cast<size_t>(index) + 1]
                         : texts_.size();
  return std::wstring_view(texts_).substr(start, end - start);
}

}  // namespace quavlet::musiclist
