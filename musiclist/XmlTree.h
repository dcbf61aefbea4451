#pragma once

// A light index of a document the XML parser has already accepted: its elements (name, parent)
// and their character data, so that the texts of tens of thousands of elements are read
// without a COM object per node. It answers only what it can answer exactly like the parser's
// own document: simple element paths, elements by plain name, and texts that are a single run
// of character data the parser would not trim or normalise. Everything else is left to the
// parser's document (nullopt).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quavlet::musiclist {

class XmlTree {
 public:
  // Indexes the text of a well-formed document without a document type declaration. A text
  // the index does not understand (a declaration, an entity other than the predefined ones,
  // mismatched tags) gives an empty index that answers nothing (Usable() false).
  explicit XmlTree(std::wstring text);

  bool Usable() const { return usable_; }

  // Elements, in document order, reached by an absolute path of plain names ("/a/b/c") or
  // named anywhere ("//c"); nullopt for any other pattern or an unusable index.
  std::optional<std::vector<uint32_t>> Select(std::wstring_view pattern) const;
  // Every element of a plain name, in document order; nullopt when not answerable.
  std::optional<std::vector<uint32_t>> ElementsNamed(std::wstring_view name) const;

  // The element's text when it is one run of character data with nothing the parser's text
  // property could trim or join differently; nullopt otherwise.
  std::optional<std::wstring_view> PlainText(uint32_t element) const;

 private:
  struct Element {
    uint32_t nameStart;
    uint32_t nameLength;
    int32_t parent;  // -1 for the document element
    // The element's character data, decoded in place in the text, when it is one run.
    uint32_t textStart;
    uint32_t textLength;
    bool markupInside;  // a child element, comment, processing instruction or CDATA section
  };

  bool Index();
  std::wstring_view NameOf(const Element& element) const;
  bool HasName(const Element& element, std::wstring_view name) const;
  std::optional<std::vector<uint32_t>> AlongPath(const std::vector<std::wstring_view>& steps) const;

  // The document; its character data is rewritten in place with references resolved.
  std::wstring text_;
  std::vector<Element> elements_;
  bool usable_ = false;
};

// Whether a name is a plain element name: no prefix, nothing a path would read as an operator.
bool IsPlainElementName(std::wstring_view name);

}  // namespace quavlet::musiclist
