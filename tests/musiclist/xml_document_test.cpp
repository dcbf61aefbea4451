#include "musiclist/XmlDocument.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "musiclist/HttpFetch.h"

#include "runtime/ComHandles.h"

#include "tests/musiclist/music_service.h"

namespace quavlet::musiclist {
namespace {

constexpr wchar_t kSongPath[] = L"/qqmusic/minemusiclist/minemusic/xsong_url";

std::vector<std::wstring> Texts(const XmlNodeList& list) {
  std::vector<std::wstring> texts;
  for (long i = 0; i < list.Length(); ++i) texts.push_back(list.Item(i).Text());
  return texts;
}

// A one-song music list whose title is given as bytes in the declared encoding.
std::string OneSong(const std::string& declaration, const std::string& title) {
  return declaration + "<qqmusic><minemusiclist><minemusic><xsong_url>u;</xsong_url><xsong_name>" +
         title + "</xsong_name><xsinger_name>s</xsinger_name></minemusic></minemusiclist></qqmusic>";
}

class XmlDocumentTest : public testing::Test {
 protected:
  void SetUp() override {
    document = XmlDocument::Create();
    ASSERT_TRUE(document);
    document->SetAsync(false);
    document->SetValidateOnParse(false);
  }
  std::vector<std::wstring> Titles() const {
    return Texts(document->GetElementsByTagName(L"xsong_name"));
  }
  // Loads from the network on a thread of its own, as the program's query does (the window's
  // thread never waits on WinINet), while nothing else uses the document.
  bool Load(const std::wstring& address) {
    bool loaded = false;
    std::thread([&] { loaded = document->Load(address); }).join();
    return loaded;
  }
  std::unique_ptr<XmlDocument> document;
};

TEST_F(XmlDocumentTest, ReadsRepliesInEveryChineseEncodingAndUnicode) {
  // "清晨" in GB2312/GBK, "镕" only in GBK, "𠮷" only in GB18030 (four bytes).
  ASSERT_TRUE(document->LoadReply(OneSong("<?xml version=\"1.0\" encoding=\"GB2312\"?>",
                                          "\xC7\xE5\xB3\xBF")));
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"清晨"});
  ASSERT_TRUE(document->LoadReply(OneSong("<?xml version=\"1.0\" encoding=\"gbk\"?>", "\xE9\x46")));
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"镕"});
  ASSERT_TRUE(document->LoadReply(
      OneSong("<?xml version='1.0' encoding='GB18030'?>\r\n", "\x95\x32\x82\x36")));
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"\xD840\xDC00"});
  ASSERT_TRUE(document->LoadReply(
      OneSong("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "\xE6\xB8\x85\xE6\x99\xA8")));
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"清晨"});
  ASSERT_TRUE(document->LoadReply(OneSong("\xEF\xBB\xBF", "\xE6\xB8\x85")));
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"清"});
  ASSERT_TRUE(document->LoadReply(OneSong("", "plain")));
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"plain"});
}

TEST_F(XmlDocumentTest, ReadsUtf16WithAByteOrderMark) {
  const std::wstring text = L"<?xml version=\"1.0\" encoding=\"UTF-16\"?><a><xsong_name>清</xsong_name></a>";
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  ASSERT_TRUE(document->LoadReply(bytes));
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"清"});
}

