// The class switch, the class entries and the sent presets of the participation classes.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "contest/classrules.h"
#include "contest/classrules_table.h"
#include "contest/contestrules.h"
#include "rulestest_support.h"

namespace {

TContestInputs Inputs(TContestCode code, uint8_t classNumber) {
  TContestInputs in;
  in.Code = code;
  in.ClassNumber = classNumber;
  in.OwnCall = "DL1ABC";
  in.OwnDok = "Z19";
  in.OwnLocator = "JN39LF";
  in.OwnName = "Hans Peter";
  in.MemberNumber = 1;
  in.MemberText = "M123";
  in.StationText = "ST5XY";
  return in;
}

std::string ModesOf(const TContestRec& def) {
  std::string text;
  for (const std::string& m : def.Modes) {
    if (m.empty()) continue;
    if (!text.empty()) text += ", ";
    text += m;
  }
  return text;
}

std::string BandsOf(const TContestRec& def) { return rulestest::Letters(def.Bands); }

TContestRec Switched(const TContestInputs& in) {
  TContestRec def;
  classrules::ApplyClassSwitch(def, in);
  return def;
}

struct SwitchCase {
  TContestCode code;
  uint8_t classNumber;
  const char* modes;
  const char* bands;
  bool swl;
};

// Rows where class number 0, the last class and the step past it behave differently.
TEST(ClassSwitch, ModesBandsAndListenerFlagByClassNumber) {
  const SwitchCase cases[] = {
      {'V', 0, "CW", "ab", false},  // 0 as 1
      {'V', 1, "CW", "ab", false},
      {'V', 8, "SSB, CW, FM, PR, DIGITAL", "abkl", false},
      {'V', 9, "SSB, CW, DIGITAL", "ab", true},
      {'V', 10, "", "", false},  // above the last class
      {'d', 0, "", "", false},   // no class yet: nothing admitted
      {'d', 5, "SSB, CW, FM", "i", false},
      {'d', 7, "DIGITAL", "b", false},
      {'d', 8, "", "", false},
      {'X', 0, "", "bc", false},  // bands without a mode
      {'t', 0, "", "bc", false},
      {'t', 6, "CW", "bc", false},
      {'1', 0, "", "i", false},
      {'a', 0, "", "", false},
      {'e', 0, "", "", false},
      {'h', 7, "SSB, CW, FM, DIGITAL", "abcdefghijklmnopqrstu", true},
      {'O', 14, "SSB, CW, FM", "kl", true},
      {'j', 1, "CW, SSB, FSK441", "k", false},
      {'T', 13, "FM", "l", true},
      {'T', 14, "", "", false},
  };
  for (const SwitchCase& c : cases) {
    TContestRec def = Switched(Inputs(c.code, c.classNumber));
    SCOPED_TRACE(std::string(1, c.code) + " class " + std::to_string(c.classNumber));
    EXPECT_EQ(ModesOf(def), c.modes);
    EXPECT_EQ(BandsOf(def), c.bands);
    EXPECT_EQ(def.SWLLog, c.swl);
  }
}

TEST(ClassSwitch, LeavesNoModeOrBandOfAnEarlierFillBehind) {
  TContestRec def;
  def.Modes.Fill("SSB");
  def.Bands.Fill('z');
  classrules::ApplyClassSwitch(def, Inputs('d', 2));
  EXPECT_EQ(ModesOf(def), "CW");
  EXPECT_EQ(BandsOf(def), "b");
  EXPECT_EQ(def.Modes[2], "");
  EXPECT_EQ(def.Bands[2], '\0');
}

TEST(ClassSwitch, ClassChangesOverrideOnlyWhatTheyName) {
  TContestRec def;
  def.ReceivedKinds[1] = 4;
  def.SentKinds[1] = 4;
  def.ExchangeCaption[1] = "DOK";
  def.MultiplierKinds.set(4);
  def.DupeScope = 9;
  TContestRec first = def;
  classrules::ApplyClassSwitch(first, Inputs('S', 1));
  EXPECT_EQ(first.DupeScope, 9);
  EXPECT_EQ(first.ReceivedKinds, def.ReceivedKinds);

  TContestRec listener = def;
  classrules::ApplyClassSwitch(listener, Inputs('S', 5));
  EXPECT_EQ(listener.DupeScope, 0);
  EXPECT_TRUE(listener.SWLLog);
  EXPECT_EQ(listener.MultiplierKinds, def.MultiplierKinds);

  TContestRec h = def;
  classrules::ApplyClassSwitch(h, Inputs('h', 7));
  EXPECT_EQ(h.ReceivedKinds, (TArray1<int32_t, 3>{}));
  EXPECT_EQ(h.SentKinds, (TArray1<int32_t, 3>{}));
  EXPECT_EQ(h.ExchangeCaption, (TArray1<std::string, 3>{}));
  EXPECT_TRUE(h.MultiplierKinds.none());

  TContestRec c = def;
  classrules::ApplyClassSwitch(c, Inputs('C', 4));
  EXPECT_EQ(c.ReceivedKinds[1], 4);
  EXPECT_EQ(c.ReceivedKinds[2], 0);
  EXPECT_EQ(c.SentKinds[1], 4);
  EXPECT_EQ(c.SentKinds[2], 7);
  EXPECT_EQ(c.ExchangeCaption[2], "Nr");

  TContestRec e = def;
  classrules::ApplyClassSwitch(e, Inputs('E', 2));
  TByteSet expected;
  for (int k : {2, 3, 5, 9, 14}) expected.set(k);
  EXPECT_EQ(e.MultiplierKinds, expected);
}

TEST(ClassSwitch, WagMixedClassesDependOnAGermanOwnCall) {
  TContestInputs german = Inputs('W', 3);
  TContestRec def;
  def.ReceivedKinds[1] = 7;
  def.SentKinds[1] = 4;
  classrules::ApplyClassSwitch(def, german);
  EXPECT_EQ(def.ReceivedKinds[1], 7);
  EXPECT_EQ(def.SentKinds[1], 0);

  TContestInputs foreign = Inputs('W', 3);
  foreign.OwnCall = "OE1XYZ";
  TContestRec abroad;
  abroad.ReceivedKinds[1] = 4;
  abroad.SentKinds[1] = 7;
  classrules::ApplyClassSwitch(abroad, foreign);
  EXPECT_EQ(abroad.ReceivedKinds[1], 4);
  EXPECT_EQ(abroad.SentKinds[1], 7);
  EXPECT_EQ(ModesOf(abroad), "SSB, CW");

  // The listener class sets its kinds and multipliers whatever the call.
  foreign.ClassNumber = 7;
  TContestRec swl = Switched(foreign);
  EXPECT_EQ(swl.ReceivedKinds[1], 4);
  EXPECT_EQ(swl.SentKinds[1], 7);
  EXPECT_TRUE(swl.MultiplierKinds.test(18));
  EXPECT_EQ(swl.MultiplierKinds.count(), 1u);
}

// The rules table fills in the serial number after the class switch, so a class that sets
// the kinds does not bring the DOK field back.
TEST(ClassSwitch, WithoutOwnDokTheFirstSentFieldStaysASerialNumber) {
  TContestInputs in = Inputs('C', 4);
  in.OwnDok.clear();
  TContestRec c = BuildContestDefinition(in);
  EXPECT_EQ(c.SentKinds[1], 7);
  EXPECT_EQ(c.SentKinds[2], 7);
  EXPECT_EQ(c.ExchangeCaption[1], "Nr");
  EXPECT_EQ(c.SentText[1], "");

  in.Code = 'Q';
  in.ClassNumber = 2;
  TContestRec q = BuildContestDefinition(in);
  EXPECT_EQ(q.SentKinds[1], 7);
  EXPECT_EQ(q.ReceivedKinds[1], 4);
  EXPECT_EQ(q.ExchangeCaption[1], "DOK");
  // The class's locator preset would end up in the serial-number field.
  EXPECT_EQ(q.SentText[1], "");
  in.OwnDok = "P12";
  EXPECT_EQ(BuildContestDefinition(in).SentText[1], "JN39LF");
}

// The IBFD classes admit the band their text names; the listener classes are the SWL ones.
TEST(ClassSwitch, IbfdClassesMatchTheirDescriptions) {
  TContestRec classes;
  classrules::FillClasses(classes, 'n');
  const struct {
    uint8_t classNumber;
    const char* bands;
    bool swl;
  } cases[] = {{3, "k", false}, {4, "l", false}, {5, "k", true}, {6, "l", true}};
  for (const auto& c : cases) {
    TContestRec def = Switched(Inputs('n', c.classNumber));
    SCOPED_TRACE(classes.Classes[c.classNumber].Description);
    EXPECT_EQ(BandsOf(def), c.bands);
    EXPECT_EQ(def.SWLLog, c.swl);
  }
}

TEST(ClassEntries, CountsTextsAndGroups) {
  const std::pair<TContestCode, size_t> counts[] = {
      {'V', 9}, {'B', 4}, {'D', 4}, {'q', 8}, {'H', 7}, {'E', 2},  {'F', 6}, {'J', 2},  {'R', 12},
      {'5', 5}, {'P', 4}, {'G', 7}, {'N', 5}, {'S', 8}, {'T', 13}, {'L', 9}, {'U', 12}, {'I', 2},
      {'l', 4}, {'Z', 3}, {'C', 5}, {'K', 8}, {'A', 4}, {'f', 3},  {'Y', 6}, {'o', 4},  {'O', 14},
      {'Q', 2}, {'1', 9}, {'2', 1}, {'3', 2}, {'c', 1}, {'6', 6},  {'7', 4}, {'8', 6},  {'s', 2},
      {'w', 4}, {'m', 1}, {'9', 6}, {'a', 7}, {'4', 1}, {'b', 4},  {'d', 7}, {'e', 2},  {'g', 2},
      {'h', 8}, {'i', 5}, {'j', 3}, {'k', 1}, {'n', 6}, {'p', 4},  {'r', 2}, {'W', 7},  {'u', 3},
      {'X', 4}, {'t', 6}, {'v', 2},
  };
  EXPECT_EQ(std::size(counts), 57u);
  EXPECT_EQ(classrules::AllCodeClasses().size(), 57u);
  for (auto [code, count] : counts) {
    TContestRec def;
    classrules::FillClasses(def, code);
    size_t filled = 0;
    for (const TContestClass& c : def.Classes) filled += c.Description.empty() ? 0 : 1;
    EXPECT_EQ(filled, count) << code;
    EXPECT_FALSE(def.Classes[count].Description.empty()) << code;
  }

  TContestRec def;
  classrules::FillClasses(def, 'o');
  EXPECT_EQ(def.Classes[1].Description, "Teil 1: 09.05.-15.05.2016 UKW \"Lizensierte\"");
  classrules::FillClasses(def, 'K');
  EXPECT_EQ(def.Classes[1].Group, 7);
  EXPECT_EQ(def.Classes[8].Name, "Klasse H");
  TContestRec v;
  classrules::FillClasses(v, 'V');
  EXPECT_EQ(v.Classes[8].Description, "G:G\xE4ste");  // Windows-1252 umlaut
  TContestRec h;
  classrules::FillClasses(h, 'h');
  EXPECT_EQ(h.Classes[1].Name, "");
  TContestRec none;
  classrules::FillClasses(none, '#');
  EXPECT_EQ(none, TContestRec{});
}

// Every row stays inside the record: known mode words, band letters a..u.
TEST(ClassEntries, RowsHoldOnlyKnownModesAndBandLetters) {
  const std::vector<std::string> known = {"CW", "SSB", "FM", "DIGITAL", "PR", "FSK441"};
  for (const classrules::TCodeClasses& code : classrules::AllCodeClasses()) {
    for (size_t n = 1; n <= code.Classes.size(); ++n) {
      TContestRec def = Switched(Inputs(code.Code, static_cast<uint8_t>(n)));
      for (const std::string& m : def.Modes) {
        if (m.empty()) continue;
        EXPECT_NE(std::find(known.begin(), known.end(), m), known.end()) << m;
      }
      std::string bands = BandsOf(def);
      EXPECT_FALSE(bands.empty()) << code.Code << n;
      for (char b : bands) EXPECT_TRUE(b >= 'a' && b <= 'u') << code.Code << n;
    }
  }
}

std::array<std::string, 3> Presets(const TContestInputs& in) {
  TContestRec def;
  classrules::ApplySentPresets(def, in);
  return {def.SentText[1], def.SentText[2], def.SentText[3]};
}

using P3 = std::array<std::string, 3>;

TEST(SentPresets, SourcesOfTheFields) {
  EXPECT_EQ(Presets(Inputs('V', 1)), (P3{"Z19", "ST5XY", ""}));
  EXPECT_EQ(Presets(Inputs('V', 6)), (P3{"Z19", "JN39LF", ""}));
  EXPECT_EQ(Presets(Inputs('V', 9)), (P3{"", "", ""}));
  EXPECT_EQ(Presets(Inputs('V', 0)), (P3{"Z19", "ST5XY", ""}));
  EXPECT_EQ(Presets(Inputs('q', 6)), (P3{"", "B", "Hans/1"}));
  EXPECT_EQ(Presets(Inputs('E', 2)), (P3{"JN39LF", "Hans", ""}));
  EXPECT_EQ(Presets(Inputs('U', 11)), (P3{"Z19", "JN39", ""}));
  EXPECT_EQ(Presets(Inputs('P', 1)), (P3{"01", "", ""}));
  EXPECT_EQ(Presets(Inputs('m', 1)), (P3{"00001", "JN39LF", ""}));
  EXPECT_EQ(Presets(Inputs('8', 4)), (P3{"", "B", "JN39LF"}));
  EXPECT_EQ(Presets(Inputs('w', 3)), (P3{"", "MP", "1"}));
  EXPECT_EQ(Presets(Inputs('b', 4)), (P3{"", "", ""}));
  EXPECT_EQ(Presets(Inputs('Z', 2)), (P3{"", "IPA", ""}));
  EXPECT_EQ(Presets(Inputs('Q', 2)), (P3{"JN39LF", "", ""}));
  EXPECT_EQ(Presets(Inputs('e', 1)), (P3{"", "JN39", "Z19"}));
  EXPECT_EQ(Presets(Inputs('u', 3)), (P3{"", "", ""}));
  EXPECT_EQ(Presets(Inputs('v', 1)), (P3{"M123", "DL1ABC", ""}));
  EXPECT_EQ(Presets(Inputs('d', 0)), (P3{"Z19", "", ""}));
}

TEST(SentPresets, NamesTakeTheirFirstWordAndAreCut) {
  TContestInputs in = Inputs('O', 3);
  in.OwnName = "Maximilianfriedrich Meyer";
  EXPECT_EQ(Presets(in), (P3{"Maximilianfriedr", "Z19", "JN39LF"}));
  in.Code = 'r';
  in.OwnName = "Eva";
  EXPECT_EQ(Presets(in), (P3{"Eva", "", "Z19"}));
  in.Code = 'q';
  in.ClassNumber = 1;
  in.OwnName = "  Karl  Heinz";
  in.MemberNumber = 67;
  EXPECT_EQ(Presets(in)[2], "Karl/67");
}

TEST(SentPresets, EmptyDokAndMemberNumberZero) {
  TContestInputs in = Inputs('W', 1);
  in.OwnDok.clear();
  EXPECT_EQ(Presets(in)[0], "NM");
  in.Code = 'X';
  EXPECT_EQ(Presets(in)[0], "NM");
  in.OwnCall = "F5ABC";  // abroad: the serial number goes out instead
  EXPECT_EQ(Presets(in)[0], "");
  in.OwnCall = "D";  // too short to tell: counts as German
  EXPECT_EQ(Presets(in)[0], "NM");
  in.Code = 'V';
  EXPECT_EQ(Presets(in)[0], "");

  for (int32_t member : {0, -1}) {
    TContestInputs m = Inputs('f', 1);
    m.MemberNumber = member;
    EXPECT_EQ(Presets(m)[1], "");
    m.Code = 'w';
    EXPECT_EQ(Presets(m)[2], "NM");
    m.Code = 'P';
    EXPECT_EQ(Presets(m)[0], "");
    m.Code = 'q';
    EXPECT_EQ(Presets(m)[2], "Hans/");
  }
  TContestInputs big = Inputs('P', 1);
  big.MemberNumber = 12345;
  EXPECT_EQ(Presets(big)[0], "12345");
}

TEST(SentPresets, CodesWithoutPresetsLeaveTheFieldsAlone) {
  for (TContestCode code : {'5', 'A', '9', '#'}) {
    TContestRec def;
    def.SentText[1] = "keep";
    classrules::ApplySentPresets(def, Inputs(code, 1));
    EXPECT_EQ(def.SentText[1], "keep") << code;
  }
}

}  // namespace
