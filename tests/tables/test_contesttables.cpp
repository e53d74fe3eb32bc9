#include <gtest/gtest.h>

#include "foundation/keystr.h"
#include "reference/refservices.h"
#include "tables/calltables.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/projecttables.h"
#include "tables/setups.h"
#include "tablesfixture.h"

namespace {

class ContestTables : public TablesTest {
 protected:
  static constexpr int32_t kLog = 7;

  // Adds a QSO through the table's working record; the number the file gave, or 0.
  int32_t AddQso(TdbContest& t, char band, const std::string& call, const std::string& mode,
                 int32_t time, int32_t bandNr = 0) {
    TContestQSORec q;
    q.SetBandcode(band);
    q.SetCall(call);
    q.SetMode(mode);
    q.SetDatum(150000);
    q.SetZeit(time);
    q.SetwagBandNrIntern(bandNr);
    t.SetQSORec(q);
    return t.Add() ? t.GetQSORec().Nummer() : 0;
  }

  // Calls in the order of a key, walked from its start.
  static std::string Walk(TdbContest& t, int keyNr) {
    std::string out;
    for (bool ok = t.First(keyNr); ok; ok = t.NextRecord(keyNr))
      out += (out.empty() ? "" : " ") + t.GetCall();
    return out;
  }
};

TEST_F(ContestTables, AddAssignsNumbersAndRefusesASecondQsoOfTheSameSecond) {
  TdbContest log(TdbContestBase::kQsoLog, 0, kLog);
  ASSERT_TRUE(log.IsOpen());
  EXPECT_TRUE(FileExists("BMLK0007.db"));
  EXPECT_EQ(AddQso(log, 'k', "DL1AAA", "CW", 100), 1);
  EXPECT_EQ(AddQso(log, 'k', "DL1BBB", "CW", 200), 2);
  // Same date and time: refused, nothing written, the next number stays free.
  EXPECT_EQ(AddQso(log, 'k', "DL1CCC", "SSB", 200), 0);
  EXPECT_EQ(log.RecordCount(), 2);
  EXPECT_EQ(Walk(log, contestkeys::kDatumZeit), "DL1AAA DL1BBB");
  // The save road's retry: one second later it goes in.
  EXPECT_EQ(AddQso(log, 'k', "DL1CCC", "SSB", 201), 3);
  EXPECT_EQ(Walk(log, contestkeys::kNummer), "DL1AAA DL1BBB DL1CCC");
}

TEST_F(ContestTables, KeysOrderStoredQsos) {
  TdbContest log(TdbContestBase::kQsoLog, 0, kLog);
  AddQso(log, 'm', "AA1A", "CW", 1, 1);
  AddQso(log, 'k', "DL1ABCD", "CW", 2, 1);
  AddQso(log, 'k', "DL1ABC", "SSB", 3, 2);
  AddQso(log, 'k', "DL1ABC", "CW", 4, 3);
  AddQso(log, 'k', "DL1AB", "FM", 5, 4);
  EXPECT_EQ(Walk(log, contestkeys::kBandCallMode), "DL1AB DL1ABC DL1ABC DL1ABCD AA1A");
  EXPECT_EQ(Walk(log, contestkeys::kCallDatumZeit), "AA1A DL1AB DL1ABC DL1ABC DL1ABCD");
  EXPECT_EQ(Walk(log, contestkeys::kBandNrInternDesc), "DL1AB DL1ABC DL1ABC DL1ABCD AA1A");
  ASSERT_TRUE(log.First(contestkeys::kBandCallMode));
  ASSERT_TRUE(log.NextRecord(contestkeys::kBandCallMode));
  EXPECT_EQ(log.GetMode(), "CW");  // CW before SSB for the same band and call

  // The band's last QSO by internal serial, then found again in the ascending key.
  ASSERT_TRUE(log.SearchBandNrInternDesc('k'));
  EXPECT_EQ(log.GetCall(), "DL1AB");
  EXPECT_EQ(log.GetQSORec().wagBandNrIntern(), 4);
  ASSERT_TRUE(log.SearchBandNrInternDesc('l'));
  EXPECT_EQ(log.GetBandcode(), 'm');  // the caller checks the band
  EXPECT_TRUE(log.FindBandNrIntern('k', 3));
  EXPECT_EQ(log.GetCall(), "DL1ABC");
  EXPECT_FALSE(log.FindBandNrIntern('k', 9));
}

TEST_F(ContestTables, ExactFindsMatchTheWholePaddedKey) {
  TdbContest log(TdbContestBase::kQsoLog, 0, kLog);
  AddQso(log, 'k', "DL1ABC", "CW", 1);
  TContestQSORec q = log.GetQSORec();
  q.SetDOK("B01");
  log.SetQSORec(q);
  ASSERT_TRUE(log.Modify());
  AddQso(log, 'k', "DL1ABCD", "SSB", 2);

  EXPECT_TRUE(log.FindCall("DL1ABC"));
  EXPECT_EQ(log.GetQSORec().Zeit(), 1);
  EXPECT_FALSE(log.FindCall("DL1AB"));  // a shorter call is another call
  EXPECT_TRUE(log.FindBandCallMode('k', "DL1ABCD", "SSB"));
  EXPECT_FALSE(log.FindBandCallMode('k', "DL1ABCD", "CW"));
  EXPECT_FALSE(log.FindBandCallMode('m', "DL1ABC", "CW"));
  EXPECT_TRUE(log.FindDOK("B01"));
  EXPECT_EQ(log.GetCall(), "DL1ABC");
  EXPECT_FALSE(log.FindDOK("B0"));
  EXPECT_TRUE(log.FindNumber(2));
  EXPECT_EQ(log.GetCall(), "DL1ABCD");
}

TEST_F(ContestTables, SearchesPositionOnTheFirstKeyAtOrAfterTheText) {
  TdbContest log(TdbContestBase::kQsoLog, 0, kLog);
  struct Q {
    char band;
    const char* call;
    const char* dxcc;
    const char* loc;
    const char* call2;
    const char* dok;
    const char* zone;
  };
  int32_t t = 0;
  for (Q x : {Q{'k', "OK1AA", "OK", "JO70", "12", "P01", "05"},
              Q{'k', "DL1AA", "DL", "JN39", "7", "B01ABCDE", "14"},
              Q{'m', "F5AA", "F", "JN18", "3", "A01", "03"}}) {
    TContestQSORec r;
    r.SetBandcode(x.band);
    r.SetCall(x.call);
    r.SetDXCC(x.dxcc);
    r.SetPrefix(x.dxcc);
    r.SetLoc(x.loc);
    r.SetCall2(x.call2);
    r.SetDOK(x.dok);
    r.SetWAZ_USStaat(x.zone);
    r.SetZeit(++t);
    log.SetQSORec(r);
    ASSERT_TRUE(log.Add());
  }
  EXPECT_TRUE(log.SearchBandDXCC("kE"));
  EXPECT_EQ(log.GetCall(), "OK1AA");
  EXPECT_TRUE(log.SearchBandDXCC("kDL"));
  EXPECT_EQ(log.GetCall(), "DL1AA");
  EXPECT_TRUE(log.SearchDXCC("E"));
  EXPECT_EQ(log.GetCall(), "F5AA");
  EXPECT_TRUE(log.SearchBandLoc("kJN"));
  EXPECT_EQ(log.GetCall(), "DL1AA");
  EXPECT_TRUE(log.SearchLoc("JN2"));
  EXPECT_EQ(log.GetCall(), "DL1AA");
  EXPECT_TRUE(log.SearchBandPrefix("m"));
  EXPECT_EQ(log.GetCall(), "F5AA");
  EXPECT_TRUE(log.SearchCall2("3"));
  EXPECT_EQ(log.GetCall(), "F5AA");
  EXPECT_TRUE(log.SearchBandCall2("k2"));  // text order: "7" after "12"
  EXPECT_EQ(log.GetCall(), "DL1AA");
  EXPECT_TRUE(log.SearchCall("DL"));
  EXPECT_EQ(log.GetCall(), "DL1AA");
  EXPECT_TRUE(log.SearchDOK("A"));
  EXPECT_EQ(log.GetCall(), "F5AA");
  EXPECT_TRUE(log.SearchDOK("B01A"));  // the eight characters of DOK1 and DOK2
  EXPECT_EQ(log.GetCall(), "DL1AA");
  EXPECT_TRUE(log.SearchBandDOK("kC"));
  EXPECT_EQ(log.GetCall(), "OK1AA");
  EXPECT_TRUE(log.SearchZone("04"));
  EXPECT_EQ(log.GetCall(), "OK1AA");
  EXPECT_TRUE(log.SearchBandZone("k06"));
  EXPECT_EQ(log.GetCall(), "DL1AA");
  EXPECT_TRUE(log.SearchBandZone("m"));
  EXPECT_EQ(log.GetCall(), "F5AA");
  EXPECT_FALSE(log.SearchZone("15"));
  EXPECT_FALSE(log.SearchPrefix("Z"));  // nothing at or after it
  EXPECT_FALSE(log.SearchBandCall("n"));

  // Without the load flag the working copy stays as it was.
  TContestQSORec mine;
  mine.SetCall("MINE");
  log.SetQSORec(mine);
  EXPECT_TRUE(log.SearchCall("OK", false));
  EXPECT_EQ(log.GetCall(), "MINE");
  EXPECT_TRUE(log.SearchCall("OK", true));
  EXPECT_EQ(log.GetCall(), "OK1AA");
}

TEST_F(ContestTables, ChangingAQsoOntoTheSecondOfAnotherIsRefused) {
  TdbContest log(TdbContestBase::kQsoLog, 0, kLog);
  AddQso(log, 'k', "DL1AAA", "CW", 100);
  AddQso(log, 'k', "DL1BBB", "CW", 200);
  TContestQSORec q = log.GetQSORec();
  q.SetZeit(100);
  log.SetQSORec(q);
  EXPECT_FALSE(log.Modify());
  ASSERT_TRUE(log.FindNumber(2));
  EXPECT_EQ(log.GetQSORec().Zeit(), 200);
  EXPECT_EQ(Walk(log, contestkeys::kDatumZeit), "DL1AAA DL1BBB");
}

TEST_F(ContestTables, ContestListRefusesASecondContestOfOneCodeAndName) {
  TdbContest list(TdbContestBase::kList);
  TContestListRec r;
  r.SetTyp('d');
  r.SetName("Saar-Contest 2026");
  list.SetListRec(r);
  ASSERT_TRUE(list.Add());
  EXPECT_EQ(list.GetListRec().Nummer(), 1);
  list.SetListRec(r);
  EXPECT_FALSE(list.Add());
  r.SetTyp('h');
  list.SetListRec(r);
  ASSERT_TRUE(list.Add());
  EXPECT_EQ(list.GetListRec().Nummer(), 2);
  EXPECT_TRUE(list.FindNumber(1));
  EXPECT_EQ(list.GetListRec().Typ(), 'd');
  EXPECT_TRUE(list.Last(contestkeys::kListNummer));
  EXPECT_EQ(list.GetListRec().Nummer(), 2);
  // The browser's range: every contest of one code starts with the code.
  EXPECT_TRUE(list.SearchKey("h", contestkeys::kListTypName));
  EXPECT_EQ(list.GetListRec().Nummer(), 2);
  // Kinds other than the QSO log have no band-change mark and no call.
  EXPECT_EQ(list.IsProtectedQSO(), '\0');
  EXPECT_EQ(list.GetCall(), "");
}

TEST_F(ContestTables, ConfigurationRecordsByContestNumber) {
  TdbContest config(TdbContestBase::kConfig);
  TContestConfigRec c;
  c.SetNummer(5);
  c.SetBandPoints(100, 1234);
  config.SetConfigRec(c);
  ASSERT_TRUE(config.Add());
  EXPECT_EQ(config.GetConfigRec().Nummer(), 5);  // no auto-number here
  config.SetConfigRec(c);
  EXPECT_FALSE(config.Add());  // one record per contest
  config.ClearRecords();
  EXPECT_EQ(config.GetConfigRec().BandPoints(100), 0);
  ASSERT_TRUE(config.FindNumber(5));
  EXPECT_EQ(config.GetConfigRec().BandPoints(100), 1234);
  EXPECT_FALSE(config.FindNumber(6));
}

TEST_F(ContestTables, CopyToScratchLogSkipsBandChangeLinesUnlessForced) {
  TdbContest log(TdbContestBase::kQsoLog, 0, kLog);
  AddQso(log, 'k', "DL1AAA", "CW", 10);
  AddQso(log, 'k', "DL1BBB", "CW", 20);
  TContestQSORec mark = log.GetQSORec();
  mark.SetBandChangeMark('m');
  log.SetQSORec(mark);
  ASSERT_TRUE(log.Modify());
  EXPECT_EQ(log.IsProtectedQSO(), 'm');

  TdbContest temp(TdbContestBase::kTemp, 0, kLog);
  temp.DeleteFiles();
  EXPECT_TRUE(FileExists("BMLKTEMP.db"));
  int copied = 0;
  for (bool ok = log.First(contestkeys::kDatumZeit); ok;
       ok = log.NextRecord(contestkeys::kDatumZeit))
    copied += temp.CopyQSOFrom(log, 0, false) ? 1 : 0;
  EXPECT_EQ(copied, 1);
  EXPECT_EQ(temp.RecordCount(), 1);
  ASSERT_TRUE(log.FindNumber(2));
  EXPECT_TRUE(temp.CopyQSOFrom(log, 0, true));
  EXPECT_EQ(temp.GetQSORec().Nummer(), 2);  // numbered by the scratch file
  // Rewrite: the scratch record takes the log's own number.
  TContestQSORec own = temp.GetQSORec();
  own.SetNummer(40);
  temp.SetQSORec(own);
  EXPECT_TRUE(temp.Modify());
  EXPECT_TRUE(temp.FindNumber(40));
}

TEST_F(ContestTables, HeldFilesStayOpenBetweenTableObjects) {
  ASSERT_TRUE(ToDatContest::OpenFiles(ToDatContest::kQsoLogFile | ToDatContest::kListFile, 12));
  {
    TdbContest log(TdbContestBase::kQsoLog, 0, 12);
    AddQso(log, 'k', "DL1AAA", "CW", 10);
    TdbContest other(TdbContestBase::kQsoLog, 0, 12);
    EXPECT_EQ(other.RecordCount(), 1);
    EXPECT_EQ(other.GetContestNumber(), 12);
  }
  EXPECT_TRUE(FileExists("BMLK0012.db"));
  EXPECT_TRUE(FileExists("BMKK.db"));
  ToDatContest::CloseFiles(ToDatContest::kQsoLogFile | ToDatContest::kListFile);
  EXPECT_EQ(ToDatContest::QsoLogName(3), "BMLK0003");
}

}  // namespace

