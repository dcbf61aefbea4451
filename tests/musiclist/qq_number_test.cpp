#include "musiclist/QQNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <regex>
#include <string>

namespace quavlet::musiclist {
namespace {

TEST(ReadNumber, ReadsPlainAndSignedDecimals) {
  EXPECT_EQ(ReadNumber(L"12345"), 12345.0);
  EXPECT_EQ(ReadNumber(L"12345.5"), 12345.5);
  EXPECT_EQ(ReadNumber(L"-12345"), -12345.0);
  EXPECT_EQ(ReadNumber(L"+12345"), 12345.0);
  EXPECT_EQ(ReadNumber(L".5"), 0.5);
  EXPECT_EQ(ReadNumber(L"5."), 5.0);
  EXPECT_EQ(ReadNumber(L"9999999999"), 9999999999.0);
}

TEST(ReadNumber, SkipsBlanksTabsAndLineFeedsAnywhere) {
  EXPECT_EQ(ReadNumber(L" 12345 "), 12345.0);
  EXPECT_EQ(ReadNumber(L"1 2\t3\n4 5"), 12345.0);
  EXPECT_EQ(ReadNumber(L"- 1 . 5 E 2"), -150.0);
  // A carriage return is not a blank: reading stops there.
  EXPECT_EQ(ReadNumber(L"12\r345"), 12.0);
  // Neither is the ideographic space.
  EXPECT_EQ(ReadNumber(L"12\x3000" L"345"), 12.0);
}

TEST(ReadNumber, TakesOneDecimalPointOnly) {
  EXPECT_EQ(ReadNumber(L"1.2.3"), 1.2);
  EXPECT_EQ(ReadNumber(L"12345..6"), 12345.0);
}

TEST(ReadNumber, ReadsExponentsWrittenWithEOrD) {
  EXPECT_EQ(ReadNumber(L"1E5"), 100000.0);
  EXPECT_EQ(ReadNumber(L"1e5"), 100000.0);
  EXPECT_EQ(ReadNumber(L"1D5"), 100000.0);
  EXPECT_EQ(ReadNumber(L"1d+5"), 100000.0);
  EXPECT_EQ(ReadNumber(L"25E-1"), 2.5);
  EXPECT_EQ(ReadNumber(L"1.5E3x"), 1500.0);
  // A marker without digits ends the number before it.
  EXPECT_EQ(ReadNumber(L"7E"), 7.0);
  EXPECT_EQ(ReadNumber(L"7E+"), 7.0);
  EXPECT_EQ(ReadNumber(L"7EE5"), 7.0);
  EXPECT_EQ(ReadNumber(L"E5"), 0.0);
}

TEST(ReadNumber, ReadsHexadecimalAndOctalPrefixes) {
  EXPECT_EQ(ReadNumber(L"&H2710"), 10000.0);
  EXPECT_EQ(ReadNumber(L"&hff"), 255.0);
  EXPECT_EQ(ReadNumber(L"&HFFFF"), 65535.0);
  EXPECT_EQ(ReadNumber(L"&O23420"), 10000.0);
  EXPECT_EQ(ReadNumber(L"&o17"), 15.0);
  EXPECT_EQ(ReadNumber(L"&O78"), 7.0);
  EXPECT_EQ(ReadNumber(L"&HG"), 0.0);
  EXPECT_EQ(ReadNumber(L"& H 1 0"), 16.0);
  EXPECT_EQ(ReadNumber(L"&12"), 0.0);
  EXPECT_EQ(ReadNumber(L"&H1.5"), 1.0);
}

TEST(ReadNumber, StopsAtTheFirstCharacterThatCannotContinue) {
  EXPECT_EQ(ReadNumber(L"12345abc"), 12345.0);
  EXPECT_EQ(ReadNumber(L"123,456"), 123.0);
  EXPECT_EQ(ReadNumber(L"１２３４５"), 0.0);  // full-width digits are not digits here
  EXPECT_EQ(ReadNumber(L"--5"), 0.0);
}

TEST(ReadNumber, ReadsZeroWhenNothingIsANumber) {
  EXPECT_EQ(ReadNumber(L""), 0.0);
  EXPECT_EQ(ReadNumber(L"   "), 0.0);
  EXPECT_EQ(ReadNumber(L"qq"), 0.0);
  EXPECT_EQ(ReadNumber(L"."), 0.0);
  EXPECT_EQ(ReadNumber(L"-"), 0.0);
  EXPECT_EQ(ReadNumber(L"$12345"), 0.0);
}

TEST(ReadNumber, HugeExponentsSaturateInsteadOfFailing) {
  EXPECT_EQ(ReadNumber(L"1E999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadNumber(L"-1E999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadNumber(L"1E-999"), 0.0);
  EXPECT_EQ(ReadNumber(L"1E99999999999999999999"), std::numeric_limits<double>::infinity());
  EXPECT_FALSE(IsQQNumberInRange(ReadNumber(L"1E999")));
}

TEST(QQNumberRange, AcceptsFiveToTenDigitValues) {
  EXPECT_FALSE(IsQQNumberInRange(9999));
  EXPECT_FALSE(IsQQNumberInRange(9999.999));
  EXPECT_TRUE(IsQQNumberInRange(10000));
  EXPECT_TRUE(IsQQNumberInRange(12345.5));
  EXPECT_TRUE(IsQQNumberInRange(9999999999));
  EXPECT_TRUE(IsQQNumberInRange(9999999999.5));
  EXPECT_FALSE(IsQQNumberInRange(10000000000));
  EXPECT_FALSE(IsQQNumberInRange(0));
  EXPECT_FALSE(IsQQNumberInRange(-12345));
}

// A deliberately plain model: drop every skipped character first, then match the number's
// whole shape with a regular expression and let the C library convert it.
double ModelReadNumber(const std::wstring& text) {
  std::string kept;
  for (wchar_t c : text) {
    if (c == L' ' || c == L'\t' || c == L'\n') continue;
    kept += c < 128 ? static_cast<char>(c) : '?';
  }
  static const std::regex hexadecimal("^&[Hh]([0-9A-Fa-f]*)");
  static const std::regex octal("^&[Oo]([0-7]*)");
  static const std::regex decimal("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([EeDd][+-]?[0-9]+)?");
  std::smatch match;
  if (std::regex_search(kept, match, hexadecimal)) {
    double value = 0;
    for (char c : match[1].str()) value = value * 16 + std::stoi(std::string(1, c), nullptr, 16);
    return value;
  }
  if (std::regex_search(kept, match, octal)) {
    double value = 0;
    for (char c : match[1].str()) value = value * 8 + (c - '0');
    return value;
  }
  if (std::regex_search(kept, match, decimal)) {
    std::string number = match[0].str();
    for (char& c : number) {
      if (c == 'D' || c == 'd') c = 'e';
    }
    return std::strtod(number.c_str(), nullptr);
  }
  return 0;
}

TEST(ReadNumber, AgreesWithAPlainModelOnRandomTexts) {
  const std::wstring alphabet = L"0123456789..EeDd+-  \t\n&HhOoAfGx\r中";
  std::mt19937 random(20240611);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 14);
  for (int round = 0; round < 50000; ++round) {
    std::wstring text;
    for (int n = length(random); n > 0; --n) text += alphabet[pick(random)];
    const double expected = ModelReadNumber(text);
    const double actual = ReadNumber(text);
    ASSERT_EQ(actual, expected) << "text: [" << std::string(text.begin(), text.end()) << "]";
  }
}

}  // namespace
}  // namespace quavlet::musiclist
