// The printed QSO list of a long log, printed into a PDF and read back as text.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "foundation/cp1252.h"
#include "output/outputfixture.h"
#include "output/outputjobs.h"

namespace {

class PrintedList : public OutputTest {
 protected:
  // The text of the printed QSO list of a 'd' log of its own with n QSOs (2 points each,
  // one multiplier), read only where the printer can print: the page less its margins.
  // Empty when pdftotext is not installed.
  QString PrintList(int n, const char* name) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) return {};
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
    desktop_.PrinterAccepted = true;
    desktop_.PrintToPdf = Q(dir_.File(std::string(name) + ".pdf"));
    outputjobs::RunOutputJob(4, def_, *list_, *config_);
    EXPECT_TRUE(Errors().isEmpty());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QRect area = printer.pageLayout().paintRectPoints();
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), QStringLiteral("-x"), QString::number(area.x()),
                        QStringLiteral("-y"), QString::number(area.y()), QStringLiteral("-W"),
                        QString::number(area.width()), QStringLiteral("-H"),
                        QString::number(area.height()), desktop_.PrintToPdf,
                        QStringLiteral("-")});
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
