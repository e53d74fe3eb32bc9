#include <gtest/gtest.h>

#include <map>

#include "rulestest_support.h"

using namespace rulestest;

namespace {

// The 57 codes in the order the table is searched.
const std::string kCodes = "VBDqHEFJR5PGNSTLUIlZCKAfYoOQ123c678swm9a4bdeghijknprWuXtv";

TContestRec FrameOnly(int utcShiftMinutes) {
  TContestRec def;
  def.ClockUtcShiftHours = utcShiftMinutes / 60;
  for (int i = 1; i <= 7; ++i) def.OutputMenuItems.set(size_t(i));
  return def;
}

}  // namespace

TEST(RulesTable, KnowsExactlyTheFiftySevenCodes) {
  ASSERT_EQ(kCodes.size(), 57u);
  EXPECT_EQ(KnownContestCodeCount(), 57);
  for (int c = 0; c < 256; ++c) {
    TContestCode code = TContestCode(c);
    bool listed = c != 0 && kCodes.find(code) != std::string::npos;
    EXPECT_EQ(IsKnownContestCode(code), listed) << "code " << c;
  }
}

TEST(RulesTable, UnknownCodeGivesTheFrameOnly) {
  for (TContestCode code : {'\0', 'x', 'M', '0', '!', char(0xC4)}) {
    TContestInputs in = Log(code);
    in.UtcShiftMinutes = 120;
    bool setsByte = true;
    EXPECT_EQ(BuildContestDefinition(in, &setsByte), FrameOnly(120)) << "code " << int(code);
    EXPECT_FALSE(setsByte);
  }
}

TEST(RulesTable, UtcShiftIsWholeHoursTowardZero) {
  for (int minutes : {0, 59, 60, 150, -59, -90, -600, 330}) {
    for (TContestCode code : {'d', 'x'}) {
      TContestInputs in = Log(code);
      in.UtcShiftMinutes = minutes;
      EXPECT_EQ(Build(in).ClockUtcShiftHours, minutes / 60) << minutes;
    }
  }
  EXPECT_EQ(-90 / 60, -1);  // truncation, not flooring
}

TEST(RulesTable, ListRecordByteIsSetByThirtyEightCodes) {
  const std::string keepBandRows = "VBqHE5PA8wm9a4bdegr";
  int setting = 0;
  for (char code : kCodes) {
    bool setsByte = false;
    BuildContestDefinition(Log(code), &setsByte);
    EXPECT_EQ(setsByte, keepBandRows.find(code) == std::string::npos) << code;
    setting += setsByte;
  }
  EXPECT_EQ(setting, 38);
}

TEST(RulesTable, EveryCodeFillsItsFrameFields) {
  for (char code : kCodes) {
    SCOPED_TRACE(std::string("code ") + code);
    TContestRec def = Build(Log(code));
    EXPECT_EQ(def.EditionTitle.rfind("ZOR ", 0), 0u);
    EXPECT_FALSE(def.ContestName.empty());
    EXPECT_EQ(def.RulesRevision, code == 'V' ? 500010201 : code == 'B' ? 500010301 : 500010401);
    EXPECT_TRUE(def.ExtraText.empty() || code == 'B');
    EXPECT_TRUE(def.OutputMenuItems.any());
    EXPECT_EQ(def.SecondItemSet.any(), code == 'E');
    // The table never fills the second day of a period.
    for (const TContestPeriod& p : def.Periods) EXPECT_TRUE(p.DateTo.empty());
    const std::vector<int> validScopes = {0, 1, 2, 3, 4, 5, 7, 8, 9};
    EXPECT_NE(std::find(validScopes.begin(), validScopes.end(), def.DupeScope), validScopes.end());
    const std::vector<int> kinds = {0, 4, 5, 6, 7, 8, 11, 12, 13, 15, 16, 19, 20, 99};
    for (size_t i = 1; i <= 3; ++i) {
      EXPECT_NE(std::find(kinds.begin(), kinds.end(), def.ReceivedKinds[i]), kinds.end());
      EXPECT_NE(std::find(kinds.begin(), kinds.end(), def.SentKinds[i]), kinds.end());
    }
  }
}

TEST(RulesTable, ContestNameCarriesTheYearOfTheStartDate) {
  TContestInputs in = Log('d');
  in.StartDate = daynumber::FromYMD(2019, 1, 3);
  TContestRec def = Build(in);
  EXPECT_EQ(def.ContestName, "SAAR-Contest 2019");
  EXPECT_EQ(def.DateFrom, "16.07.2016");  // the table's dates stay
  EXPECT_EQ(def.DateTo, "17.07.2016");

  in.Code = 'V';
  EXPECT_EQ(Build(in).ContestName, "MVP-Contest 2019");
  in.Code = 'K';
  EXPECT_EQ(Build(in).ContestName, "Herbst-Contest Köln-Aachen 2019");
  in.Code = 'G';  // a fixed name takes no year
  EXPECT_EQ(Build(in).ContestName, "Hessencontest 2016");
}