namespace {

TEST_F(ContestTables, AFileThatCannotBeOpenedFailsEveryOperation) {
  ToSetupDirs dirs = Setups().GetDirs();
  dirs[setupdirs::kData] = dir_.Path() + "missing/folder/";
  Setups().SetDirs(dirs);
  TdbContest log(TdbContestBase::kQsoLog, 0, 1);
  EXPECT_FALSE(log.IsOpen());
  TContestQSORec q;
  q.SetCall("DL1ABC");
  log.SetQSORec(q);
  EXPECT_FALSE(log.Add());
  EXPECT_FALSE(log.Modify());
  EXPECT_FALSE(log.FindCall("DL1ABC"));
  EXPECT_FALSE(log.SearchCall("DL"));
  EXPECT_EQ(log.RecordCount(), 0);
  EXPECT_EQ(log.GetCall(), "DL1ABC");  // the working copy is still there
  EXPECT_FALSE(ToDatContest::OpenFiles(ToDatContest::kListFile, 0));
  ToDatContest::CloseFiles(ToDatContest::kListFile);
}

}  // namespace

namespace {

TEST_F(ContestTables, ObjectWithItsOwnDriverSeesTheSameFile) {
  TdbContest shared(TdbContestBase::kQsoLog, 0, 3);
  TdbContest own(TdbContestBase::kQsoLog, 2, 3);
  ASSERT_TRUE(own.IsOpen());
  TContestQSORec q;
  q.SetCall("DL1OWN");
  own.SetQSORec(q);
  ASSERT_TRUE(own.Add());
  EXPECT_TRUE(shared.FindCall("DL1OWN"));
  EXPECT_EQ(shared.GetQSORec().Nummer(), 1);
}

}  // namespace

