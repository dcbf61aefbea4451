#include "musiclist/QQNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quavlet::musiclist {
namespace {

bool IsSkipped(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }
bool IsDecimalDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

int DigitValue(wchar_t c, int radix) {
  int value = -1;
  if (c >= L'0' && c <= L'9') value = c - L'0';
  else if (c >= L'a' && c <= L'f') value = c - L'a' + 10;
  else if (c >= L'A' && c <= L'F') value = c - L'A' + 10;
  return value < radix ? value : -1;
}

// Hands out the characters of the text with the skipped ones left out.
class Reader {
 public:
  explicit Reader(std::wstring_view text) : text_(text) { SkipBlanks(); }
  bool AtEnd() const { return position_ >= text_.size(); }
  wchar_t Peek() const { return AtEnd() ? L'\0' : text_[position_]; }
  void Advance() {
    ++position_;
    SkipBlanks();
  }

 private:
  void SkipBlanks() {
    while (position_ < text_.size() && IsSkipped(text_[position_])) ++position_;
  }
  std::wstring_view text_;
  size_t position_ = 0;
};

double ReadRadixNumber(Reader& reader, int radix) {
  double value = 0;
  for (int digit; (digit = DigitValue(reader.Peek(), radix)) >= 0; reader.Advance()) {
    value = value * radix + digit;
  }
  return value;
}

// Converts the collected ASCII form "[-]digits[.digits][e[-]digits]" to a correctly rounded
// double; magnitudes beyond a double's range become infinity or zero.
double ConvertDecimal(const std::string& number, bool exponentNegative) {
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    const bool negative = number.front() == '-';
    value = exponentNegative ? 0.0 : std::numeric_limits<double>::infinity();
    if (negative) value = -value;
  }
  return value;
}

double ReadDecimalNumber(Reader& reader) {
  std::string number;
  if (reader.Peek() == L'-' || reader.Peek() == L'+') {
    if (reader.Peek() == L'-') number += '-';
    reader.Advance();
  }
  bool anyDigit = false;
  bool pointSeen = false;
  for (;; reader.Advance()) {
    const wchar_t c = reader.Peek();
    if (IsDecimalDigit(c)) {
      number += static_cast<char>(c);
      anyDigit = true;
    } else if (c == L'.' && !pointSeen) {
      number += '.';
      pointSeen = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return 0;

  bool exponentNegative = false;
  const wchar_t marker = reader.Peek();
  if (marker == L'E' || marker == L'e' || marker == L'D' || marker == L'd') {
    reader.Advance();
    std::string exponent = "e";
    if (reader.Peek() == L'-' || reader.Peek() == L'+') {
      exponentNegative = reader.Peek() == L'-';
      if (exponentNegative) exponent += '-';
      reader.Advance();
    }
    bool exponentDigit = false;
    for (; IsDecimalDigit(reader.Peek()); reader.Advance()) {
      exponent += static_cast<char>(reader.Peek());
      exponentDigit = true;
    }
    if (exponentDigit) number += exponent;
  }
  return ConvertDecimal(number, exponentNegative);
}

}  // namespace

double ReadNumber(std::wstring_view text) {
  Reader reader(text);
  if (reader.Peek() == L'&') {
    reader.Advance();
    const wchar_t prefix = reader.Peek();
    if (prefix == L'H' || prefix == L'h') {
      reader.Advance();
      return ReadRadixNumber(reader, 16);
    }
    if (prefix == L'O' || prefix == L'o') {
      reader.Advance();
      return ReadRadixNumber(reader, 8);
    }
    return 0;
  }
  return ReadDecimalNumber(reader);
}

bool IsQQNumberInRange(double value) { return value >= 10000.0 && value < 10000000000.0; }

}  // namespace quavlet::musiclist
