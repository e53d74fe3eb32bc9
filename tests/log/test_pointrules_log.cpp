// The rules that read the stored log: a second table object walks it while the QSO being
// scored stays the working record of the QSO table.
#include <gtest/gtest.h>

#include <fstream>

#include "pointsfixture.h"

namespace {

class PointRulesLog : public PointsTest {
 protected:
  // Stores the QSO; returns its number.
  int32_t Log(const TQ& q, const char* cmulti = "") {
    TContestQSORec r = Record(q);
    r.SetCMulti(cmulti);
    return Store(r);
  }
  // Makes the stored QSO of the number the working record again.
  void Take(int32_t number) { ASSERT_TRUE(qsos_->FindNumber(number)); }
  int Score(char code, uint8_t t) {
    SetList(code, t);
    return alle_.CalcQsoPoints(Def(code, t), *list_, *qsos_);
  }
};

TEST_F(PointRulesLog, OwnDokCountsOnlyInTheFirstQsoThatLoggedIt) {
  const int32_t first = Log({.Dok = "Q01", .Distance = 40});
  const int32_t second = Log({.Call = "DL2ABC", .Dok = "Q01", .Distance = 50});
  const int32_t other = Log({.Call = "DL3ABC", .Dok = "B12", .Distance = 60});
  struct Case {
    int32_t qso;
    bool storedElsewhere;
    int u, g5, g1;
  } cases[] = {{first, false, 1, 40, 1}, {second, true, 0, 0, 0}, {other, false, 1, 60, 1}};
  for (const Case& c : cases) {
    Take(c.qso);
    EXPECT_EQ(TContLogAlle::CompareStoredQso(*qsos_), c.storedElsewhere) << c.qso;
    EXPECT_EQ(Score('U', 1), c.u) << c.qso;
    EXPECT_EQ(Score('K', 1), c.u) << c.qso;
    EXPECT_EQ(Score('G', 5), c.g5) << c.qso;
    EXPECT_EQ(Score('G', 1), c.g1) << c.qso;
  }
  // A QSO not stored yet finds the first one.
  qsos_->SetQSORec(Record({.Dok = "Q01"}));
  EXPECT_TRUE(TContLogAlle::CompareStoredQso(*qsos_));
  EXPECT_EQ(Score('U', 1), 0);
  // The QSO table keeps the QSO being scored.
  EXPECT_EQ(qsos_->GetQSORec().Nummer(), 0);
}

TEST_F(PointRulesLog, NewSquareOnItsBandGetsTheBonus) {
  const int32_t opened = Log({.Band = 'k', .Distance = 2500, .Loc = "JO43AB"}, "JO43");
  const int32_t again = Log({.Call = "DL2ABC", .Band = 'k', .Distance = 2500, .Loc = "JO43CD"});
  const int32_t otherBand = Log({.Band = 'm', .Distance = 100, .Loc = "JO43AA"}, "JO43");
  const int32_t noSquare = Log({.Call = "DL3ABC", .Band = 'k', .Distance = 100, .Loc = "JO"});
  struct Case {
    int32_t qso;
    int isNew, points;
  } cases[] = {{opened, 1, 2500}, {again, 0, 2000}, {otherBand, 1, 600}, {noSquare, 0, 100}};
  for (const Case& c : cases) {
    Take(c.qso);
    EXPECT_EQ(TContLogAlle::IsNewSquareOnBand(*qsos_), c.isNew) << c.qso;
    EXPECT_EQ(Score('N', 1), c.points) << c.qso;
  }
  TContestQSORec unsaved = Record({.Band = 'k', .Loc = "JO43AB"});
  qsos_->SetQSORec(unsaved);
  EXPECT_EQ(TContLogAlle::IsNewSquareOnBand(*qsos_), 0);  // not stored yet
  unsaved.SetNummer(99);
  qsos_->SetQSORec(unsaved);
  EXPECT_EQ(TContLogAlle::IsNewSquareOnBand(*qsos_), 0);  // its square is on the band
  unsaved.SetLoc("JO44AA");
  qsos_->SetQSORec(unsaved);
  EXPECT_EQ(TContLogAlle::IsNewSquareOnBand(*qsos_), 1);  // nothing of it on the band
  unsaved.SetBandcode('n');
  unsaved.SetLoc("JO43AA");
  qsos_->SetQSORec(unsaved);
  EXPECT_EQ(TContLogAlle::IsNewSquareOnBand(*qsos_), 1);  // the key goes on past the band
}

TEST_F(PointRulesLog, FirstEntityAndDokOfTheBandGetTheirBonus) {
  const int32_t first = Log({.Dok = "B12", .Band = 'k', .Distance = 10, .Dxcc = "DL"});
  const int32_t second =
      Log({.Call = "DL2AB", .Dok = "B12", .Band = 'k', .Distance = 20, .Dxcc = "DL"});
  const int32_t noDok = Log({.Call = "OK1AB", .Band = 'k', .Distance = 30, .Dxcc = "OK"});
  Log({.Call = "F1AB", .Band = 'k', .Distance = 40, .Dxcc = "F", .ZeroPoints = 255});
  const int32_t afterDupe = Log({.Call = "F2AB", .Band = 'k', .Distance = 50, .Dxcc = "F"});
  const int32_t otherBand =
      Log({.Call = "DL3AB", .Dok = "B12", .Band = 'l', .Distance = 60, .Dxcc = "DL"});
  const int32_t shortWave =
      Log({.Call = "DL4AB", .Dok = "C12", .Band = 'b', .Distance = 70, .Dxcc = "DL"});
  struct Case {
    int32_t qso;
    int points;
  } cases[] = {{first, 210},     {second, 20},     {noDok, 130},
               {afterDupe, 150}, {otherBand, 260}, {shortWave, 1}};
  for (const Case& c : cases) {
    Take(c.qso);
    EXPECT_EQ(Score('O', 1), c.points) << c.qso;
  }
}

TEST_F(PointRulesLog, DswMembersScoreByTheirListedNumber) {
  {
    std::ofstream dsw(dir_.File("dsw.csv"), std::ios::binary);
    dsw << "DL1ABC;Hans;Saarbruecken;D12\r\n"
           "DL2ABC;Otto;;;K56\n"
           "DL5ABC; Emil ; x ;  ; \n"
           "DL6ABC;Emil;x;D13";
  }
  struct Case {
    uint8_t t;
    TQ qso;
    int points;
  } cases[] = {
      {1, {.Call = "DF0DSW"}, 5},
      {1, {.Call = "DL1ABC", .Received = "599"}, 1},
      {1, {.Call = "DL1ABC", .Received = "599D12"}, 3},
      {1, {.Call = "DL1ABC/P", .Received = "599D12"}, 3},
      {4, {.Call = "DL1ABC", .Received = "599D12"}, 3},
      {1, {.Call = "DL2ABC", .Received = "599K56"}, 2},
      {1, {.Call = "DL5ABC", .Received = "599K56"}, 2},
      // The fourth field counts without a ';' after it.
      {1, {.Call = "DL6ABC", .Received = "599D13"}, 3},
      {1, {.Call = "DL3ABC", .Received = "599X"}, 2},
      {3, {.Call = "DL1ABC", .Received = "599D12", .Distance = 44}, 44},
      {5, {.Call = "DF0DSW", .Received = "599D12"}, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Points('p', c.t, c.qso), c.points) << int(c.t) << " " << c.qso.Call;
  }
}

TEST_F(PointRulesLog, DswWithoutItsListGivesTheListedCaseNothing) {
  EXPECT_EQ(Points('p', 1, {.Call = "DL1ABC", .Received = "599D12"}), 2);
}

}  // namespace
