#include "musiclist/XmlDocument.h"

#include <algorithm>
#include <future>
#include <new>
#include <system_error>

#include "musiclist/HttpFetch.h"
#include "musiclist/ReplyDecoding.h"
#include "musiclist/ReplyText.h"
#include "musiclist/XmlSelection.h"
#include "runtime/ComHandles.h"

using Microsoft::WRL::ComPtr;

namespace quavlet::musiclist {
namespace {

// The headers of this toolchain declare these identifiers without defining them.
// "Msxml2.DOMDocument", the version-independent MSXML 3 document.
constexpr CLSID kDomDocumentClass = {
    0xF6D90F11, 0x9C73, 0x11D3, {0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4}};
constexpr IID kDomDocument2Interface = {
    0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

VARIANT_BOOL AsVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

VARIANT BooleanVariant(bool value) {
  VARIANT variant;
  VariantInit(&variant);
  variant.vt = VT_BOOL;
  variant.boolVal = AsVariantBool(value);
  return variant;
}

void SetStringProperty(IXMLDOMDocument2& document, const wchar_t* name, const wchar_t* value) {
  const runtime::Bstr property(name);
  const runtime::Bstr text(value);
  VARIANT variant;
  VariantInit(&variant);
  variant.vt = VT_BSTR;
  variant.bstrVal = text.get();
  document.setProperty(property.get(), variant);
}

}  // namespace

std::wstring XmlNode::Text() const {
  if (selection_) return selection_->Text(index_);
  runtime::Bstr text;
  if (!node_ || FAILED(node_->get_text(text.receive()))) return std::wstring();
  return text.str();
}

long XmlNodeList::Length() const {
  if (selection_) return selection_->Length();
  long length = 0;
  if (!list_ || FAILED(list_->get_length(&length))) return 0;
  return length;
}

XmlNode XmlNodeList::Item(long index) const {
  if (selection_) return XmlNode(selection_, index);
  ComPtr<IXMLDOMNode> node;
  if (list_) list_->get_item(index, &node);
  return XmlNode(std::move(node));
}

void XmlNodeList::VisitTexts(long count,
                             const std::function<void(std::wstring_view)>& visit) const {
  if (selection_) {
    selection_->VisitTexts(count, visit);
    return;
  }
  count = std::min(count, Length());
  for (long index = 0; index < count; ++index) visit(Item(index).Text());
}

std::unique_ptr<XmlDocument> XmlDocument::Create() {
  ComPtr<IXMLDOMDocument2> document;
  if (FAILED(CoCreateInstance(kDomDocumentClass, nullptr, CLSCTX_INPROC_SERVER,
                              kDomDocument2Interface,
                              reinterpret_cast<void**>(document.GetAddressOf())))) {
    return nullptr;
  }
  return std::make_unique<XmlDocument>(std::move(document));
}

XmlDocument::XmlDocument(ComPtr<IXMLDOMDocument2> document) : document_(std::move(document)) {
  // Windows' MSXML processes DTDs and resolves external references unless told otherwise;
  // Wine's ignores ProhibitDTD, which is why Load refuses a DTD before parsing as well.
  const runtime::Bstr prohibitDtd(L"ProhibitDTD");
  document_->setProperty(prohibitDtd.get(), BooleanVariant(true));
  document_->put_resolveExternals(VARIANT_FALSE);
}

void XmlDocument::SetAsync(bool async) { document_->put_async(AsVariantBool(async)); }

void XmlDocument::SetValidateOnParse(bool validate) {
  document_->put_validateOnParse(AsVariantBool(validate));
}

bool XmlDocument::Load(std::wstring_view address, FetchCancellation* cancellation) {
  try {
    if (const auto bytes = FetchHttp(address, cancellation)) return LoadReply(*bytes);
  } catch (const std::bad_alloc&) {
    // No memory for the fetch itself: a failed load like any other.
  }
  Empty();
  return false;
}

bool XmlDocument::LoadReply(std::string_view bytes) {
  try {
    if (auto text = DecodeReply(bytes); text && !CarriesDocumentType(*text)) {
      // The text is already decoded: a declaration naming the bytes' encoding must not reach
      // the parser, whose own library may not know that encoding (GB2312 under Wine).
      const size_t start = DocumentStart(*text);
      return Parse(std::move(*text), start);
    }
  } catch (const std::bad_alloc&) {
    // A reply is held several times over while it loads; running out of memory anywhere in
    // decoding, parsing or indexing it is a failed load, never an end of the program.
  }
  Empty();
  return false;
}

bool XmlDocument::Parse(std::wstring text, size_t start) {
  text.erase(0, start);
  const runtime::Bstr source(text);
  // The parser would read a string that could not be made as an empty document.
  if (!text.empty() && !source.get()) throw std::bad_alloc();
  // With namespaces, names and paths mean more than the index knows.
  usesNamespaces_ = text.find(L"xmlns") != std::wstring::npos;
  // The index is made from the same text while the parser reads it, on another thread: on a
  // machine with a second core it costs the query nothing.
  std::future<std::shared_ptr<XmlTree>> indexing;
  if (!usesNamespaces_ && !text.empty()) indexing = StartIndexing(std::move(text));
  VARIANT_BOOL parsed = VARIANT_FALSE;
  document_->loadXML(source.get(), &parsed);
  ++*generation_;
  tree_ = indexing.valid() ? indexing.get() : nullptr;
  if (parsed != VARIANT_TRUE || (tree_ && !tree_->Usable())) tree_.reset();
  selectedPattern_.clear();
  selection_ = XmlNodeList();
  SetStringProperty(*document_.Get(), L"SelectionLanguage",
                    usesNamespaces_ ? L"XSLPattern" : L"XPath");
  return parsed == VARIANT_TRUE;
}

void XmlDocument::Empty() {
  // A failed parse leaves the document empty, as a failed load of the platform's own does.
  Parse(std::wstring(), 0);
}

std::future<std::shared_ptr<XmlTree>> XmlDocument::StartIndexing(std::wstring text) {
  const auto index = [](std::wstring document) -> std::shared_ptr<XmlTree> {
    try {
      return std::make_shared<XmlTree>(std::move(document));
    } catch (const std::bad_alloc&) {
      return nullptr;  // the parser's own nodes answer instead
    }
  };
  try {
    // Held apart from the task, so the text is still here if no thread can be had.
    const auto document = std::make_shared<std::wstring>(std::move(text));
    try {
      return std::async(std::launch::async,
                        [document, index] { return index(std::move(*document)); });
    } catch (const std::system_error&) {
      std::promise<std::shared_ptr<XmlTree>> done;
      done.set_value(index(std::move(*document)));
      return done.get_future();
    }
  } catch (const std::bad_alloc&) {
    return {};  // no index: the parser's own nodes answer
  }
}

XmlNodeList XmlDocument::FromTree(std::vector<uint32_t> elements, std::wstring_view query,
                                  bool byName) const {
  return XmlNodeList(std::make_shared<const XmlSelection>(
      tree_, std::move(elements), document_, std::wstring(query), byName, generation_));
}

XmlNodeList XmlDocument::SelectNodes(std::wstring_view pattern) const {
  if (!selectedPattern_.empty() && pattern == selectedPattern_) return selection_;
  if (tree_) {
    if (auto elements = tree_->Select(pattern)) {
      selectedPattern_ = pattern;
      selection_ = FromTree(std::move(*elements), pattern, false);
      return selection_;
    }
  }
  const runtime::Bstr query(pattern);
  ComPtr<IXMLDOMNodeList> list;
  if (FAILED(document_->selectNodes(query.get(), &list))) return XmlNodeList();
  selectedPattern_ = pattern;
  selection_ = XmlNodeList(std::move(list));
  return selection_;
}

XmlNodeList XmlDocument::GetElementsByTagName(std::wstring_view name) const {
  if (tree_) {
    if (auto elements = tree_->ElementsNamed(name)) {
      return FromTree(std::move(*elements), name, true);
    }
  }
  if (!usesNamespaces_ && IsPlainElementName(name)) {
    // Every element of that name anywhere, in document order, as the platform's own member.
    return SelectNodes(L"//" + std::wstring(name));
  }
  const runtime::Bstr tag(name);
  ComPtr<IXMLDOMNodeList> list;
  if (FAILED(document_->getElementsByTagName(tag.get(), &list))) return XmlNodeList();
  return XmlNodeList(std::move(list));
}

}  // namespace quavlet::musiclist
