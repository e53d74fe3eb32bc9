// The edition's own contest 'd' (SAAR) as a whole record, class by class: every field
// that the rules name, and every other field as the frame leaves it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contest/contestrules.h"
#include "foundation/daynumber.h"

namespace {

struct SaarClass {
  const char* description;
  const char* name;
  std::vector<std::string> modes;
  const char* bands;
};

const SaarClass kSaarClasses[] = {
    {"Klasse A: 80m SSB", "Klasse A", {"SSB"}, "b"},
    {"Klasse B: 80m CW", "Klasse B", {"CW"}, "b"},
    {"Klasse C: 40m SSB", "Klasse C", {"SSB"}, "c"},
    {"Klasse D: 40m CW", "Klasse D", {"CW"}, "c"},
    {"Klasse E: 10m  Phonie und CW", "Klasse E", {"SSB", "CW", "FM"}, "i"},
    {"Klasse F: 2m SSB und CW", "Klasse F", {"SSB", "CW"}, "k"},
    {"Klasse G: 80m DIGITAL", "Klasse G", {"DIGITAL"}, "b"},
};

// The record the rules describe for 'd', built field by field.
TContestRec ExpectedSaar(int year, int utcShiftMinutes, const std::string& ownDok,
                         uint8_t classNumber) {
  TContestRec def;
  def.ClockUtcShiftHours = utcShiftMinutes / 60;
  for (int item : {1, 2, 3, 4, 5, 6, 7, 10}) def.OutputMenuItems.set(item);
  def.EditionTitle = "ZOR SAAR";
  def.DupeScope = 1;
  def.RulesRevision = 500010401;
  def.VersionTitle = "ZOR SAAR Version 2016-1.0";
  def.ContestName = "SAAR-Contest " + std::to_string(year);
  def.DateFrom = "16.07.2016";
  def.DateTo = "17.07.2016";
  def.TimeFrom = "06:00";
  def.TimeTo = "10:00";
  for (size_t i = 1; i <= std::size(kSaarClasses); ++i) {
    def.Classes[i].Description = kSaarClasses[i - 1].description;
    def.Classes[i].Name = kSaarClasses[i - 1].name;
  }
  def.ReceivedKinds[1] = 4;
  def.SentKinds[1] = 4;
  def.ExchangeCaption[1] = "DOK";
  def.SentText[1] = ownDok;
  def.MultiplierName[1] = "DOK";
  def.MultiplierKinds.set(4);
  def.SpecialDoks[1] = "Z19";
  def.SpecialDoks[2] = "YLQ";
  def.SpecialDistricts[1] = 'Q';
  def.HomeDoks[1] = "Z19";
  def.HomeDistricts[1] = 'Q';
  if (classNumber >= 1 && classNumber <= std::size(kSaarClasses)) {
    const SaarClass& c = kSaarClasses[classNumber - 1];
    for (size_t i = 0; i < c.modes.size(); ++i) def.Modes[i + 1] = c.modes[i];
    for (size_t i = 0; c.bands[i]; ++i) def.Bands[i + 1] = c.bands[i];
  }
  return def;
}

TEST(SaarRules, WholeRecordForEveryClassNumber) {
  const struct {
    int year;
    int utcShift;
    const char* ownDok;
  } logs[] = {{2016, 60, "Q01"}, {2023, -330, "Z19"}, {2016, 0, ""}};
  for (const auto& log : logs) {
    for (uint8_t classNumber = 0; classNumber <= 9; ++classNumber) {
      SCOPED_TRACE("class " + std::to_string(classNumber) + " year " + std::to_string(log.year) +
                   " DOK '" + log.ownDok + "'");
      TContestInputs in;
      in.Code = 'd';
      in.ClassNumber = classNumber;
      in.StartDate = daynumber::FromYMD(log.year, 7, 16);
      in.OwnDok = log.ownDok;
      in.OwnCall = "DL1XYZ";
      in.OwnLocator = "JN39LG";
      in.OwnName = "Hans";
      in.MemberNumber = 7;
      in.MemberText = "M1";
      in.StationText = "ABCDE";
      in.UtcShiftMinutes = log.utcShift;
      in.Today = daynumber::FromYMD(2026, 12, 7);

      bool setsTotalsByte = true;
      TContestRec def = BuildContestDefinition(in, &setsTotalsByte);
      EXPECT_FALSE(setsTotalsByte);  // 'd' keeps its totals in the band rows

      // The maker's notice line follows the version title; its words are ours to choose.
      EXPECT_EQ(def.VersionNotice.rfind("ZOR SAAR Version 2016-1.0", 0), 0u);
      TContestRec expected = ExpectedSaar(log.year, log.utcShift, log.ownDok, classNumber);
      expected.VersionNotice = def.VersionNotice;

      // Field groups first, so a failure names what differs; then the whole record.
      EXPECT_EQ(def.Modes, expected.Modes);
      EXPECT_EQ(def.Bands, expected.Bands);
      EXPECT_EQ(def.Classes, expected.Classes);
      EXPECT_EQ(def.SentText, expected.SentText);
      EXPECT_EQ(def.OutputMenuItems, expected.OutputMenuItems);
      EXPECT_EQ(def.ContestName, expected.ContestName);
      EXPECT_TRUE(def == expected);
    }
  }
}

}  // namespace
