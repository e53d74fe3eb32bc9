// The contest list controller on real files, driven offscreen: creation steps, the rows
// of the edition's code in both sorts, and the new, start and delete roads.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <QWidget>

#include "browser/kvbrow.h"
#include "contest/contestbrowctrl.h"
#include "contest/contestfkt.h"
#include "contest/currentdef.h"
#include "foundation/cp1252.h"
#include "foundation/daynumber.h"
#include "foundation/kvmousegrid.h"
#include "foundation/progdir.h"
#include "foundation/testdesktop.h"
#include "reference/dbprefix.h"
#include "support/heldfile.h"
#include "support/shippedprefix.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/projecttables.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"
#include "tables/tablesfixture.h"

namespace {

const std::string kNoDate(13, ' ');

class ContestList : public TablesTest {
 protected:
  void SetUp() override {
    TablesTest::SetUp();
    window_.setWindowTitle(Q("Velcor ZOR SAAR Version 2016-1.0 SAAR-Contest"));
    brow_.resize(700, 400);
    brow_.Grid()->SetDefaultRowHeight(20);
  }
  void TearDown() override {
    ctrl_.reset();
    TablesTest::TearDown();
  }
  // Adds the contests before the controller opens the list; returns their references.
  std::vector<int32_t> Add(const std::vector<std::tuple<char, std::string, int32_t>>& contests) {
    std::vector<int32_t> refs;
    TdbContest list(TdbContestBase::kList);
    for (const auto& [code, name, from] : contests) {
      TContestListRec r;
      r.SetTyp(code);
      r.SetName(name);
      r.SetDatumVon(from);
      r.SetDatumBis(from);
      list.ClearRecords();
      list.SetListRec(r);
      EXPECT_TRUE(list.Add());
      refs.push_back(list.CurrentRef());
    }
    return refs;
  }
  void Open() {
    brow_.show();
    ctrl_ = std::make_unique<TContestBrowCtrl>(&brow_, &window_, 'd');
    QApplication::processEvents();
  }
  std::string Cell(int col, int row) const { return brow_.Grid()->Cell(col, row); }

  TTestDesktop desk_;
  QWidget window_;
  TkvBrow brow_;
  std::unique_ptr<TContestBrowCtrl> ctrl_;
};

// Made when used: the day numbers' own constants are ready only after static start-up.
#define kMarch7 daynumber::FromYMD(2026, 3, 7)
#define kOct4 daynumber::FromYMD(2025, 10, 4)

TEST_F(ContestList, ListsOnlyTheEditionsCodeAndOpensOnTheNewest) {
  const auto refs = Add(
      {{'d', "Gamma", kOct4}, {'V', "Fremd", kOct4}, {'d', "Alpha", 0}, {'d', "Beta", kMarch7}});
  Open();
  // The prefix file is empty: one warning, then normal work.
  const QStringList errors = desk_.Texts(TMessageKind::Error);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].startsWith(Q("Achtung: Die Präfixdatei konnte nicht gefunden werden")));
  EXPECT_EQ(CurrentContestDef(), &ctrl_->Definition());

  EXPECT_EQ(brow_.KeyNr(), contestkeys::kListTypName);
  // The header line and every row start with a blank.
  EXPECT_EQ(Cell(0, 0), "  Name" + std::string(21, ' '));
  EXPECT_EQ(Cell(1, 0), "Datum (von)  ");
  EXPECT_EQ(Cell(2, 0).substr(0, 13), "Datum (bis)  ");
  EXPECT_EQ(Cell(0, 1), " Alpha ");
  EXPECT_EQ(Cell(1, 1), kNoDate);
  EXPECT_EQ(Cell(2, 1), kNoDate);
  EXPECT_EQ(Cell(0, 2), " Beta ");
  EXPECT_EQ(Cell(1, 2), "07.03.2026   ");
  EXPECT_EQ(Cell(2, 2), "07.03.2026   ");
  EXPECT_EQ(Cell(0, 3), " Gamma ");
  EXPECT_EQ(Cell(0, 4), "");
  // The newest contest (highest number) is the current row.
  EXPECT_EQ(brow_.CurrentRef(), refs[3]);
}