TEST(RulesTable, ContestNameWithoutStartDateHasNoYear) {
  for (int32_t startDate : {-1, 0}) {
    TContestInputs in = Log('d');
    in.StartDate = startDate;
    EXPECT_EQ(Build(in).ContestName, "SAAR-Contest") << startDate;
  }
}

TEST(RulesTable, NordicActivityIsDatedTheDayOfTheCall) {
  TContestInputs in = Log('N');
  in.Today = daynumber::FromYMD(2026, 12, 7);
  TContestRec def = Build(in);
  EXPECT_EQ(def.DateFrom, "07.12.2026");
  EXPECT_EQ(def.DateTo, "07.12.2026");
  EXPECT_EQ(def.TimeFrom, "17:00:00");
  in.Today = -1;
  EXPECT_EQ(Build(in).DateFrom, "");
}

TEST(RulesTable, SaarContestOwnFields) {
  TContestRec def = Build(Log('d'));
  EXPECT_EQ(def.EditionTitle, "ZOR SAAR");
  EXPECT_EQ(def.VersionTitle, "ZOR SAAR Version 2016-1.0");
  EXPECT_EQ(def.VersionNotice.rfind(def.VersionTitle, 0), 0u);
  EXPECT_EQ(def.DupeScope, 1);
  EXPECT_EQ(def.TimeFrom, "06:00");
  EXPECT_EQ(def.TimeTo, "10:00");
  EXPECT_EQ(def.Periods, TContestRec{}.Periods);
  EXPECT_FALSE(def.AutoBandOffered);
  EXPECT_EQ(def.ReceivedKinds, Kinds(4));
  EXPECT_EQ(def.SentKinds, def.ReceivedKinds);
  EXPECT_EQ(def.ExchangeCaption[1], "DOK");
  EXPECT_EQ(def.ExchangeCaption[2], "");
  EXPECT_EQ(def.MultiplierName[1], "DOK");
  EXPECT_EQ(def.MultiplierName[2], "");
  EXPECT_EQ(Members(def.MultiplierKinds), (std::vector<int>{4}));
  EXPECT_EQ(def.MultiplierBandMode, 0);
  EXPECT_EQ(Members(def.OutputMenuItems), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 10}));
  EXPECT_EQ(Texts(def.SpecialDoks), (std::vector<std::string>{"Z19", "YLQ"}));
  EXPECT_EQ(Texts(def.HomeDoks), (std::vector<std::string>{"Z19"}));
  EXPECT_EQ(Letters(def.SpecialDistricts), "Q");
  EXPECT_EQ(Letters(def.HomeDistricts), "Q");
  EXPECT_EQ(Filled(def.SpecialCalls), 0);
  EXPECT_EQ(Filled(def.ValidDoks), 0);
}

// List sizes after the copies, and the district letters.
TEST(RulesTable, ListSizesAndDistrictsPerCode) {
  struct TLists {
    int SpecialCalls, SpecialDoks, HomeDoks;
    const char* SpecialDistricts;
    const char* HomeDistricts;
  };
  const std::map<char, TLists> expected = {
      {'V', {0, 0, 7, "", "V"}},      {'B', {0, 58, 0, "AP", ""}},
      {'D', {1, 0, 0, "", ""}},       {'F', {0, 9, 9, "B", "B"}},
      {'J', {0, 20, 20, "E", "E"}},   {'R', {8, 15, 15, "K", "K"}},
      {'G', {0, 30, 30, "F", "F"}},   {'S', {0, 55, 55, "HSW", "HSW"}},
      {'T', {0, 7, 7, "X", "X"}},     {'L', {0, 10, 10, "L", "L"}},
      {'I', {0, 0, 0, "I", "I"}},     {'l', {0, 9, 9, "I", "I"}},
      {'C', {0, 12, 12, "DY", "DY"}}, {'K', {0, 7, 0, "G", ""}},
      {'Y', {0, 11, 0, "Z", "Z"}},    {'o', {0, 11, 0, "ABCDEFGHIKLMNOPQRSTUVWXYZ", "Z"}},
      {'O', {0, 16, 0, "M", ""}},     {'Q', {0, 0, 5, "", "T"}},
      {'2', {0, 14, 0, "", ""}},      {'3', {0, 18, 0, "N", ""}},
      {'c', {0, 5, 0, "N", ""}},      {'a', {0, 11, 0, "R", ""}},
      {'d', {0, 2, 1, "Q", "Q"}},     {'e', {0, 79, 79, "EHIMV", "EHIMV"}},
      {'g', {0, 33, 33, "I", "I"}},   {'h', {8, 22, 22, "K", "K"}},
      {'k', {3, 0, 0, "", ""}},
  };
  for (char code : kCodes) {
    SCOPED_TRACE(std::string("code ") + code);
    auto it = expected.find(code);
    TLists want = it == expected.end() ? TLists{0, 0, 0, "", ""} : it->second;
    TContestRec def = Build(Log(code));
    EXPECT_EQ(Filled(def.SpecialCalls), want.SpecialCalls);
    EXPECT_EQ(Filled(def.SpecialDoks), want.SpecialDoks);
    EXPECT_EQ(Filled(def.HomeDoks), want.HomeDoks);
    EXPECT_EQ(Letters(def.SpecialDistricts), want.SpecialDistricts);
    EXPECT_EQ(Letters(def.HomeDistricts), want.HomeDistricts);
    EXPECT_EQ(Filled(def.ValidDoks), 0);
    EXPECT_EQ(Letters(def.ValidDistricts), "");
  }
}

