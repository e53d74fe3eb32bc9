// The cover sheet through the export jobs: the E-Log cover sheet file "SUM" against golden
// files, the total file "TXT" and the paper sheet printed to PDF.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "contest/contestrules.h"
#include "contest/stationfile.h"
#include "coverinput.h"
#include "coverlog.h"
#include "foundation/cp1252.h"
#include "foundation/testdesktop.h"
#include "output/outputjobs.h"
#include "output/stdrout.h"
#include "outputfixture.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"

namespace {

using coverlog::At;

constexpr int32_t kDay = 155000;

std::string ReadFile(const QString& name) {
  QFile f(name);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

class CoverJob : public QsoLogTest {
 protected:
  // The sheet of the contest code: definition, list and configuration records as the
  // configuration dialog leaves them.
  TCoverInput Sheet(char code, uint8_t category = 0) {
    TCoverInput in = coverinput::Of(code, category);
    TContestInputs inputs;
    inputs.Code = code;
    inputs.StartDate = kDay;
    inputs.ClassNumber = category;
    bool inConfig = false;
    in.Def = BuildContestDefinition(inputs, &inConfig);
    in.List.SetTotalsInConfig(inConfig ? 255 : 0);
    in.List.SetDatumVon(kDay);
    in.Config.SetNummer(1);
    return in;
  }
  void AddQso(coverlog::TQso q) {
    q.Date = kDay;
    q.Time = ++time_ * 60;
    ASSERT_TRUE(coverlog::Add(*qsos_, q));
  }
  // Runs a job on the sheet's records; the written file, or the PDF's text for paper.
  std::string Run(uint8_t job, const TCoverInput& in) {
    Setups().SetOwnCall(in.OwnCall);
    Setups().SetEigeneStation(in.Station);
    setupseparat::SetLanguage(in.English ? 2 : setupseparat::kGerman);
    TdbContest list(TdbContestBase::kList), config(TdbContestBase::kConfig);
    if (list.FindNumber(1)) {
      EXPECT_TRUE(config.FindNumber(1));
    } else {
      list.SetListRec(in.List);
      EXPECT_TRUE(list.Add());
      config.SetConfigRec(in.Config);
      EXPECT_TRUE(config.Add());
    }
    const QString target = Q(dir_.File("sheet.out"));
    desk_.FilesToSave.push_back(target);
    desk_.PrinterAccepted = true;
    desk_.PrintToPdf = target;
    outputjobs::RunOutputJob(job, in.Def, list, config);
    return ReadFile(target);
  }
  TTestDesktop desk_;
  int time_ = 0;
};

TEST_F(CoverJob, SaarContestGerman) {
  TCoverInput in = Sheet('d', 1);
  for (int row = 1; row <= 7; ++row) {
    in.List.SetRowQsos(row, uint16_t(10 * row));
    in.List.SetRowPoints(row, 30 * row);
    in.List.SetRowFirstMultiplier(row, int16_t(row));
    in.List.SetRowMultipliers(row, uint16_t(row));
  }
  AddQso(At(0, 0).Mult("Q03"));
  const std::string sum = Run(6, in);
  // Rows 1-7: 10+20+..+70 QSOs, 30+..+210 points, 1+..+7 multipliers.
  ExpectGolden(
      "d_de.SUM", sum,
      {"Call: DL1ABC", "Teilnahmeart: Klasse A: 80m SSB", "Summe       280      840       28",
       "Endergebnis:  840 Punkte x 28 Multi = 23520 Punkte"});
  EXPECT_EQ(sum.substr(0, 7), "      \r");  // five blanks, then the blank line
}

TEST_F(CoverJob, SaarContestEnglish) {
  TCoverInput in = Sheet('d', 1);
  in.English = true;
  in.List.SetRowQsos(1, 12);
  in.List.SetRowPoints(1, 36);
  in.List.SetRowMultipliers(1, 4);
  ExpectGolden("d_en.SUM", Run(6, in),
               {"Callsign: DL1ABC", "Summe        12       36",
                "Final Score:  36 Points x 4 Multi = 144  Points"});
}

TEST_F(CoverJob, DxccLocatorAndOdxLines) {
  TCoverInput in = Sheet('8', 1);
  auto q = [](const char* call, const char* loc, const char* dxcc, uint16_t km) {
    coverlog::TQso qso = At(0, 0).CallLoc(call, loc).Pts(km);
    qso.Dxcc = dxcc;
    return qso;
  };
  AddQso(q("DL1AA", "JO31AA", "DL", 120));
  AddQso(q("OK1AA", "JO60BB", "OK", 512));
  AddQso(q("DL2AA", "", "DL", 0));
  in.List.SetRowQsos(1, 3);
  in.List.SetRowPoints(1, 632);
  // 120 + 512 km; DL and OK; two squares, the QSO without locator worked none.
  ExpectGolden(
      "8.SUM", Run(6, in),
      {"Summe         3      632", "Endergebnis:  632 Punkte", "Anzahl gearbeiteter DXCC: 2",
       "Anzahl gearbeiteter Loc : 2", "ODX                     : OK1AA;JO60BB;512"});
}

TEST_F(CoverJob, DokContestEightyMetresClass) {
  TCoverInput in = Sheet('h', 2);
  AddQso(At(0, 0).Mult("A01"));
  AddQso(At(0, 0).Mult("K12"));
  AddQso(At(0, 0).Mult("XYZ"));
  coverlog::TQso special = At(0, 0).Mult("B07");
  special.Multi2 = "DA0XX";
  AddQso(special);
  in.Config.SetBandQsos(1, 4);
  in.Config.SetBandPoints(1, 12);
  // K12 a DOK, XYZ a special DOK, A01 and B07 districts.
  ExpectGolden("h_cat2.SUM", Run(6, in),
               {"Summe         4       12        0         0         1         1         2",
                "Endergebnis:  12 Punkte x 0 Multi = 12 Punkte", "Distrikte:  A B",
                "DOK:        K12", "S-DOK:      XYZ", "Sondercall: DA0XX"});
}

TEST_F(CoverJob, DokContestListenerClass) {
  TCoverInput in = Sheet('h', 7);
  coverlog::TQso special = At(0, 0).Mult("B07");
  special.Multi2 = "DA0XX";
  AddQso(special);
  ExpectGolden("h_cat7.SUM", Run(6, in),
               {"SWL:  DE-1234", "Summe         0        0        0         0         0         0",
                "Endergebnis:  0 Punkte"});
}

TEST_F(CoverJob, NavalContestBandSums) {
  TCoverInput in = Sheet('i', 1);
  AddQso(At(0, 0).Mult("N123").Pts(5));
  AddQso(At(0, 0).Pts(3));
  coverlog::TQso other = At(0, 0).Pts(2);
  other.Band = 'c';
  AddQso(other);
  // 80 m: two QSOs of 5 + 3 points, one with a Naval number; 40 m: one of 2 points.
  ExpectGolden("i.SUM", Run(6, in),
               {"80 m            2        8         1", "40 m            1        2         0",
                "Endergebnis:  0 Punkte x 0 Multi = 0 Punkte"});
}

TEST_F(CoverJob, PostcodeContestScore) {
  TCoverInput in = Sheet('5', 1);
  in.List.SetRowQsos(1, 40);
  in.List.SetRowPoints(1, 80);
  in.List.SetRowMultipliers(1, 17);
  ExpectGolden("5.SUM", Run(6, in), {"Endergebnis:  80 Punkte /  17 PLZ-Bereiche"});
}

TEST_F(CoverJob, PointsOnlyContestScore) {
  TCoverInput in = Sheet('N', 1);
  in.Config.SetBandQsos(1, 9);
  in.Config.SetBandPoints(1, 90);
  in.Config.SetBandMultipliers(1, 6);
  ExpectGolden("N.SUM", Run(6, in),
               {"Summe         9       90", "Endergebnis:  90 Punkte (6 Multi) = 90 Punkte"});
}

TEST_F(CoverJob, LogWithoutContestCode) {
  TCoverInput in = Sheet('\0');
  in.List.SetBandText("2m");
  in.List.SetOneOperator(255);
  in.List.SetPointsPerKm(1);
  in.List.SetTransceiver("IC-9700");
  in.List.SetPower("100 W");
  in.List.SetAntenna("2 x 9 el. Yagi");
  in.List.SetAntennaHeightGround(12);
  in.List.SetAntennaHeightSea(340);
  in.List.SetVhfSquares(14);
  in.List.SetVhfCountries(5);
  in.List.SetVhfPointsPerQso(1);
  in.List.SetVhfValidQsos(77);
  in.List.SetExtraNumber(812);
  in.List.SetTotalDistance(23456);
  ExpectGolden("vhf.SUM", Run(6, in),
               {"Band: 2m", "Punkte pro QSO     : 1", "ODX                : 812",
                "Gesamtpunktzahl    : 23456"});
}

std::vector<std::string> FileLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  for (size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  return lines;
}

TEST_F(CoverJob, TotalFileIsTheCoverSheetThenTheLog) {
  TCoverInput in = Sheet('d', 1);
  AddQso(At(0, 0).CallLoc("DL7XYZ", "").Mult("Q03"));
  const std::string sum = Run(6, in);
  QFile::remove(Q(dir_.File("sheet.out")));
  const std::string txt = Run(12, in);
  ASSERT_GT(txt.size(), sum.size());
  EXPECT_EQ(txt.substr(0, sum.size()), sum);
  EXPECT_NE(txt.find("DL7XYZ", sum.size()), std::string::npos);
  for (const std::string& line : FileLines(txt)) EXPECT_EQ(line.substr(0, 5), "     ");
}

TEST_F(CoverJob, NavalTotalFileEndsWithTheBandLog) {
  TCoverInput in = Sheet('i', 1);
  AddQso(At(0, 0).CallLoc("DL7XYZ", "").Pts(5));
  const std::string sum = Run(6, in);
  QFile::remove(Q(dir_.File("sheet.out")));
  const std::string txt = Run(12, in);
  EXPECT_EQ(txt.substr(0, sum.size()), sum);
  EXPECT_NE(txt.find("DL7XYZ", sum.size()), std::string::npos);
}

TEST_F(CoverJob, PaperSheetCarriesNameTitleBandTableAndScore) {
  TCoverInput in = Sheet('d', 1);
  in.List.SetRowQsos(1, 12);
  in.List.SetRowPoints(1, 36);
  in.List.SetRowMultipliers(1, 4);
  in.List.SetRowFirstMultiplier(1, 4);
  ASSERT_FALSE(Run(0, in).empty());
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), Q(dir_.File("sheet.out")), QStringLiteral("-")});
  if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
    GTEST_SKIP() << "pdftotext is not available";
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QStringLiteral("Erika Mustermann")));
  EXPECT_TRUE(text.contains(Q(in.Def.ContestName)));
  EXPECT_TRUE(text.contains(QStringLiteral("Summe")));
  EXPECT_TRUE(text.contains(QStringLiteral("Endergebnis:")));
  EXPECT_TRUE(text.contains(QStringLiteral("36 Punkte x 4 Multi = 144 Punkte")));
  EXPECT_TRUE(text.contains(QStringLiteral("Unterschrift _______________")));
}

