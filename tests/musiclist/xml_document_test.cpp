#include "musiclist/XmlDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/musiclist/music_service.h"

namespace quavlet {
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
  ASSERT_TRUE(document->Load(test::RequestFor(L"12345")));
  EXPECT_EQ(document->SelectNodes(kSongPath).Length(), 8);
  EXPECT_EQ(Titles().at(0), L"清晨的鸟鸣");
  const std::wstring address = document->GetElementsByTagName(L"xsong_url").Item(0).Text();
  EXPECT_TRUE(address.starts_with(L"http&#58;//127&#46;0&#46;0&#46;1&#58;")) << address;
  EXPECT_TRUE(address.ends_with(L"/songs/morning&#95;birds&#46;wav;")) << address;
}

TEST_F(XmlDocumentTest, FailsForHttpErrorsTruncatedRepliesAndNoService) {
  ASSERT_TRUE(document->Load(test::RequestFor(L"12345")));
  EXPECT_FALSE(document->Load(test::RequestFor(L"60007")));  // HTTP 500 with a whole list
  EXPECT_EQ(document->SelectNodes(kSongPath).Length(), 0);
  EXPECT_FALSE(document->Load(test::RequestFor(L"60006")));  // closed before the announced end
  EXPECT_FALSE(document->Load(test::RequestFor(L"60002")));  // not well-formed
  EXPECT_FALSE(document->Load(test::RequestFor(L"60015")));  // unknown encoding
  EXPECT_FALSE(document->Load(test::RequestFor(L"60016")));  // empty body
  EXPECT_FALSE(document->Load(test::RequestFor(L"60010")));  // external entity
  EXPECT_FALSE(document->Load(L"http://127.0.0.1:1/fcg-bin/fcgi_agent_zhenghe.fcg?UIN=12345"));
}

TEST_F(XmlDocumentTest, WaitsForASlowReply) {
  const ULONGLONG start = GetTickCount64();
  ASSERT_TRUE(document->Load(test::RequestFor(L"60005")));
  EXPECT_GE(GetTickCount64() - start, 2500u);
  EXPECT_EQ(document->SelectNodes(kSongPath).Length(), 2);
}

}  // namespace
}  // namespace quavlet
