#include "musiclist/ReplyText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace quavlet::musiclist {
namespace {

struct NamedCodePage {
  std::string_view name;
  unsigned codePage;
};

constexpr std::array kEncodings = {
    NamedCodePage{"utf-8", kCodePageUtf8},       NamedCodePage{"utf8", kCodePageUtf8},
    NamedCodePage{"utf-16", kCodePageUtf16Le},   NamedCodePage{"utf-16le", kCodePageUtf16Le},
    NamedCodePage{"utf-16be", kCodePageUtf16Be}, NamedCodePage{"gb2312", kCodePageGbk},
    NamedCodePage{"gbk", kCodePageGbk},          NamedCodePage{"cp936", kCodePageGbk},
    NamedCodePage{"windows-936", kCodePageGbk},  NamedCodePage{"x-gbk", kCodePageGbk},
    NamedCodePage{"euc-cn", kCodePageGbk},       NamedCodePage{"gb18030", kCodePageGb18030},
    NamedCodePage{"us-ascii", 20127},            NamedCodePage{"iso-8859-1", 28591},
    NamedCodePage{"latin1", 28591},              NamedCodePage{"windows-1252", 1252},
};

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The value of encoding="..." in a declaration written in ASCII-compatible bytes.
std::optional<std::string_view> DeclaredEncoding(std::string_view bytes) {
  if (!bytes.starts_with("<?xml")) return std::nullopt;
  const size_t end = bytes.find("?>");
  const std::string_view declaration = bytes.substr(0, end);
  size_t key = declaration.find("encoding");
  if (key == std::string_view::npos) return std::nullopt;
  size_t position = key + 8;
  while (position < declaration.size() && IsXmlSpace(declaration[position])) ++position;
  if (position >= declaration.size() || declaration[position] != '=') return std::nullopt;
  ++position;
  while (position < declaration.size() && IsXmlSpace(declaration[position])) ++position;
  if (position >= declaration.size()) return std::nullopt;
  const char quote = declaration[position];
  if (quote != '"' && quote != '\'') return std::nullopt;
  const size_t close = declaration.find(quote, position + 1);
  if (close == std::string_view::npos) return std::nullopt;
  return declaration.substr(position + 1, close - position - 1);
}

}  // namespace

std::optional<unsigned> CodePageOfEncodingName(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const NamedCodePage& encoding : kEncodings) {
    if (encoding.name == lower) return encoding.codePage;
  }
  return std::nullopt;
}

std::optional<unsigned> ReplyCodePage(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return kCodePageUtf8;
  if (bytes.starts_with("\xFF\xFE")) return kCodePageUtf16Le;
  if (bytes.starts_with("\xFE\xFF")) return kCodePageUtf16Be;
  if (bytes.starts_with(std::string_view("<\0?\0", 4))) return kCodePageUtf16Le;
  if (bytes.starts_with(std::string_view("\0<\0?", 4))) return kCodePageUtf16Be;
  const auto declared = DeclaredEncoding(bytes);
  if (!declared) return kCodePageUtf8;
  return CodePageOfEncodingName(*declared);
}

size_t DocumentStart(std::wstring_view text) {
  size_t start = text.starts_with(L'\xFEFF') ? 1 : 0;
  const std::wstring_view rest = text.substr(start);
  // "<?xml" followed by a blank; "<?xml-stylesheet" and the like are other instructions.
  if (!rest.starts_with(L"<?xml") || rest.size() < 6 ||
      !(rest[5] == L' ' || rest[5] == L'\t' || rest[5] == L'\r' || rest[5] == L'\n')) {
    return start;
  }
  const size_t close = rest.find(L"?>");
  return close == std::wstring_view::npos ? start : start + close + 2;
}

bool CarriesDocumentType(std::wstring_view text) {
  return text.find(L"<!DOCTYPE") != std::wstring_view::npos;
}

}  // namespace quavlet::musiclist
