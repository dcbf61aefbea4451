#pragma once

// Filling the hidden song lists (List1 addresses, List2 singers, List3 titles).

#include <string>
#include <string_view>

#include "runtime/Controls.h"

namespace quavlet {

class XmlNodeList;

// A song list holds at most this many entries: the lists and the rows built from them are
// numbered with signed 16-bit values, so further songs of a reply are left out.
inline constexpr int kSongListCapacity = 32767;

using TextDecoding = std::wstring (*)(std::wstring_view);

// Appends the decoded text of every node of the list, in order, up to the capacity. The list
// box does not draw while it is being filled (drawing after each entry costs a great deal).
void AppendDecodedTexts(runtime::ListBox& list, const XmlNodeList& nodes, TextDecoding decode);

}  // namespace quavlet
