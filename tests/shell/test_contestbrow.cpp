// The main window on real files: first start, the list of this edition's contests, the
// start, delete and leave roads from buttons and keys, the help road and the layout.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "browser/kvbrow.h"
#include "contest/contestbrowctrl.h"
#include "foundation/cp1252.h"
#include "foundation/daynumber.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvmousegrid.h"
#include "foundation/progdir.h"
#include "foundation/testdesktop.h"
#include "shell/contestbrow.h"
#include "tables/contestrecs.h"
#include "tables/contesttables.h"
#include "tables/setupseparat.h"
#include "tables/tablesfixture.h"

namespace {

class ContestBrowTest : public TablesTest {
 protected:
  void TearDown() override {
    window_.reset();
    TablesTest::TearDown();
  }

  // A contest list record, stored before the window opens; its contest number.
  int32_t AddContest(char code, const std::string& name, int32_t from) {
    TdbContest list(TdbContestBase::kList);
    TContestListRec r;
    r.SetTyp(code);
    r.SetName(name);
    r.SetDatumVon(from);
    list.ClearRecords();
    list.SetListRec(r);
    EXPECT_TRUE(list.Add());
    return list.GetListRec().Nummer();
  }

  void AddQso(int32_t number) {
    TdbContest log(TdbContestBase::kQsoLog, 0, number);
    TContestQSORec q;
    q.SetCall("DL1ABC");
    log.ClearRecords();
    log.SetQSORec(q);
    ASSERT_TRUE(log.Add());
  }

  TContestBrow& Open() {
    window_ = std::make_unique<TContestBrow>();
    window_->resize(1006, 600);
    window_->show();
    return *window_;
  }

  template <class T>
  T* Part(const char* name) {
    return window_->findChild<T*>(QString::fromLatin1(name));
  }

  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    const TKBrowser* page = window_->Brow()->Page();
    for (int i = 1; page && i <= page->FilledRows(); ++i) rows.push_back(page->Row(i).Text);
    return rows;
  }

  // The list record under the browser's current row.
  TContestListRec Current() {
    TdbContest list(TdbContestBase::kList);
    EXPECT_TRUE(list.GotoRecord(window_->Brow()->CurrentRef()));
    return list.GetListRec();
  }

  int ListCount() { return TdbContest(TdbContestBase::kList).RecordCount(); }
  bool HasConfig(int32_t number) { return TdbContest(TdbContestBase::kConfig).FindNumber(number); }

  TTestDesktop desk_;
  std::unique_ptr<TContestBrow> window_;
};

bool StartsWith(const std::string& text, const std::string& head) {
  return text.compare(0, head.size(), head) == 0;
}

TEST_F(ContestBrowTest, FirstStartWarnsAndLeadsIntoANewContest) {
  TContestBrow& w = Open();
  EXPECT_EQ(ContestBrow, &w);
  EXPECT_EQ(w.windowTitle(), Q("Velcor ZOR SAAR Version 2016-1.0 SAAR-Contest"));
  EXPECT_EQ(w.Code(), 'd');
  EXPECT_EQ(Part<QLabel>("imgtitels")->text(), Q("ZOR SAAR"));
  EXPECT_EQ(Part<QLabel>("lworked")->text(), Q("\"SAAR-Contest\""));
  // The shipped title bitmap of the SAAR contest.
  EXPECT_TRUE(Part<QLabel>("imglinks")->isVisible());
  EXPECT_EQ(Part<QLabel>("MenueBeenden")->text(), Q("    Beenden"));
  EXPECT_FALSE(Part<TkvBitBtn>("btnKopiebm4")->isVisible());
  EXPECT_FALSE(Part<QWidget>("btnweitere")->isVisible());
  const QStringList errors = desk_.Texts(TMessageKind::Error);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(Q("Präfixdatei")));
  EXPECT_FALSE(w.Brow()->HasRecords());

  w.StartWhenEmpty();
  ASSERT_EQ(desk_.Messages.size(), 2u);
  const TMessage& notice = desk_.Messages[1];
  EXPECT_EQ(notice.Kind, TMessageKind::Notice);
  EXPECT_EQ(notice.Title, Q("Versionsprüfung"));
  EXPECT_TRUE(notice.Text.endsWith(Q("Aktuell installiert: ") + w.windowTitle()));

  // Closing frees the controller, which ends the database.
  window_.reset();
  EXPECT_EQ(ContestBrow, nullptr);
}

TEST_F(ContestBrowTest, ClosingKeepsTheChosenLanguageInTheSettings) {
  Open();
  setupseparat::SetLanguage(0);
  window_.reset();
  EXPECT_EQ(setupseparat::Language(), setupseparat::kGerman);
  // The next start reads English from the settings again.
  Open();
  EXPECT_NE(setupseparat::Language(), setupseparat::kGerman);
}

