#include "musiclist/XmlSelection.h"

#include <algorithm>

#include "runtime/ComHandles.h"

using Microsoft::WRL::ComPtr;

namespace quavlet::musiclist {

XmlSelection::XmlSelection(std::shared_ptr<const XmlTree> tree, std::vector<uint32_t> elements,
                           ComPtr<IXMLDOMDocument2> document, std::wstring query, bool byName,
                           std::shared_ptr<const long> generation)
    : tree_(std::move(tree)),
      elements_(std::move(elements)),
      document_(std::move(document)),
      query_(std::move(query)),
      byName_(byName),
      generation_(std::move(generation)),
      loadedAt_(*generation_) {}

std::wstring XmlSelection::Text(long index) const {
  if (index < 0 || index >= Length()) return std::wstring();
  if (const auto text = tree_->PlainText(elements_[static_cast<size_t>(index)])) {
    return std::wstring(*text);
  }
  return ParserText(index);
}

void XmlSelection::VisitTexts(long count,
                              const std::function<void(std::wstring_view)>& visit) const {
  count = std::min(count, Length());
  for (long index = 0; index < count; ++index) {
    if (const auto text = tree_->PlainText(elements_[static_cast<size_t>(index)])) {
      visit(*text);
    } else {
      visit(ParserText(index));
    }
  }
}

std::wstring XmlSelection::ParserText(long index) const {
  // After another load the parser's document holds other nodes.
  if (*generation_ != loadedAt_) return std::wstring();
  if (!parserList_) {
    const runtime::Bstr query(query_);
    ComPtr<IXMLDOMNodeList> list;
    const HRESULT result = byName_ ? document_->getElementsByTagName(query.get(), &list)
                                   : document_->selectNodes(query.get(), &list);
    long length = 0;
    if (FAILED(result) || !list || FAILED(list->get_length(&length)) || length != Length()) {
      return std::wstring();
    }
    parserList_ = std::move(list);
  }
  ComPtr<IXMLDOMNode> node;
  runtime::Bstr text;
  if (FAILED(parserList_->get_item(index, &node)) || !node ||
      FAILED(node->get_text(text.receive()))) {
    return std::wstring();
  }
  return text.str();
}

}  // namespace quavlet::musiclist
