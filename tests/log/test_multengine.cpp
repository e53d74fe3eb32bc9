#include <gtest/gtest.h>

#include <memory>

#include "checksfixture.h"
#include "foundation/progress.h"
#include "foundation/strings.h"
#include "storage/dbbase.h"

namespace {

using Counts = TContLogAlle::TColumnCounts;

class Engine : public ChecksTest {
 protected:
  // A 'd' definition counting only the kinds given, per band unless bandMode says else.
  static TContestRec Kinds(std::initializer_list<int> kinds, uint8_t bandMode = 0) {
    TContestRec def = Def('d');
    def.MultiplierKinds.reset();
    for (int k : kinds) def.MultiplierKinds.set(size_t(k));
    def.MultiplierBandMode = bandMode;
    return def;
  }
  int Count(int kind, char band, const TContestRec& def, const std::string& sought = "",
            bool byColumn = false, TContLogAlle::TMultiLists* lists = nullptr) {
    counts_ = Counts();
    return alle_.CountMultipliers(kind, band, *qsos_, *list_, sought, "", def, lists,
                                  lists != nullptr, byColumn, counts_, nullptr);
  }
  void StoreDok(char band, const std::string& dok, const std::string& mode = "CW",
                uint8_t zeroPoints = 0, const std::string& received = "") {
    TContestQSORec q = Qso(band, "DL" + std::to_string(++calls_) + "AA", mode);
    q.SetDOK(dok);
    q.SetZeroPoints(zeroPoints);
    q.SetRcvdPart1(received);
    ASSERT_GT(Store(q), 0);
  }
  // A QSO on the band with one field set.
  void StoreWith(char band, void (TContestQSORec::*set)(std::string_view), const char* value) {
    TContestQSORec q = Qso(band, "DL1ABC");
    (q.*set)(value);
    ASSERT_GT(Store(q), 0);
  }
  Counts counts_;
  int calls_ = 0;
};

TEST_F(Engine, AcceptanceOfAValueByKind) {
  struct Case {
    std::initializer_list<int> kinds;
    int kind;
    const char* value;
    const char* previous;
    const char* continent;
    bool strict;
    bool accepted;
  };
  const Case cases[] = {
      {{2}, 2, "DL", "", "EU", false, false},  // Germany needs kind 3 as well
      {{2, 3}, 2, "DL", "", "EU", false, true},
      {{2}, 2, "F", "", "AF", false, true},
      {{2, 9}, 2, "F", "", "AF", false, false},  // kind 9: Europe only
      {{2, 9}, 2, "F", "", "EU", false, true},
      {{2}, 2, "F", "F", "EU", false, false},  // counted already
      {{2}, 2, "", "", "EU", false, false},
      {{1}, 2, "F", "", "EU", false, false},  // kind 2 not counted
      {{16}, 16, "NM", "", "EU", false, false},
      {{16}, 16, "123", "", "EU", false, true},
      {{16}, 16, "123", "", "EU", true, false},  // not the QSO's multiplier text
      {{16}, 16, "77", "", "EU", true, true},    // the second multiplier text
      {{15}, 15, "55", "", "EU", true, true},
      {{15}, 15, "77", "", "EU", true, false},
      {{4}, 4, "Q05", "", "EU", false, true},
      {{4}, 4, "B12", "", "EU", false, false},
      {{4}, 4, "Q05", "Q05", "EU", false, false},
      {{1}, 1, "DL1", "", "EU", false, true},
  };
  for (const Case& c : cases) {
    TContestRec def = Kinds(c.kinds);
    TContestQSORec q = Qso('c', "DL1ABC");
    q.SetContinent(c.continent);
    q.SetCMulti("55");
    q.SetMulti2("77");
    Enter(q);
    EXPECT_EQ(alle_.IsNewMultiplier(c.kind, c.value, *qsos_, *list_, c.strict, "", def, c.previous),
              c.accepted)
        << c.kind << " " << c.value << " after '" << c.previous << "'";
  }
}

TEST_F(Engine, ADokCountsOncePerModeOnlyWhenCountedByColumnInBandModeTwo) {
  StoreDok('c', "Q05", "CW");
  StoreDok('c', "Q05", "SSB");
  StoreDok('d', "Q05", "SSB");
  for (uint8_t bandMode : {0, 2}) {
    TContestRec def = Kinds({4}, bandMode);
    def.MultiplierName[1] = "DOK";
    def.MultiplierName[2] = "Prefix";
    EXPECT_EQ(Count(4, 'c', def, "", true), bandMode == 2 ? 2 : 1) << int(bandMode);
    EXPECT_EQ(counts_.Column[1], bandMode == 2 ? 2 : 1);
    EXPECT_EQ(counts_.Column[2], 0);
    EXPECT_EQ(Count(4, 'c', def), 1) << int(bandMode);
  }
  // Once for the whole log.
  EXPECT_EQ(Count(4, 'x', Kinds({4}, 1)), 1);
}

TEST_F(Engine, TheWalkJumpsToTheNextValueBytewise) {
  for (const char* p : {"DL1", "DL10", "DL1", "DL19", "DL2", "DL19"})
    StoreWith('c', &TContestQSORec::SetPrefix, p);
  StoreWith('d', &TContestQSORec::SetPrefix, "DL3");
  auto lists = std::make_unique<TContLogAlle::TMultiLists>();
  EXPECT_EQ(Count(1, 'c', Kinds({1}), "", false, lists.get()), 4);
  const auto& list = (*lists)[1];
  EXPECT_EQ(list[1].Text, "DL1 ");
  EXPECT_EQ(list[2].Text, "DL10");
  EXPECT_EQ(list[3].Text, "DL19");
  EXPECT_EQ(list[4].Text, "DL2 ");
  EXPECT_EQ(list[5].Text, "");
  EXPECT_EQ(Count(1, 'c', Kinds({1}), "", true), 4);
  EXPECT_EQ(Count(1, 'c', Kinds({1}), "DL19"), 1);
  EXPECT_EQ(Count(1, 'c', Kinds({1}), "DL3"), 0);
  EXPECT_EQ(Count(1, 'd', Kinds({1}), "DL3"), 1);
  EXPECT_EQ(Count(1, 'c', Kinds({2})), 0);  // kind 1 not counted
}

TEST_F(Engine, TheKindTwoColumnWalkCountsTheBandsQsos) {
  for (const char* dxcc : {"F", "DL", "F", "OK"}) StoreWith('c', &TContestQSORec::SetDXCC, dxcc);
  TContestQSORec change = Qso('c', "");
  change.SetBandChangeMark('X');
  ASSERT_GT(Store(change), 0);
  ASSERT_GT(Store(Qso('d', "OK1AA")), 0);
  EXPECT_EQ(Count(2, 'c', Kinds({2}), "", true), 2);  // "DL" needs kind 3
  EXPECT_EQ(counts_.Qsos, 4);
  EXPECT_EQ(Count(2, 'c', Kinds({4}), "", true), 0);
  EXPECT_EQ(counts_.Qsos, 4);
  EXPECT_EQ(Count(2, 'c', Kinds({4}), "", false), 0);
}

TEST_F(Engine, ListsStopAtFiveHundredEntriesWhileTheCountGoesOn) {
  TWriteGroup group;
  for (int i = 0; i < 510; ++i) {
    TContestQSORec q = Qso('c', "DL1ABC");
    const char field[] = {char('A' + i / 100), char('A' + i / 100)};
    q.SetLoc(std::string(field, 2) + ToStrings::IntToStrZero(i % 100, 2) + "AA");
    ASSERT_GT(Store(q), 0);
  }
  ASSERT_TRUE(group.Commit());
  auto lists = std::make_unique<TContLogAlle::TMultiLists>();
  (*lists)[5][500].Text = "old";
  EXPECT_EQ(Count(5, 'c', Kinds({5}), "", false, lists.get()), 510);
  EXPECT_EQ((*lists)[5][1].Text, "AA00");
  EXPECT_EQ((*lists)[5][500].Text, "EE99");
}

TEST_F(Engine, AMarkedDupeIsNotWorkedBeforeButCountsInAWalk) {
  StoreDok('c', "Q05", "CW", 255);
  const TContestRec def = Kinds({4});
  EXPECT_EQ(Count(4, 'c', def, "Q05"), 0);
  EXPECT_EQ(Count(4, 'c', def), 1);
  StoreDok('c', "Q05", "SSB");
  EXPECT_EQ(Count(4, 'c', def, "Q05"), 1);
}

TEST_F(Engine, ARefusedQsoLeavesTheOtherQsosOfItsValueToCount) {
  // The first QSO of the value is outside the member list, the second is in it.
  TContestRec def = Kinds({4});
  def.MemberList = "IPA";
  StoreDok('c', "Q05", "CW", 0, "");
  StoreDok('c', "Q05", "SSB", 0, "IPA");
  StoreDok('c', "Q06", "SSB", 0, "");
  EXPECT_EQ(Count(4, 'c', def), 1);
  EXPECT_EQ(Count(4, 'c', def, "Q05"), 1);
  EXPECT_EQ(Count(4, 'c', def, "Q06"), 0);
}

TEST_F(Engine, AQsoWhoseOwnValueWasRefusedDoesNotMakeTheValueWorked) {
  TContestRec def = Kinds({2, 9});
  TContestQSORec q = Qso('c', "F1ABC");
  q.SetDXCC("F");
  q.SetContinent("AF");
  ASSERT_GT(Store(q), 0);
  Enter(Qso('c', "F2XYZ"));
  EXPECT_EQ(Count(2, 'c', def, "F"), 0);
  EXPECT_EQ(Count(2, 'c', def), 0);
  q.SetContinent("EU");
  ASSERT_GT(Store(q), 0);
  Enter(Qso('c', "F2XYZ"));
  EXPECT_EQ(Count(2, 'c', def, "F"), 1);
  EXPECT_EQ(Count(2, 'c', def), 1);
}

}  // namespace

