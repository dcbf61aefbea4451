#pragma once

// The QQ number typed by the user: read as a number the way the platform's forms read user
// text, then checked against the range of 5- to 10-digit numbers.

#include <string_view>

namespace quavlet::musiclist {

// Reads the text from its start as a number: blanks, tabs and line feeds anywhere are skipped;
// an optional sign, digits with at most one decimal point and an optional exponent (E or D,
// optionally signed); or "&H"/"&O" followed by hexadecimal/octal digits. Reading stops at the
// first character that cannot continue the number; a text that does not begin with a number
// reads as 0. A value too large for a double reads as infinity (so it fails any range check
// instead of stopping the program).
double ReadNumber(std::wstring_view text);

// 10000 <= value < 10000000000.
bool IsQQNumberInRange(double value);

}  // namespace quavlet::musiclist