TEST_F(CoverJob, WindowFromMidnightIsPrintedAndItsPointsCounted) {
  TCoverInput in = Sheet('d', 1);
  in.List.SetRowPoints(1, 999);
  in.List.SetRowMultipliers(1, 2);
  AddQso(At(0, 0).Pts(3));                                         // 00:01
  AddQso(At(0, 0).Pts(4));                                         // 00:02
  ASSERT_TRUE(coverlog::Add(*qsos_, At(kDay, 2 * 3600).Pts(50)));  // outside the window
  Run(6, in);                                                      // stores the records
  TZeitraum4Rec periods;
  periods.SetTimeWindow(1, 0, 3599);
  TdbContest list(TdbContestBase::kList), config(TdbContestBase::kConfig);
  ASSERT_TRUE(list.FindNumber(1) && config.FindNumber(1));
  const QString target = Q(dir_.File("window.SUM"));
  desk_.FilesToSave.push_back(target);
  TAlleRout& out = *oAlleRout;
  ASSERT_TRUE(out.BeginJob(6));
  ASSERT_TRUE(out.ChooseTargetFile(6, list, in.Def));
  EXPECT_FALSE(stdrout::WriteCoverSheet(out, in.Def, periods, list, config));
  out.CloseTargetFile(false);
  const std::string sum = ReadFile(target);
  EXPECT_NE(sum.find("     Wertungszeitraum: 00:00:00 - 00:59:59\r\n"), std::string::npos);
  EXPECT_NE(sum.find("Endergebnis:  7 Punkte x 2 Multi = 14 Punkte"), std::string::npos);
}

TEST_F(CoverJob, LongSheetOnPaperGoesOnOnASecondPage) {
  TCoverInput in = Sheet('b', 1);
  in.List.SetExtraNumber(2);
  std::string station;
  for (int i = 1; i <= 90; ++i) station += "Stationszeile " + std::to_string(i) + "\n";
  ASSERT_TRUE(stationfile::Save(stationfile::FileName("OQRP", 1), station));
  const std::string sum = Run(6, in);
  EXPECT_NE(sum.find("     mit einem von mir selbstgebauten Bausatz teilgenommen.\r\n"),
            std::string::npos);
  EXPECT_NE(sum.find("     Angaben zur Station:\r\n     Stationszeile 1\r\n"), std::string::npos);
  QFile::remove(Q(dir_.File("sheet.out")));
  ASSERT_FALSE(Run(0, in).empty());
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {Q(dir_.File("sheet.out"))});
  if (!pdfinfo.waitForFinished(20000) || pdfinfo.exitCode() != 0)
    GTEST_SKIP() << "pdfinfo is not available";
  const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))))
      << info.toStdString();
}

}  // namespace
