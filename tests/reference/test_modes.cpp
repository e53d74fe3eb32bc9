#include <gtest/gtest.h>

#include "reference/modi.h"

namespace {

struct ModeCase {
  const char* text;
  char code;
};

TEST(ToModi, ModeCodeOfFixedWordsPrefixAndTrim) {
  ToModi m;
  const ModeCase cases[] = {
      {"CW", 'a'},     {"  CW ", 'a'}, {"\tA1A", 'a'}, {"SSB", 'b'}, {"2xSSB", 'b'},
      {"2XSSB", 'b'},  {"2xcw", ' '},  {"cw", ' '},    {"J3E", 'b'}, {"AM", 'c'},
      {"F3E", 'd'},    {"WSPR", 'e'},  {"RY", 'e'},    {"TOR", 'g'}, {"SAT", 'k'},
      {"BPSK63", 'l'}, {"DMR", 'l'},   {"PR", 'm'},    {"PKT", 'm'}, {"AMTOR", 'f'},
      {"PACTOR", 'g'}, {"SSTV", 'j'},  {"ATV", 'i'},   {"FAX", 'h'}, {"HELL", ' '},
      {"", ' '},       {"2x", ' '},    {"X2SSB", ' '},
  };
  for (const ModeCase& c : cases) EXPECT_EQ(m.ModeCodeOf(c.text), c.code) << c.text;
}

TEST(ToModi, UserWordsOverrideFixedListsAndLastMatchWins) {
  ToModi m;
  m.SetAmtorName("CW");
  EXPECT_EQ(m.ModeCodeOf("CW"), 'f');
  m.SetSstvName("CW");  // SSTV is tested after AMTOR
  EXPECT_EQ(m.ModeCodeOf("CW"), 'j');
  m.SetAmtorName("AMTOR");
  m.SetSstvName("SSTV");
  EXPECT_EQ(m.ModeCodeOf("CW"), 'a');
}

TEST(ToModi, AliasListsAreUpperCasedAndSearchedAsSubstring) {
  ToModi m;
  m.SetModeAliases("sideband, pm", 1);
  EXPECT_EQ(m.ModeCodeOf("PM"), 'b');
  EXPECT_EQ(m.ModeCodeOf("SIDE"), 'b');
  EXPECT_EQ(m.ModeCodeOf("pm"), ' ');  // the text itself is not upper-cased
  // A fixed word is never looked up in the aliases.
  m.SetModeAliases("CW", 4);
  EXPECT_EQ(m.ModeCodeOf("CW"), 'a');
  // The first list in code order wins.
  m.SetModeAliases("VARA", 2);
  m.SetModeAliases("VARA FM", 3);
  EXPECT_EQ(m.ModeCodeOf("VARA"), 'c');
  EXPECT_EQ(m.GetModeAliases(3), "VARA FM");
  EXPECT_EQ(m.GetModeAliases(13), "");
  m.SetModeAliases("ignored", 13);
  m.ClearModeAliases();
  EXPECT_EQ(m.ModeCodeOf("PM"), ' ');
  EXPECT_EQ(m.GetModeAliases(1), "");
}

TEST(ToModi, ContestWords) {
  ToModi m;
  EXPECT_EQ(m.ContestModeOf('a'), "CW");
  EXPECT_EQ(m.ContestModeOf('b'), "PH");
  EXPECT_EQ(m.ContestModeOf('d'), "FM");
  EXPECT_EQ(m.ContestModeOf('e'), "RY");
  EXPECT_EQ(m.ContestModeOf('l'), "RY");
  EXPECT_EQ(m.ContestModeOf('m'), "RY");
  EXPECT_EQ(m.ContestModeOf('c'), "");
  EXPECT_EQ(m.ContestModeOf('x'), "");
  EXPECT_EQ(m.ContestModeOf(' '), "");
}

TEST(ToModi, ModeCategoryPlainAndExtended) {
  ToModi m;
  struct Case {
    const char* text;
    char plain, extended;
  };
  const Case cases[] = {
      {"CW", '2', '2'},       {"SSB", '1', '1'},    {"AM", '1', '1'},      {"FM", '4', '1'},
      {"RTTY", '3', '3'},     {"SSTV", '3', '3'},   {"SAT", '9', '4'},     {"FAX", '9', '9'},
      {"PKT", '9', '9'},      {"", '9', '9'},       {"HELL", '9', '3'},    {"PSK250", '9', '3'},
      {"JT9", '9', '3'},      {"QPSK63", '9', '3'}, {"FSK441", '9', '3'},  {"MFSK16", '9', '3'},
      {" OLIVIA ", '9', '3'}, {"ISCAT", '9', '3'},  {" PSK250", '9', '9'},  // prefix test untrimmed
  };
  for (const Case& c : cases) {
    EXPECT_EQ(m.ModeCategoryOf(c.text, false), c.plain) << c.text;
    EXPECT_EQ(m.ModeCategoryOf(c.text, true), c.extended) << c.text;
  }
}

TEST(ToModi, ExtraModesAndWordDefaults) {
  ToModi m;
  EXPECT_EQ(m.GetDigitalModes(), "RTTY, HELL, MFSK, FSK, WSJT, FSK441, MT63, RY");
  EXPECT_EQ(m.GetFaxName(), "FAX");
  EXPECT_EQ(m.ExtraModeCount(), 0);
  EXPECT_EQ(m.GetExtraMode(0), "");
  m.AddExtraMode("FT8");
  m.AddExtraMode("FT4");
  m.AddExtraMode("FT8");
  m.AddExtraMode("ft8");  // case-sensitive
  EXPECT_EQ(m.ExtraModeCount(), 3);
  EXPECT_EQ(m.GetExtraMode(1), "FT4");
  EXPECT_EQ(m.GetExtraMode(3), "");
  EXPECT_EQ(m.GetExtraMode(-1), "");
  m.ClearExtraModes();
  EXPECT_EQ(m.ExtraModeCount(), 0);
}

TEST(ToModi, TableRowsCarryTheirColumns) {
  ToModi m;
  EXPECT_EQ(m.Row(4).Name, "RTTY");
  EXPECT_EQ(m.Row(4).Synonyms[7], "JT65");
  EXPECT_EQ(m.Row(4).Synonyms[8], "");
  EXPECT_EQ(m.Row(12).Class, 6);
  EXPECT_EQ(m.Row(10).Group2, 5);
}

TEST(ToModi, GlobalObjectIsStarted) { ASSERT_NE(oModi, nullptr); }

}  // namespace
