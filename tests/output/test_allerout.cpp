// The export writer's job state: line output by mode, field widths, file names, the
// period test and the checked close of the target file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "foundation/cp1252.h"
#include "output/allerout.h"
#include "output/outputfixture.h"
#include "output/outputjobs.h"
#include "output/wagdatei.h"
#include "support/filesizelimit.h"
#include "tables/setups.h"

namespace {

class ExportWriter : public OutputTest {
 protected:
  // Begins a file job into name; the writer is left with the file open.
  TAlleRout& Begin(uint8_t job, const std::string& name) {
    desktop_.FilesToSave.push_back(Q(dir_.File(name)));
    EXPECT_TRUE(out_.BeginJob(job));
    EXPECT_TRUE(out_.ChooseTargetFile(job, *list_, def_));
    return out_;
  }
  TAlleRout out_;
};

struct TLineCase {
  uint8_t Job;
  const char* Written;
};

TEST_F(ExportWriter, EveryModeWritesItsLineRulesWithCrLf) {
  MakeContest('d');
  const TLineCase cases[] = {
      {7, "     Köln ö ß\r\n"},  // E-Log: indented by five blanks
      {8, "KÖLN Ö ß\r\n"},       // STF: upper case by the Windows character set
      {10, "KÖLN Ö ß\r\n"},      // Cabrillo too
      {9, "Köln ö ß\r\n"},       // ADIF keeps case and has no indent
      {13, "Köln ö ß\r\n"},      // CSV as well
  };
  for (const TLineCase& c : cases) {
    const std::string name = "line" + std::to_string(c.Job) + ".txt";
    TAlleRout& out = Begin(c.Job, name);
    out.WriteLine("Köln ö ß", true, true);
    EXPECT_TRUE(out.CloseTargetFile(false));
    EXPECT_EQ(ReadFile(dir_.File(name)), c.Written) << int(c.Job);
  }
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(ExportWriter, FixedFieldsArePaddedOrCutExceptInAdifAndCsv) {
  MakeContest('d');
  struct {
    uint8_t Job;
    const char* Text;
    int Width;
    const char* Field;
  } const cases[] = {{7, " DL1ABC ", 4, " DL1"},
                     {7, "DL1", 6, "DL1   "},
                     {8, "AB", 3, "AB "},
                     {9, " DL1ABC ", 4, "DL1ABC"},
                     {13, "  DL1  ", 9, "DL1"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(out_.BeginJob(c.Job));
    EXPECT_EQ(out_.FitField(c.Text, c.Width), c.Field) << int(c.Job) << " " << c.Text;
  }
}

TEST_F(ExportWriter, ProposedFileNameTakesTheOwnCallAndTheClassName) {
  MakeContest('d');
  Setups().SetOwnCall("DL1ABC/P");
  def_.Classes[2].Name = "A:KW.QRP/x,y\\z";
  def_.Classes[3].Name = "";
  EXPECT_EQ(TAlleRout::ProposedFileName(8, 0, def_), "DL1ABC_P.STF");
  EXPECT_EQ(TAlleRout::ProposedFileName(10, 2, def_), "DL1ABC_P-AKW-QRP_x_y_z.CBR");
  EXPECT_EQ(TAlleRout::ProposedFileName(7, 3, def_), "DL1ABC_P.ALL");
  EXPECT_EQ(TAlleRout::ProposedFileName(13, 200, def_), "DL1ABC_P.CSV");  // no such class
}

TEST_F(ExportWriter, NoticeBeforeTheSaveDialogIsGermanOnly) {
  MakeContest('d');
  Setups().SetOwnCall("DL1ABC/P");
  Begin(8, "a.stf");
  EXPECT_EQ(Notices().last(), Q("Geben Sie im folgenden Dialog an, wohin die STF - Datei "
                                "DL1ABC_P.STF gespeichert werden soll."));
  out_.CloseTargetFile(false);
  out_.English = true;
  const auto before = desktop_.Messages.size();
  Begin(8, "b.stf");
  out_.CloseTargetFile(false);
  EXPECT_EQ(desktop_.Messages.size(), before);
}

TEST_F(ExportWriter, CancelledSaveDialogOrUncreatableFileEndsTheJob) {
  MakeContest('d');
  ASSERT_TRUE(out_.BeginJob(7));
  EXPECT_FALSE(out_.ChooseTargetFile(7, *list_, def_));  // no file chosen
  EXPECT_FALSE(out_.HasTargetFile());
  desktop_.FilesToSave.push_back(Q(dir_.File("missing/folder/a.ALL")));
  EXPECT_FALSE(out_.ChooseTargetFile(7, *list_, def_));
  EXPECT_TRUE(Errors().last().endsWith(QStringLiteral("a.ALL konnte nicht erstellt werden.")));
  // Jobs without a save dialog need no file.
  EXPECT_TRUE(out_.ChooseTargetFile(16, *list_, def_));
  EXPECT_TRUE(out_.CloseTargetFile(true));
}

TEST_F(ExportWriter, FileChosenWithoutExtensionGetsTheJobsExtension) {
  MakeContest('d');
  Begin(13, "plain");
  out_.CloseTargetFile(false);
  EXPECT_TRUE(QFile::exists(Q(dir_.File("plain.CSV"))));
}

TEST_F(ExportWriter, FullDiskIsReportedAndTheFileNotCalledWritten) {
  if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full";
  MakeContest('d');
  for (int i = 0; i < 5; ++i) AddQso({.Call = "DL1AAA"});
  desktop_.FilesToSave.push_back(QStringLiteral("/dev/full"));
  outputjobs::RunOutputJob(7, def_, *list_, *config_);
  EXPECT_EQ(Errors(), QStringList(QStringLiteral(
                          "Die Datei /dev/full konnte nicht vollständig geschrieben werden.")));
  EXPECT_TRUE(Notices().filter(QStringLiteral("erstellt")).isEmpty());
  EXPECT_EQ(desktop_.DialogsRun, 0);  // no viewer on a broken file
}

TEST_F(ExportWriter, TargetThatIsAFolderIsReportedAndNothingIsWritten) {
  MakeContest('d');
  AddQso({.Call = "DL1AAA"});
  QDir().mkpath(Q(dir_.File("folder.ALL")));
  desktop_.FilesToSave.push_back(Q(dir_.File("folder.ALL")));
  outputjobs::RunOutputJob(7, def_, *list_, *config_);
  EXPECT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Notices().filter(QStringLiteral("erstellt")).isEmpty());
}

TEST_F(ExportWriter, NameOutsideWindows1252ReachesTheFileTheNoticeAndTheViewer) {
  MakeContest('e', 1);
  AddQso({.Call = "DL1AAA", .Band = 'k'});
  const QString folder = Q(dir_.File("out"));
  QDir().mkpath(folder);
  for (const uint8_t job : {6, 7, 8, 10, 15}) {
    SCOPED_TRACE(int(job));
    const QString path = folder + QStringLiteral("/\u00DCbersicht-\u03A9-%1.txt").arg(job);
    desktop_.FilesToSave.push_back(path);
    QString caption, shown;
    desktop_.DialogHandler = [&](QDialog& d) {
      auto* viewer = dynamic_cast<Twagdatei*>(&d);
      if (!viewer) return 1;  // the EDI participant form
      caption = viewer->windowTitle();
      shown = viewer->redit->toPlainText();
      viewer->redit->appendPlainText(QStringLiteral("ok"));
      QTest::mouseClick(viewer->btnspeichern, Qt::LeftButton);
      return viewer->result();
    };
    outputjobs::RunOutputJob(job, def_, *list_, *config_);
    EXPECT_EQ(caption, path);
    EXPECT_FALSE(shown.isEmpty());
    const std::string bytes = ReadFile(path);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "ok\r\n");
    if (outputjobs::ReportsFile(job)) {
      EXPECT_EQ(Notices().last(),
                QStringLiteral("Datei ") + path + QStringLiteral(" wurde erstellt."));
    }
  }
  EXPECT_TRUE(Errors().isEmpty());
  EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 5);  // no stray file beside them
}