TEST_F(XmlDocumentTest, RefusesUnknownEncodingsAndBytesInvalidInTheirEncoding) {
  EXPECT_FALSE(document->LoadReply(OneSong("<?xml version=\"1.0\" encoding=\"X-NONE\"?>", "a")));
  EXPECT_FALSE(document->LoadReply(OneSong("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "\xFF\xFE")));
}

TEST_F(XmlDocumentTest, RefusesEveryDocumentTypeDeclarationAndEmptiesTheDocument) {
  ASSERT_TRUE(document->LoadReply(OneSong("", "before")));
  const char* replies[] = {
      "<?xml version=\"1.0\"?><!DOCTYPE qqmusic [<!ENTITY s SYSTEM \"file:///C:/windows/win.ini\">]>"
      "<qqmusic><minemusiclist><minemusic><xsong_url>&s;</xsong_url></minemusic></minemusiclist>"
      "</qqmusic>",
      "<!DOCTYPE qqmusic [<!ENTITY a \"x\">]><qqmusic><minemusiclist><minemusic><xsong_url>&a;"
      "</xsong_url></minemusic></minemusiclist></qqmusic>",
      "<!DOCTYPE qqmusic SYSTEM \"file:///C:/windows/win.ini\"><qqmusic/>",
      "<!DOCTYPE qqmusic><qqmusic><minemusiclist><minemusic><xsong_url>u</xsong_url></minemusic>"
      "</minemusiclist></qqmusic>",
  };
  for (const char* reply : replies) {
    EXPECT_FALSE(document->LoadReply(reply)) << reply;
    EXPECT_EQ(document->SelectNodes(kSongPath).Length(), 0) << reply;
    EXPECT_EQ(document->GetElementsByTagName(L"xsong_url").Length(), 0) << reply;
  }
}

TEST_F(XmlDocumentTest, RefusesRepliesThatAreNotWellFormed) {
  EXPECT_FALSE(document->LoadReply("<qqmusic><minemusiclist></qqmusic>"));
  EXPECT_FALSE(document->LoadReply(""));
  EXPECT_FALSE(document->LoadReply("<qqmusic>&undeclared;</qqmusic>"));
}

TEST_F(XmlDocumentTest, SelectsTheExactPathButFindsTagsAnywhereInDocumentOrder) {
  ASSERT_TRUE(document->LoadReply(
      "<qqmusic><xsong_url>first</xsong_url><minemusiclist><minemusic><xsong_url>a</xsong_url>"
      "</minemusic><other><xsong_url>nested</xsong_url></other><minemusic><xsong_url>b"
      "</xsong_url></minemusic></minemusiclist></qqmusic>"));
  EXPECT_EQ(Texts(document->SelectNodes(kSongPath)), (std::vector<std::wstring>{L"a", L"b"}));
  EXPECT_EQ(Texts(document->GetElementsByTagName(L"xsong_url")),
            (std::vector<std::wstring>{L"first", L"a", L"nested", L"b"}));
}

TEST_F(XmlDocumentTest, FindsTagsByTheirWrittenNameInDocumentsWithNamespaces) {
  ASSERT_TRUE(document->LoadReply(
      "<qqmusic xmlns=\"urn:music\"><minemusiclist><minemusic><xsong_url>a</xsong_url>"
      "</minemusic></minemusiclist></qqmusic>"));
  EXPECT_EQ(Texts(document->GetElementsByTagName(L"xsong_url")), std::vector<std::wstring>{L"a"});
}

TEST_F(XmlDocumentTest, ReadsTheServicesReferencesAsPlainText) {
  ASSERT_TRUE(document->LoadReply(
      "<a><xsong_name>Don&amp;#39;t &lt;1&gt; <![CDATA[&#32;]]></xsong_name></a>"));
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"Don&#39;t <1> &#32;"});
}

TEST_F(XmlDocumentTest, LoadsAUsersListFromTheService) {
  ASSERT_TRUE(Load(test::RequestFor(L"12345")));
  EXPECT_EQ(document->SelectNodes(kSongPath).Length(), 8);
  EXPECT_EQ(Titles().at(0), L"清晨的鸟鸣");
  const std::wstring address = document->GetElementsByTagName(L"xsong_url").Item(0).Text();
  EXPECT_TRUE(address.starts_with(L"http&#58;//127&#46;0&#46;0&#46;1&#58;")) << address;
  EXPECT_TRUE(address.ends_with(L"/songs/morning&#95;birds&#46;wav;")) << address;
}

TEST_F(XmlDocumentTest, FailsForHttpErrorsTruncatedRepliesAndNoService) {
  ASSERT_TRUE(Load(test::RequestFor(L"12345")));
  EXPECT_FALSE(Load(test::RequestFor(L"60007")));  // HTTP 500 with a whole list
  EXPECT_EQ(document->SelectNodes(kSongPath).Length(), 0);
  EXPECT_FALSE(Load(test::RequestFor(L"60006")));  // closed before the announced end
  EXPECT_FALSE(Load(test::RequestFor(L"60002")));  // not well-formed
  EXPECT_FALSE(Load(test::RequestFor(L"60015")));  // unknown encoding
  EXPECT_FALSE(Load(test::RequestFor(L"60016")));  // empty body
  EXPECT_FALSE(Load(test::RequestFor(L"60010")));  // external entity
  EXPECT_FALSE(Load(L"http://127.0.0.1:1/fcg-bin/fcgi_agent_zhenghe.fcg?UIN=12345"));
}

TEST_F(XmlDocumentTest, WaitsForASlowReply) {
  const ULONGLONG start = GetTickCount64();
  ASSERT_TRUE(Load(test::RequestFor(L"60005")));
  EXPECT_GE(GetTickCount64() - start, 2500u);
  EXPECT_EQ(document->SelectNodes(kSongPath).Length(), 2);
}

// A reply sent one byte a second: the fetch reads what has come in and gives up at its
// deadline, or as soon as another thread cancels it, instead of waiting for minutes.
TEST(HttpFetchTest, ATricklingReplyEndsAtTheDeadlineOrWhenCancelled) {
  const ULONGLONG start = GetTickCount64();
  std::optional<std::string> shortened{"unchanged"};
  std::thread([&] { shortened = FetchHttp(test::RequestFor(L"60017"), std::chrono::seconds(1)); }).join();
  EXPECT_FALSE(shortened);
  EXPECT_GE(GetTickCount64() - start, 1000u);

  FetchCancellation cancellation;
  std::atomic<bool> ended{false};
  std::optional<std::string> body{"unchanged"};
  std::thread fetcher([&] {
    body = FetchHttp(test::RequestFor(L"60017"), std::chrono::seconds(60), &cancellation);
    ended = true;
  });
  Sleep(1500);
  EXPECT_FALSE(ended);
  cancellation.Cancel();
  // Well before its own deadline.
  for (int tenth = 0; tenth < 200 && !ended; ++tenth) Sleep(100);
  EXPECT_TRUE(ended);
  fetcher.join();
  EXPECT_FALSE(body);
  EXPECT_TRUE(cancellation.Cancelled());
}

// The parser's own document, for comparison with what the document object reads.
class ParserDocument {
 public:
  ParserDocument() {
    constexpr CLSID kDomDocumentClass = {
        0xF6D90F11, 0x9C73, 0x11D3, {0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4}};
    constexpr IID kDomDocument2Interface = {
        0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
    CoCreateInstance(kDomDocumentClass, nullptr, CLSCTX_INPROC_SERVER, kDomDocument2Interface,
                     reinterpret_cast<void**>(document_.GetAddressOf()));
  }
  bool Parse(const std::wstring& text) {
    if (!document_) return false;
    const runtime::Bstr source(text);
    VARIANT_BOOL parsed = VARIANT_FALSE;
    document_->loadXML(source.get(), &parsed);
    const runtime::Bstr name(L"SelectionLanguage");
    const runtime::Bstr xpath(L"XPath");
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = xpath.get();
    document_->setProperty(name.get(), value);
    return parsed == VARIANT_TRUE;
  }
  std::vector<std::wstring> ByName(const std::wstring& name) const {
    const runtime::Bstr tag(name);
    Microsoft::WRL::ComPtr<IXMLDOMNodeList> list;
    document_->getElementsByTagName(tag.get(), &list);
    return Texts(XmlNodeList(list));
  }
  std::vector<std::wstring> AtPath(const std::wstring& path) const {
    const runtime::Bstr query(path);
    Microsoft::WRL::ComPtr<IXMLDOMNodeList> list;
    document_->selectNodes(query.get(), &list);
    return Texts(XmlNodeList(list));
  }

 private:
  Microsoft::WRL::ComPtr<IXMLDOMDocument2> document_;
};

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

// Random well-formed documents with the content that makes reading texts tricky: whitespace
// at the ends and inside, line ends, references, CDATA, comments and nested elements.
class DocumentMaker {
 public:
  explicit DocumentMaker(unsigned seed) : random_(seed) {}
  std::wstring Make() { return L"<r>" + Content(0) + L"</r>"; }

 private:
  std::wstring Content(int depth) {
    static const wchar_t* const kPieces[] = {
        L"word", L"清晨", L" ", L"  ", L"\t", L"\r\n", L"\n", L"&amp;", L"&lt;", L"&#32;",
        L"&#x4E2D;", L"&amp;#58;", L"<![CDATA[ c ]]>", L"<!-- note -->", L"x y", L"\x3000",
        L"\xA0", L"&#10;", L"&#13;", L"&#9;"};
    std::wstring content;
    const int parts = Pick(5);
    for (int part = 0; part < parts; ++part) {
      if (depth < 3 && Pick(3) == 0) {
        static const wchar_t* const kNames[] = {L"a", L"b", L"t"};
        const std::wstring name = kNames[Pick(3)];
        content += Pick(6) == 0 ? L"<" + name + L"/>"
                                : L"<" + name + L">" + Content(depth + 1) + L"</" + name + L">";
      } else {
        content += kPieces[Pick(static_cast<int>(std::size(kPieces)))];
      }
    }
    return content;
  }
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  std::mt19937 random_;
};

TEST_F(XmlDocumentTest, ReadsEveryTextExactlyAsTheParsersOwnNodesGiveIt) {
  ParserDocument parser;
  DocumentMaker maker(20261207);
  int compared = 0;
  for (int round = 0; round < 400; ++round) {
    const std::wstring text = maker.Make();
    if (!parser.Parse(text)) continue;
    ASSERT_TRUE(document->LoadReply(Utf8(text))) << Utf8(text);
    for (const wchar_t* name : {L"r", L"a", L"b", L"t"}) {
      EXPECT_EQ(Texts(document->GetElementsByTagName(name)), parser.ByName(name)) << Utf8(text);
    }
    for (const wchar_t* path : {L"/r", L"/r/a", L"/r/t", L"/r/a/t", L"/r/b/a/t", L"//t"}) {
      EXPECT_EQ(Texts(document->SelectNodes(path)), parser.AtPath(path)) << Utf8(text);
    }
    ++compared;
  }
  EXPECT_GT(compared, 300);
}

TEST_F(XmlDocumentTest, ListsOfAnEarlierReplyKeepTheirTexts) {
  ASSERT_TRUE(document->LoadReply(OneSong("", "first")));
  const XmlNodeList earlier = document->GetElementsByTagName(L"xsong_name");
  ASSERT_TRUE(document->LoadReply(OneSong("", "second")));
  EXPECT_EQ(Texts(earlier), std::vector<std::wstring>{L"first"});
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"second"});
}

}  // namespace
}  // namespace quavlet::musiclist
