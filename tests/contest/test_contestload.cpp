#include <gtest/gtest.h>

#include "contest/contestfkt.h"
#include "contest/contestload.h"
#include "foundation/daynumber.h"
#include "foundation/testdesktop.h"
#include "rulestest_support.h"
#include "tables/contestrecs.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablesfixture.h"

using namespace rulestest;

namespace {

TContestListRec ListRecord(char code, uint8_t category) {
  TContestListRec r;
  r.SetTyp(code);
  r.SetName("Testlog");
  r.SetDatumVon(daynumber::FromYMD(2017, 3, 18));
  r.SetDOK("K32");
  r.SetOwnCall("DK2ZZ");
  r.SetCategory(category);
  r.SetExtraNumber(4711);
  r.SetExtraText("N-12");
  r.SetPLZ("66111");
  return r;
}

class ContestLoad : public TablesTest {
 protected:
  void SetUp() override {
    TablesTest::SetUp();
    ToSetupEigeneStation station;
    station.SetLocator("JN39KF");
    station.SetName("Erika Muster");
    Setups().SetEigeneStation(station);
  }
  // Stores a list record and leaves the table on it.
  void Store(TdbContest& list, const TContestListRec& r) {
    list.SetListRec(r);
    ASSERT_TRUE(list.Add());
    ASSERT_TRUE(list.FindNumber(list.GetListRec().Nummer()));
  }
  uint8_t StoredByte(int32_t number) {
    TdbContest reader(TdbContestBase::kList);
    EXPECT_TRUE(reader.FindNumber(number));
    return reader.GetListRec().TotalsInConfig();
  }
  TTestDesktop desktop_;
};

}  // namespace

TEST(ContestInputs, TakenFromTheListRecordAndTheOwnStation) {
  TContestInputs in = ContestInputsOf(ListRecord('h', 6), 'h', "JN39KF", "Erika", -60, 12345);
  EXPECT_EQ(in.Code, 'h');
  EXPECT_EQ(in.StartDate, daynumber::FromYMD(2017, 3, 18));
  EXPECT_EQ(in.OwnDok, "K32");
  EXPECT_EQ(in.OwnCall, "DK2ZZ");
  EXPECT_EQ(in.ClassNumber, 6);
  EXPECT_EQ(in.MemberNumber, 4711);
  EXPECT_EQ(in.MemberText, "N-12");
  EXPECT_EQ(in.StationText, "66111");
  EXPECT_EQ(in.OwnLocator, "JN39KF");
  EXPECT_EQ(in.OwnName, "Erika");
  EXPECT_EQ(in.UtcShiftMinutes, -60);
  EXPECT_EQ(in.Today, 12345);
}

TEST_F(ContestLoad, StoredLogGetsItsDefinitionAndTheTotalsByte) {
  TdbContest list(TdbContestBase::kList);
  Store(list, ListRecord('h', 6));
  int32_t number = list.GetListRec().Nummer();
  TContestRec def;
  ASSERT_TRUE(LoadContestDefinition(def, list, 'h', true));
  EXPECT_EQ(def.ContestName, "Rheinland-Pfalz - Aktivitätswoche");
  EXPECT_EQ(def.MultiplierBandMode, 1);  // class 6
  EXPECT_EQ(def.SentText[1], "K32");
  EXPECT_EQ(def.SentText[2], "JN39");
  EXPECT_EQ(list.GetListRec().TotalsInConfig(), 255);
  EXPECT_EQ(StoredByte(number), 255);
  // Nothing else of the list record changes.
  TContestListRec expected = ListRecord('h', 6);
  expected.SetNummer(number);
  expected.SetTotalsInConfig(255);
  EXPECT_EQ(list.GetListRec(), expected);
}

TEST_F(ContestLoad, CodeWithBandRowsLeavesTheByteAlone) {
  TdbContest list(TdbContestBase::kList);
  Store(list, ListRecord('d', 2));
  TContestRec def;
  ASSERT_TRUE(oContestFkt->LoadContestDefinition(def, list, 'd', true));
  EXPECT_EQ(def.ContestName, "SAAR-Contest 2017");
  EXPECT_EQ(Texts(def.Modes), (std::vector<std::string>{"CW"}));
  EXPECT_EQ(StoredByte(list.GetListRec().Nummer()), 0);
}

TEST_F(ContestLoad, NewLogIsNotWrittenButCarriesTheByte) {
  TdbContest list(TdbContestBase::kList);
  Store(list, ListRecord('N', 1));
  int32_t number = list.GetListRec().Nummer();
  desktop_.Now = QDateTime(QDate(2026, 12, 8), QTime(19, 30, 0));
  desktop_.ShiftMinutes = -60;
  TContestRec def;
  ASSERT_TRUE(LoadContestDefinition(def, list, 'N', false));
  EXPECT_EQ(def.DateFrom, "08.12.2026");
  EXPECT_EQ(def.ClockUtcShiftHours, -1);
  EXPECT_EQ(def.SentText[1], "JN39KF");  // the own locator of the settings
  EXPECT_EQ(list.GetListRec().TotalsInConfig(), 255);
  EXPECT_EQ(StoredByte(number), 0);
}

TEST_F(ContestLoad, FailedWriteIsToldToTheCaller) {
  TdbContest list(TdbContestBase::kList);
  list.SetListRec(ListRecord('W', 1));  // never stored: there is nothing to rewrite
  TContestRec def;
  EXPECT_FALSE(LoadContestDefinition(def, list, 'W', true));
  EXPECT_EQ(def.EditionTitle, "ZOR WAG");
  EXPECT_TRUE(LoadContestDefinition(def, list, 'W', false));
}

// The definition is rebuilt from the list record as it stands at each call: nothing of an
// earlier call stays behind, not even in a definition that is handed in again.
TEST_F(ContestLoad, EveryCallStartsAgainFromTheListRecord) {
  TdbContest list(TdbContestBase::kList);
  Store(list, ListRecord('V', 8));
  int32_t number = list.GetListRec().Nummer();
  TContestRec def;
  ASSERT_TRUE(LoadContestDefinition(def, list, 'V', true));
  EXPECT_EQ(Texts(def.ValidDoks).size(), 7u);  // the guest class admits the home area only

  TContestListRec changed = list.GetListRec();
  changed.SetCategory(1);
  changed.SetDOK("P05");
  list.SetListRec(changed);
  ASSERT_TRUE(LoadContestDefinition(def, list, 'V', true));
  EXPECT_EQ(Texts(def.ValidDoks).size(), 0u);
  EXPECT_EQ(Texts(def.SpecialDoks).size(), 0u);
  EXPECT_EQ(Texts(def.Modes), (std::vector<std::string>{"CW"}));
  EXPECT_EQ(def.SentText[1], "P05");

  // A code the table does not know leaves the frame only, and the list record as it was.
  const TContestListRec before = list.GetListRec();
  ASSERT_TRUE(LoadContestDefinition(def, list, 'x', true));
  TContestRec frame;
  frame.ClockUtcShiftHours = def.ClockUtcShiftHours;
  for (size_t item = 1; item <= 7; ++item) frame.OutputMenuItems.set(item);
  EXPECT_EQ(def, frame);
  EXPECT_EQ(list.GetListRec(), before);
  EXPECT_EQ(StoredByte(number), 0);
}
