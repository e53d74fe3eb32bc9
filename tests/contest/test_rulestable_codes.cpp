// The rules table for a spread of contest codes: titles, dates, dupe scope, output menu,
// exchange, multipliers and flags, each value taken from the written rules of the code.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "contest/contestrules.h"
#include "contest/rulestable.h"
#include "foundation/daynumber.h"
#include "rulestest_support.h"

namespace {

constexpr int kStartYear = 2021;

// A log of another year than the table's dates, so that a name with the year shows it.
TContestInputs Log(TContestCode code, uint8_t classNumber = 1, const char* ownCall = "DL1ABC") {
  TContestInputs in = rulestest::Log(code, classNumber);
  in.StartDate = daynumber::FromYMD(kStartYear, 3, 14);
  in.Today = daynumber::FromYMD(2026, 12, 7);
  in.OwnCall = ownCall;
  in.OwnLocator = "JO31AB";
  in.OwnName = "Erika Muster";
  return in;
}

TByteSet SetOf(std::initializer_list<int> items) {
  TByteSet set;
  for (int i : items) set.set(size_t(i));
  return set;
}

TByteSet UpTo(int last) {
  TByteSet set;
  for (int i = 1; i <= last; ++i) set.set(size_t(i));
  return set;
}

struct TitleCase {
  TContestCode code;
  const char* edition;
  std::string contestName;
  const char* dateFrom;
  const char* dateTo;
  const char* timeFrom;
  const char* timeTo;
  int dupeScope;  // class 1; -1 where the rules leave it open
  TByteSet output;
};

const std::string Y = " " + std::to_string(kStartYear);

TEST(RulesTableCodes, TitlesDatesDupeScopeAndOutputMenu) {
  const TitleCase cases[] = {
      {'V', "ZOR MVP", "MVP-Contest" + Y, "19.03.2016", "19.03.2016", "13:00:00", "18:30:00", 1,
       SetOf({1, 2, 3, 4, 5, 6, 7, 8, 12})},
      {'B', "ZOR BWA", "BWA-Contest" + Y, "26.03.2016", "26.03.2016", "07:00:00", "12:00:00", 1,
       UpTo(7)},
      {'D', "ZOR DTC", "DTC-Contest" + Y, "28.03.2016", "28.03.2016", "06:00:00", "09:00:00", 2,
       UpTo(7)},
      {'q', "ZOR HTP", "Handtastenparty" + Y, "", "", "", "", 2, UpTo(7)},
      {'H', "ZOR Holyland", "Holyland-Contest" + Y, "", "", "00:00:01", "23:59:59", 1,
       SetOf({1, 2, 4, 5, 6, 7, 9, 10})},
      {'E', "ZOR EU-Tag", "Europatag der Schulstationen", "05.05.2016", "05.05.2016", "10:00:00",
       "16:00:00", 3, SetOf({1, 2, 4, 5, 6})},
      {'J', "ZOR Hamburg", "Hamburg Contest", "22.05.2016", "22.05.2016", "10:00:00", "18:00:00", 2,
       UpTo(6)},
      {'N', "ZOR NAC", "Nordic Activity Contest", "07.12.2026", "07.12.2026", "17:00:00",
       "21:00:00", 2, SetOf({1, 2, 3, 4, 5, 6, 13})},
      {'P', "ZOR Party", "ZOR Party Februar-QSO-Party 2016", "07.02.2016", "07.02.2016", "07:00:00",
       "16:00:00", -1, SetOf({3, 4, 5, 6})},
      {'G', "ZOR Hessen", "Hessencontest 2016", "21.05.2016", "22.05.2016", "14:00:00", "10:00:00",
       1, UpTo(6)},
      {'S', "ZOR HSW", "Aktivitätswettbewerbe H, S, W", "29.08.2015", "29.08.2015", "06:00:00",
       "15:00:00", 9, UpTo(6)},
      {'Z', "ZOR IPARC", "IPARC-Contest", "", "", "06:00:00", "18:00:00", 1, UpTo(6)},
      {'C', "ZOR BB", "Brandenburg-Berlin-Contest" + Y, "06.12.2015", "06.12.2015", "07:00:00",
       "11:00:00", 1, SetOf({1, 2, 3, 4, 5, 6, 7, 8, 10})},
      {'K', "ZOR Köln-Aachen", "Herbst-Contest Köln-Aachen" + Y, "21.11.2015", "22.11.2015",
       "08:30:00", "20:30:00", 8, UpTo(6)},
      {'A', "ZOR CW", "Deutscher Telegraphie-Contest" + Y, "03.10.2015", "03.10.2015", "07:00:00",
       "10:00:00", 2, UpTo(7)},
      {'O', "ZOR SH", "Aktivitätswochenende SH", "14.11.2015", "15.11.2015", "07:00:00", "19:00:00",
       2, SetOf({1, 2, 4, 5, 6})},
      {'1', "ZOR DARC10", "DARC 10-m-Contest" + Y, "10.01.2016", "10.01.2016", "09:00:00",
       "11:00:00", 2, SetOf({1, 2, 4, 5, 6, 7, 8, 9, 10})},
      {'c', "ZOR WNA", "Westfalen Nord Aktivitätstag", "", "", "19:00", "21:00", 5, UpTo(6)},
      {'8', "ZOR AGCW", "AGCW - VHF/UHF-Contest 2016", "", "", "", "", 9,
       SetOf({1, 2, 4, 5, 6, 7, 10, 13})},
      {'m', "ZOR Großraum 80m", "Großraum-Mobilwettbewerb 80m" + Y, "", "", "05:30", "07:30", 2,
       SetOf({1, 2, 4, 5, 6, 7, 10})},
      {'4', "ZOR RTC-Party", "RTC-Party" + Y, "20.12.2015", "20.12.2015", "08:00:00", "10:00:00", 2,
       SetOf({1, 2, 4, 5, 6, 7, 9})},
      {'b', "ZOR O-QRP", "Original-QRP-Contest" + Y, "02.07.2016", "03.07.2016", "15:00", "15:00",
       2, SetOf({1, 2, 3, 4, 5, 6, 7, 10})},
      {'h', "ZOR RLP-Woche", "Rheinland-Pfalz - Aktivitätswoche", "01.01.2016", "07.01.2016",
       "00:00:00", "23:59:59", 4, UpTo(6)},
      {'i', "ZOR NAVAL", "Naval-Contest", "10.12.2011", "11.12.2011", "16:00:00", "15:59:00", 2,
       SetOf({1, 2, 4, 5, 6, 10})},
      {'k', "ZOR QCWA", "QCWA-Party", "07.09.2015", "07.09.2015", "15:00:00", "16:00:00", 1,
       UpTo(7)},
      {'r', "ZOR YL-Party", "YL-Party" + Y, "14.03.2016", "15.03.2016", "19:00:00", "21:00:00", 2,
       SetOf({1, 2, 4, 5, 6, 7})},
      {'W', "ZOR WAG", "Worked All Germany (WAG) Contest", "17.10.2015", "18.10.2015", "15:00:00",
       "14:59:59", 8, SetOf({1, 2, 3, 4, 5, 6, 9})},
      {'u', "ZOR Starter", "DARC-Ausbildungscontest", "17.10.2015", "17.10.2015", "12:00:00",
       "14:30:00", 1, SetOf({1, 2, 3, 4, 5, 6, 9})},
      {'X', "ZOR XMAS", "DARC-Weihnachtscontest", "26.12.2015", "26.12.2015", "08:30:00",
       "10:59:00", 2, SetOf({1, 2, 4, 5, 6, 9})},
      {'t', "ZOR Ostercontest", "DARC-Ostercontest", "28.03.2016", "28.03.2016", "15:00:00",
       "17:30:00", 2, SetOf({1, 2, 4, 5, 6, 9})},
      {'v', "ZOR MRR", "Military on the Air Aktivität der MRR", "01.03.2016", "01.03.2016",
       "17:00:00", "20:00:00", 7, SetOf({1, 2, 4, 5, 6})},
  };
  for (const TitleCase& c : cases) {
    SCOPED_TRACE(std::string("code ") + c.code);
    TContestRec def = BuildContestDefinition(Log(c.code));
    EXPECT_EQ(def.EditionTitle, c.edition);
    EXPECT_EQ(def.ContestName, c.contestName);
    EXPECT_EQ(def.DateFrom, c.dateFrom);
    EXPECT_EQ(def.DateTo, c.dateTo);
    EXPECT_EQ(def.TimeFrom, c.timeFrom);
    EXPECT_EQ(def.TimeTo, c.timeTo);
    if (c.dupeScope >= 0) {
      EXPECT_EQ(def.DupeScope, c.dupeScope);
    }
    EXPECT_EQ(def.OutputMenuItems, c.output);
    // Every code names its version ('B' its own); the notice follows the title.
    EXPECT_EQ(def.VersionTitle,
              c.edition + std::string(" Version ") + (c.code == 'B' ? "2016-2.0" : "2016-1.0"));
    EXPECT_EQ(def.VersionNotice.rfind(def.VersionTitle, 0), 0u);
    EXPECT_GT(def.VersionNotice.size(), def.VersionTitle.size());
  }
}

// The log window's caption, the cover sheet, the STF header and Cabrillo's CREATED-BY all
// read the version title: no code may leave it empty.
TEST(RulesTableCodes, EveryCodeNamesItsVersion) {
  size_t codes = 0;
  for (const rulestable::TCodeRules& row : rulestable::Rows()) {
    SCOPED_TRACE(std::string("code ") + row.Code);
    const TContestRec def = BuildContestDefinition(Log(row.Code));
    ASSERT_FALSE(def.EditionTitle.empty());
    EXPECT_EQ(def.VersionTitle,
              def.EditionTitle + " Version " + (row.Code == 'B' ? "2016-2.0" : "2016-1.0"));
    EXPECT_EQ(def.VersionNotice.rfind(def.VersionTitle, 0), 0u);
    ++codes;
  }
  EXPECT_EQ(codes, 57u);
}

using K3 = std::array<int32_t, 3>;
using T3 = std::array<std::string, 3>;

struct ExchangeCase {
  TContestCode code;
  uint8_t classNumber;
  const char* ownCall;
  K3 received;
  K3 sent;
  T3 captions;
  TByteSet multipliers;
  T3 multiplierNames;
  bool swl;
};

K3 KindsOf(const TArray1<int32_t, 3>& k) { return {k[1], k[2], k[3]}; }
T3 TextsOf(const TArray1<std::string, 3>& t) { return {t[1], t[2], t[3]}; }

TEST(RulesTableCodes, ExchangeMultipliersAndListenerByClass) {
  const char* de = "DL1ABC";
  const char* abroad = "OE3XYZ";
  // clang-format off
  const ExchangeCase cases[] = {
      {'V', 1, de, {4, 99, 0}, {4, 99, 0}, {"DOK", "", ""}, SetOf({2, 4}), {"DOK", "DXCC", ""}, false},
      {'V', 6, de, {4, 6, 0}, {4, 6, 0}, {"DOK", "", ""}, SetOf({2, 4}), {"DOK", "DXCC", ""}, false},
      {'V', 9, de, {4, 99, 0}, {4, 99, 0}, {"DOK", "", ""}, SetOf({2, 4}), {"DOK", "DXCC", ""}, true},
      {'B', 1, de, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, SetOf({2, 3, 4}), {"DOK", "DXCC", ""}, false},
      {'B', 2, de, {4, 6, 0}, {4, 6, 0}, {"DOK", "LOC", ""}, SetOf({2, 3, 4}), {"DOK", "DXCC", ""}, false},
      {'B', 4, de, {4, 6, 0}, {4, 6, 0}, {"DOK", "LOC", ""}, SetOf({2, 3, 4}), {"DOK", "DXCC", ""}, true},
      {'D', 1, de, {7, 4, 0}, {7, 4, 0}, {"Nr", "DOK", ""}, SetOf({2, 3, 4, 10}), {"DOK", "DXCC", "Callmulti"}, false},
      {'q', 1, de, {7, 99, 99}, {7, 99, 99}, {"Nr", "Klasse", "Name + Alter"}, SetOf({}), {"", "", ""}, false},
      {'H', 1, de, {8, 0, 0}, {7, 0, 0}, {"Area", "", ""}, SetOf({8}), {"Area", "", ""}, false},
      {'H', 7, de, {8, 0, 0}, {8, 0, 0}, {"Area", "", ""}, SetOf({8}), {"Area", "", ""}, true},
      {'E', 1, de, {6, 20, 0}, {6, 20, 0}, {"LOC", "Name", ""}, SetOf({2, 3, 9, 14}), {"WAE", "", ""}, false},
      {'E', 2, de, {6, 20, 0}, {6, 20, 0}, {"LOC", "Name", ""}, SetOf({2, 3, 5, 9, 14}), {"WAE", "", ""}, false},
      {'F', 1, de, {7, 4, 0}, {7, 4, 0}, {"Nr", "DOK", ""}, SetOf({4}), {"DOK", "Loc", ""}, false},
      {'F', 3, de, {7, 4, 6}, {7, 4, 6}, {"Nr", "DOK", ""}, SetOf({4, 5}), {"DOK", "Loc", ""}, false},
      {'J', 2, de, {4, 6, 0}, {4, 6, 0}, {"DOK", "LOC", ""}, SetOf({2, 3, 4, 5}), {"DOK", "DXCC", "Loc"}, true},
      {'N', 3, de, {6, 0, 0}, {6, 0, 0}, {"LOC", "", ""}, SetOf({5}), {"Loc", "", ""}, false},
      {'P', 1, de, {99, 0, 0}, {99, 0, 0}, {"", "", ""}, SetOf({1}), {"Prefix", "", ""}, false},
      {'G', 5, de, {7, 4, 6}, {7, 4, 6}, {"Nr", "DOK", "LOC"}, SetOf({4}), {"DOK", "", ""}, false},
      {'S', 1, de, {7, 4, 0}, {7, 4, 0}, {"Nr", "DOK", ""}, SetOf({4}), {"DOK", "", ""}, false},
      {'U', 5, de, {4, 5, 0}, {4, 5, 0}, {"DOK", "LOC", ""}, SetOf({4, 5}), {"DOK", "Loc", ""}, false},
      {'Z', 1, de, {11, 99, 12}, {11, 99, 0}, {"", "", "US-State"}, SetOf({2, 3, 12}), {"DXCC", "US-State", ""}, false},
      {'C', 1, de, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, SetOf({4}), {"DOK", "", ""}, false},
      {'C', 5, de, {4, 0, 0}, {4, 7, 0}, {"DOK", "Nr", ""}, SetOf({4}), {"DOK", "", ""}, true},
      {'K', 1, de, {13, 4, 0}, {13, 4, 0}, {"", "DOK", ""}, SetOf({4}), {"DOK", "", ""}, false},
      {'A', 1, de, {0, 0, 0}, {0, 0, 0}, {"LDK", "", ""}, SetOf({}), {"", "", ""}, false},
      {'A', 4, de, {0, 0, 0}, {0, 0, 0}, {"LDK", "", ""}, SetOf({}), {"", "", ""}, true},
      {'O', 3, de, {20, 4, 6}, {20, 4, 6}, {"Name", "DOK", "LOC"}, SetOf({2, 3, 4, 14}), {"DOK", "DXCC", ""}, false},
      {'Q', 2, de, {4, 6, 0}, {4, 0, 0}, {"DOK", "LOC", ""}, SetOf({}), {"", "", ""}, false},
      {'1', 1, de, {7, 4, 0}, {7, 4, 0}, {"", "DOK", ""}, SetOf({2, 3, 4, 14}), {"DOK", "DXCC", ""}, false},
      // "LOC" labels the locator field, never the DIG member number.
      {'7', 1, de, {16, 0, 0}, {16, 0, 0}, {"", "LOC", ""}, SetOf({2, 3, 14, 16}), {"DXCC", "DIG", ""}, false},
      {'7', 3, de, {16, 6, 0}, {16, 6, 0}, {"", "LOC", ""}, SetOf({16}), {"DIG", "DIG", ""}, false},
      {'7', 4, de, {16, 6, 0}, {16, 6, 0}, {"", "LOC", ""}, SetOf({16}), {"DIG", "DIG", ""}, false},
      {'h', 1, de, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, SetOf({4, 10, 18}), {"DOK", "Callmulti", "Loc"}, false},
      {'h', 4, de, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, SetOf({2, 4, 10}), {"DOK", "Callmulti", "Loc"}, false},
      {'h', 5, de, {4, 5, 0}, {4, 5, 0}, {"DOK", "LOC", ""}, SetOf({4, 5, 10}), {"DOK", "Callmulti", "Loc"}, false},
      {'h', 7, de, {0, 0, 0}, {0, 0, 0}, {"", "", ""}, SetOf({}), {"DOK", "Callmulti", "Loc"}, true},
      {'h', 8, de, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, SetOf({2, 4, 10, 18}), {"DOK", "Callmulti", "Loc"}, false},
      {'p', 1, de, {19, 0, 0}, {19, 0, 0}, {"DSW/Paddel", "", ""}, SetOf({19}), {"DSW", "Loc", ""}, false},
      {'p', 3, de, {19, 6, 0}, {19, 6, 0}, {"DSW/Paddel", "", ""}, SetOf({5, 19}), {"DSW", "Loc", ""}, false},
      {'r', 1, de, {20, 7, 4}, {20, 7, 4}, {"Name", "Nr", "DOK"}, SetOf({2, 3, 4}), {"DXCC", "DOK", ""}, false},
      {'4', 1, de, {99, 5, 0}, {99, 5, 0}, {"RTC-Nr", "Loc", ""}, SetOf({5}), {"Nr", "Loc", ""}, false},
      {'m', 1, de, {99, 6, 0}, {99, 6, 0}, {"Teiln.Nr.", "LOC", ""}, SetOf({}), {"", "", ""}, false},
      {'v', 1, de, {7, 99, 0}, {99, 99, 0}, {"MRR", "RIG", ""}, SetOf({}), {"", "", ""}, false},
      {'W', 1, de, {7, 0, 0}, {4, 0, 0}, {"lfd.Nr. / DOK", "", ""}, SetOf({2, 3, 14}), {"DXCC", "", ""}, false},
      {'W', 1, abroad, {4, 0, 0}, {7, 0, 0}, {"DOK", "", ""}, SetOf({18, 21}), {"Distrikt", "", ""}, false},
      {'W', 7, abroad, {4, 0, 0}, {7, 0, 0}, {"DOK", "", ""}, SetOf({18}), {"Distrikt", "", ""}, true},
      {'u', 1, de, {4, 0, 0}, {4, 0, 0}, {"DOK / lfd.Nr.", "", ""}, SetOf({2, 3, 14, 18}), {"Distrikt", "DXCC", ""}, false},
      {'u', 1, abroad, {4, 0, 0}, {7, 0, 0}, {"DOK / lfd.Nr.", "", ""}, SetOf({2, 3, 14, 18}), {"Distrikt", "DXCC", ""}, false},
      {'X', 2, abroad, {4, 0, 0}, {7, 0, 0}, {"DOK / lfd.Nr.", "", ""}, SetOf({1, 4}), {"DOK", "Prefix", ""}, false},
      {'t', 3, de, {4, 0, 0}, {4, 0, 0}, {"DOK / lfd.Nr.", "", ""}, SetOf({1, 4}), {"DOK", "Prefix", ""}, false},
  };
  // clang-format on
  for (const ExchangeCase& c : cases) {
    SCOPED_TRACE(std::string("code ") + c.code + " class " + std::to_string(c.classNumber) + " " +
                 c.ownCall);
    TContestRec def = BuildContestDefinition(Log(c.code, c.classNumber, c.ownCall));
    EXPECT_EQ(KindsOf(def.ReceivedKinds), c.received);
    EXPECT_EQ(KindsOf(def.SentKinds), c.sent);
    EXPECT_EQ(TextsOf(def.ExchangeCaption), c.captions);
    EXPECT_EQ(def.MultiplierKinds, c.multipliers);
    EXPECT_EQ(TextsOf(def.MultiplierName), c.multiplierNames);
    EXPECT_EQ(def.SWLLog, c.swl);
  }
}

TEST(RulesTableCodes, DupeScopeAndBandCountingByClass) {
  // 'S' listeners log every QSO again; 'h' counts its multipliers once in classes 6 and 8.
  for (uint8_t n = 1; n <= 8; ++n) {
    EXPECT_EQ(BuildContestDefinition(Log('S', n)).DupeScope, n >= 5 ? 0 : 9) << int(n);
    EXPECT_EQ(BuildContestDefinition(Log('h', n)).MultiplierBandMode, (n == 6 || n == 8) ? 1 : 0)
        << int(n);
  }
  // 'Y' marks the log of a listener by the member field 2.
  TContestInputs y = Log('Y', 1);
  EXPECT_FALSE(BuildContestDefinition(y).SWLLog);
  y.MemberNumber = 2;
  EXPECT_TRUE(BuildContestDefinition(y).SWLLog);
}

struct FlagCase {
  TContestCode code;
  uint8_t multiplierBandMode;
  bool scorePointsOnly;
  bool multiplierOption;
  bool scorePerBand;
  bool showEvaluationButton;
  const char* memberList;
  const char* memberList2;
  const char* cabrillo;
};

TEST(RulesTableCodes, ScoreFlagsMemberListsAndCabrillo) {
  const FlagCase cases[] = {
      {'V', 0, false, false, false, false, "", "", ""},
      {'E', 1, false, false, false, false, "", "", ""},
      {'J', 0, false, true, false, false, "", "", ""},
      {'5', 1, true, false, false, false, "", "", ""},
      {'P', 1, true, false, false, false, "", "", ""},
      {'G', 2, false, true, false, false, "", "", ""},
      {'N', 0, true, false, false, false, "", "", ""},
      {'T', 1, false, false, false, false, "", "", ""},
      {'Z', 0, false, false, true, false, "IPA", "IPA", ""},
      {'s', 0, false, false, true, false, "", "", ""},
      {'H', 0, false, false, false, false, "", "", "HOLYLAND"},
      {'1', 0, false, false, false, false, "", "", "10M"},
      {'w', 0, false, false, false, false, "", "", "AGCW-QRP"},
      {'9', 0, false, false, false, false, "", "", "IARU-FD-R1-DARC"},
      {'4', 1, false, false, false, false, "", "", "RTC-PARTY"},
      {'i', 1, false, false, false, false, "Naval", "", ""},
      {'W', 0, false, false, false, true, "", "", "WAG"},
      {'u', 0, false, false, false, false, "", "", "AC"},
      {'X', 0, false, false, false, false, "", "", "DARC-XMAS"},
      {'t', 0, false, false, false, false, "", "", "EASTER"},
      {'v', 1, false, false, false, false, "", "", ""},
      {'d', 0, false, false, false, false, "", "", ""},
  };
  for (const FlagCase& c : cases) {
    SCOPED_TRACE(std::string("code ") + c.code);
    TContestRec def = BuildContestDefinition(Log(c.code));
    EXPECT_EQ(def.MultiplierBandMode, c.multiplierBandMode);
    EXPECT_EQ(def.ScorePointsOnly, c.scorePointsOnly);
    EXPECT_EQ(def.MultiplierOption, c.multiplierOption);
    EXPECT_EQ(def.ScorePerBand, c.scorePerBand);
    EXPECT_EQ(def.ShowEvaluationButton, c.showEvaluationButton);
    EXPECT_EQ(def.MemberList, c.memberList);
    EXPECT_EQ(def.MemberList2, c.memberList2);
    EXPECT_EQ(def.CabrilloContest, c.cabrillo);
    EXPECT_EQ(def.SecondItemSet, c.code == 'E' ? SetOf({5, 6}) : TByteSet());
  }
}

// The automatic band choice is offered by these codes (some only in some classes) and by
// no other.
TEST(RulesTableCodes, AutomaticBandOfferedOnlyByItsCodes) {
  const std::string offering = "VJUCG74egu";
  const std::string all = "VBDqHEFJR5PGNSTLUIlZCKAfYoOQ123c678swm9a4bdeghijknprWuXtv";
  for (char code : all) {
    bool anyClass = false;
    for (uint8_t n = 0; n <= 20; ++n)
      anyClass |= BuildContestDefinition(Log(code, n)).AutoBandOffered;
    EXPECT_EQ(anyClass, offering.find(code) != std::string::npos) << code;
  }
}

// Class number 0 (no class chosen yet) is class 1 for most codes; '1', 'a', 'd', 'e', 'X'
// and 't' admit no mode then, and only '1', 'X' and 't' some bands.
TEST(RulesTableCodes, ClassNumberZeroAsEachCodeDefinesIt) {
  const std::string all = "VBDqHEFJR5PGNSTLUIlZCKAfYoOQ123c678swm9a4bdeghijknprWuXtv";
  const std::map<char, std::string> withoutClass = {{'1', "i"}, {'a', ""},   {'d', ""},
                                                    {'e', ""},  {'X', "bc"}, {'t', "bc"}};
  for (char code : all) {
    SCOPED_TRACE(std::string("code ") + code);
    // Above the last class nothing is admitted.
    TContestRec above = BuildContestDefinition(Log(code, 20));
    EXPECT_EQ(rulestest::Filled(above.Modes), 0);
    EXPECT_EQ(rulestest::Letters(above.Bands), "");

    TContestRec zero = BuildContestDefinition(Log(code, 0));
    auto it = withoutClass.find(code);
    if (it == withoutClass.end()) {
      EXPECT_TRUE(zero == BuildContestDefinition(Log(code, 1)));
    } else {
      EXPECT_EQ(rulestest::Filled(zero.Modes), 0);
      EXPECT_EQ(rulestest::Letters(zero.Bands), it->second);
    }
  }
}

// Presets that depend on the contest log, through the whole build.
TEST(RulesTableCodes, PresetsOfTheLogThroughTheBuild) {
  TContestInputs w = Log('W', 4);
  w.OwnDok.clear();
  EXPECT_EQ(BuildContestDefinition(w).SentText[1], "NM");
  w.OwnDok = "Q01";
  EXPECT_EQ(BuildContestDefinition(w).SentText[1], "Q01");

  TContestInputs ten = Log('1', 2);
  ten.OwnDok.clear();
  TContestRec def = BuildContestDefinition(ten);
  EXPECT_EQ(def.SentKinds[2], 0);
  EXPECT_EQ(def.SentText[2], "");

  TContestInputs f = Log('f', 1);
  f.MemberNumber = 0;
  EXPECT_EQ(BuildContestDefinition(f).SentText[2], "");
  f.MemberNumber = 4711;
  EXPECT_EQ(BuildContestDefinition(f).SentText[2], "4711");

  EXPECT_EQ(BuildContestDefinition(Log('E', 1)).SentText[2], "Erika");
  EXPECT_EQ(BuildContestDefinition(Log('U', 6)).SentText[2], "JO31");
}

}  // namespace