TEST(RulesTable, ListsKeepTheirEmptyPlaces) {
  TContestRec v = Build(Log('V'));
  EXPECT_EQ(v.HomeDoks[1], "MCM");
  EXPECT_EQ(v.HomeDoks[2], "");
  EXPECT_EQ(v.HomeDoks[3], "MVP");
  EXPECT_EQ(v.HomeDoks[8], "VO");
  TContestRec g = Build(Log('G'));
  for (size_t i : {23u, 27u, 28u, 29u}) EXPECT_EQ(g.HomeDoks[i], "") << i;
  EXPECT_EQ(g.HomeDoks[22], "NOTF");
  EXPECT_EQ(g.HomeDoks[34], "HT16");
  EXPECT_EQ(g.SpecialDoks, g.HomeDoks);
  EXPECT_EQ(Filled(g.SpecialDoks), 30);
  TContestRec e = Build(Log('e'));
  EXPECT_EQ(e.HomeDoks[20], "");
  EXPECT_EQ(e.HomeDoks[80], "IR2014");
  // The single special DOK of 'e' gives way to the home DOKs.
  EXPECT_EQ(e.SpecialDoks, e.HomeDoks);
  EXPECT_EQ(Filled(e.SpecialDoks), 79);
}

TEST(RulesTable, ListEntriesAsTheContestsPublishThem) {
  std::vector<std::string> b = Texts(Build(Log('B')).SpecialDoks);
  EXPECT_NE(std::find(b.begin(), b.end(), "TÜBAIX"), b.end());
  EXPECT_NE(std::find(b.begin(), b.end(), "TUEBAIX"), b.end());
  EXPECT_EQ(Build(Log('R')).SpecialCalls, Build(Log('h')).SpecialCalls);
  EXPECT_EQ(Filled(Build(Log('h')).SpecialCalls), 8);
  EXPECT_EQ(Build(Log('Y')).SpecialDoks, Build(Log('o')).SpecialDoks);
  EXPECT_EQ(Filled(Build(Log('o')).SpecialDoks), 11);
  EXPECT_EQ(Texts(Build(Log('k')).SpecialCalls),
            (std::vector<std::string>{"DA0QC", "DK0QCW", "DL0QCW"}));
  EXPECT_EQ(Texts(Build(Log('R')).HomeDoks)[11], "MMSN IG");
}

TEST(RulesTable, GuestClassOfMvpAdmitsOnlyTheHomeArea) {
  for (uint8_t cls : {1, 7, 8, 9}) {
    TContestRec def = Build(Log('V', cls));
    bool guests = cls == 8;
    EXPECT_EQ(def.ValidDoks == def.HomeDoks, guests) << int(cls);
    EXPECT_EQ(def.SpecialDoks == def.HomeDoks, guests) << int(cls);
    EXPECT_EQ(Letters(def.ValidDistricts), guests ? "V" : "");
    EXPECT_EQ(Letters(def.SpecialDistricts), guests ? "V" : "");
  }
}

TEST(RulesTable, RlpWeekByClass) {
  for (uint8_t cls = 0; cls <= 9; ++cls) {
    TContestRec def = Build(Log('h', cls));
    EXPECT_EQ(def.MultiplierBandMode, (cls == 6 || cls == 8) ? 1 : 0) << int(cls);
    bool copies = cls <= 8;
    EXPECT_EQ(Filled(def.SpecialDoks), copies ? 22 : 0) << int(cls);
    EXPECT_EQ(Letters(def.SpecialDistricts), copies ? "K" : "") << int(cls);
  }
}