namespace {

// With the reference data's hook in place, as the program runs: every call key holds the
// home part of the call, and every search brings its call into that form.
class CallKeys : public ContestTables {
 protected:
  void SetUp() override {
    ContestTables::SetUp();
    refservices::RegisterHooks();
  }
};

TEST_F(CallKeys, OneSearchFindsAStationInEveryForm) {
  TdbContest log(TdbContestBase::kQsoLog, 0, kLog);
  AddQso(log, 'k', "EA8/DL1ABC", "CW", 1);
  AddQso(log, 'k', "dl1abc/p", "SSB", 2);
  AddQso(log, 'k', "DL1ABCD", "SSB", 3);
  AddQso(log, 'k', "DL1ABC/EA8", "FM", 4);

  ASSERT_TRUE(log.FindCall("dl1abc"));
  EXPECT_EQ(log.GetCall(), "EA8/DL1ABC");  // the record keeps the call as typed
  EXPECT_TRUE(log.FindBandCallMode('k', "DL1ABC", "SSB"));
  EXPECT_EQ(log.GetCall(), "dl1abc/p");
  EXPECT_TRUE(log.FindBandCallMode('k', "EA8/DL1ABC", "FM"));
  // The forms of one station stand together in the call keys.
  EXPECT_EQ(Walk(log, contestkeys::kBandCallMode), "EA8/DL1ABC DL1ABC/EA8 dl1abc/p DL1ABCD");
  ASSERT_TRUE(log.SearchBandCall("kdl1abc/p"));
  EXPECT_EQ(log.GetCall(), "EA8/DL1ABC");
  ASSERT_TRUE(log.SearchCall("DL1ABC/P"));
  EXPECT_EQ(log.GetCall(), "EA8/DL1ABC");
}

TEST_F(CallKeys, CallBookAndSuiteLogbookFollowTheSameForm) {
  TdbCall book(TdbCallBase::kCallBook);
  book.ClearRecords();
  book.SetCall("DL1ABC");
  book.SetName("Hans");
  ASSERT_TRUE(book.Add());
  ASSERT_TRUE(book.FindCall("ea8/dl1abc"));
  EXPECT_EQ(book.GetName(), "Hans");
  EXPECT_TRUE(book.FindCall("DL1ABC/P"));

  auto suite = TdbQSO::CreateForLog(1);
  TSuiteQSORec r;
  r.SetCall("DL1ABC/P");
  suite->SetQSORec(r);
  ASSERT_TRUE(suite->Add());
  ASSERT_TRUE(suite->FindCall("dl1abc"));
  EXPECT_EQ(suite->GetFieldText(TdbQSO::kFieldCall), "DL1ABC/P");
}

}  // namespace
