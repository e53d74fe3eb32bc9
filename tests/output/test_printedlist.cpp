// The printed QSO list of a long log, printed into a PDF and read back as text.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "foundation/cp1252.h"
#include "output/outputfixture.h"
#include "output/outputjobs.h"
#include "output/wagdatei.h"

namespace {

class PrintedList : public OutputTest {
 protected:
  // A 'd' log of its own with n QSOs (2 points each, one multiplier).
  void MakeLog(int n, const char* name) {
    MakeContest('d');
    ChangeList([&](TContestListRec& r) {
      r.SetName(name);
      r.SetRowPoints(1, 2 * n);
      r.SetRowMultipliers(1, 1);
      r.SetRowFirstMultiplier(1, 1);
    });
    for (int i = 0; i < n; ++i)
      AddQso({.Call = "DL1AAA",
              .Datum = Day("16.07.2016"),
              .Zeit = 6 * 3600 + i * 60,
              .Points = 2,
              .CMulti = "Q01"});
  }
  // The text of the printed QSO list of such a log, read only where the printer can
  // print. Empty when pdftotext is not installed.
  QString PrintList(int n, const char* name) {
    if (Pdftotext().isEmpty()) return {};
    MakeLog(n, name);
    desktop_.PrinterAccepted = true;
    desktop_.PrintToPdf = Q(dir_.File(std::string(name) + ".pdf"));
    outputjobs::RunOutputJob(4, def_, *list_, *config_);
    EXPECT_TRUE(Errors().isEmpty());
    return PdfText(desktop_.PrintToPdf);
  }
  // The E-Log list of such a log, printed from the file viewer the job opens.
  QString PrintFromViewer(int n, const char* name) {
    if (Pdftotext().isEmpty()) return {};
    MakeLog(n, name);
    desktop_.PrinterAccepted = true;
    desktop_.PrintToPdf = Q(dir_.File(std::string(name) + ".pdf"));
    desktop_.DialogHandler = [](QDialog& d) {
      QTest::mouseClick(static_cast<Twagdatei&>(d).Button1, Qt::LeftButton);
      return 2;
    };
    RunJob(7, std::string(name) + ".ALL");
    EXPECT_TRUE(Errors().isEmpty());
    return PdfText(desktop_.PrintToPdf);
  }
  static QString Pdftotext() { return QStandardPaths::findExecutable(QStringLiteral("pdftotext")); }
  // The text of the PDF inside the printable area: the page less its margins.
  static QString PdfText(const QString& pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QRect area = printer.pageLayout().paintRectPoints();
    QProcess p;
    p.start(Pdftotext(),
            {QStringLiteral("-layout"), QStringLiteral("-x"), QString::number(area.x()),
             QStringLiteral("-y"), QString::number(area.y()), QStringLiteral("-W"),
             QString::number(area.width()), QStringLiteral("-H"), QString::number(area.height()),
             pdf, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    return QString::fromUtf8(p.readAllStandardOutput());
  }
};

TEST_F(PrintedList, TwoHundredQsosPaginateWithHeaderPageNumberAndFooter) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  MakeContest('d');
  for (int i = 0; i < 200; ++i)
    AddQso({.Call = "DL1AAA",
            .Datum = Day("16.07.2016"),
            .Zeit = 6 * 3600 + i * 60,
            .Points = 2,
            .CMulti = "Q01"});
  ChangeList([](TContestListRec& r) {
    r.SetRowPoints(1, 400);
    r.SetRowMultipliers(1, 1);
    r.SetRowFirstMultiplier(1, 1);
  });
  desktop_.PrinterAccepted = true;
  desktop_.PrintToPdf = Q(dir_.File("list.pdf"));
  outputjobs::RunOutputJob(4, def_, *list_, *config_);
  EXPECT_TRUE(Errors().isEmpty());

  QProcess p;
  p.start(pdftotext, {QStringLiteral("-layout"), desktop_.PrintToPdf, QStringLiteral("-")});
  ASSERT_TRUE(p.waitForFinished(30000));
  const QString text = QString::fromUtf8(p.readAllStandardOutput());
  if (qEnvironmentVariableIsSet("ZOR_DUMP")) printf("%s", qPrintable(text));
  // The layout of pdftotext widens blanks; the words and their order are what counts.
  const auto count = [&](const char* pattern) {
    return text.count(QRegularExpression(QString::fromLatin1(pattern)));
  };
  EXPECT_EQ(count("SAAR-Contest\\s+-\\s+QSO-Liste\\s+CALL: DL1ABC\\s+Page :\\d"), 3);
  EXPECT_EQ(text.count(QChar(u'\f')), 3) << "three pages";
  EXPECT_EQ(count("Nr\\s+DATE\\s+UTC\\s+CALL\\s+BAND\\s+MODE\\s+SENT\\s+RCVD\\s+DOK\\s+P\\n"), 3);
  EXPECT_TRUE(text.contains(QStringLiteral("Page :1")));
  EXPECT_TRUE(text.contains(QStringLiteral("Page :2")));
  EXPECT_EQ(count("\\s200 160716 0919 DL1AAA\\s"), 1);
  EXPECT_EQ(count("\\(\\s+1\\) x\\s+400\\s*\\n\\s*\\n\\s+400 Punkte"), 1);
}

}  // namespace

namespace {

// The footer goes on the next page when its lines do not all fit on this one: a list
// that ends two lines above the bottom of the printable area still prints its score.
TEST_F(PrintedList, FooterThatDoesNotFitMovesWholeToTheNextPage) {
  const QString probe = PrintList(150, "Probe");
  if (probe.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  // The QSO lines the first page holds.
  const QString first = probe.left(int(probe.indexOf(QChar(u'\f'))));
  const int perPage = int(first.count(QRegularExpression(QStringLiteral("\\d 160716 "))));
  ASSERT_GT(perPage, 10);

  // One QSO less than a full page: after the last QSO line two more lines still fit.
  const QString text = PrintList(perPage - 1, "Short");
  if (qEnvironmentVariableIsSet("ZOR_DUMP")) printf("%s", qPrintable(text));
  const QString score = QString::number(2 * (perPage - 1)) + QStringLiteral(" Punkte");
  EXPECT_TRUE(text.contains(score)) << qPrintable(text.right(300));
  EXPECT_TRUE(text.contains(QStringLiteral("Page :2")));
}

}  // namespace

namespace {

// The file viewer prints an E-Log list as the paper jobs print theirs: each QSO on one
// printed line, and the totals at its foot on one page, also when the list ends three
// lines above the bottom of a page.
TEST_F(PrintedList, ViewerPrintsEveryLineWholeAndKeepsTheTotalsTogether) {
  const QString probe = PrintFromViewer(150, "Probe");
  if (probe.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const QRegularExpression qsoLine(QStringLiteral("^[\\f ]*\\d+ 160716 \\d{4} DL1AAA +80 +CW +.* 2 *$"),
                                   QRegularExpression::MultilineOption);
  EXPECT_EQ(probe.count(qsoLine), 150) << qPrintable(probe.left(2000));
  const QString first = probe.left(int(probe.indexOf(QChar(u'\f'))));
  const int perPage = int(first.count(qsoLine));
  ASSERT_GT(perPage, 10);

  const int n = perPage - 2;
  const QString text = PrintFromViewer(n, "Short");
  if (qEnvironmentVariableIsSet("ZOR_DUMP")) printf("%s", qPrintable(text));
  EXPECT_EQ(text.count(qsoLine), n);
  const QStringList pages = text.split(QChar(u'\f'));
  const QString score = QString::number(2 * n) + QStringLiteral(" Punkte");
  for (const QString& page : pages)
    EXPECT_TRUE(!page.contains(score) || page.contains(QStringLiteral(") x"))) << qPrintable(page);
  EXPECT_TRUE(text.contains(score)) << qPrintable(text.right(300));
}

}  // namespace
