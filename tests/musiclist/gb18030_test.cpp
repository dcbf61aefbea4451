#include "musiclist/Gb18030.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quavlet::musiclist {
namespace {

// Stands in for code page 936: ASCII as itself, each two-byte character as one private-use
// character carrying its bytes; records the runs it was handed.
class FakeGbk {
 public:
  std::optional<std::wstring> operator()(std::string_view run) {
    runs.emplace_back(run);
    std::wstring text;
    for (size_t i = 0; i < run.size(); ++i) {
      const auto byte = static_cast<unsigned char>(run[i]);
      if (byte < 0x80) {
        text += static_cast<wchar_t>(byte);
        continue;
      }
      if (i + 1 >= run.size()) return std::nullopt;
      text += static_cast<wchar_t>(0xE000 + ((byte & 0x0F) << 8) +
                                   static_cast<unsigned char>(run[++i]));
    }
    return text;
  }
  std::vector<std::string> runs;
};

std::optional<std::wstring> Decode(std::string_view bytes, FakeGbk& gbk) {
  return DecodeGb18030(bytes, [&gbk](std::string_view run) { return gbk(run); });
}

std::optional<std::wstring> Decode(std::string_view bytes) {
  FakeGbk gbk;
  return Decode(bytes, gbk);
}

TEST(Gb18030, DecodesFourByteSequencesInTheBasicPlane) {
  EXPECT_EQ(Decode("\x81\x30\x81\x30"), std::wstring(1, L'\x0080'));
  EXPECT_EQ(Decode("\x81\x30\x84\x36"), L"\x00A5");
  EXPECT_EQ(Decode("\x81\x30\x89\x39"), L"\x00E2");
  EXPECT_EQ(Decode("\x81\x30\xD3\x30"), L"\x0452");
  EXPECT_EQ(Decode("\x82\x35\x8F\x33"), L"\x9FA6");
  EXPECT_EQ(Decode("\x84\x31\xA4\x39"), L"\xFFFF");
}

TEST(Gb18030, DecodesSupplementaryCharactersAsSurrogatePairs) {
  EXPECT_EQ(Decode("\x90\x30\x81\x30"), L"\xD800\xDC00");
  EXPECT_EQ(Decode("\x95\x32\x82\x36"), L"\xD840\xDC00");
  EXPECT_EQ(Decode("\xE3\x32\x9A\x35"), L"\xDBFF\xDFFF");
}

TEST(Gb18030, HandsOneAndTwoByteRunsToTheGbkDecoder) {
  FakeGbk gbk;
  EXPECT_EQ(Decode("ab\xC7\xE5" "\x81\x30\x84\x36" "\xB3\xBF" "c", gbk),
            L"ab\xE7E5\x00A5\xE3BF" L"c");
  EXPECT_EQ(gbk.runs, (std::vector<std::string>{"ab\xC7\xE5", "\xB3\xBF" "c"}));
  EXPECT_EQ(Decode(""), L"");
}

TEST(Gb18030, RefusesInvalidSequences) {
  EXPECT_FALSE(Decode("\x80"));
  EXPECT_FALSE(Decode("\xFF\x40"));
  EXPECT_FALSE(Decode("a\x81"));               // a lead byte at the end
  EXPECT_FALSE(Decode("\x81\x30\x81"));        // a four-byte sequence cut short
  EXPECT_FALSE(Decode("\x81\x30\x20\x30"));    // third byte not a lead byte
  EXPECT_FALSE(Decode("\x81\x30\x81\x41"));    // fourth byte not a digit
  EXPECT_FALSE(Decode("\x84\x31\xA5\x30"));    // between the basic and supplementary planes
  EXPECT_FALSE(Decode("\xE3\x32\x9A\x36"));    // beyond U+10FFFF
  EXPECT_FALSE(DecodeGb18030("\xC7", [](std::string_view) { return std::nullopt; }));
}

TEST(Gb18030, StretchesRunInOrderOverTheWholeBasicPlane) {
  EXPECT_EQ(kGb18030Stretches[0].index, 0u);
  EXPECT_EQ(kGb18030Stretches[0].codePoint, 0x80u);
  for (size_t i = 1; i < kGb18030StretchCount; ++i) {
    EXPECT_GT(kGb18030Stretches[i].index, kGb18030Stretches[i - 1].index);
    EXPECT_GT(kGb18030Stretches[i].codePoint,
              kGb18030Stretches[i - 1].codePoint + (kGb18030Stretches[i].index -
                                                    kGb18030Stretches[i - 1].index) - 1);
  }
}

}  // namespace
}  // namespace quavlet::musiclist
