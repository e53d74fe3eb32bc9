#include <gtest/gtest.h>

#include "reference/prefix.h"
#include "reference/prefixtable.h"

namespace {

TEST(ToPrefix, PrefixOfAdifNumber) {
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber("230"), "DL   ");
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber("522"), "Z6   ");
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber("1"), "VE   ");
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber("15"), "RA-AS");
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber("24"), "3Y/B ");
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber("0"), "");
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber("523"), "");
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber("abc"), "");
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber(""), "");
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber("-5"), "");
  EXPECT_EQ(ToPrefix::PrefixOfAdifNumber("99999999999"), "");
}

TEST(ToPrefix, BuiltInTableHoldsTheKnownSpellings) {
  const std::pair<int, const char*> known[] = {
      {1, "VE"},     {2, "A1"},    {3, "YA"},     {4, "3B6"},   {5, "OH0"},    {6, "KL7"},
      {7, "ZA"},     {8, "VQ9A"},  {9, "KH8"},    {10, "FT5Z"}, {15, "RA-AS"}, {24, "3Y/B"},
      {27, "EU"},    {29, "EA8"},  {515, "KH8S"}, {516, "FJ"},  {517, "PJ2"},  {518, "PJ7"},
      {519, "PJ5"},  {520, "PJ4"}, {521, "Z8"},   {522, "Z6"},  {191, "E5/N"}, {234, "E5/S"},
      {512, "FK/C"}, {188, "E6"},  {501, "E7"},   {514, "4O"},  {180, "SV/A"}, {199, "3Y/P"},
  };
  for (const auto& [n, p] : known) EXPECT_STREQ(prefixtable::kEntityPrefix[n], p) << n;
  int filled = 0;
  for (int i = 1; i <= prefixtable::kEntityCount; ++i) {
    EXPECT_LE(std::string(prefixtable::kEntityPrefix[i]).size(), 5u) << i;
    if (*prefixtable::kEntityPrefix[i]) ++filled;
  }
  EXPECT_EQ(filled, 400);  // 402 ADIF entities; two deleted reefs never had a prefix
}

TEST(ToPrefix, EntityNumberOfPrefixCoversAll522) {
  ToPrefix p;
  EXPECT_EQ(p.EntityNumberOfPrefix("DL"), 230);
  EXPECT_EQ(p.EntityNumberOfPrefix(" DL  "), 230);
  EXPECT_EQ(p.EntityNumberOfPrefix("Z6"), 522);
  EXPECT_EQ(p.EntityNumberOfPrefix("E5/N"), 191);
  EXPECT_EQ(p.EntityNumberOfPrefix("XX9X"), 0);
  // Unused numbers have empty prefixes; an empty designation must not name one of them.
  EXPECT_EQ(p.EntityNumberOfPrefix(""), 0);
  EXPECT_EQ(p.EntityNumberOfPrefix("   "), 0);
  // Every current entity's prefix gives its own number back.
  for (int n : {1, 27, 54, 150, 291, 339, 503, 521}) {
    EXPECT_EQ(p.EntityNumberOfPrefix(prefixtable::kEntityPrefix[n]), n) << n;
  }
}

TEST(ToPrefix, SpecialEntities) {
  struct Case {
    const char* call;
    const char* suffix;
    bool special;
    int length;
  };
  const Case cases[] = {
      {"3Y0X", "P", true, 2},    {"3Y0X", "B", true, 2},    {"ZK1ABC", "N", true, 3},
      {"GM3XYZ", "SH", true, 2}, {"GM3XYZ", "SC", true, 2}, {"GM3XYZ", "P", false, 0},
      {"SV2XX", "A", true, 2},   {"SV2XX", "B", false, 0},  {"JW5X", "S", true, 2},
      {"FR5ZQ", "T", true, 2},   {"FR5ZQ", "X", false, 0},  {"FO5XX", "M", true, 2},
      {"3D2AB", "R", true, 3},   {"VQ9X", "D", true, 3},    {"DL1ABC", "P", false, 0},
      {"S", "A", false, 0},      {"SV2XX", "", false, 0},   {"SV2XX", "AB", false, 0},
  };
  for (const Case& c : cases) {
    int len = -1;
    EXPECT_EQ(ToPrefix::IsSpecialEntity(c.call, c.suffix, len), c.special) << c.call << c.suffix;
    EXPECT_EQ(len, c.length) << c.call << "/" << c.suffix;
  }
}

