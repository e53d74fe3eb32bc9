// Station and DOK lists, district letters and contest periods of the rules table, and
// what an unknown code yields.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "contest/contestrules.h"
#include "foundation/daynumber.h"
#include "rulestest_support.h"

namespace {

TContestRec Build(TContestCode code, uint8_t classNumber = 1) {
  TContestInputs in = rulestest::Log(code, classNumber);
  in.OwnDok = "A01";
  return BuildContestDefinition(in);
}

using rulestest::Letters;

template <typename List>
int Count(const List& list) {
  return rulestest::Filled(list);
}

struct ListCase {
  TContestCode code;
  int specialCalls;
  int specialDoks;
  int homeDoks;
  const char* specialDistricts;
  const char* homeDistricts;
  // Chosen entries: element number and text of SpecialDoks (S), HomeDoks (H), calls (C).
  std::vector<std::tuple<char, size_t, const char*>> entries;
};

TEST(RulesTableLists, SizesDistrictsAndChosenEntries) {
  const ListCase cases[] = {
      {'V', 0, 0, 7, "", "V", {{'H', 1, "MCM"}, {'H', 2, ""}, {'H', 3, "MVP"}, {'H', 8, "VO"}}},
      {'B',
       0,
       58,
       0,
       "AP",
       "",
       {{'S', 1, "Z06"},
        {'S', 14, "BWA"},
        {'S', 49, "TÜBAIX"},
        {'S', 57, "TUEBAIX"},
        {'S', 58, "DL60"}}},
      {'D', 1, 0, 0, "", "", {{'C', 1, "DQ0E"}}},
      {'F', 0, 9, 9, "B", "B", {{'H', 1, "Z15"}, {'S', 9, "VO"}}},
      {'J', 0, 20, 20, "E", "E", {{'H', 9, "HMB"}, {'S', 20, "DARC"}}},
      {'R', 8, 15, 15, "K", "K", {{'C', 1, "DA0RP"}, {'C', 8, "DL0YLK"}, {'H', 12, "MMSN IG"}}},
      {'G',
       0,
       30,
       30,
       "F",
       "F",
       {{'H', 22, "NOTF"},
        {'H', 23, ""},
        {'H', 24, "MAR"},
        {'H', 26, "IPA"},
        {'H', 27, ""},
        {'H', 29, ""},
        {'H', 30, "60F23"},
        {'H', 34, "HT16"},
        {'S', 34, "HT16"}}},
      {'S', 0, 55, 55, "HSW", "HSW", {{'H', 55, "IR2015"}, {'S', 23, "IPA"}}},
      {'T', 0, 7, 7, "X", "X", {{'H', 4, "THR"}}},
      {'L', 0, 10, 10, "L", "L", {{'H', 6, "DRG"}}},
      {'I', 0, 0, 0, "I", "I", {}},
      {'l', 0, 9, 9, "I", "I", {{'H', 7, "ND"}}},
      {'C', 0, 12, 12, "DY", "DY", {{'H', 4, "BLN"}, {'S', 12, "VO"}}},
      {'K', 0, 7, 0, "G", "", {{'S', 1, "Z12"}, {'S', 7, "YLG"}}},
      {'Y', 0, 11, 0, "Z", "Z", {{'S', 1, "VFDB"}, {'S', 11, "VHV16"}}},
      {'o', 0, 11, 0, "ABCDEFGHIKLMNOPQRSTUVWXYZ", "Z", {{'S', 6, "0POLIO"}}},
      {'O', 0, 16, 0, "M", "", {{'S', 16, "MFS"}}},
      {'Q', 0, 0, 5, "", "T", {{'H', 5, "SQ"}}},
      {'2', 0, 14, 0, "", "", {{'S', 14, "WN"}}},
      {'3', 0, 18, 0, "N", "", {{'S', 15, "Z14"}}},
      {'c', 0, 5, 0, "N", "", {{'S', 1, "WN"}}},
      {'a', 0, 11, 0, "R", "", {{'S', 5, "XX"}}},
      {'d', 0, 2, 1, "Q", "Q", {{'S', 2, "YLQ"}, {'H', 1, "Z19"}}},
      {'e',
       0,
       79,
       79,
       "EHIMV",
       "EHIMV",
       {{'H', 19, "Z72"},
        {'H', 20, ""},
        {'H', 21, "Z78"},
        {'H', 80, "IR2014"},
        {'S', 1, "Z01"},
        {'S', 80, "IR2014"}}},
      {'g', 0, 33, 33, "I", "I", {{'H', 33, "VO"}, {'S', 9, "IPAHB"}}},
      {'h', 8, -1, 22, nullptr, "K", {{'C', 2, "DF0RLP"}, {'H', 9, "BUGA2011"}}},
      {'k', 3, 0, 0, "", "", {{'C', 1, "DA0QC"}, {'C', 3, "DL0QCW"}}},
      {'Z', 0, 0, 0, "", "", {}},
      {'W', 0, 0, 0, "", "", {}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(std::string("code ") + c.code);
    TContestRec def = Build(c.code);
    EXPECT_EQ(Count(def.SpecialCalls), c.specialCalls);
    if (c.specialDoks >= 0) {
      EXPECT_EQ(Count(def.SpecialDoks), c.specialDoks);
    }
    EXPECT_EQ(Count(def.HomeDoks), c.homeDoks);
    if (c.specialDistricts) {
      EXPECT_EQ(Letters(def.SpecialDistricts), c.specialDistricts);
    }
    EXPECT_EQ(Letters(def.HomeDistricts), c.homeDistricts);
    EXPECT_EQ(Count(def.ValidDoks), 0);
    for (const auto& [list, element, text] : c.entries) {
      const auto& texts = list == 'S'   ? def.SpecialDoks
                          : list == 'H' ? def.HomeDoks
                                        : def.SpecialCalls;
      EXPECT_EQ(texts[element], text) << list << element;
    }
  }
}

TEST(RulesTableLists, CopiesThatDependOnTheClass) {
  // 'V' class 8 admits only DOKs and districts of the home area, and weighs them.
  TContestRec guests = Build('V', 8);
  EXPECT_EQ(guests.ValidDoks, guests.HomeDoks);
  EXPECT_EQ(guests.SpecialDoks, guests.HomeDoks);
  EXPECT_EQ(Count(guests.ValidDoks), 7);
  EXPECT_EQ(Letters(guests.ValidDistricts), "V");
  EXPECT_EQ(Letters(guests.SpecialDistricts), "V");
  for (uint8_t n : {0, 1, 7, 9}) {
    TContestRec other = Build('V', n);
    EXPECT_EQ(Count(other.ValidDoks), 0) << int(n);
    EXPECT_EQ(Letters(other.ValidDistricts), "") << int(n);
    EXPECT_EQ(Count(other.SpecialDoks), 0) << int(n);
  }
  // 'B' keeps the own DOK, which is no multiplier there.
  EXPECT_EQ(Build('B').ExtraText, "A01");
  EXPECT_EQ(Build('d').ExtraText, "");
}

struct PeriodCase {
  TContestCode code;
  int count;
  size_t chosen;
  const char* date;
  const char* timeFrom;
  const char* timeTo;
  const char* bands;
};

TEST(RulesTableLists, ContestPeriods) {
  const PeriodCase cases[] = {
      {'V', 4, 2, "19.03.2016", "15:00:00", "16:30:00", "a"},
      {'B', 3, 1, "26.03.2016", "07:00:00", "09:00:00", "bc"},
      {'F', 3, 1, "15.05.2016", "07:00:00", "10:00:00", "cb"},
      {'J', 4, 3, "22.05.2016", "14:30:00", "16:00:00", "l"},
      {'R', 4, 4, "03.10.2016", "15:00:00", "17:00:00", "b"},
      {'G', 5, 4, "22.05.2016", "06:00:00", "8:00:00", "b"},
      {'S', 4, 2, "29.08.2015", "07:00:00", "10:00:00", "bi"},
      {'T', 5, 5, "19.09.2015", "15:00:00", "16:00:00", "mnopqs"},
      {'L', 4, 3, "27.09.2015", "09:00:00", "10:30:00", "k"},
      {'U', 6, 5, "18.10.2015", "07:00:00", "08:30:00", "k"},
      {'I', 2, 2, "03.10.2008", "10:00:00", "11:30:00", "c"},
      {'l', 4, 2, "03.10.2015", "10:00:00", "11:00:00", "i"},
      {'C', 5, 5, "06.12.2015", "08:00:00", "10:00:00", "kl"},
      {'K', 8, 8, "22.11.2015", "15:30:00", "16:30:00", "b"},
      {'Y', 6, 6, "08.10.2016", "08:00:00", "10:00:00", "c"},
      {'Q', 2, 2, "02.01.2016", "12:00:00", "16:00:00", "kl"},
      {'6', 2, 2, "06.11.2016", "09:00:00", "17:00:00", "bcgei"},
      {'7', 8, 7, "09.05.2016", "13:00:00", "16:00:00", "k"},
      {'4', 2, 1, "20.12.2015", "08:00:00", "09:00:00", "b"},
      {'e', 2, 2, "16.04.2016", "14:30:00", "16:00:00", "l"},
      {'g', 3, 3, "16.11.2008", "11:00:00", "12:00:00", "m"},
      {'n', 1, 1, "15.10.2010", "15:00:00", "19:00:00", "egi"},
      {'p', 3, 1, "30.12.2015", "13:00:00", "14:30:00", "k"},
      {'r', 2, 2, "15.03.2016", "19:00:00", "21:00:00", "k"},
      {'d', 0, 0, "", "", "", ""},
      {'W', 0, 0, "", "", "", ""},
      {'H', 0, 0, "", "", "", ""},
  };
  for (const PeriodCase& c : cases) {
    SCOPED_TRACE(std::string("code ") + c.code);
    TContestRec def = Build(c.code);
    int used = 0;
    for (const TContestPeriod& p : def.Periods) {
      used += p.Date.empty() ? 0 : 1;
      EXPECT_EQ(p.DateTo, "");
    }
    EXPECT_EQ(used, c.count);
    if (c.chosen == 0) continue;
    const TContestPeriod& p = def.Periods[c.chosen];
    EXPECT_EQ(p.Date, c.date);
    EXPECT_EQ(p.TimeFrom, c.timeFrom);
    EXPECT_EQ(p.TimeTo, c.timeTo);
    EXPECT_EQ(Letters(p.Bands), c.bands);
  }
}

TEST(RulesTableLists, UnknownCodeYieldsTheFrameOnly) {
  for (TContestCode code : {'M', 'x', '0', '\0', '?'}) {
    TContestInputs in;
    in.Code = code;
    in.ClassNumber = 1;
    in.StartDate = daynumber::FromYMD(2016, 5, 1);
    in.OwnDok = "A01";
    in.OwnCall = "DL1AA";
    in.UtcShiftMinutes = -150;
    bool setsByte = true;
    TContestRec def = BuildContestDefinition(in, &setsByte);
    TContestRec frame;
    frame.ClockUtcShiftHours = -2;
    for (int i = 1; i <= 7; ++i) frame.OutputMenuItems.set(i);
    EXPECT_TRUE(def == frame) << int(code);
    EXPECT_FALSE(setsByte);
  }
}

}  // namespace