TEST_F(ExportWriter, FailedFileLeavesTheEarlierFileOfItsNameAsItWas) {
  MakeContest('d');
  for (int i = 0; i < 200; ++i) AddQso({.Call = "DL1AAA"});
  const QString folder = Q(dir_.File("out"));
  QDir().mkpath(folder);
  const std::string path = S(folder) + "/DL1ABC.ALL";
  {
    QFile earlier(Q(path));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier\r\n");
  }
  {
    TFileSizeLimit full(4096);
    desktop_.FilesToSave.push_back(Q(path));
    outputjobs::RunOutputJob(7, def_, *list_, *config_);
  }
  EXPECT_EQ(Errors(),
            QStringList(Q("Die Datei " + path + " konnte nicht vollständig geschrieben werden.")));
  EXPECT_EQ(ReadFile(path), "earlier\r\n");
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList(QStringLiteral("DL1ABC.ALL")));
  desktop_.FilesToSave.push_back(Q(path));
  outputjobs::RunOutputJob(7, def_, *list_, *config_);
  EXPECT_GT(ReadFile(path).size(), 4096u);
}

TEST_F(ExportWriter, PrintIntoAFileThatCannotTakeItIsReportedAsFileJobsReport) {
  if (!QFileInfo(QStringLiteral("/dev/full")).exists()) GTEST_SKIP() << "no /dev/full";
  MakeContest('d');
  for (int i = 0; i < 5; ++i) AddQso({.Call = "DL1AAA"});
  desktop_.PrinterAccepted = true;
  const std::string missing = dir_.File("missing/folder/log.pdf");
  const struct {
    std::string Target;
    std::string Error;
  } targets[] = {
      {"/dev/full", "Die Datei /dev/full konnte nicht vollständig geschrieben werden."},
      {missing, "Die Datei " + missing + " konnte nicht erstellt werden."},
      {dir_.File("log.pdf"), ""},
  };
  for (const uint8_t job : {0, 2, 3, 4})
    for (const auto& t : targets) {
      SCOPED_TRACE(std::to_string(job) + " " + t.Target);
      desktop_.Messages.clear();
      desktop_.PrintToPdf = Q(t.Target);
      outputjobs::RunOutputJob(job, def_, *list_, *config_);
      EXPECT_EQ(Errors(), t.Error.empty() ? QStringList() : QStringList(Q(t.Error)));
      if (t.Error.empty()) {
        EXPECT_EQ(ReadFile(t.Target).substr(0, 4), "%PDF");
      }
    }
  EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());  // the device stays one
}

