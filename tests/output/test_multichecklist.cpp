// The multiplier check list as an E-Log file: one row per DOK or DXCC, the first call per
// band.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "foundation/cp1252.h"
#include "foundation/strings.h"
#include "output/outputfixture.h"
#include "output/outputjobs.h"
#include "tables/contesttables.h"

namespace {

class CheckList : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    MakeContest('d', 1);
    def_.Bands.Fill('\0');
    def_.Bands[1] = 'b';
    def_.Bands[2] = 'c';
    def_.Bands[3] = 'e';
    def_.MultiplierKinds.reset();
  }
  // A QSO with its DOK (up to 8 characters), DXCC and continent.
  void Add(const char* call, char band, const char* dok, const char* dxcc = "DL",
           const char* continent = "EU") {
    AddQso({.Call = call, .Datum = Day("08.03.2025"), .Band = band});
    TdbContest log(TdbContestBase::kQsoLog, 0, contest_);
    ASSERT_TRUE(log.Last(4));
    TContestQSORec r = log.GetQSORec();
    r.SetDOK(dok);
    r.SetDXCC(dxcc);
    r.SetContinent(continent);
    log.SetQSORec(r);
    ASSERT_TRUE(log.Modify());
  }
  // The rows of the file, without the E-Log indent, after the page header.
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    const auto lines = CrLfLines(RunJob(14, "d.MUL"));
    EXPECT_GE(lines.size(), 5u);
    for (size_t i = 5; i < lines.size(); ++i) rows.push_back(lines[i].substr(5));
    if (lines.size() >= 4) {
      EXPECT_EQ(lines[3].substr(5, 8), "Multi   ");
    }
    return rows;
  }
  static std::string Row(const char* value, const char* c80, const char* c40, const char* c20) {
    auto cell = [](const char* c) { return ToStrings::FitWidth(c, 13, true); };
    return ToStrings::FitWidth(value, 8, true) + cell(c80) + cell(c40) + cell(c20);
  }
};

TEST_F(CheckList, DokGridShowsTheFirstCallPerBand) {
  def_.MultiplierKinds.set(4);
  Add("DK1AA", 'b', "Q01");
  Add("DK2BB", 'b', "Q01");
  Add("DL0SAAR", 'b', "SAAR2025");
  Add("DL1SAAR", 'c', "SAAR2025");
  Add("DL2SAAR", 'e', "SAAR2025");
  Add("DL3XX", 'b', "");
  EXPECT_EQ(Rows(), (std::vector<std::string>{Row("Q01", "DK1AA", "", ""),
                                              Row("SAAR2025", "DL0SAAR", "DL1SAAR", "DL2SAAR")}));
}

TEST_F(CheckList, DxccGridOfEuropeOnly) {
  def_.MultiplierKinds.set(2);
  def_.MultiplierKinds.set(9);
  Add("F5AA", 'b', "", "F");
  Add("W1AW", 'b', "", "K", "NA");
  Add("DL1AA", 'c', "", "DL");  // German stations count only with kind 3
  Add("F6BB", 'e', "", "F");
  EXPECT_EQ(Rows(), (std::vector<std::string>{Row("F", "F5AA", "", "F6BB")}));
  def_.MultiplierKinds.set(3);
  EXPECT_EQ(Rows(),
            (std::vector<std::string>{Row("DL", "", "DL1AA", ""), Row("F", "F5AA", "", "F6BB")}));
}

TEST_F(CheckList, PrintedListRepeatsItsHeaderOnEveryPage) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  def_.MultiplierKinds.set(4);
  for (int i = 0; i < 150; ++i) Add("DK1AA", 'b', ("D" + std::to_string(100 + i)).c_str());
  desktop_.PrinterAccepted = true;
  desktop_.PrintToPdf = Q(dir_.File("mul.pdf"));
  outputjobs::RunOutputJob(2, def_, *list_, *config_);
  EXPECT_TRUE(Errors().isEmpty());
  QProcess p;
  p.start(pdftotext, {QStringLiteral("-layout"), desktop_.PrintToPdf, QStringLiteral("-")});
  ASSERT_TRUE(p.waitForFinished(30000));
  const QString text = QString::fromUtf8(p.readAllStandardOutput());
  const int pages = int(text.count(QChar(u'\f')));
  EXPECT_GE(pages, 2);
  EXPECT_EQ(int(text.count(QRegularExpression(
                QStringLiteral("Multiplier Check List\\s+DL1ABC\\s+Page :\\d")))),
            pages);
  EXPECT_EQ(int(text.count(QRegularExpression(QStringLiteral("\\sD\\d{3}\\s+DK1AA")))), 150);
}

}  // namespace
