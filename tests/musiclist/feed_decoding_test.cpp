#include "musiclist/FeedDecoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace quavlet::musiclist {
namespace {

TEST(DecodeAddress, ReplacesEachOfItsFiveReferences) {
  EXPECT_EQ(DecodeAddress(L"http&#58;//a&#46;b/c&#95;d&#45;e&#37;20f"), L"http://a.b/c_d-e%20f");
  EXPECT_EQ(DecodeAddress(L"&#58;&#58;&#58;"), L":::");
}

TEST(DecodeAddress, KeepsSpaceApostropheAndEveryOtherReference) {
  EXPECT_EQ(DecodeAddress(L"a&#32;b&#39;c"), L"a&#32;b&#39;c");
  EXPECT_EQ(DecodeAddress(L"a&#47;b"), L"a&#47;b");
  EXPECT_EQ(DecodeAddress(L"&#x3A;&#058;&#58"), L"&#x3A;&#058;&#58");
}

TEST(DecodeName, AlsoReplacesSpaceAndApostrophe) {
  EXPECT_EQ(DecodeName(L"Don&#39;t&#32;Stop"), L"Don't Stop");
  EXPECT_EQ(DecodeName(L"A&#58;B&#46;C&#95;D&#45;E&#37;"), L"A:B.C_D-E%");
  EXPECT_EQ(DecodeName(L"AC&#47;DC"), L"AC&#47;DC");
}

TEST(DecodeName, LeavesOtherTextAlone) {
  EXPECT_EQ(DecodeName(L""), L"");
  EXPECT_EQ(DecodeName(L"周杰伦"), L"周杰伦");
  EXPECT_EQ(DecodeName(L"&&#32;&"), L"& &");
  EXPECT_EQ(DecodeName(L"&#3&#32;2;"), L"&#3 2;");
}

TEST(DecodeName, MatchesCaseSensitivelyAndWithoutOverlap) {
  // "&#5&#58;8;" holds one reference; decoding it must not form another.
  EXPECT_EQ(DecodeName(L"&#5&#58;8;"), L"&#5:8;");
  EXPECT_EQ(DecodeName(L"&#58;58;"), L":58;");
}

// Replaces each reference in turn, as the table lists them, over the whole text.
std::wstring ReplaceAll(std::wstring text, const std::wstring& from, const std::wstring& to) {
  std::wstring result;
  size_t position = 0;
  for (size_t found; (found = text.find(from, position)) != std::wstring::npos;
       position = found + from.size()) {
    result += text.substr(position, found - position) + to;
  }
  return result + text.substr(position);
}

const std::vector<std::pair<std::wstring, std::wstring>> kSteps = {
    {L"&#58;", L":"}, {L"&#46;", L"."}, {L"&#95;", L"_"}, {L"&#45;", L"-"},
    {L"&#37;", L"%"}, {L"&#32;", L" "}, {L"&#39;", L"'"},
};

std::wstring ModelDecode(std::wstring text, size_t stepCount) {
  for (size_t step = 0; step < stepCount; ++step) {
    text = ReplaceAll(text, kSteps[step].first, kSteps[step].second);
  }
  return text;
}

TEST(FeedDecoding, AgreesWithStepByStepReplacementOnRandomTexts) {
  const std::vector<std::wstring> pieces = {
      L"&", L"#", L";", L"5", L"8", L"4", L"6", L"9", L"3", L"7", L"2", L"x", L"中",
      L"&#58;", L"&#46;", L"&#95;", L"&#45;", L"&#37;", L"&#32;", L"&#39;", L"&#47;", L"&#"};
  std::mt19937 random(7);
  std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 16);
  for (int round = 0; round < 50000; ++round) {
    std::wstring text;
    for (int n = length(random); n > 0; --n) text += pieces[pick(random)];
    ASSERT_EQ(DecodeAddress(text), ModelDecode(text, 5)) << std::string(text.begin(), text.end());
    ASSERT_EQ(DecodeName(text), ModelDecode(text, 7)) << std::string(text.begin(), text.end());
  }
}

}  // namespace
}  // namespace quavlet::musiclist