TEST(ToPrefix, CountryOfCallHomeAndLocationParts) {
  ToPrefix p;
  struct Case {
    const char* call;
    const char* de;
    const char* en;
  };
  const Case cases[] = {
      {"DL1ABC", "DL1ABC", "DL1ABC"},
      {"dl1abc", "DL1ABC", "DL1ABC"},
      {"EA8/DL1ABC", "DL1ABC", "EA8"},
      {"DL1ABC/EA8", "DL1ABC", "EA8"},
      {"DL1ABC/P", "DL1ABC", "DL1ABC"},
      {"DL1ABC/QRP", "DL1ABC", "DL1ABC"},
      {"DL1ABC/AM", "DL1ABC", "DL1ABC"},
      {"SV2XX/A", "SV2XX/A", "SV2XX/A"},
      {"W1ABC/4", "W1ABC", "W4"},
      {"DL1ABC//EA8/", "DL1ABC", "EA8"},  // doubled and trailing separators
      {"DL1ABC EA8", "DL1ABC", "EA8"},    // any other character separates
      {"EA8/DL1ABC/P", "DL1ABC", "EA8"},  // third part ignored
      {"SV2XX/A/P", "SV2XX/A", "SV2XX/A"},
      {"SV2XX/A/EA8", "SV2XX/A", "EA8"},
      {"DL1ABC/G3XYZ", "DL1ABC", ""},  // the shorter part is a complete call
      {"EA8/OH0", "EA8", "OH0"},       // home part equal to an entity prefix: swapped
      {"D\xD8"
       "1ABC",
       "D01ABC", "D01ABC"},  // slashed zero
      {"/DL1ABC", "DL1ABC", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(p.CountryOfCallDe(c.call), c.de) << c.call;
    EXPECT_EQ(p.CountryOfCallEn(c.call), c.en) << c.call;
  }
}

TEST(ToPrefix, SuffixRulesDefaultsAndSettings) {
  ToPrefix p;
  EXPECT_EQ(p.GetSuffixRule(1).Suffix, "A");
  EXPECT_EQ(p.GetSuffixRule(2).Options[0], 0);
  EXPECT_EQ(p.GetSuffixRule(3).Options[0], 255);
  EXPECT_EQ(p.GetSuffixRule(4).Suffix, "MM");
  EXPECT_EQ(p.GetSuffixRule(7).Suffix, "LGT");
  EXPECT_EQ(p.GetSuffixRule(8).Suffix, "");
  EXPECT_EQ(p.GetSuffixRule(8).Options[0], 255);
  // A suffix with a digit is a location unless a rule names it.
  EXPECT_EQ(p.CountryOfCallEn("DL1ABC/2K"), "2K");
  p.SetSuffixRule(18, {"2K", {255, 0, 0}});
  EXPECT_EQ(p.CountryOfCallEn("DL1ABC/2K"), "DL1ABC");
  EXPECT_EQ(p.GetSuffixRule(0).Suffix, "2K");  // outside 1..18: rule 18
  EXPECT_EQ(p.GetSuffixRule(99).Suffix, "2K");
  p.SetSuffixRule(19, {"X", {}});  // ignored
  p.SetSuffixRule(5, {"ABCDE", {1, 2, 3}});
  EXPECT_EQ(p.GetSuffixRule(5).Suffix, "ABC");
  EXPECT_EQ(p.GetSuffixRule(5).Options[2], 3);
}

TEST(ToPrefix, WordReplacementOnlyOnWholeWords) {
  std::string t = "Northern Ireland";
  ToPrefix::ReplaceWord("Ireland", "Irland", t);
  EXPECT_EQ(t, "Northern Irland");
  t = "Irelands";
  ToPrefix::ReplaceWord("Ireland", "Irland", t);
  EXPECT_EQ(t, "Irelands");
  t = "Germanyx Germany";  // only the first occurrence is examined
  ToPrefix::ReplaceWord("Germany", "Deutschland", t);
  EXPECT_EQ(t, "Germanyx Germany");
  t = "(Germany)";
  ToPrefix::ReplaceWord("Germany", "Deutschland", t);
  EXPECT_EQ(t, "(Deutschland)");
}

TEST(ToPrefix, GermanCountryNames) {
  struct Case {
    const char* en;
    const char* de;
  };
  const Case cases[] = {
      {"Germany", "Deutschland"},
      {"Fed. Rep. of Germany", "Fed. Rep. of Deutschland"},
      {"Northern Ireland", "Nordirland"},
      {"Ireland", "Irland"},
      {"Faroe Is.", "Färöer Inseln"},
      {"Christmas I.", "Weihnachts Insel"},
      {"Canary Is.", "Kanarische Inseln"},
      {"Antarctica", "Antarktis (Südpolargebiet)"},
      {"Dominican Republic", "Dominikanische Republik:"},
      {"Austria", "Österreich"},
      {"Vatican City", "Vatikanstaat Stadt"},
      {"Easter I.", "Osterinsel"},
      {"Atlantis", "Atlantis"},
  };
  for (const Case& c : cases) EXPECT_EQ(ToPrefix::GermanCountryName(c.en), c.de) << c.en;
}

}  // namespace
