#include "musiclist/ReplyDecoding.h"

#include <windows.h>

#include "musiclist/Gb18030.h"
#include "musiclist/ReplyText.h"

namespace quavlet::musiclist {
namespace {

std::wstring Utf16(std::string_view bytes, bool bigEndian) {
  std::wstring text(bytes.size() / 2, L'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    text[i] = static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  return text;
}

std::optional<std::wstring> FromCodePage(std::string_view bytes, unsigned codePage) {
  if (bytes.empty()) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int length =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, text.data(), length);
  return text;
}

}  // namespace

std::optional<std::wstring> DecodeReply(std::string_view bytes) {
  const auto codePage = ReplyCodePage(bytes);
  if (!codePage) return std::nullopt;
  if (*codePage == kCodePageUtf16Le || *codePage == kCodePageUtf16Be) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    return Utf16(bytes, *codePage == kCodePageUtf16Be);
  }
  if (*codePage == kCodePageGb18030 && !IsValidCodePage(kCodePageGb18030)) {
    // Wine has no GB18030 code page: its two-byte characters are GBK's.
    return DecodeGb18030(bytes, [](std::string_view run) { return FromCodePage(run, kCodePageGbk); });
  }
  return FromCodePage(bytes, *codePage);
}

}  // namespace quavlet::musiclist