TEST_F(ContestBrowTest, ListShowsOnlyTheEditionsContestsInBothSortOrders) {
  AddContest('d', "Zulu", daynumber::FromYMD(2026, 3, 1));
  AddContest('B', "Baden", daynumber::FromYMD(2026, 1, 1));
  AddContest('d', "Alpha", daynumber::FromYMD(2026, 5, 2));
  TContestBrow& w = Open();
  // A list with records of any code is no first start.
  w.StartWhenEmpty();
  EXPECT_TRUE(desk_.Texts(TMessageKind::Notice).isEmpty());

  std::vector<std::string> rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_TRUE(StartsWith(rows[0], " Alpha ")) << rows[0];
  EXPECT_TRUE(StartsWith(rows[1], " Zulu ")) << rows[1];
  // The list opens on the newest contest.
  EXPECT_EQ(Current().Name(), "Alpha");

  w.Brow()->ApplySort(1);
  rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_TRUE(StartsWith(rows[0], " 01.03.2026   ;Zulu")) << rows[0];
  EXPECT_TRUE(StartsWith(rows[1], " 02.05.2026   ;Alpha")) << rows[1];
}

TEST_F(ContestBrowTest, EnterAndF10StartTheSelectedContest) {
  const int32_t first = AddContest('d', "Erster", daynumber::FromYMD(2026, 3, 1));
  const int32_t second = AddContest('d', "Zweiter", daynumber::FromYMD(2026, 4, 1));
  TContestBrow& w = Open();
  QWidget* grid = w.Brow()->Grid();
  ASSERT_EQ(Current().Nummer(), second);

  // The start road makes the configuration record of the selected contest first.
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_TRUE(HasConfig(second));
  EXPECT_FALSE(HasConfig(first));

  QTest::keyClick(grid, Qt::Key_Up);
  ASSERT_EQ(Current().Nummer(), first);
  QTest::keyClick(grid, Qt::Key_F10);
  EXPECT_TRUE(HasConfig(first));
  EXPECT_TRUE(desk_.Texts(TMessageKind::Question).isEmpty());
}

