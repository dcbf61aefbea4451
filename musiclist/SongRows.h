#pragma once

// How the song list view is laid out from the song lists: header widths, the address cell,
// and the view mode picked in the arrangement box.

#include <array>
#include <optional>
#include <string_view>

namespace quavlet::musiclist {

// Widths of "编号", "歌曲", "歌手", "地址" for a view of the given width (twips): the first three
// are single-precision quotients (/20, /6, /9), the last a double one (/1.7).
std::array<double, 4> SongColumnWidths(float viewWidth);

// The address shown for a List1 entry: the entry without its last character, which the feed
// leaves after every address. An empty entry shows as empty.
std::wstring_view AddressOfEntry(std::wstring_view entry);

// The list view mode written in the arrangement box: 0 icons, 1 small icons, 2 list, 3 report.
// Empty when the text is not one of those whole numbers (the view then stays as it is).
std::optional<int> ViewModeFromText(std::wstring_view text);

}  // namespace quavlet::musiclist