struct TPeriodCase {
  const char* Name;
  TZeitraum4Rec Periods;
  int32_t Time, Date;
  bool In;
};

TZeitraum4Rec Window(int k, int32_t from, int32_t to, int32_t dateFrom = 0, int32_t dateTo = 0) {
  TZeitraum4Rec p;
  p.SetTimeWindow(k, from, to);
  p.DateFrom[size_t(k - 1)] = dateFrom;
  p.DateTo[size_t(k - 1)] = dateTo;
  return p;
}

TEST(InAnyPeriod, WindowsAdmitTheirOwnEndsAndNothingBeyond) {
  const int32_t d1 = Day("05.05.2016"), d2 = Day("06.05.2016");
  const TPeriodCase cases[] = {
      {"no window admits all", {}, Time("23:00:00"), d1, true},
      {"end belongs", Window(1, Time("10:00:00"), Time("12:00:00")), Time("12:00:00"), d1, true},
      {"after end", Window(1, Time("10:00:00"), Time("12:00:00")), Time("12:00:01"), d1, false},
      {"start belongs", Window(1, Time("10:00:00"), Time("12:00:00")), Time("10:00:00"), d2, true},
      {"before start", Window(1, Time("10:00:00"), Time("12:00:00")), Time("09:59:59"), d1, false},
      {"midnight window", Window(1, 0, Time("00:59:00")), Time("00:00:00"), d1, true},
      {"midnight window end", Window(1, 0, Time("00:59:00")), Time("01:00:00"), d1, false},
      {"dated, start day early", Window(1, Time("10:00:00"), Time("12:00:00"), d1, d2),
       Time("09:00:00"), d1, false},
      {"dated, between days", Window(1, Time("10:00:00"), Time("12:00:00"), d1, d2),
       Time("23:00:00"), d1, true},
      {"dated, end day late", Window(1, Time("10:00:00"), Time("12:00:00"), d1, d2),
       Time("12:00:01"), d2, false},
      {"dated, day after", Window(1, Time("10:00:00"), Time("12:00:00"), d1, d2), Time("01:00:00"),
       d2 + 1, false},
      {"second window only", Window(2, Time("14:00:00"), Time("15:00:00")), Time("14:30:00"), d1,
       true},
      {"second window only, outside", Window(2, Time("14:00:00"), Time("15:00:00")),
       Time("11:00:00"), d1, false},
  };
  for (const TPeriodCase& c : cases)
    EXPECT_EQ(TAlleRout::InAnyPeriod(c.Time, c.Date, c.Periods), c.In) << c.Name;
}

TEST(BandColumn, LongNameWithoutItsLastCharacterInFourPlaces) {
  EXPECT_EQ(TAlleRout::BandColumn('b', false), "80  ");
  EXPECT_EQ(TAlleRout::BandColumn('a', false), "160 ");
  EXPECT_EQ(TAlleRout::BandColumn('k', false), "2   ");
  EXPECT_EQ(TAlleRout::BandColumn('l', false), "70  ");
  EXPECT_EQ(TAlleRout::BandColumn('p', false), "6   ");
  EXPECT_EQ(TAlleRout::BandColumn('p', true), "5   ");
}

}  // namespace
