// The index of an accepted reply: what it finds, what it reads, and what it leaves to the parser.

#include "musiclist/XmlTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quavlet::musiclist {
namespace {

using Texts = std::vector<std::optional<std::wstring>>;

Texts TextsOf(const XmlTree& tree, const std::optional<std::vector<uint32_t>>& elements) {
  Texts texts;
  if (!elements) return texts;
  for (uint32_t element : *elements) {
    const auto text = tree.PlainText(element);
    texts.push_back(text ? std::optional<std::wstring>(*text) : std::nullopt);
  }
  return texts;
}

TEST(XmlTree, FindsElementsByPathAndByNameInDocumentOrder) {
  const XmlTree tree(
      L"<q><list><m><url>a</url></m><x><url>off</url></x><m><url>b</url><url/></m></list>"
      L"<url>last</url></q>");
  ASSERT_TRUE(tree.Usable());
  EXPECT_EQ(TextsOf(tree, tree.Select(L"/q/list/m/url")), (Texts{L"a", L"b", L""}));
  EXPECT_EQ(TextsOf(tree, tree.ElementsNamed(L"url")), (Texts{L"a", L"off", L"b", L"", L"last"}));
  EXPECT_EQ(TextsOf(tree, tree.Select(L"//url")), TextsOf(tree, tree.ElementsNamed(L"url")));
  EXPECT_EQ(tree.Select(L"/q/list/url")->size(), 0u);
  EXPECT_EQ(tree.Select(L"/list/m/url")->size(), 0u);  // paths start at the document element
  EXPECT_EQ(tree.Select(L"/q")->size(), 1u);
}

TEST(XmlTree, LeavesAnyOtherPatternOrNameToTheParser) {
  const XmlTree tree(L"<q><a>x</a></q>");
  for (const wchar_t* pattern : {L"q/a", L"/q/*", L"/q//a", L"//q/a", L"/q/a[1]", L"/q/a/text()",
                                 L"/q/p:a", L"", L"/", L"/q/", L"//"}) {
    EXPECT_FALSE(tree.Select(pattern)) << pattern;
  }
  for (const wchar_t* name : {L"*", L"p:a", L"", L"1a", L"歌"}) {
    EXPECT_FALSE(tree.ElementsNamed(name)) << name;
  }
}

TEST(XmlTree, ReadsTextWithItsReferencesResolved) {
  const XmlTree tree(
      L"<q><t>a&amp;#58;b</t><t>&lt;&gt;&amp;&apos;&quot;</t><t>&#65;&#x42;&#X43;</t>"
      L"<t>&#x1F600;</t><t>http&amp;#58;//h&amp;#46;x/s;</t></q>");
  // "&#X43;" is not a reference the parser accepts either: the index refuses the document.
  EXPECT_FALSE(tree.Usable());

  const XmlTree good(
      L"<q><t>a&amp;#58;b</t><t>&lt;&gt;&amp;&apos;&quot;</t><t>&#65;&#x42;</t>"
      L"<t>&#x1F600;</t><t>http&amp;#58;//h&amp;#46;x/s;</t></q>");
  ASSERT_TRUE(good.Usable());
  EXPECT_EQ(TextsOf(good, good.Select(L"//t")),
            (Texts{L"a&#58;b", L"<>&'\"", L"AB", L"\xD83D\xDE00", L"http&#58;//h&#46;x/s;"}));
}

TEST(XmlTree, LeavesTextsThatTheParserMightTrimOrJoinToIt) {
  const XmlTree tree(
      L"<q><t> lead</t><t>trail </t><t>two  spaces</t><t>tab\there</t><t>line\nend</t>"
      L"<t>&#32;ref</t><t>a<!-- c -->b</t><t><![CDATA[x]]></t><t>a<?p x?></t><t>a<b/>c</t>"
      L"<t>one space</t><t>\x3000wide</t></q>");
  ASSERT_TRUE(tree.Usable());
  EXPECT_EQ(TextsOf(tree, tree.Select(L"//t")),
            (Texts{std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                   std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                   L"one space", std::nullopt}));
  // The element holding markup is left alone, not the elements around or inside it.
  EXPECT_EQ(TextsOf(tree, tree.Select(L"/q/t/b")), (Texts{L""}));
}

TEST(XmlTree, SkipsAttributesEvenWithMarkupCharactersInTheirValues) {
  const XmlTree tree(
      L"<q a='x>y' b=\"/>\"><t c=\"'\" d='\"'>v</t><e x=\"1\"/><t\n  k='v'\n>w</t ></q>");
  ASSERT_TRUE(tree.Usable());
  EXPECT_EQ(TextsOf(tree, tree.Select(L"/q/t")), (Texts{L"v", L"w"}));
  EXPECT_EQ(tree.Select(L"/q/e")->size(), 1u);
}

TEST(XmlTree, AnswersNothingForTextsItDoesNotUnderstand) {
  for (const wchar_t* text :
       {L"", L"text only", L"<!DOCTYPE q><q/>", L"<q>&ent;</q>", L"<q>&#0;</q>",
        L"<q>&#xD800;</q>", L"<q>&#1114112;</q>", L"<q>&amp</q>", L"<q><a></q></a>",
        L"<q></r>", L"<q>", L"<q/><r/>", L"</q>", L"<q a='1>", L"<q><![CDATA[x</q>",
        L"<q><!-- x</q>", L"<q><?p</q>", L"<q><</q>"}) {
    const XmlTree tree{std::wstring(text)};
    EXPECT_FALSE(tree.Usable()) << text;
    EXPECT_FALSE(tree.Select(L"//q")) << text;
    EXPECT_FALSE(tree.PlainText(0)) << text;
  }
}

TEST(XmlTree, AcceptsWhatMaySurroundTheDocumentElement) {
  const XmlTree tree(L"\n<!-- before --><?pi x?>\n<q>v</q>\n<!-- after -->\n");
  ASSERT_TRUE(tree.Usable());
  EXPECT_EQ(TextsOf(tree, tree.Select(L"/q")), (Texts{L"v"}));
}

}  // namespace
}  // namespace quavlet::musiclist
