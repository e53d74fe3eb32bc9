#pragma once
// Small text helpers of the reference data: trimming and upper-casing by the Windows
// character set, number texts with "," or "." as decimal point.

#include <string>
#include <string_view>

namespace reftext {

// Blanks and control characters (codes up to 32) removed at both ends.
std::string Trim(std::string_view text);
// Upper case by Windows-1252: a-z, the accented letters, š œ ž and ÿ; ß has no capital
// and stays.
char UpperChar(char c);
std::string Upper(std::string_view text);
// Shortest text of the number with up to 15 significant digits, "." as decimal point.
std::string FloatToText(double value);
// The trimmed text read as a decimal number ("," or "."); 0 for anything else.
double ReadDecimal(std::string_view text);
// Equal when both numbers read the same with five decimals.
bool EqualAt5Decimals(double a, double b);
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace reftext
