#pragma once
// Character classes of call signs and locators (plain ASCII digits and capitals).

namespace reftext {
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
}  // namespace reftext
