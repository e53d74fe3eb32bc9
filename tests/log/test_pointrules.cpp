#include <gtest/gtest.h>

#include "contest/contestrules.h"
#include "pointsfixture.h"

namespace {

class PointRules : public PointsTest {
 protected:
  void Expect(std::initializer_list<TScore> scores) {
    for (const TScore& s : scores)
      EXPECT_EQ(Points(s.Code, s.Class, s.Qso), s.Points)
          << "code " << s.Code << " class " << int(s.Class) << " call " << s.Qso.Call << " DOK "
          << s.Qso.Dok << " received '" << s.Qso.Received << "'";
  }
};

TEST_F(PointRules, NothingForMarkedDupesShortCallsAndUnknownCodes) {
  const std::string codes = "VWXtD1nfabvBpH5PEqJFGRhNSTLUKIlZCOAYoQ23c67ij8ms94wdegkru";
  ASSERT_EQ(codes.size(), 57u);
  for (char code : codes) {
    EXPECT_EQ(Points(code, 1,
                     {.Call = "DL0GC",
                      .Dok = "B12",
                      .Received = "599001",
                      .Band = 'k',
                      .Distance = 300,
                      .Dxcc = "DL",
                      .ZeroPoints = 255}),
              0)
        << code;
    EXPECT_EQ(Points(code, 1, {.Call = "DL", .Received = "599001", .Band = 'k', .Distance = 300}),
              0)
        << code;
  }
  EXPECT_EQ(Points('#', 1, {.Call = "DL1ABC"}), 0);
  EXPECT_EQ(Points('X', 1, {.Call = "DL1"}), 1);
}

TEST_F(PointRules, SaarContestScoresTheDoksOfTheSaarland) {
  Expect({{'d', 1, {.Call = "DL1ABC", .Dok = "B12"}, 1},
          {'d', 1, {.Call = "DL1ABC", .Dok = "Q12"}, 2},
          {'d', 1, {.Call = "DR5S", .Dok = "Q12"}, 3},
          {'d', 1, {.Call = "DL0ABC", .Dok = "Q12"}, 3},
          {'d', 1, {.Call = "DL0ABC", .Dok = "Q01"}, 0},
          {'d', 1, {.Call = "DL3CC", .Dok = "Z19"}, 2},
          {'d', 1, {.Call = "DL1ABC", .Dok = "Q1"}, 1},
          {'d', 1, {.Call = "DL1ABC", .Dok = "Q123"}, 1}});
}

TEST_F(PointRules, SpecialStationsOfTheOrganisers) {
  Expect({{'L', 1, {.Call = "DL1ABC"}, 1},
          {'L', 1, {.Call = "DA0AA"}, 5},
          {'L', 1, {.Call = "DL0JRR"}, 10},
          {'L', 1, {.Call = "DL1ABC", .Dok = "DVL"}, 20},
          {'L', 1, {.Call = "DL0GC", .Dok = "DVL"}, 45},
          {'L', 1, {.Call = "DQ4L"}, 60},
          {'L', 1, {.Call = "DL65DARC"}, 65},
          {'L', 1, {.Call = "DLØJRR"}, 10},  // shown with a slashed zero
          {'A', 1, {.Call = "DL0DA"}, 2},
          {'A', 1, {.Call = "DL0DB"}, 1},
          {'o', 1, {.Call = "DA0Z"}, 2},
          {'o', 1, {.Call = "DL1Z"}, 1},
          {'3', 1, {.Call = "DF0WN"}, 10},
          {'3', 1, {.Call = "DK0XY"}, 5},
          {'3', 1, {.Call = "DL1XY"}, 1},
          {'2', 1, {.Call = "DF0WN", .Dok = "N01"}, 6},
          {'2', 1, {.Call = "DK0XY", .Dok = "5N"}, 3},
          {'2', 1, {.Call = "DK0XY", .Dok = "N01"}, 2},
          {'5', 1, {.Call = "DN1ABC"}, 5},
          {'5', 1, {.Call = "DL1ABC"}, 3},
          {'u', 1, {.Call = "DO1ABC"}, 2},
          {'u', 1, {.Call = "DL1ABC"}, 1},
          {'I', 1, {.Call = "DK0XY", .Dok = "I12"}, 2},
          {'I', 1, {.Call = "DL1XY", .Dok = "I12"}, 1},
          {'X', 1, {}, 1},
          {'D', 1, {}, 2},
          {'T', 1, {}, 1}});
  EXPECT_TRUE(TContLogAlle::IsClubStation("DP0EPO"));
  EXPECT_TRUE(TContLogAlle::IsClubStation("DR5S"));
  EXPECT_TRUE(TContLogAlle::IsClubStation("DM3M"));  // four characters
  EXPECT_FALSE(TContLogAlle::IsClubStation("DS3M"));
  EXPECT_FALSE(TContLogAlle::IsClubStation("DB0ABC"));
}

TEST_F(PointRules, HomeDoksAndDistrictsOfTheContestLists) {
  TContestRec def;
  def.HomeDoks[3] = "DVH";
  def.HomeDistricts[5] = 'F';
  def.SpecialDoks[1] = "YLZ";
  struct Case {
    char code;
    uint8_t t;
    TQ qso;
    int points;
  } cases[] = {
      {'V', 1, {.Dok = "DVH"}, 3},
      {'V', 1, {.Dok = "F12"}, 3},
      {'V', 1, {.Dok = "F123"}, 1},
      {'V', 8, {.Dok = "F12"}, 1},
      {'V', 9, {.Dok = "B12"}, 0},
      {'C', 1, {.Dok = "F12"}, 3},
      {'C', 4, {.Dok = "B12"}, 1},
      {'C', 2, {.Dok = "B12"}, 3},
      {'Y', 1, {.Call = "DK0Z"}, 10},
      {'Y', 1, {.Dok = "Q01"}, 0},
      {'Y', 1, {.Dok = "F12"}, 5},
      {'Y', 1, {.Dok = "YLZ"}, 5},
      {'Y', 1, {.Dok = "B12"}, 1},
      {'Q', 1, {.Dok = "B12"}, 1},
      {'Q', 1, {.Dok = "DVH"}, 5},
      {'Q', 1, {.Call = "DF0XY", .Dok = "F12"}, 10},
      {'Q', 1, {.Call = "DN1XY", .Dok = "F12"}, 10},
      {'Q', 1, {.Call = "DB0XY", .Dok = "F12"}, 5},
      {'l', 1, {.Dok = "DVH"}, 2},
      {'l', 1, {.Dok = "B12"}, 1},
      {'B', 1, {.Dok = "B12", .Distance = 77}, 1},
      {'B', 2, {.Dok = "B12", .Distance = 77}, 77},
      {'B', 2, {.Dok = "Q01", .Distance = 77}, 0},
      {'B', 4, {.Dok = "Q01"}, 1},
      {'B', 4, {.Dok = "B12"}, 2},
      {'F', 3, {.Dok = "B12", .Distance = 77}, 77},
      {'F', 3, {.Dok = "Q01", .Distance = 77}, 0},
      {'F', 1, {.Dok = "B12"}, 1},
      {'R', 3, {}, 1},
      {'R', 12, {}, 1},
      {'R', 4, {}, 3},
      {'R', 4, {.Dok = "Q01"}, 0},
      {'h', 1, {.Band = 'm'}, 2},
      {'h', 1, {.Band = 'r'}, 1},
      {'h', 1, {.Dok = "Q01", .Band = 'm'}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Points(c.code, c.t, c.qso, def), c.points)
        << c.code << " class " << int(c.t) << " " << c.qso.Call << " " << c.qso.Dok;
  }
  def.SWLLog = true;
  EXPECT_EQ(Points('C', 2, {.Dok = "B12"}, def), 1);
}

TEST_F(PointRules, ReceivedExchangeRules) {
  Expect({{'P', 1, {.Received = "599XX"}, 20},
          {'P', 1, {.Received = "599xx"}, 20},
          {'P', 1, {.Received = "59900"}, 100},
          {'P', 1, {.Received = "59915"}, 15},
          {'P', 1, {.Call = "DN1ABC", .Received = "59915"}, 100},
          {'P', 1, {.Received = "599AB"}, 0},
          {'P', 1, {.Received = "599-5"}, 0},
          {'P', 1, {.Received = "5991234567"}, 65535},
          {'q', 1, {.Received = "599012/A"}, 9},
          {'q', 6, {.Received = "599012/B"}, 4},
          {'q', 7, {.Received = "599012/C"}, 2},
          {'q', 4, {.Received = "599012/A"}, 0},
          {'q', 1, {.Received = "599012/D"}, 0},
          {'q', 0, {.Received = "599012/A"}, 0},
          {'w', 4, {.Received = "599012/QRO/123"}, 0},
          {'w', 1, {.Received = "599012/QRP"}, 3},
          {'w', 1, {.Received = "599012/QRO"}, 2},
          {'w', 3, {.Received = "599012/MPX"}, 2},
          {'w', 2, {.Received = "599012/ABC"}, 1},
          {'w', 5, {.Received = "599012/QRP"}, 1},
          {'s', 1, {.Received = "599012/A"}, 2},
          {'s', 1, {.Received = "599A"}, 1},
          {'4', 1, {.Received = "599012/X"}, 2},
          {'4', 1, {.Received = "599012/"}, 1},
          {'6', 1, {.Received = "599NM"}, 1},
          {'6', 1, {.Received = "599"}, 1},
          {'6', 1, {.Received = "5991234"}, 5},
          {'i', 1, {.Received = "599MF123"}, 10},
          {'i', 1, {.Received = "599123"}, 1},
          {'i', 1, {.Received = "599NM"}, 1},
          {'7', 1, {.Received = "5991234"}, 10},
          {'7', 1, {.Received = "5990"}, 1},
          {'7', 1, {.Received = "599NM"}, 1},
          {'7', 3, {.Received = "5991234", .Distance = 88}, 88},
          {'k', 1, {.Received = "59912345"}, 10},
          {'k', 1, {.Received = "5991234"}, 1},
          {'k', 1, {.Call = "DL0QCW"}, 10},
          {'Z', 1, {.Received = "599IPA12"}, 5},
          {'Z', 1, {.Received = "59912"}, 1}});
}

TEST_F(PointRules, DistanceBandModeAndContinentRules) {
  Expect({{'N', 1, {.Band = 'k', .Distance = 2500}, 2000},
          {'N', 1, {.Band = 'm', .Distance = 2500}, 2500},
          {'N', 1, {.Band = 'n', .Distance = 2500}, 5000},
          {'N', 1, {.Band = 's', .Distance = 20000}, 65535},
          {'N', 1, {.Band = 'r', .Distance = 2500}, 0},
          {'N', 1, {.Band = 'b', .Distance = 2500}, 0},
          // Every band of the Nordic rule, each below the clamp.
          {'N', 1, {.Band = 'j', .Distance = 2347}, 2000},
          {'N', 1, {.Band = 'k', .Distance = 1234}, 1234},
          {'N', 1, {.Band = 'l', .Distance = 2347}, 2000},
          {'N', 1, {.Band = 'm', .Distance = 1234}, 1234},
          {'N', 1, {.Band = 'n', .Distance = 1234}, 2468},
          {'N', 1, {.Band = 'o', .Distance = 1234}, 3702},
          {'N', 1, {.Band = 'p', .Distance = 1234}, 4936},
          {'N', 1, {.Band = 'q', .Distance = 1234}, 6170},
          {'N', 1, {.Band = 's', .Distance = 1234}, 7404},
          {'J', 1, {.Band = 'k', .Distance = 1234}, 1234},
          {'j', 1, {.Band = 'm', .Distance = 1234}, 1234},
          {'8', 1, {.Band = 'k', .Distance = 1234}, 1234},
          {'m', 1, {.Band = 'b', .Distance = 1234}, 1234},
          {'9', 1, {.Call = "DL1ABC/P"}, 4},
          {'9', 1, {.Call = "DL1ABC/am", .Continent = "NA"}, 6},
          {'9', 1, {.Call = "DL1ABC", .Continent = "AS"}, 3},
          {'9', 6, {.Call = "DL1ABC"}, 0},
          {'9', 6, {.Call = "DL1ABC/MM"}, 4},
          {'9', 1, {.Call = "DL/PA1ABC"}, 2},
          {'9', 1, {.Call = "DL1ABC/PX"}, 2},
          {'E', 1, {.Distance = 300}, 300},
          {'E', 1, {.Distance = 300, .Continent = "AF"}, 0},
          {'J', 1, {.Band = 'l', .Distance = 300}, 300},
          {'J', 1, {.Band = 'b', .Distance = 300}, 1},
          {'j', 1, {.Distance = 300}, 300},
          {'8', 1, {.Distance = -5}, 0},
          {'c', 1, {.Mode = "CW"}, 6},
          {'c', 1, {.Mode = "SSB"}, 4},
          {'c', 1, {.Mode = "FM"}, 2},
          {'c', 1, {.Mode = "RTTY"}, 1},
          {'H', 1, {.Dok = "A12TA", .Band = 'b', .Dxcc = "4X"}, 2},
          {'H', 1, {.Dok = "A12TA", .Band = 'e', .Dxcc = "4X"}, 1},
          {'H', 1, {.Dok = "A12XX", .Band = 'b', .Dxcc = "4X"}, 0},
          {'H', 1, {.Dok = "A12TA", .Band = 'b', .Dxcc = "DL"}, 0}});
}

TEST_F(PointRules, WorkedAllGermanyByOwnCallAndClass) {
  struct Case {
    uint8_t t;
    const char* ownCall;
    TQ qso;
    int points;
  } cases[] = {
      {7, "DL1ABC", {.Mode = "CW", .Dxcc = "DL"}, 3},
      {7, "DL1ABC", {.Dxcc = "DL"}, 1},
      {7, "DL1ABC", {.Mode = "CW", .Dxcc = "F"}, 0},
      {1, "DL1ABC", {.Dxcc = "DL"}, 1},
      {1, "DL1ABC", {.Dxcc = "F", .Wae = 255}, 3},
      {1, "DL1ABC", {.Dxcc = ""}, 0},
      {1, "DL1ABC", {.Dxcc = "W"}, 5},
      {1, "F5ABC", {.Dxcc = "DL"}, 3},
      {1, "DI1ABC", {.Dxcc = "F"}, 0},
  };
  const TContestRec def = Def('W', 1);
  for (const Case& c : cases) {
    SetList('W', c.t, "", c.ownCall);
    qsos_->SetQSORec(Record(c.qso));
    EXPECT_EQ(alle_.CalcQsoPoints(def, *list_, *qsos_), c.points)
        << int(c.t) << " " << c.ownCall << " " << c.qso.Dxcc;
  }
}

TEST_F(PointRules, NordContestCountsRingsOfSquaresAndHomeDoks) {
  SetOwnLocator("JO43AA");
  Expect({{'e', 1, {.Dok = "DVI", .Loc = "JO53AA"}, 12},
          {'e', 1, {.Dok = "B12", .Loc = "JO43XX"}, 1},
          {'e', 1, {.Dok = "DVI", .Loc = "JO4"}, 10},
          {'g', 1, {.Dok = "Q01", .Loc = "JO53AA"}, 0}});
  EXPECT_EQ(TContLogAlle::SquareRingDistance("JO43AA", "JO41"), 3);
  EXPECT_EQ(TContLogAlle::SquareRingDistance("JO43AA", "JN43"), 11);
  EXPECT_EQ(TContLogAlle::SquareRingDistance("JO4", "JO43"), 0);
  SetOwnLocator("");
  EXPECT_EQ(Points('e', 1, {.Dok = "B12", .Loc = "JO53AA"}), 0);
}

}  // namespace
