// The printed QSO list of a long log, printed into a PDF and read back as text.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "foundation/cp1252.h"
#include "output/outputfixture.h"
#include "output/outputjobs.h"

namespace {

class PrintedList : public OutputTest {};

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
