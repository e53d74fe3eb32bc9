#pragma once
// Small character and call tests shared by the log's rules, value tests and lists.

#include <string>
#include <string_view>

namespace loghelpers {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
inline bool StartsWith(std::string_view s, std::string_view head) {
  return s.substr(0, head.size()) == head;
}
// Whether text equals one of the words.
template <typename List>
bool IsOneOf(std::string_view text, const List& words) {
  for (std::string_view w : words)
    if (text == w) return true;
  return false;
}
// letter, digit, digit: the form of a plain DOK of a district.
inline bool IsLetterDigitDigit(std::string_view s) {
  return s.size() == 3 && IsLetter(s[0]) && IsDigit(s[1]) && IsDigit(s[2]);
}
// The call as the lists and the rules compare it: trimmed, slashed zeros as '0', the
// home part of a call written with '/' parts.
std::string BaseCall(std::string_view call);

}  // namespace loghelpers