TEST_F(ContestList, FirstStartTakesTheShippedPrefixFilesAndDoesNotWarn) {
  if (shippedprefix::Dir().empty()) GTEST_SKIP() << "no country file";
  const std::string shipped = ShippedDataDirectory();
  SetShippedDataDirectory(shippedprefix::Dir());
  Open();
  SetShippedDataDirectory(shipped);
  EXPECT_TRUE(desk_.Texts(TMessageKind::Error).isEmpty());
  EXPECT_TRUE(FileExists("BMPREFIX.db"));
  TdbPrefix prefixes;
  EXPECT_EQ(prefixes.RecordCount(),
            shippedprefix::Report().Prefixes + shippedprefix::Report().DeletedEntities);
}

// A data directory whose prefix file is damaged keeps it and is warned about; the shipped
// files never replace a file the user has.
TEST_F(ContestList, ADamagedPrefixFileIsKeptAndWarnedAbout) {
  if (shippedprefix::Dir().empty()) GTEST_SKIP() << "no country file";
  {
    QFile damaged(Q(dir_.File("BMPREFIX.db")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'x'));
  }
  const std::string shipped = ShippedDataDirectory();
  SetShippedDataDirectory(shippedprefix::Dir());
  Open();
  SetShippedDataDirectory(shipped);
  const QStringList errors = desk_.Texts(TMessageKind::Error);
  ASSERT_FALSE(errors.isEmpty());
  EXPECT_TRUE(errors.last().startsWith(Q("Achtung: Die Präfixdatei konnte nicht gefunden werden")));
  QFile kept(Q(dir_.File("BMPREFIX.db")));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray(4096, 'x'));
}

// A prefix file another running program holds is reported as in use, not as missing.
TEST_F(ContestList, APrefixFileAnotherProgramHoldsIsReportedInUse) {
  THeldFile held(dir_.File("BMPREFIX.db"));
  ASSERT_TRUE(held.Held());
  Open();
  const QStringList errors = desk_.Texts(TMessageKind::Error);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(
      errors[0].startsWith(Q("Achtung: Die Präfixdatei wird von einem anderen Programm benutzt.")));
}

TEST_F(ContestList, OpensOnTheNewestContestOfItsCodeWhenAnotherCodeIsNewer) {
  // A list file shared with another edition: its contest holds the highest number.
  const auto refs = Add({{'d', "Alpha", kOct4}, {'d', "Beta", kMarch7}, {'V', "Fremd", kOct4}});
  Open();
  EXPECT_EQ(brow_.CurrentRef(), refs[1]);
  EXPECT_EQ(ctrl_->ListTable().GetListRec().Typ(), 'd');
}

TEST_F(ContestList, SortByDatePutsTheDateFirstAndTheHeaderFollows) {
  Add({{'d', "Gamma", kOct4}, {'d', "Alpha", 0}, {'d', "Beta", kMarch7}, {'X', "Xmas", 1}});
  Open();
  ASSERT_EQ(brow_.SortCount(), 2);
  brow_.ApplySort(1);
  QApplication::processEvents();
  EXPECT_EQ(brow_.KeyNr(), contestkeys::kListTypDatum);
  EXPECT_EQ(Cell(0, 0), " Datum (von)  ");
  EXPECT_EQ(Cell(1, 0), " Name" + std::string(21, ' '));
  EXPECT_EQ(Cell(0, 1), " " + kNoDate);
  EXPECT_EQ(Cell(1, 1), "Alpha ");
  EXPECT_EQ(Cell(0, 2), " 04.10.2025   ");
  EXPECT_EQ(Cell(0, 3), " 07.03.2026   ");
  EXPECT_EQ(Cell(0, 4), "");

  // In English the columns are named in English.
  setupseparat::SetLanguage(0);
  ctrl_->SetHeaderFooter();
  EXPECT_EQ(Cell(0, 0), " Date (from)  ");
  EXPECT_EQ(Cell(2, 0).substr(0, 13), " Date (to)   ");
}

TEST_F(ContestList, NumberKeyShowsTheNumberFirst) {
  const auto refs = Add({{'d', "Alpha", kMarch7}});
  Open();
  brow_.SetKeyNr(contestkeys::kListNummer);
  RowRec row;
  row.Ref = refs[0];
  ctrl_->BuildRow(row);
  EXPECT_EQ(row.Text, "      1 ;07.03.2026   ;Alpha ;07.03.2026   ");
  // Other keys leave the text alone.
  brow_.SetKeyNr(contestkeys::kListTypNummer);
  row.Text = "kept";
  ctrl_->BuildRow(row);
  EXPECT_EQ(row.Text, "kept");
}

