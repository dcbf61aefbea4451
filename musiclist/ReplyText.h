#pragma once

// Checks on the raw music list reply before it reaches the XML parser. The reply is untrusted:
// it is read in the encoding it declares (Chinese services commonly send GB2312 or GBK), and a
// reply that carries a document type declaration is refused outright, so no DTD is processed
// and no external entity can pull local content into a song's address.

#include <optional>
#include <string_view>

namespace quavlet::musiclist {

// Code pages the reply may be written in.
inline constexpr unsigned kCodePageUtf8 = 65001;
inline constexpr unsigned kCodePageUtf16Le = 1200;
inline constexpr unsigned kCodePageUtf16Be = 1201;
inline constexpr unsigned kCodePageGbk = 936;
inline constexpr unsigned kCodePageGb18030 = 54936;

// The code page of the reply's bytes: from a byte order mark, else from the encoding named in
// the XML declaration, else UTF-8. Empty when the declared encoding is not one we read.
std::optional<unsigned> ReplyCodePage(std::string_view bytes);

// The code page for an encoding name as written in an XML declaration (case-insensitive).
std::optional<unsigned> CodePageOfEncodingName(std::string_view name);

// Where the document proper begins in the decoded text: after an optional byte order mark and
// an optional XML declaration ("<?xml ... ?>"). Everything before it is dropped before
// parsing, so the encoding declared for the bytes is not applied a second time to the text.
size_t DocumentStart(std::wstring_view text);

// True when the text carries a document type declaration ("<!DOCTYPE") anywhere.
bool CarriesDocumentType(std::wstring_view text);

}  // namespace quavlet::musiclist
