#pragma once

// A selection the XML document object answered from its own index of the reply (XmlTree).
// A text the index can't give exactly as the parser would is read from the parser's node at
// the same position, so every text is the one the parser's own node list would give.

#include <msxml2.h>
#include <wrl/client.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "musiclist/XmlTree.h"

namespace quavlet::musiclist {

class XmlSelection {
 public:
  // elements: the index's answer to query, which the parser's document answers with
  // getElementsByTagName (byName) or selectNodes. generation counts the document's loads.
  XmlSelection(std::shared_ptr<const XmlTree> tree, std::vector<uint32_t> elements,
               Microsoft::WRL::ComPtr<IXMLDOMDocument2> document, std::wstring query,
               bool byName, std::shared_ptr<const long> generation);

  long Length() const { return static_cast<long>(elements_.size()); }
  // Empty for an index out of range.
  std::wstring Text(long index) const;
  void VisitTexts(long count, const std::function<void(std::wstring_view)>& visit) const;

 private:
  std::wstring ParserText(long index) const;

  std::shared_ptr<const XmlTree> tree_;
  std::vector<uint32_t> elements_;
  Microsoft::WRL::ComPtr<IXMLDOMDocument2> document_;
  std::wstring query_;
  bool byName_;
  std::shared_ptr<const long> generation_;
  long loadedAt_;
  mutable Microsoft::WRL::ComPtr<IXMLDOMNodeList> parserList_;
};

}  // namespace quavlet::musiclist
