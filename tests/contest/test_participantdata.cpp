// The per-contest number prompts and the station files, without a window.
#include <gtest/gtest.h>

#include <QFile>

#include "contest/participantdata.h"
#include "contest/stationfile.h"
#include "foundation/cp1252.h"
#include "foundation/memofile.h"
#include "foundation/progdir.h"
#include "support/testdir.h"

using participant::PromptOf;
using participant::ReadNumber;

namespace {

struct TReadCase {
  char Code;
  const char* Text;
  bool Given;
  int32_t Value;  // after reading into a field that held 99
};

TEST(ParticipantNumbers, ReadBackAsEachContestDefinesThem) {
  const TReadCase cases[] = {
      {'P', "XX", true, -1}, {'P', "42", true, 42},   {'P', "", false, 99},
      {'P', "4x", true, 0},  {'q', "", false, 99},    {'6', "0", true, -1},
      {'6', "NM", true, -1}, {'6', "815", true, 815}, {'6', "", false, 99},
      {'7', "0", true, -1},  {'7', "12", true, 12},   {'w', "NM", true, -1},
      {'w', "", false, -1},  {'w', "0", true, -1},    {'k', "", true, -1},
      {'k', "0", true, -1},  {'m', "", false, 99},    {'4', " 77 ", true, 77},
  };
  for (const TReadCase& c : cases) {
    int32_t value = 99;
    EXPECT_EQ(ReadNumber(PromptOf(c.Code), c.Text, value), c.Given) << c.Code << c.Text;
    EXPECT_EQ(value, c.Value) << c.Code << " '" << c.Text << "'";
  }
}

TEST(ParticipantNumbers, WhatIsShownReadsBackToTheSameNumber) {
  for (char code : {'P', 'q', '6', '7', 'f', 'w', '4', 'k', 'm'}) {
    for (int32_t stored : {-1, 5, 1234}) {
      int32_t back = 99;
      ASSERT_TRUE(
          ReadNumber(PromptOf(code), participant::NumberText(PromptOf(code), stored), back));
      EXPECT_EQ(back, stored) << code;
    }
  }
  EXPECT_EQ(participant::NumberText(PromptOf('P'), 7), "07");
  EXPECT_EQ(participant::NumberText(PromptOf('6'), -1), "NM");
  EXPECT_EQ(participant::NumberText(PromptOf('7'), -1), "0");
}

TEST(ParticipantNumbers, OnlyTheStationContestsAndThePartyStopTheStore) {
  std::string stopping;
  for (char code : std::string("VPq67fw4kmipWYUZbjv"))
    if (PromptOf(code).Stops) stopping += code;
  EXPECT_EQ(stopping, "Pbjv");
  EXPECT_EQ(PromptOf('d').Kind, participant::TPromptKind::None);
}

TEST(ParticipantDistrict, DoksOfDistrictUAndTheStationsCountedWithIt) {
  for (const char* dok : {"U05", "U", "Z44", "Z16", "BBT", "DB0", "Z76 "})
    EXPECT_TRUE(participant::IsDistrictU(dok)) << dok;
  for (const char* dok : {"", "Q01", "Z45", "u05", "XU1"})
    EXPECT_FALSE(participant::IsDistrictU(dok)) << dok;
}

class StationFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = ProgramDirectory();
    SetProgramDirectory(dir_.Path());
  }
  void TearDown() override { SetProgramDirectory(previous_); }
  TTestDir dir_;
  std::string previous_;
};

TEST_F(StationFiles, NamesPadTheNumberWithBlanks) {
  EXPECT_EQ(stationfile::FileName("OQRP", 5), dir_.Path() + "OQRP     5.STN");
  EXPECT_EQ(stationfile::FileName("mrr", 123456), dir_.Path() + "mrr123456.STN");
  EXPECT_EQ(stationfile::PrefixOf('b'), "OQRP");
  EXPECT_EQ(stationfile::PrefixOf('j'), "mssprint");
  EXPECT_EQ(stationfile::PrefixOf('v'), "mrr");
  EXPECT_EQ(stationfile::PrefixOf('d'), "");
}

TEST_F(StationFiles, TextRoundTripsAndAnEmptyTextKeepsTheFile) {
  const std::string file = stationfile::FileName("mssprint", 12);
  std::string text;
  EXPECT_FALSE(stationfile::Load(file, text));
  ASSERT_TRUE(stationfile::Save(file, "IC-706\nGP für 2m"));
  ASSERT_TRUE(stationfile::Load(file, text));
  EXPECT_EQ(text, "IC-706\nGP für 2m");
  std::vector<std::string> lines;
  ASSERT_TRUE(memofile::LoadLines(file, lines));
  EXPECT_EQ(lines.size(), 2u);

  EXPECT_FALSE(stationfile::Save(file, ""));
  ASSERT_TRUE(stationfile::Load(file, text));
  EXPECT_EQ(text, "IC-706\nGP für 2m");
}

}  // namespace
