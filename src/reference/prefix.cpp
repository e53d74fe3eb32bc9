#include "reference/prefix.h"

#include <algorithm>
#include <vector>

#include "foundation/strings.h"
#include "reference/prefixtable.h"
#include "reference/reftext.h"

ToPrefix* oPrefix = nullptr;

namespace {

constexpr size_t kPartLen = 20;

bool IsCallChar(char c) {
  return c == '#' || c == '-' || reftext::IsDigit(c) || reftext::IsUpperLetter(c);
}

bool IsWordBoundary(char c) {
  return c == ' ' || c == '(' || c == ')' || c == '-' || c == '.' || c == ':';
}

// Length of the run of characters at the end of s that satisfy pred.
template <typename Pred>
size_t TrailingRun(std::string_view s, Pred pred) {
  size_t n = 0;
  while (n < s.size() && pred(s[s.size() - 1 - n])) ++n;
  return n;
}

bool IsCompleteCall(std::string_view part) {
  return TrailingRun(part, reftext::IsUpperLetter) >= 3 || TrailingRun(part, reftext::IsDigit) >= 3;
}

// The call with its separators cleaned up and cut at them into at most four parts; a fourth
// separator and what follows stay in the fourth part.
std::vector<std::string> SplitCall(std::string_view call) {
  std::string c = ToStrings::AnsiUpperCase(ToStrings::UnslashZeros(call));
  bool changed = true;
  while (changed) {
    changed = false;
    if (!c.empty() && !IsCallChar(c.back())) {
      c.pop_back();
      changed = true;
      continue;
    }
    for (size_t i = 0; i + 1 < c.size(); ++i) {
      if (!IsCallChar(c[i]) && !IsCallChar(c[i + 1])) {
        c.erase(i, 1);
        changed = true;
        break;
      }
    }
  }
  std::vector<std::string> parts(1);
  for (char ch : c) {
    if (!IsCallChar(ch) && parts.size() < 4)
      parts.emplace_back();
    else
      parts.back().push_back(ch);
  }
  return parts;
}

std::string FitPart(std::string_view s) { return ToStrings::Trim(s).substr(0, kPartLen); }

}  // namespace

ToPrefix::ToPrefix() {
  for (int i = 1; i <= kEntityCount; ++i) prefixes_[size_t(i)] = prefixtable::kEntityPrefix[i];
  static const char* const kDefaultSuffixes[] = {"A", "AM", "M", "MM", "P", "LH", "LGT"};
  for (TCallSuffixRule& r : rules_) r.Options = {255, 0, 0};
  int slot = 1;
  for (const char* s : kDefaultSuffixes) {
    TCallSuffixRule& r = rules_[size_t(slot++)];
    r.Suffix = s;
    r.Options[0] = (r.Suffix == "AM" || r.Suffix == "MM") ? 0 : 255;
  }
}

std::string ToPrefix::PrefixOfAdifNumber(std::string_view number) {
  std::string t(number);
  if (t.empty() || t.size() > 4 || !std::all_of(t.begin(), t.end(), reftext::IsDigit)) return {};
  int n = std::stoi(t);
  if (n < 1 || n > kEntityCount) return {};
  std::string p = prefixtable::kEntityPrefix[n];
  p.resize(5, ' ');
  return p;
}

int ToPrefix::EntityNumberOfPrefix(std::string_view prefix) const {
  const std::string t = ToStrings::Trim(prefix);
  // An empty designation names no entity (the unused numbers have empty prefixes).
  if (t.empty()) return 0;
  for (int i = 1; i <= kEntityCount; ++i) {
    if (prefixes_[size_t(i)] == t) return i;
  }
  return 0;
}

bool ToPrefix::IsSpecialEntity(std::string_view call, std::string_view suffix, int& length) {
  struct Rule {
    const char* lead;
    const char* suffixes;  // one character each, or "" for the two-character rules
  };
  static const Rule kTwo[] = {
      {"SV", "A"}, {"JW", "BS"}, {"3Y", "BP"}, {"FR", "BEGJT"}, {"FO", "ACFM"}};
  static const Rule kThree[] = {{"3D2", "CR"}, {"VQ9", "ADF"}, {"ZK1", "NS"}};
  length = 0;
  if (suffix.size() == 1) {
    const char s = suffix[0];
    for (const Rule& r : kTwo) {
      if (call.substr(0, 2) == r.lead && std::string_view(r.suffixes).find(s) != std::string::npos)
        return length = 2, true;
    }
    for (const Rule& r : kThree) {
      if (call.substr(0, 3) == r.lead && std::string_view(r.suffixes).find(s) != std::string::npos)
        return length = 3, true;
    }
  } else if (suffix.size() == 2 && call.substr(0, 2) == "GM" &&
             (suffix == "SH" || suffix == "SC")) {
    return length = 2, true;
  }
  return false;
}

