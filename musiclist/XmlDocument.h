#pragma once

// The XML document object of the music list query: the platform's MSXML DOMDocument through
// COM, with the members the query uses (async, validateOnParse, load, selectNodes,
// getElementsByTagName; node lists with length and item; nodes with text).
//
// The reply is untrusted, so load fetches the bytes itself and hands the parser only a
// checked text: the declared encoding is decoded here (GB2312, GBK, GB18030, UTF-8, UTF-16,
// whatever the parser's own library supports), a reply carrying a document type declaration
// is refused, and the parser is told not to process DTDs or resolve external references.
//
// Selections by simple path or plain name are answered from an index of the accepted reply
// (XmlTree), made during the load: the parser's own node objects cost microseconds each, and
// a reply may hold a hundred thousand elements.

#include <msxml2.h>
#include <wrl/client.h>

#include <functional>
#include <future>
#include <memory>
#include <string>
#include <string_view>

#include "musiclist/XmlTree.h"

namespace quavlet::musiclist {

class XmlSelection;
class FetchCancellation;

class XmlNode {
 public:
  explicit XmlNode(Microsoft::WRL::ComPtr<IXMLDOMNode> node) : node_(std::move(node)) {}
  XmlNode(std::shared_ptr<const XmlSelection> selection, long index)
      : selection_(std::move(selection)), index_(index) {}
  // The element's text content; empty for a missing node.
  std::wstring Text() const;

 private:
  Microsoft::WRL::ComPtr<IXMLDOMNode> node_;
  // Or a node of a selection the document answered from its own index of the reply.
  std::shared_ptr<const XmlSelection> selection_;
  long index_ = 0;
};

class XmlNodeList {
 public:
  XmlNodeList() = default;
  explicit XmlNodeList(Microsoft::WRL::ComPtr<IXMLDOMNodeList> list) : list_(std::move(list)) {}
  explicit XmlNodeList(std::shared_ptr<const XmlSelection> selection)
      : selection_(std::move(selection)) {}
  // 0 for an empty or missing list.
  long Length() const;
  // Item index, 0 to Length() - 1.
  XmlNode Item(long index) const;
  // Hands the texts of the first count items (at most Length()) to visit, in order, each
  // living only for its call: what Item(i).Text() gives, without a string per item.
  void VisitTexts(long count, const std::function<void(std::wstring_view)>& visit) const;

 private:
  Microsoft::WRL::ComPtr<IXMLDOMNodeList> list_;
  std::shared_ptr<const XmlSelection> selection_;
};

class XmlDocument {
 public:
  // Empty when the platform's XML library is not available.
  static std::unique_ptr<XmlDocument> Create();
  explicit XmlDocument(Microsoft::WRL::ComPtr<IXMLDOMDocument2> document);

  void SetAsync(bool async);
  void SetValidateOnParse(bool validate);
  // Fetches the address and parses the reply; true when a document was obtained. False for a
  // failed fetch, an HTTP error, a truncated or late reply, an unknown encoding, a document
  // type declaration, a reply that is not well-formed or too large for the memory left; the
  // document is then empty. Never throws. Blocks the calling thread until the reply is in, at
  // most about the reply deadline; another thread may give it up through the cancellation.
  bool Load(std::wstring_view address, FetchCancellation* cancellation = nullptr);
  // Parses a reply already fetched, as Load does after fetching.
  bool LoadReply(std::string_view bytes);

  XmlNodeList SelectNodes(std::wstring_view pattern) const;
  XmlNodeList GetElementsByTagName(std::wstring_view name) const;

 private:
  bool Parse(std::wstring text, size_t start);
  void Empty();
  static std::future<std::shared_ptr<XmlTree>> StartIndexing(std::wstring text);
  // A selection the index answers; an empty list when it cannot.
  XmlNodeList FromTree(std::vector<uint32_t> elements, std::wstring_view query,
                       bool byName) const;

  Microsoft::WRL::ComPtr<IXMLDOMDocument2> document_;
  // The index of the reply the parser accepted; empty when it can't answer for it.
  std::shared_ptr<XmlTree> tree_;
  // Counts loads, so a selection made from the index knows whether the parser's document
  // still holds the nodes it stands for.
  std::shared_ptr<long> generation_ = std::make_shared<long>(0);
  // Whether the document declares namespaces; without them, simple paths mean the same in
  // XPath as in the platform's default pattern language, and a tag name is a plain name test,
  // which the platform's library answers many times faster.
  bool usesNamespaces_ = false;
  // The last selection: the document does not change between loads, so asking again for the
  // same pattern gives the same nodes.
  mutable std::wstring selectedPattern_;
  mutable XmlNodeList selection_;
};

}  // namespace quavlet::musiclist