TEST_F(ContestList, EmptyListOpensWithoutARowAndTheProjectIsChosen) {
  Open();
  EXPECT_FALSE(brow_.HasRecords());
  EXPECT_GT(Projecte().CurrentNumber(), 0);
  EXPECT_EQ(Setups().CurrentProject(), Projecte().CurrentNumber());
}

TEST_F(ContestList, SettingsFileThatCannotBeOpenedEndsTheProgram) {
  // A folder in the place of the settings file.
  QDir().mkpath(Q(dir_.File("BMSETUP.db")));
  EXPECT_THROW(Open(), EContestStart);
  ASSERT_EQ(desk_.Texts(TMessageKind::Error).size(), 1);
  EXPECT_TRUE(desk_.Texts(TMessageKind::Error)[0].contains(Q("BMSETUP")));
}

TEST_F(ContestList, NewContestAsksForTheVersionCheckFirst) {
  Open();
  EXPECT_EQ(ctrl_->NewContest(), 0);  // the dialog was not left with "Contest starten"
  const TMessage& notice = desk_.Messages.back();
  EXPECT_EQ(notice.Kind, TMessageKind::Notice);
  EXPECT_EQ(notice.Caption, Q("Contest"));
  EXPECT_EQ(notice.Title, Q("Versionsprüfung"));
  EXPECT_TRUE(notice.Text.endsWith(
      Q("Aktuell installiert: Velcor ZOR SAAR Version 2016-1.0 SAAR-Contest")));
  setupseparat::SetLanguage(0);
  ctrl_->NewContest();
  EXPECT_EQ(desk_.Messages.back().Title, Q("Version"));
  EXPECT_FALSE(desk_.Messages.back().Text.contains(Q("Velcor")));
}

TEST_F(ContestList, StartMakesTheConfigurationAndRunsTheLogWindow) {
  const auto refs = Add({{'d', "Alpha", kMarch7}, {'d', "Beta", kMarch7 + 1}});
  Open();
  int32_t started = 0;
  TContestFkt::SetContestLogRunner(
      [&](QWidget* owner, int32_t number, TContestRec&, TdbContest& config, TdbContest& list) {
        EXPECT_EQ(owner, &window_);
        started = number;
        // The log window writes its totals.
        TContestListRec r = list.GetListRec();
        r.SetRowQsos(1, 42);
        list.SetListRec(r);
        EXPECT_TRUE(list.Modify());
        EXPECT_TRUE(config.FindNumber(number));
      });
  EXPECT_TRUE(ctrl_->StartContest(refs[0]));
  TContestFkt::SetContestLogRunner(nullptr);
  EXPECT_EQ(started, 1);
  EXPECT_EQ(ctrl_->ListTable().GetListRec().RowQsos(1), 42);
  EXPECT_EQ(ctrl_->ConfigTable().RecordCount(), 1);

  // Configuring the other contest gives it its record first; the dialog was not left
  // with "Contest starten".
  EXPECT_FALSE(ctrl_->EditContest(refs[1]));
  EXPECT_EQ(ctrl_->ConfigTable().RecordCount(), 2);
  EXPECT_EQ(ctrl_->ListTable().CurrentRef(), refs[1]);
}

TEST_F(ContestList, DeleteKeyAsksItsTwoQuestionsOnceAndRemovesTheContest) {
  const auto refs = Add({{'d', "Alpha", kMarch7}, {'d', "Beta", kMarch7}});
  Open();
  desk_.Messages.clear();
  brow_.GotoRecord(refs[0]);
  desk_.Answers = {true, false};
  QTest::keyClick(brow_.Grid(), Qt::Key_Delete);
  EXPECT_EQ(desk_.Texts(TMessageKind::Question).size(), 2);
  EXPECT_EQ(Cell(0, 1), " Alpha ");

  desk_.Messages.clear();
  desk_.Answers = {true, true};
  QTest::keyClick(brow_.Grid(), Qt::Key_Delete);
  ASSERT_EQ(desk_.Texts(TMessageKind::Question).size(), 2);
  EXPECT_EQ(desk_.Texts(TMessageKind::Question)[0], Q("Logbuch Alpha löschen?"));
  EXPECT_EQ(ctrl_->ListTable().RecordCount(), 1);
  EXPECT_EQ(ctrl_->ConfigTable().RecordCount(), 0);
  EXPECT_EQ(Cell(0, 1), " Beta ");
  EXPECT_EQ(Cell(0, 2), "");
}

}  // namespace
