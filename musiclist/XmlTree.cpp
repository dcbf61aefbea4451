#include "musiclist/XmlTree.h"

#include <algorithm>
#include <cwctype>
#include <limits>

namespace quavlet::musiclist {
namespace {

bool IsNameEnd(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'/' || c == L'>';
}

bool IsXmlSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

// A character reference's value (after "&#"), or 0 when it is not a valid one.
char32_t CharacterReference(std::wstring_view digits) {
  const bool hex = !digits.empty() && digits[0] == L'x';
  if (hex) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 8) return 0;
  char32_t value = 0;
  for (wchar_t c : digits) {
    int digit;
    if (c >= L'0' && c <= L'9') {
      digit = c - L'0';
    } else if (hex && c >= L'a' && c <= L'f') {
      digit = c - L'a' + 10;
    } else if (hex && c >= L'A' && c <= L'F') {
      digit = c - L'A' + 10;
    } else {
      return 0;
    }
    value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
  }
  if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return value;
}

// Resolves the references of a run of character data where it stands (no reference is shorter
// than what it stands for) and gives the run's new length; nullopt for a reference the index
// does not know (the document has no declarations, so only the predefined ones exist).
std::optional<size_t> DecodeInPlace(wchar_t* run, size_t length) {
  // Most runs hold no reference: nothing to move.
  const size_t first = std::wstring_view(run, length).find(L'&');
  if (first == std::wstring_view::npos) return length;
  size_t read = first;
  size_t write = first;
  while (read < length) {
    const wchar_t c = run[read];
    if (c != L'&') {
      run[write++] = c;
      ++read;
      continue;
    }
    const std::wstring_view rest(run + read + 1, length - read - 1);
    const size_t semicolon = rest.find(L';');
    if (semicolon == std::wstring_view::npos) return std::nullopt;
    const std::wstring_view name = rest.substr(0, semicolon);
    if (name == L"lt") {
      run[write++] = L'<';
    } else if (name == L"gt") {
      run[write++] = L'>';
    } else if (name == L"amp") {
      run[write++] = L'&';
    } else if (name == L"apos") {
      run[write++] = L'\'';
    } else if (name == L"quot") {
      run[write++] = L'"';
    } else if (!name.empty() && name[0] == L'#') {
      char32_t value = CharacterReference(name.substr(1));
      if (value == 0) return std::nullopt;
      if (value < 0x10000) {
        run[write++] = static_cast<wchar_t>(value);
      } else {
        value -= 0x10000;
        run[write++] = static_cast<wchar_t>(0xD800 + (value >> 10));
        run[write++] = static_cast<wchar_t>(0xDC00 + (value & 0x3FF));
      }
    } else {
      return std::nullopt;
    }
    read += semicolon + 2;
  }
  return write;
}

std::vector<std::wstring_view> Split(std::wstring_view path) {
  std::vector<std::wstring_view> steps;
  size_t start = 0;
  while (true) {
    const size_t slash = path.find(L'/', start);
    steps.push_back(path.substr(start, slash - start));
    if (slash == std::wstring_view::npos) return steps;
    start = slash + 1;
  }
}

}  // namespace

bool IsPlainElementName(std::wstring_view name) {
  if (name.empty() || (name[0] >= L'0' && name[0] <= L'9') || name[0] == L'-' || name[0] == L'.') {
    return false;
  }
  for (wchar_t c : name) {
    const bool plain = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
                       (c >= L'0' && c <= L'9') || c == L'_' || c == L'-' || c == L'.';
    if (!plain) return false;
  }
  return true;
}

XmlTree::XmlTree(std::wstring text) : text_(std::move(text)) {
  usable_ = text_.size() < std::numeric_limits<uint32_t>::max() / 2 && Index();
  if (!usable_) elements_.clear();
}

