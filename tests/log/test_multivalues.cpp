#include <gtest/gtest.h>

#include "contest/exchangesplit.h"
#include "logfixture.h"
#include "tables/contestkeys.h"

namespace {

class MultiValues : public LogTest {};

TEST_F(MultiValues, KindTableTiesCaptionsValuesAndKeys) {
  TContestRec def;
  def.MultiplierName[1] = "WAE";
  def.MultiplierName[2] = "DOK";
  def.MultiplierName[3] = "IBFD";
  EXPECT_TRUE(TContLogAlle::MultiKindMatches(2, 1, def));
  EXPECT_FALSE(TContLogAlle::MultiKindMatches(1, 1, def));
  EXPECT_TRUE(TContLogAlle::MultiKindMatches(4, 2, def));
  EXPECT_TRUE(TContLogAlle::MultiKindMatches(18, 2, def));
  EXPECT_TRUE(TContLogAlle::MultiKindMatches(16, 3, def));
  EXPECT_TRUE(TContLogAlle::MultiKindMatches(19, 3, def));
  EXPECT_FALSE(TContLogAlle::MultiKindMatches(4, 4, def));
  def.MultiplierName[1].clear();
  EXPECT_FALSE(TContLogAlle::MultiKindMatches(2, 1, def));
  for (int modifier : {3, 8, 9, 14, 17, 21})
    EXPECT_EQ(TContLogAlle::MultiKindOf(modifier), nullptr);
  EXPECT_EQ(TContLogAlle::MultiKindOf(18)->ListWidth, 8);
  EXPECT_EQ(TContLogAlle::MultiKindOf(10)->BandKey, contestkeys::kBandCallMode);

  TContestQSORec q;
  q.SetCall("DL1ABC/P");
  q.SetLoc("JO43AB");
  q.SetDOK("B12ABCDE");
  q.SetCall2("4711");
  EXPECT_EQ(TContLogAlle::MultiValueOf(10, q), "DL1ABC");
  EXPECT_EQ(TContLogAlle::MultiValueOf(5, q), "JO43");
  EXPECT_EQ(TContLogAlle::MultiValueOf(4, q), "B12ABCDE");
  EXPECT_EQ(TContLogAlle::MultiValueOf(18, q), "B");
  EXPECT_EQ(TContLogAlle::MultiValueOf(19, q), "4711");
  EXPECT_EQ(TContLogAlle::MultiValueOf(3, q), "");
  q.SetDOK("");
  EXPECT_EQ(TContLogAlle::MultiValueOf(18, q), "");
}

TEST_F(MultiValues, DoksOfTheSaarContest) {
  const TContestRec def = Def('d');
  for (const char* dok : {"Q05", "Z19", "YLQ"})
    EXPECT_TRUE(TContLogAlle::IsValidDok(dok, def, *list_)) << dok;
  for (const char* dok : {"B12", "Q1", "Q123", ""})
    EXPECT_FALSE(TContLogAlle::IsValidDok(dok, def, *list_)) << dok;
}

TEST_F(MultiValues, DokStepsAcceptUnlessAStepThatAppliesRefuses) {
  TContestRec def;
  SetList('X');
  EXPECT_TRUE(TContLogAlle::IsValidDok("B12", def, *list_));  // no list: every DOK
  def.ExtraText = "B12";
  EXPECT_FALSE(TContLogAlle::IsValidDok("B12", def, *list_));  // the own member text
  def.ExtraText.clear();
  def.SpecialDistricts[1] = 'M';
  EXPECT_TRUE(TContLogAlle::IsValidDok("M12", def, *list_));
  for (const char* dok : {"M26", "M29", "M36", "B12", "M1"})
    EXPECT_FALSE(TContLogAlle::IsValidDok(dok, def, *list_)) << dok;
  def.MultiplierOption = true;  // special texts, but no further plain DOK
  EXPECT_TRUE(TContLogAlle::IsValidDok("DVL", def, *list_));
  EXPECT_TRUE(TContLogAlle::IsValidDok("BN", def, *list_));
  EXPECT_FALSE(TContLogAlle::IsValidDok("B12", def, *list_));
  def.MultiplierKinds.set(17);
  EXPECT_TRUE(TContLogAlle::IsValidDok("M26", def, *list_));

  TContestRec vfdb;
  vfdb.SpecialDistricts[1] = 'Z';
  vfdb.SpecialDistricts[2] = 'A';
  SetList('o');
  EXPECT_TRUE(TContLogAlle::IsValidDok("Z12", vfdb, *list_));
  EXPECT_FALSE(TContLogAlle::IsValidDok("A12", vfdb, *list_));

  TContestRec sh;
  sh.SpecialDoks[1] = "Q01";
  SetList('O');
  EXPECT_TRUE(TContLogAlle::IsValidDok("M12X", sh, *list_));
  EXPECT_FALSE(TContLogAlle::IsValidDok("B12", sh, *list_));

  SetList('h', 5);
  EXPECT_TRUE(TContLogAlle::IsValidDok("B1", sh, *list_));
  SetList('h', 3);
  EXPECT_FALSE(TContLogAlle::IsValidDok("B1", sh, *list_));
}

TEST_F(MultiValues, DokLikeTextsAndAreas) {
  SetList('X');
  for (const char* t : {"BN", "VO", "5N", "B12", "DVL", "1AB"})
    EXPECT_TRUE(TContLogAlle::IsDokLikeText(t, *list_)) << t;
  for (const char* t : {"AB", "NM", "M26", "M36", "123", "B", "0N"})
    EXPECT_FALSE(TContLogAlle::IsDokLikeText(t, *list_)) << t;
  SetList('1');
  EXPECT_TRUE(TContLogAlle::IsDokLikeText("NM", *list_));
  EXPECT_TRUE(TContLogAlle::IsValidArea("BN", *list_));  // other contests: DOK-like texts

  SetList('H');
  EXPECT_TRUE(TContLogAlle::IsValidArea("A12TA", *list_));
  EXPECT_TRUE(TContLogAlle::IsValidArea("Z99YN", *list_));
  for (const char* a : {"A12XX", "A1TA", "A1TAX", "112TA", "A12TAX", "BN"})
    EXPECT_FALSE(TContLogAlle::IsValidArea(a, *list_)) << a;
}

TEST_F(MultiValues, DistrictsAndCallMultipliers) {
  TContestRec def;
  def.HomeDistricts[1] = 'Q';
  def.HomeDistricts[2] = 'Z';
  struct Case {
    char code;
    const char* value;
    bool valid;
  } cases[] = {{'X', "Q05", true},   {'X', "Z05", true},  {'X', "B05", false}, {'X', "Q5", false},
               {'X', "Q050", false}, {'o', "Z05", false}, {'o', "Q05", true},  {'h', "A12", true},
               {'h', "K12", false},  {'h', "J12", false}, {'u', "K12", true},  {'u', "J12", false},
               {'W', "J", false}};
  for (const Case& c : cases) {
    SetList(c.code);
    EXPECT_EQ(TContLogAlle::IsValidDistrict(c.value, def, *list_), c.valid)
        << c.code << " " << c.value;
  }
  def.MultiplierKinds.set(21);
  SetList('W');
  EXPECT_TRUE(TContLogAlle::IsValidDistrict("J", def, *list_));
  EXPECT_FALSE(TContLogAlle::IsValidDistrict("", def, *list_));

  EXPECT_TRUE(TContLogAlle::IsValidCallMulti("DL1ABC", def, *list_));
  def.SpecialCalls[2] = "DF0WN";
  EXPECT_TRUE(TContLogAlle::IsValidCallMulti("DF0WN/P", def, *list_));
  EXPECT_FALSE(TContLogAlle::IsValidCallMulti("DL1ABC", def, *list_));
}

TEST_F(MultiValues, MemberTestReadsTheReceivedExchange) {
  TContestRec def;
  TContestQSORec q;
  const auto member = [&](const char* received) {
    exchangesplit::SplitReceivedExchange(received, q);
    qsos_->SetQSORec(q);
    return std::pair(TContLogAlle::IsMemberListEntry(def, *qsos_),
                     TContLogAlle::PassesMemberTest(def, *qsos_));
  };
  EXPECT_EQ(member("599"), std::pair(true, true));  // no list: every QSO passes
  def.MemberList = "QCWA";
  EXPECT_EQ(member("59912QCWA"), std::pair(true, true));
  EXPECT_EQ(member("59912"), std::pair(false, false));
  EXPECT_TRUE(TContLogAlle::FailsMemberTest(def, *qsos_));
  def.MemberList = "Naval";
  EXPECT_EQ(member("599MF123"), std::pair(true, true));
  EXPECT_EQ(member("599NM"), std::pair(false, false));
  EXPECT_EQ(member("599123"), std::pair(false, false));
  EXPECT_EQ(member("599"), std::pair(false, false));
}

TEST_F(MultiValues, WeightOfANewMultiplier) {
  TContestRec def;
  def.SpecialDoks[1] = "DVH";
  struct Case {
    int kind;
    char code;
    uint8_t category;
    uint8_t answer;
    char band;
    const char* dok;
    int weight;
  } cases[] = {
      {5, 'J', 0, 0, 'e', "", -1},   {5, 'J', 0, 0, 'k', "", 0},    {5, 'Y', 0, 0, 'e', "", 4},
      {5, '2', 0, 0, 'e', "", 2},    {4, '2', 0, 0, 'b', "WN", 5},  {4, '2', 0, 0, 'b', "5N", 2},
      {4, '2', 0, 0, 'b', "N", 0},   {4, '2', 0, 0, 'b', "B12", 0}, {4, '1', 0, 0, 'b', "NM", -1},
      {4, 'G', 0, 0, 'b', "DVH", 1}, {4, 'G', 0, 0, 'b', "F12", 0}, {4, 'h', 4, 0, 'b', "K12", 2},
      {4, 'h', 8, 0, 'b', "DVH", 2}, {4, 'h', 3, 0, 'b', "K12", 0}, {10, 'h', 5, 0, 'b', "", 2},
      {10, 'h', 9, 0, 'b', "", 0},   {4, 'U', 0, 1, 'b', "U12", 0}, {4, 'U', 0, 1, 'b', "B12", 1},
      {4, 'U', 0, 0, 'b', "Z44", 1}, {4, 'U', 0, 0, 'b', "B12", 0}, {2, 'U', 0, 0, 'b', "U12", 0},
  };
  for (const Case& c : cases) {
    SetList(c.code, c.category, "Q01", "DL1ABC", c.answer);
    TContestQSORec q;
    q.SetBandcode(c.band);
    q.SetDOK(c.dok);
    EXPECT_EQ(TContLogAlle::MultiplierWeight(c.kind, q, def, *list_), c.weight)
        << c.kind << " " << c.code << " " << c.dok;
  }
}

}  // namespace