bool ToPrefix::IsSuffix(std::string_view part) const {
  if (std::none_of(part.begin(), part.end(), reftext::IsDigit)) return true;
  for (int i = 1; i <= kSuffixRuleCount; ++i) {
    const std::string& s = rules_[size_t(i)].Suffix;
    if (!s.empty() && s == part) return true;
  }
  return false;
}

void ToPrefix::OrderParts(std::string a, std::string b, std::string& home,
                          std::string& location) const {
  a = FitPart(a);
  b = FitPart(b);
  home.clear();
  location.clear();
  if (a.empty()) {
    home = b;
    return;
  }
  if (b.empty()) {
    home = a;
    return;
  }
  std::string& shorter = (b.size() < a.size()) ? b : a;
  if (IsCompleteCall(shorter)) shorter.clear();
  // A lone district digit takes the letters of the other part in front of it: W1ABC/4 is W4.
  auto joinDistrict = [](std::string& digit, const std::string& other) {
    if (digit.size() != 1 || !reftext::IsDigit(digit[0]) || other.empty()) return;
    size_t firstDigit = other.size();
    for (size_t i = 1; i < other.size(); ++i) {
      if (reftext::IsDigit(other[i])) {
        firstDigit = i;
        break;
      }
    }
    digit = other.substr(0, firstDigit) + digit;
  };
  joinDistrict(a, b);
  joinDistrict(b, a);
  if (a.size() > b.size())
    home = a, location = b;
  else
    home = b, location = a;
  for (int i = 1; i <= kEntityCount; ++i) {
    if (!home.empty() && home == prefixtable::kEntityPrefix[i]) {
      std::swap(home, location);
      break;
    }
  }
}

std::string ToPrefix::CountryOfCall(std::string_view call, int flag) const {
  std::vector<std::string> parts = SplitCall(call);
  if (parts.size() == 1) return parts[0];
  std::string a = parts[0], b = parts[1];
  int len = 0;
  if (parts.size() >= 3) {
    if (!IsSpecialEntity(a, b, len)) {
      std::string home, location;
      OrderParts(a, b, home, location);
      return flag == 1 ? home : location;
    }
    a = a + "/" + b;
    b = parts[2];
  } else if (IsSpecialEntity(a, b, len)) {
    return a + "/" + b;
  }
  if (IsSuffix(b)) return a;
  std::string home, location;
  OrderParts(a, b, home, location);
  return flag == 1 ? home : location;
}

std::string ToPrefix::LocationFirst(std::string_view call) const {
  const std::string c(call);
  if (c.find('/') == std::string::npos) return c;
  const std::string location = CountryOfCallEn(c);
  const std::string home = CountryOfCallDe(c);
  if (location.empty() || location == home || c.rfind(location + "/", 0) == 0) return c;
  return location + "/" + home;
}

void ToPrefix::SetSuffixRule(int index, const TCallSuffixRule& rule) {
  if (index < 1 || index > kSuffixRuleCount) return;
  TCallSuffixRule& r = rules_[size_t(index)];
  r = rule;
  r.Suffix = r.Suffix.substr(0, 3);
}

TCallSuffixRule ToPrefix::GetSuffixRule(int index) const {
  if (index < 1 || index > kSuffixRuleCount) index = kSuffixRuleCount;
  return rules_[size_t(index)];
}

void ToPrefix::ReplaceWord(std::string_view word, std::string_view replacement, std::string& text) {
  if (word.empty()) return;
  const size_t pos = text.find(word);
  if (pos == std::string::npos) return;
  const size_t end = pos + word.size();
  const bool startOk = pos == 0 || IsWordBoundary(text[pos - 1]);
  const bool endOk = end == text.size() || IsWordBoundary(text[end]);
  if (startOk && endOk) text.replace(pos, word.size(), replacement);
}