namespace {

TEST_F(Engine, OverTheWholeLogAValueIsWorkedWhereItsFirstQsoLies) {
  StoreDok('d', "Q05");
  StoreDok('c', "Q05");
  StoreDok('c', "Q06");
  const TContestRec def = Kinds({4}, 1);
  EXPECT_EQ(Count(4, 'd', def, "Q05"), 1);
  EXPECT_EQ(Count(4, 'c', def, "Q05"), 0);
  EXPECT_EQ(Count(4, 'c', def, "Q06"), 1);
  EXPECT_EQ(Count(4, 'c', def), 2);
}

TEST_F(Engine, TheColumnWalkShowsItsProgressEveryTenthQso) {
  TWriteGroup group;
  for (int i = 0; i < 25; ++i) StoreDok('c', "Q" + std::to_string(10 + i));
  ASSERT_TRUE(group.Commit());
  TFortschrittWinCtrl progress(nullptr, "Neuberechnung", "", 500, false, false);
  TContLogAlle::TColumnCounts counts;
  EXPECT_EQ(alle_.CountMultipliers(4, 'c', *qsos_, *list_, "", "", Kinds({4}), nullptr, false, true,
                                   counts, &progress),
            25);
  EXPECT_EQ(progress.Position(), 20);
}

}  // namespace
