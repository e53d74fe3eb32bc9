#pragma once
// Small helpers shared by the tests of the rules table.

#include <string>
#include <type_traits>
#include <vector>

#include "contest/contestrules.h"
#include "foundation/daynumber.h"

namespace rulestest {

// Inputs of a contest log with a German own call, an own DOK and the member field 1.
inline TContestInputs Log(TContestCode code, uint8_t classNumber = 1) {
  TContestInputs in;
  in.Code = code;
  in.ClassNumber = classNumber;
  in.StartDate = daynumber::FromYMD(2016, 7, 16);
  in.OwnDok = "Q01";
  in.OwnCall = "DL1ABC";
  in.MemberNumber = 1;
  in.OwnLocator = "JN39LG";
  in.OwnName = "Hans Peter";
  in.Today = daynumber::FromYMD(2016, 7, 16);
  return in;
}

inline TContestRec Build(const TContestInputs& in) { return BuildContestDefinition(in); }

template <typename Array>
int Filled(const Array& list) {
  int n = 0;
  for (const auto& entry : list)
    if (entry != std::decay_t<decltype(entry)>{}) ++n;
  return n;
}

// The used places of a char list as text ("bc").
template <typename Array>
std::string Letters(const Array& list) {
  std::string text;
  for (char c : list)
    if (c != 0) text += c;
  return text;
}

// The non-empty texts of a list in order.
template <typename Array>
std::vector<std::string> Texts(const Array& list) {
  std::vector<std::string> texts;
  for (const std::string& s : list)
    if (!s.empty()) texts.push_back(s);
  return texts;
}

inline TArray1<int32_t, 3> Kinds(int32_t a, int32_t b = 0, int32_t c = 0) {
  TArray1<int32_t, 3> kinds;
  kinds[1] = a;
  kinds[2] = b;
  kinds[3] = c;
  return kinds;
}

inline std::vector<int> Members(const TByteSet& set) {
  std::vector<int> items;
  for (int i = 0; i < 256; ++i)
    if (set.test(size_t(i))) items.push_back(i);
  return items;
}

}  // namespace rulestest
