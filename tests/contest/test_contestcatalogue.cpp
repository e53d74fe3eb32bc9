// The contest catalogue: titles and pictures by code, the rules road, the edition, and
// the contest-log operations on real files (configuration record, delete, log window,
// notes).
#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>

#include "contest/contestfkt.h"
#include "foundation/cp1252.h"
#include "foundation/memofile.h"
#include "foundation/progdir.h"
#include "foundation/testdesktop.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablesfixture.h"

namespace {

class Catalogue : public TablesTest {
 protected:
  void SetUp() override {
    TablesTest::SetUp();
    ToSetupDirs dirs = Setups().GetDirs();
    dirs[setupdirs::kPictures] = dir_.File("bilder");
    Setups().SetDirs(dirs);
    QDir().mkpath(Q(dir_.File("bilder")));
  }
  std::string Pictures() const { return dir_.File("bilder/"); }
  TContestFkt fkt_;
};

TEST_F(Catalogue, TitlesAndPicturesByCode) {
  struct Case {
    TContestCode code;
    const char* title;
    std::string bitmap;
  };
  const Case cases[] = {
      {'d', "\"SAAR-Contest\"", Pictures() + "saar.bmp"},
      {'B', "\"Baden - Württemberg Aktivität\"", Pictures() + "bwa.bmp"},
      {'v', "\" Military on the Air Aktivität der MRR\"", Pictures() + "MRR-Siegel.bmp"},
      {'i', "\"Naval-Contest\"", ""},
      {'j', "\"MMMonVHF MS SPRINT CONTEST\"", "zormssprint.bmp"},
      {'X', "unchanged", "kept"},
      {'t', "unchanged", "kept"},
  };
  for (const Case& c : cases) {
    std::string title = "unchanged", bitmap = "kept";
    fkt_.ContestTitleOf(c.code, title, bitmap);
    EXPECT_EQ(title, c.title) << c.code;
    EXPECT_EQ(bitmap, c.bitmap) << c.code;
  }
}

TEST_F(Catalogue, EditionIsTheSaarContest) {
  TContestCode code = 0;
  std::string version, bitmap, notice;
  fkt_.GetEdition(code, version, bitmap, notice);
  EXPECT_EQ(code, 'd');
  EXPECT_EQ(version, "Velcor ZOR SAAR Version 2016-1.0 SAAR-Contest");
  EXPECT_EQ(bitmap, "titel_zorsaar");
  EXPECT_FALSE(notice.empty());
  // The shipped title picture of the edition is a 24-bit BMP.
  QFile shipped(Q(ShippedDataDirectory() + "/saar.bmp"));
  ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
  const QByteArray head = shipped.read(30);
  EXPECT_TRUE(head.startsWith("BM"));
  EXPECT_EQ(uint8_t(head[28]), 24);
}

TEST_F(Catalogue, RulesOpenTheOrganiserOrTheDocument) {
  TTestDesktop desk;
  // 'W' opens its address although its document name ends with a semicolon.
  TContestFkt::TRulesTarget w = fkt_.RulesTarget('W');
  EXPECT_EQ(w.Document, Pictures() + "WAGR.rtf;");
  EXPECT_FALSE(w.Link.empty());
  fkt_.ShowContestRules('W');
  EXPECT_EQ(desk.OpenedLinks, QStringList{Q(w.Link)});
  EXPECT_EQ(desk.DialogsRun, 0);
  // Without an address the document opens in the notes editor.
  EXPECT_EQ(fkt_.RulesTarget('n').Document, Pictures() + "MVPR.RTF");
  EXPECT_EQ(fkt_.RulesTarget('?').Document, Pictures() + "MVPR.RTF");
  EXPECT_TRUE(fkt_.RulesTarget('?').Link.empty());
  fkt_.ShowContestRules('N');
  EXPECT_EQ(desk.DialogsRun, 1);
  EXPECT_EQ(desk.OpenedLinks.size(), 1);
}

TEST_F(Catalogue, LocalRulesPdfIsFoundBesideThePicturesThenTheProgram) {
  const std::string pdf = "HSW_2015_Ausschreibung.pdf";
  // Nowhere: the rules document.
  EXPECT_TRUE(fkt_.RulesTarget('S').Link.empty());
  memofile::SaveLines(ProgramDirectory() + pdf, {"%PDF"});
  EXPECT_EQ(fkt_.RulesTarget('S').Link, ProgramDirectory() + pdf);
  memofile::SaveLines(Pictures() + pdf, {"%PDF"});
  EXPECT_EQ(fkt_.RulesTarget('S').Link, Pictures() + pdf);
}

// A list record of a code with a name, stored; the table stays on it.
int32_t AddContest(TdbContest& list, char code, const std::string& name, int32_t from = 0) {
  TContestListRec r;
  r.SetTyp(code);
  r.SetName(name);
  r.SetDatumVon(from);
  r.SetOwnCall("DK2ZZ");
  list.ClearRecords();
  list.SetListRec(r);
  EXPECT_TRUE(list.Add());
  return list.CurrentRef();
}

void AddQsos(int32_t number, int count) {
  TdbContest log(TdbContestBase::kQsoLog, 0, number);
  for (int i = 0; i < count; ++i) {
    TContestQSORec q;
    q.SetCall("DL" + std::to_string(i) + "AB");
    q.SetZeit(60 * i);  // date and time are unique in a log
    log.ClearRecords();
    log.SetQSORec(q);
    ASSERT_TRUE(log.Add());
  }
}

class CatalogueLogs : public Catalogue {
 protected:
  void SetUp() override {
    Catalogue::SetUp();
    listTable_ = std::make_unique<TdbContest>(TdbContestBase::kList);
    configTable_ = std::make_unique<TdbContest>(TdbContestBase::kConfig);
  }
  void TearDown() override {
    listTable_.reset();
    configTable_.reset();
    Catalogue::TearDown();
  }
  std::unique_ptr<TdbContest> listTable_, configTable_;
  TdbContest& list() { return *listTable_; }
  TdbContest& config() { return *configTable_; }
};

TEST_F(CatalogueLogs, ConfigurationRecordIsMadeOnce) {
  const int32_t ref = AddContest(list(), 'd', "Saar 2026");
  const int32_t number = list().GetListRec().Nummer();
  AddContest(list(), 'd', "Saar 2027");
  ASSERT_TRUE(fkt_.EnsureContestConfig(ref, list(), config()));
  ASSERT_TRUE(config().FindNumber(number));
  EXPECT_EQ(config().GetConfigRec().BandQsos(1), 0);
  EXPECT_TRUE(fkt_.EnsureContestConfig(ref, list(), config()));
  EXPECT_EQ(config().RecordCount(), 1);
  // Without a contest code nothing is configured.
  TTestDesktop desk;
  EXPECT_EQ(fkt_.ConfigureContest('\0', false, config(), list(), false), 0);
  EXPECT_EQ(desk.DialogsRun, 0);
}

TEST_F(CatalogueLogs, DeleteAsksTwiceWithTheNameCutThenRemovesAllThree) {
  const int32_t keep = AddContest(list(), 'd', "Bleibt");
  const std::string longName = "Saarlandcontest Herbst 2026";  // cut to the field's 25
  const int32_t ref = AddContest(list(), 'd', longName);
  const int32_t number = list().GetListRec().Nummer();
  AddQsos(number, 3);
  TTestDesktop desk;
  desk.Answers = {true, false};
  EXPECT_FALSE(fkt_.DeleteContest(list(), config(), ref));
  const QStringList asked = desk.Texts(TMessageKind::Question);
  ASSERT_EQ(asked.size(), 2);
  EXPECT_EQ(asked[0], Q("Logbuch Saarlandcontest Herbst 20 löschen?"));
  EXPECT_EQ(asked[1], Q("Komplettes Logbuch Saarlandcontest Herbst 20 unwiederbringlich löschen?"));
  EXPECT_EQ(desk.Messages[0].Title, Q("Sicherheitsabfrage"));
  EXPECT_FALSE(desk.Messages[0].DefaultYes);
  EXPECT_FALSE(desk.Messages[1].DefaultYes);
  EXPECT_TRUE(list().GotoRecord(ref));
  EXPECT_EQ(config().RecordCount(), 0);

  desk.Answers = {true, true};
  ASSERT_TRUE(fkt_.DeleteContest(list(), config(), ref));
  EXPECT_EQ(list().RecordCount(), 1);
  EXPECT_TRUE(list().GotoRecord(keep));
  EXPECT_FALSE(config().FindNumber(number));
  TdbContest log(TdbContestBase::kQsoLog, 0, number);
  EXPECT_EQ(log.RecordCount(), 0);
  EXPECT_TRUE(desk.Texts(TMessageKind::Error).isEmpty());
}

// Contest numbers are handed out again, so a deleted contest takes its station file along.
TEST_F(CatalogueLogs, DeleteRemovesTheContestsStationFileOnly) {
  AddContest(list(), 'b', "Eins");
  const int32_t ref = AddContest(list(), 'b', "Zwei");
  ASSERT_EQ(list().GetListRec().Nummer(), 2);
  for (const char* name : {"OQRP     1.STN", "OQRP     2.STN"}) {
    QFile f(Q(dir_.File(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Station\n");
  }
  TTestDesktop desk;
  desk.Answers = {true, true};
  ASSERT_TRUE(fkt_.DeleteContest(list(), config(), ref));
  EXPECT_FALSE(QFile::exists(Q(dir_.File("OQRP     2.STN"))));
  EXPECT_TRUE(QFile::exists(Q(dir_.File("OQRP     1.STN"))));
  // A contest of a code without station files deletes no file of that number.
  const int32_t saar = AddContest(list(), 'd', "Saar");
  const std::string other =
      "OQRP" + std::string(5, ' ') + std::to_string(list().GetListRec().Nummer()) + ".STN";
  {
    QFile f(Q(dir_.File(other)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  desk.Answers = {true, true};
  ASSERT_TRUE(fkt_.DeleteContest(list(), config(), saar));
  EXPECT_TRUE(QFile::exists(Q(dir_.File(other))));
}

TEST_F(CatalogueLogs, DeleteStopsAndReportsWhenTheQsoLogCannotBeOpened) {
  const int32_t ref = AddContest(list(), 'd', "Gesperrt");
  const int32_t number = list().GetListRec().Nummer();
  // A folder in the place of the log file: it cannot be opened.
  QDir().mkpath(Q(dir_.File(ToDatContest::QsoLogName(number) + ".db")));
  TTestDesktop desk;
  desk.Answers = {true, true};
  EXPECT_FALSE(fkt_.DeleteContest(list(), config(), ref));
  EXPECT_TRUE(list().GotoRecord(ref));
  ASSERT_EQ(desk.Texts(TMessageKind::Error).size(), 1);
  EXPECT_TRUE(desk.Texts(TMessageKind::Error)[0].contains(Q("Gesperrt")));
}

TEST_F(CatalogueLogs, LogWindowOpensOnlyForAContestCode) {
  std::vector<int32_t> opened;
  TContestFkt::SetContestLogRunner([&](QWidget*, int32_t number, TContestRec&, TdbContest&,
                                       TdbContest&) { opened.push_back(number); });
  TContestRec def;
  AddContest(list(), '\0', "Ohne Code");
  fkt_.RunContestLog(nullptr, def, config(), list());
  AddContest(list(), 'd', "Saar");
  fkt_.RunContestLog(nullptr, def, config(), list());
  TContestFkt::SetContestLogRunner(nullptr);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], list().GetListRec().Nummer());
}

TEST_F(CatalogueLogs, NotesGetAStampedLineAndTheWindowPlaceIsKept) {
  AddContest(list(), 'd', "Saar");
  const int32_t number = list().GetListRec().Nummer();
  AddQsos(number, 1);
  TdbContest log(TdbContestBase::kQsoLog, 0, number);
  ASSERT_TRUE(log.First(0));
  TTestDesktop desk;
  desk.Now = QDateTime(QDate(2026, 3, 7), QTime(14, 5));
  QRect placed(40, 30, 300, 200);
  desk.DialogHandler = [&](QDialog& dialog) {
    dialog.setGeometry(placed);
    return 2;
  };
  const std::string file = dir_.File("notiz.txt");
  fkt_.EditContestNotes(file, list(), log);
  std::vector<std::string> lines;
  ASSERT_TRUE(memofile::LoadLines(file, lines));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "07.03.2026 14:05 DL0AB      > ");

  // The second call opens where the first was left and puts its line on top.
  desk.DialogHandler = [&](QDialog& dialog) {
    EXPECT_EQ(dialog.geometry(), placed);
    return 2;
  };
  fkt_.EditContestNotes(file, list(), log);
  ASSERT_TRUE(memofile::LoadLines(file, lines));
  EXPECT_EQ(lines.size(), 2u);
}

}  // namespace