TEST(RulesTable, WagSidesFollowTheOwnCall) {
  struct {
    const char* Call;
    bool German;
  } calls[] = {{"DL1ABC", true},  {"DA0X", true},  {"DJ2XY", true},  {"DR1A", true},
               {"D", true},       {"", true},      {"DI1AB", false}, {"DS1AB", false},
               {"OE1XYZ", false}, {"G4ABC", false}};
  for (const auto& c : calls) {
    SCOPED_TRACE(c.Call);
    TContestInputs in = Log('W');
    in.OwnCall = c.Call;
    TContestRec def = Build(in);
    EXPECT_EQ(def.ReceivedKinds[1], c.German ? 7 : 4);
    EXPECT_EQ(def.SentKinds[1], c.German ? 4 : 7);
    EXPECT_EQ(def.ExchangeCaption[1], c.German ? "lfd.Nr. / DOK" : "DOK");
    EXPECT_EQ(def.MultiplierName[1], c.German ? "DXCC" : "Distrikt");
    EXPECT_EQ(Members(def.MultiplierKinds),
              (c.German ? std::vector<int>{2, 3, 14} : std::vector<int>{18, 21}));
    for (char code : {'u', 'X', 't'}) {
      in.Code = code;
      TContestRec other = Build(in);
      EXPECT_EQ(other.ReceivedKinds[1], 4) << code;
      EXPECT_EQ(other.SentKinds[1], c.German ? 4 : 7) << code;
      EXPECT_EQ(other.ExchangeCaption[1], "DOK / lfd.Nr.") << code;
    }
  }
}

TEST(RulesTable, MissingOwnDokTurnsTheSentFieldIntoSerialOrNothing) {
  for (bool emptyDok : {false, true}) {
    SCOPED_TRACE(emptyDok ? "no own DOK" : "own DOK");
    TContestInputs in = Log('C');
    if (emptyDok) in.OwnDok.clear();
    TContestRec c = Build(in);
    EXPECT_EQ(c.ReceivedKinds[1], 4);
    EXPECT_EQ(c.SentKinds[1], emptyDok ? 7 : 4);
    EXPECT_EQ(c.ExchangeCaption[1], emptyDok ? "Nr" : "DOK");

    in.Code = 'Q';
    TContestRec q = Build(in);
    EXPECT_EQ(q.SentKinds[1], emptyDok ? 7 : 4);
    EXPECT_EQ(q.SentKinds[2], 6);
    EXPECT_EQ(q.ExchangeCaption[1], "DOK");

    in.Code = '1';
    TContestRec one = Build(in);
    EXPECT_EQ(one.SentKinds[1], 7);
    EXPECT_EQ(one.SentKinds[2], emptyDok ? 0 : 4);
    EXPECT_EQ(one.ReceivedKinds[2], 4);
  }
}

TEST(RulesTable, SmallConditionsOfSingleCodes) {
  TContestInputs in = Log('Y');
  in.MemberNumber = 2;
  EXPECT_TRUE(Build(in).SWLLog);
  in.MemberNumber = 3;
  EXPECT_FALSE(Build(in).SWLLog);

  in = Log('B');
  in.OwnDok = "P05";
  EXPECT_EQ(Build(in).ExtraText, "P05");
  EXPECT_EQ(Build(in).VersionTitle, "ZOR BWA Version 2016-2.0");

  for (uint8_t cls = 1; cls <= 4; ++cls) {
    TContestRec dig = Build(Log('7', cls));
    EXPECT_EQ(dig.MultiplierName[1], cls >= 3 ? "DIG" : "DXCC") << int(cls);
    // The member number field is never labelled as a locator.
    EXPECT_EQ(dig.ReceivedKinds[1], 16);
    EXPECT_EQ(dig.ExchangeCaption[1], "") << int(cls);
    EXPECT_EQ(dig.ExchangeCaption[2], "LOC") << int(cls);
  }
}

TEST(RulesTable, PeriodsAsWritten) {
  TContestRec g = Build(Log('G'));
  EXPECT_EQ(g.Periods[4].Date, "22.05.2016");
  EXPECT_EQ(g.Periods[4].TimeTo, "8:00:00");
  EXPECT_EQ(Letters(g.Periods[3].Bands), "mnopqs");
  EXPECT_TRUE(g.Periods[6].Date.empty());
  TContestRec k = Build(Log('K'));
  EXPECT_EQ(k.Periods[8].TimeFrom, "15:30:00");
  EXPECT_EQ(Letters(k.Periods[8].Bands), "b");
  TContestRec f = Build(Log('F'));
  EXPECT_EQ(Letters(f.Periods[1].Bands), "cb");  // the order of the bands is kept
}
