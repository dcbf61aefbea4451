#pragma once

// The hidden song lists: List1 (addresses), List2 (singers), List3 (titles), entries with the
// same index describing one song.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "musiclist/SongListBox.h"

namespace quavlet::musiclist {

class XmlNodeList;

// A song list holds at most this many entries: the lists and the rows built from them are
// numbered with signed 16-bit values, so further songs of a reply are left out.
inline constexpr int kSongListCapacity = 32767;

// Appends the decoded form of a text to a buffer.
using TextDecoding = void (*)(std::wstring_view, std::wstring&);

// A song list's entries, taken out whole: one buffer of texts and where each starts.
struct SongListEntries {
  std::wstring texts;
  std::vector<size_t> starts;
};

// Appends the decoded text of every node of the list to the entries, in order, up to the
// capacity. Touches no window, so any thread may read a reply so.
void AppendDecodedTexts(const XmlNodeList& nodes, TextDecoding decode, SongListEntries& entries);

// One song list: this object holds the entries, and its list box window gives them out.
class SongList {
 public:
  explicit SongList(SongListBox& box);
  ~SongList();
  SongList(const SongList&) = delete;
  SongList& operator=(const SongList&) = delete;

  void Clear();
  // Takes the entries out, leaving the list empty; Replace puts entries (so taken, or read
  // from a reply) in place of the list's. Neither allocates.
  SongListEntries Take() noexcept;
  void Replace(SongListEntries entries) noexcept;
  // Appends the decoded text of every node of the list, in order, up to the capacity.
  void AppendDecodedTexts(const XmlNodeList& nodes, TextDecoding decode);
  int Count() const { return static_cast<int>(starts_.size()); }
  // Entry index (from 0); empty result when there is none.
  std::optional<std::wstring_view> Entry(int index) const;

 private:
  SongListBox& box_;
  // The entries one after another, and where each starts: one buffer instead of a string per
  // entry.
  std::wstring texts_;
  std::vector<size_t> starts_;
};

}  // namespace quavlet::musiclist
