#pragma once
// Prefix knowledge that needs no database: the entity prefix of each ADIF entity number,
// the special entities written with a "/" suffix (Mount Athos "SV/A", Bouvet "3Y/B" ...),
// the user's call-sign suffix rules, the home and location part of a call written with
// separators, and the German form of an English country name.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "tables/setuprecs.h"

class ToPrefix {
 public:
  static constexpr int kSuffixRuleCount = 18;
  static constexpr int kEntityCount = 522;

  ToPrefix();

  // The prefix of an entity number given as text, blank-padded to 5; empty when the text is
  // not a whole number in 1..522.
  static std::string PrefixOfAdifNumber(std::string_view number);
  // The entity number whose prefix equals the text (both trimmed); 0 when none.
  int EntityNumberOfPrefix(std::string_view prefix) const;
  // Whether the call's leading characters and the text after its "/" form a special entity;
  // length receives how many leading characters belong to it (2 or 3; 0 when none).
  static bool IsSpecialEntity(std::string_view call, std::string_view suffix, int& length);

  // flag 1: the home part of the call; flag 0: its location part.
  std::string CountryOfCall(std::string_view call, int flag) const;
  std::string CountryOfCallDe(std::string_view call) const { return CountryOfCall(call, 1); }
  std::string CountryOfCallEn(std::string_view call) const { return CountryOfCall(call, 0); }
  // The call with its location part in front: "DL1ABC/EA8" is worked from the Canary
  // Islands as "EA8/DL1ABC" is, and the prefix search takes the leading prefix. Calls
  // without a location part ("DL1ABC/P") and the special entities stay as they are.
  std::string LocationFirst(std::string_view call) const;

  void SetSuffixRule(int index, const TCallSuffixRule& rule);
  TCallSuffixRule GetSuffixRule(int index) const;

  // Replaces the first occurrence of word in text when it stands as a whole word.
  static void ReplaceWord(std::string_view word, std::string_view replacement, std::string& text);
  static std::string GermanCountryName(std::string_view english);

 private:
  bool IsSuffix(std::string_view part) const;
  void OrderParts(std::string a, std::string b, std::string& home, std::string& location) const;

  std::array<TCallSuffixRule, kSuffixRuleCount + 1> rules_;  // slots 1..18
  std::array<std::string, kEntityCount + 1> prefixes_;       // 1..522
};

extern ToPrefix* oPrefix;