bool XmlTree::Index() {
  const std::wstring_view s = text_;
  // Every element has a start tag: one allocation for all of them, not a copy per doubling.
  elements_.reserve(static_cast<size_t>(std::count(s.begin(), s.end(), L'<')) / 2 + 1);
  std::vector<uint32_t> open;
  bool rootSeen = false;
  const auto markParent = [&] {
    if (!open.empty()) elements_[open.back()].markupInside = true;
  };
  const auto skipPast = [&](size_t from, std::wstring_view terminator) {
    const size_t end = s.find(terminator, from);
    return end == std::wstring_view::npos ? end : end + terminator.size();
  };

  size_t i = 0;
  while (i < s.size()) {
    if (s[i] != L'<') {
      size_t end = s.find(L'<', i);
      if (end == std::wstring_view::npos) end = s.size();
      if (!open.empty()) {
        // An element with markup inside is never read from here, so one run per element
        // is all that needs keeping; it is decoded where it stands, which leaves the markup
        // after it untouched.
        const auto length = DecodeInPlace(text_.data() + i, end - i);
        if (!length) return false;
        Element& element = elements_[open.back()];
        element.textStart = static_cast<uint32_t>(i);
        element.textLength = static_cast<uint32_t>(*length);
      }
      i = end;
      continue;
    }
    const std::wstring_view rest = s.substr(i);
    if (rest.starts_with(L"<!--")) {
      markParent();
      i = skipPast(i + 4, L"-->");
    } else if (rest.starts_with(L"<![CDATA[")) {
      if (open.empty()) return false;
      markParent();
      i = skipPast(i + 9, L"]]>");
    } else if (rest.starts_with(L"<?")) {
      markParent();
      i = skipPast(i + 2, L"?>");
    } else if (rest.starts_with(L"<!")) {
      return false;  // a declaration: not for this index
    } else if (rest.starts_with(L"</")) {
      if (open.empty()) return false;
      const size_t close = s.find(L'>', i);
      if (close == std::wstring_view::npos) return false;
      std::wstring_view name = s.substr(i + 2, close - i - 2);
      while (!name.empty() && IsXmlSpace(name.back())) name.remove_suffix(1);
      Element& element = elements_[open.back()];
      if (name != NameOf(element)) return false;
      open.pop_back();
      i = close + 1;
    } else {
      size_t j = i + 1;
      while (j < s.size() && !IsNameEnd(s[j])) ++j;
      if (j == i + 1 || (open.empty() && rootSeen)) return false;
      const uint32_t nameStart = static_cast<uint32_t>(i + 1);
      const uint32_t nameLength = static_cast<uint32_t>(j - i - 1);
      // The attributes: quoted values may hold '>' and '/'.
      while (j < s.size() && s[j] != L'>') {
        if (s[j] == L'"' || s[j] == L'\'') {
          j = s.find(s[j], j + 1);
          if (j == std::wstring_view::npos) return false;
        } else if (s[j] == L'<') {
          return false;
        }
        ++j;
      }
      if (j >= s.size()) return false;
      const bool empty = s[j - 1] == L'/';
      markParent();
      elements_.push_back(Element{nameStart, nameLength,
                                  open.empty() ? -1 : static_cast<int32_t>(open.back()), 0, 0,
                                  false});
      rootSeen = true;
      if (!empty) open.push_back(static_cast<uint32_t>(elements_.size() - 1));
      i = j + 1;
    }
    if (i == std::wstring_view::npos) return false;
  }
  return open.empty() && rootSeen;
}

std::wstring_view XmlTree::NameOf(const Element& element) const {
  return std::wstring_view(text_).substr(element.nameStart, element.nameLength);
}

bool XmlTree::HasName(const Element& element, std::wstring_view name) const {
  // The length first: most elements differ there, without a call to compare.
  return element.nameLength == name.size() && NameOf(element) == name;
}

std::optional<std::vector<uint32_t>> XmlTree::Select(std::wstring_view pattern) const {
  if (!usable_) return std::nullopt;
  if (pattern.starts_with(L"//")) return ElementsNamed(pattern.substr(2));
  if (!pattern.starts_with(L"/")) return std::nullopt;
  const auto steps = Split(pattern.substr(1));
  for (std::wstring_view step : steps) {
    if (!IsPlainElementName(step)) return std::nullopt;
  }
  return AlongPath(steps);
}

std::optional<std::vector<uint32_t>> XmlTree::ElementsNamed(std::wstring_view name) const {
  if (!usable_ || !IsPlainElementName(name)) return std::nullopt;
  std::vector<uint32_t> found;
  for (size_t index = 0; index < elements_.size(); ++index) {
    if (HasName(elements_[index], name)) found.push_back(static_cast<uint32_t>(index));
  }
  return found;
}

std::optional<std::vector<uint32_t>> XmlTree::AlongPath(
    const std::vector<std::wstring_view>& steps) const {
  std::vector<uint32_t> found;
  for (size_t index = 0; index < elements_.size(); ++index) {
    int32_t element = static_cast<int32_t>(index);
    size_t step = steps.size();
    while (step > 0 && element >= 0 &&
           HasName(elements_[static_cast<size_t>(element)], steps[step - 1])) {
      element = elements_[static_cast<size_t>(element)].parent;
      --step;
    }
    if (step == 0 && element < 0) found.push_back(static_cast<uint32_t>(index));
  }
  return found;
}

std::optional<std::wstring_view> XmlTree::PlainText(uint32_t index) const {
  if (!usable_ || index >= elements_.size()) return std::nullopt;
  const Element& element = elements_[index];
  if (element.markupInside) return std::nullopt;
  const std::wstring_view text(text_.data() + element.textStart, element.textLength);
  if (text.empty()) return text;
  // Whitespace at either end may be trimmed by the parser's text property, and line ends and
  // tabs normalised: such texts are read from the parser's own nodes.
  if (std::iswspace(text.front()) || std::iswspace(text.back()) || text.front() == 0x3000 ||
      text.back() == 0x3000 || text.front() == 0xA0 || text.back() == 0xA0) {
    return std::nullopt;
  }
  for (size_t k = 0; k < text.size(); ++k) {
    const wchar_t c = text[k];
    if (c == L'\t' || c == L'\r' || c == L'\n') return std::nullopt;
    if (c == L' ' && k + 1 < text.size() && text[k + 1] == L' ') return std::nullopt;
  }
  return text;
}

}  // namespace quavlet::musiclist