TEST_F(ContestBrowTest, EscapeAsksBeforeTheProgramEnds) {
  TContestBrow& w = Open();
  desk_.Answers = {false};
  QTest::keyClick(w.Brow()->Grid(), Qt::Key_Escape);
  ASSERT_EQ(desk_.Texts(TMessageKind::Question), QStringList{Q("Programm beenden?")});
  EXPECT_FALSE(desk_.Messages.back().DefaultYes);
  EXPECT_TRUE(w.isVisible());

  desk_.Answers = {true};
  QTest::keyClick(w.Brow()->Grid(), Qt::Key_Escape);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(ContestBrowTest, MakerLabelOpensTheHomePageAndBeendenCloses) {
  TContestBrow& w = Open();
  QLabel* maker = Part<QLabel>("lhersteller");
  QTest::mouseMove(maker);
  QTest::mouseClick(maker, Qt::LeftButton);
  ASSERT_EQ(desk_.OpenedLinks.size(), 1);
  EXPECT_TRUE(desk_.OpenedLinks[0].startsWith(Q("https://")));
  EXPECT_TRUE(w.isVisible());
  // The exit label closes without a question.
  QTest::mouseClick(Part<QLabel>("MenueBeenden"), Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(desk_.Texts(TMessageKind::Question).isEmpty());
}

TEST_F(ContestBrowTest, DeleteButtonAndDeleteKeyRemoveTheWholeContestAfterTwoQuestions) {
  const int32_t keep = AddContest('d', "Bleibt", daynumber::FromYMD(2026, 3, 1));
  const int32_t gone = AddContest('d', "Weg", daynumber::FromYMD(2026, 4, 1));
  AddQso(gone);
  TContestBrow& w = Open();
  ASSERT_EQ(Current().Nummer(), gone);

  // The second question answered No: nothing goes.
  desk_.Answers = {true, false};
  Part<TkvBitBtn>("btnLoeschenBm4")->click();
  EXPECT_EQ(desk_.Texts(TMessageKind::Question).size(), 2);
  EXPECT_EQ(ListCount(), 2);

  desk_.Answers = {true, true};
  Part<TkvBitBtn>("btnLoeschenBm4")->click();
  EXPECT_EQ(ListCount(), 1);
  EXPECT_FALSE(HasConfig(gone));
  EXPECT_EQ(TdbContest(TdbContestBase::kQsoLog, 0, gone).RecordCount(), 0);
  ASSERT_EQ(Rows().size(), 1u);
  EXPECT_EQ(Current().Nummer(), keep);

  // The Delete key takes the same road and asks its two questions once.
  desk_.Messages.clear();
  desk_.Answers = {true, true};
  QTest::keyClick(w.Brow()->Grid(), Qt::Key_Delete);
  EXPECT_EQ(desk_.Texts(TMessageKind::Question).size(), 2);
  EXPECT_EQ(ListCount(), 0);
  EXPECT_TRUE(Rows().empty());
  // With no row left the buttons do nothing.
  desk_.Messages.clear();
  Part<TkvBitBtn>("btnLoeschenBm4")->click();
  Part<TkvBitBtn>("btnAendernBm4")->click();
  EXPECT_TRUE(desk_.Messages.empty());
}

TEST_F(ContestBrowTest, DeleteStopsAndReportsWhenTheLogCannotBeOpened) {
  const int32_t number = AddContest('d', "Gesperrt", daynumber::FromYMD(2026, 3, 1));
  // A folder in the place of the log file: it cannot be opened.
  QDir().mkpath(Q(dir_.File(ToDatContest::QsoLogName(number) + ".db")));
  Open();
  desk_.Messages.clear();
  desk_.Answers = {true, true};
  Part<TkvBitBtn>("btnLoeschenBm4")->click();
  EXPECT_EQ(desk_.Texts(TMessageKind::Error).size(), 1);
  EXPECT_EQ(ListCount(), 1);
  EXPECT_EQ(Rows().size(), 1u);
}

TEST_F(ContestBrowTest, UnopenableSettingsEndTheProgramWithAnError) {
  // A folder in the place of the settings file.
  QDir().mkpath(Q(dir_.File("BMSETUP.db")));
  try {
    TContestBrow w;
    ADD_FAILURE() << "the window opened without its settings";
  } catch (const EProgramEnd& end) {
    EXPECT_NE(end.ExitCode, 0);
  }
  EXPECT_EQ(ContestBrow, nullptr);
  EXPECT_FALSE(desk_.Texts(TMessageKind::Error).isEmpty());
}

TEST_F(ContestBrowTest, HelpButtonOpensTheHelpFileInTheViewer) {
  TContestBrow& w = Open();
  desk_.Messages.clear();
  const QByteArray path = qgetenv("PATH");
  // No viewer: nothing is shown.
  qputenv("PATH", QByteArray("/nonexistent"));
  Part<TkvBitBtn>("btnHilfeBm4")->click();
  EXPECT_TRUE(desk_.StartedPrograms.isEmpty());
  EXPECT_TRUE(desk_.Messages.empty());

  // A viewer and the help file in the program directory.
  QDir().mkpath(Q(dir_.File("bin")));
  QFile viewer(Q(dir_.File("bin/xchm")));
  ASSERT_TRUE(viewer.open(QIODevice::WriteOnly));
  viewer.write("#!/bin/sh\n");
  viewer.close();
  viewer.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
  QFile help(Q(ProgramDirectory() + "zorcont.chm"));
  ASSERT_TRUE(help.open(QIODevice::WriteOnly));
  help.close();
  qputenv("PATH", Q(dir_.File("bin")).toLocal8Bit());
  bool callHelp = true;
  EXPECT_TRUE(TContestBrow::HelpHandler(1, 310110018, callHelp));
  EXPECT_FALSE(callHelp);
  EXPECT_FALSE(TContestBrow::HelpHandler(2, 0, callHelp));
  w.btnHilfeBm3Click();
  QTest::keyClick(w.Brow()->Grid(), Qt::Key_F1);
  qputenv("PATH", path);
  ASSERT_EQ(desk_.StartedPrograms.size(), 3);
  EXPECT_TRUE(desk_.StartedPrograms[1].contains(Q("zorcont.chm")));
  EXPECT_EQ(desk_.StartedPrograms[2], desk_.StartedPrograms[1]);
}

TEST_F(ContestBrowTest, LayoutFollowsTheScreenWidth) {
  TContestBrow& w = Open();
  QWidget* panel = Part<QWidget>("panelContest");
  QWidget* bitmap = Part<QWidget>("imglinks");
  w.ArrangeFor(1280);
  EXPECT_EQ(bitmap->pos(), QPoint(100, 135));
  EXPECT_EQ(panel->x(), bitmap->geometry().right() + 1 + 30);
  EXPECT_EQ(panel->geometry().right() + 1, w.width() - 120);
  EXPECT_EQ(panel->geometry().bottom() + 1, w.height() - 60);

  w.ArrangeFor(800);
  EXPECT_EQ(bitmap->y(), 52);
  EXPECT_EQ(panel->x(), bitmap->geometry().right() + 1 + 10);
  EXPECT_EQ(panel->geometry().right() + 1, w.width() - 30);
  EXPECT_EQ(Part<QWidget>("imgtitels")->pos(), QPoint(panel->x(), 0));
  // The button bar lies between its two bevels across the list's width.
  QWidget* bar = Part<QWidget>("PanelUnten");
  EXPECT_EQ(Part<QWidget>("bevelunten2")->y(), bar->height() - 2);
  EXPECT_EQ(Part<QWidget>("panelbuttonsBm4")->width(), bar->width());
}

}  // namespace
