#pragma once

// The music list service leaves some characters of its texts as numeric character references
// that survive the XML parse ("&#58;" for ":"). Only a fixed set is decoded; every other
// reference stays in the text unchanged.

#include <string>
#include <string_view>

namespace quavlet::musiclist {

// Addresses: "&#58;" ":", "&#46;" ".", "&#95;" "_", "&#45;" "-", "&#37;" "%".
std::wstring DecodeAddress(std::wstring_view text);

// Titles and singers: the address references plus "&#32;" " " and "&#39;" "'".
std::wstring DecodeName(std::wstring_view text);

// The same, appended to a text: tens of thousands of songs are decoded into one buffer.
void AppendDecodedAddress(std::wstring_view text, std::wstring& out);
void AppendDecodedName(std::wstring_view text, std::wstring& out);

}  // namespace quavlet::musiclist
