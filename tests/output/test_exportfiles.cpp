// STF and Cabrillo files of whole logs, byte for byte against golden files, and the
// format checkers' rules on every Cabrillo file and on the stored STF, Cabrillo and EDI
// golden files.
#include <gtest/gtest.h>

#include <QDir>
#include <functional>

#include "contest/stationfile.h"
#include "exportfilecheck.h"
#include "foundation/strings.h"
#include "output/outputfixture.h"
#include "support/testdir.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace {

class ExportFiles : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    ToSetupEigeneStation st;
    st.SetName("Jörg Müller");
    st.SetStreet("Hauptstr. 1");
    st.SetPostcodeTown("66111 Saarbrücken");
    st.SetEmail("dl1abc@example.org");
    Setups().SetEigeneStation(st);
  }
  // A log of the code whose stored tallies claim 5 QSOs, 8 points and 2 multipliers.
  void MakeLog(char code, uint8_t category, const char* call = "DL1ABC") {
    MakeContest(code, category);
    ChangeList([&](TContestListRec& r) {
      r.SetName("SAAR 2025");
      r.SetOwnCall(call);
      r.SetOneOperator(255);
      r.SetRowQsos(1, 5);
      r.SetRowPoints(1, 8);
      r.SetRowMultipliers(1, 2);
      r.SetRowFirstMultiplier(1, 2);
    });
    // Codes that keep their tallies per band in the configuration record.
    TContestConfigRec c = config_->GetConfigRec();
    c.SetBandQsos(1, 5);
    c.SetBandPoints(1, 8);
    c.SetBandMultipliers(1, 2);
    c.SetBandMultiplierN(1, 1, 2);
    config_->SetConfigRec(c);
    ASSERT_TRUE(config_->Modify());
  }
  std::string Stf(const std::string& name) {
    const std::string bytes = RunJob(8, name);
    EXPECT_FALSE(bytes.empty());
    return bytes;
  }
  std::string Cabrillo(const std::string& name) {
    const std::string bytes = RunJob(10, name);
    const auto faults = exportcheck::Cabrillo(CrLfLines(bytes));
    EXPECT_TRUE(faults.empty()) << name << ": " << (faults.empty() ? "" : faults.front());
    return bytes;
  }
  static int32_t At(int minute) { return Time("08:00:00") + 60 * minute; }
};

TEST_F(ExportFiles, SaarLog) {
  MakeLog('d', 1, "DL1ABC/P");
  const int32_t day = Day("08.03.2025");
  AddQso({.Call = "DK2XY",
          .Datum = day,
          .Zeit = At(1),
          .Mode = "SSB",
          .Sent = "59 001",
          .Rcvd = "59 012Q01",
          .Points = 2});
  AddQso({.Call = "DL9ÖZ",
          .Datum = day,
          .Zeit = At(2),
          .Mode = "SSB",
          .Sent = "59 002",
          .Rcvd = "57 003"});
  AddQso({.Call = "F5AAA",
          .Datum = day,
          .Zeit = At(3),
          .Band = 'p',
          .Mode = "AM",
          .Sent = "59 003",
          .Rcvd = "59 044",
          .Points = 3});
  AddQso({.Call = "DK2XY",
          .Datum = day,
          .Zeit = At(4),
          .Band = 'c',
          .Mode = "RTTY",
          .Sent = "599004",
          .Rcvd = "599017"});
  AddQso({.Call = "DL0ZZ", .Datum = day, .Zeit = At(5), .BandChange = 'B'});
  const std::string cbr = Cabrillo("d.CBR");
  EXPECT_NE(cbr.find("\r\nCATEGORY-STATION: PORTABLE\r\n"), std::string::npos);
  EXPECT_NE(cbr.find("\r\nCONTEST: SAAR-2025\r\n"), std::string::npos);
  // Four QSOs, no band-change line; the stored 8 points x 2 multipliers.
  EXPECT_EQ(Occurrences(cbr, "\r\nQSO: "), 4);
  ExpectGolden("d.CBR", cbr, {"\r\nCALLSIGN: DL1ABC/P\r\n", "\r\nCLAIMED-SCORE: 16\r\n"});
  // A QSO without mode or exchange gets the stand-ins of STF.
  AddQso({.Call = "ON4AA", .Datum = day, .Zeit = At(6), .Mode = "", .Sent = "", .Rcvd = ""});
  const std::string stf = Stf("d.STF");
  EXPECT_NE(stf.find("\r\nCLAIMEDSCORE 16\r\n"), std::string::npos);
  EXPECT_NE(stf.find("\r\nMAILADDRESS  JÖRG MÜLLER\r\n"), std::string::npos);
  EXPECT_NE(stf.find("\r\n20250308 0803 5    AM     F5AAA "), std::string::npos);
  EXPECT_EQ(Occurrences(stf, "\r\n20250308 "), 5);
  ExpectGolden("d.STF", stf,
               {"\r\nMYCALL       DL1ABC/P\r\n", "\r\nCLAIMEDQSO   5\r\n",
                "\r\nCATEGORY     KLASSE A: 80M SSB\r\n"});
}

// A log of an older version may hold a line end, tab or NUL in a QSO: every file keeps
// its lines whole, one per QSO, the ADIF lengths counting what is written.
TEST_F(ExportFiles, ControlCharactersOfAnOldLogSplitNoLine) {
  MakeLog('d', 1);
  AddQso({.Call = "DL1\nAB",
          .Datum = Day("08.03.2025"),
          .Zeit = At(1),
          .Mode = "SS\tB",
          .Sent = "59 001",
          .Rcvd = "59 Q0\r5",
          .NameQth = "HA\x01NS;SAAR\x7F"});
  for (uint8_t job : {7, 8, 9, 10, 11, 12, 13, 14}) {
    const std::string bytes = RunJob(job, "ctl" + std::to_string(job) + ".txt");
    ASSERT_FALSE(bytes.empty()) << int(job);
    for (const std::string& line : CrLfLines(bytes))
      EXPECT_FALSE(ToStrings::HasControls(line)) << int(job) << ": " << line;
    if (job == 9) {
      EXPECT_NE(bytes.find("<CALL:6>DL1 AB "), std::string::npos);
    }
  }
}

TEST_F(ExportFiles, ChristmasLogDropsGermanNumbers) {
  MakeLog('X', 1);
  const int32_t day = Day("26.12.2025");
  AddQso({.Call = "DK2XY",
          .Datum = day,
          .Zeit = At(1),
          .Sent = "599001",
          .Rcvd = "599123",
          .CMulti = "Q01"});
  AddQso({.Call = "OE1XYZ",
          .Datum = day,
          .Zeit = At(2),
          .Sent = "599002",
          .Rcvd = "599123",
          .Points = 3,
          .CMulti = "OE"});
  const std::string stf = Stf("X.STF");
  EXPECT_NE(stf.find("DK2XY    599  -                599  -               "), std::string::npos);
  EXPECT_NE(stf.find("OE1XYZ   599  -                599 123              "), std::string::npos);
  EXPECT_EQ(Occurrences(stf, "\r\n20251226 "), 2);
  ExpectGolden("X.STF", stf, {"\r\nCONTEST      DARC-XMAS\r\n", "\r\nCLAIMEDSCORE 16\r\n"});
  const std::string cbr = Cabrillo("X.CBR");
  EXPECT_EQ(Occurrences(cbr, "\r\nQSO: "), 2);
  ExpectGolden("X.CBR", cbr, {"\r\nCONTEST: DARC-XMAS\r\n", "\r\nCLAIMED-SCORE: 16\r\n"});
}

TEST_F(ExportFiles, TwoPartExchangeKeepsItsColumns) {
  MakeLog('B', 1);
  const int32_t day = Day("08.03.2025");
  AddQso({.Call = "DK2XY", .Datum = day, .Zeit = At(1), .Sent = "599/Q01", .Rcvd = "59912/A01"});
  AddQso({.Call = "DL3AB", .Datum = day, .Zeit = At(2), .Sent = "59913", .Rcvd = "599"});
  const std::string stf = Stf("B.STF");
  EXPECT_NE(stf.find("599 -   Q01"), std::string::npos);
  EXPECT_EQ(Occurrences(stf, "\r\n20250308 "), 2);
  ExpectGolden("B.STF", stf, {"\r\nMYCALL       DL1ABC\r\n", "\r\nCLAIMEDSCORE 16\r\n"});
  const std::string cbr = Cabrillo("B.CBR");
  EXPECT_NE(cbr.find("599 -    Q01"), std::string::npos);
  EXPECT_EQ(Occurrences(cbr, "\r\nQSO: "), 2);
  ExpectGolden("B.CBR", cbr, {"\r\nCALLSIGN: DL1ABC\r\n", "\r\nCLAIMED-SCORE: 16\r\n"});
}

TEST_F(ExportFiles, ListenerLog) {
  MakeLog('W', 7);
  AddQsoWith({.Call = "DK2XY",
              .Datum = Day("08.03.2025"),
              .Zeit = At(1),
              .Sent = "579",
              .Rcvd = "599Q01",
              .CMulti = "Q01",
              .Call2 = "DL9ZZ"},
             [](TContestQSORec&) {});
  const std::string stf = Stf("W.STF");
  EXPECT_EQ(Occurrences(stf, "\r\n20250308 "), 1);
  ExpectGolden("W.STF", stf,
               {"\r\nCATEGORY     SWL, SINGLE OPERATOR\r\n", "\r\nCLAIMEDSCORE 16\r\n"});
  const std::string cbr = RunJob(10, "W.CBR");
  EXPECT_NE(cbr.find("\r\nCATEGORY-TRANSMITTER: SWL\r\n"), std::string::npos);
  EXPECT_EQ(Occurrences(cbr, "\r\nQSO: "), 1);
  ExpectGolden("W.CBR", cbr, {"\r\nCONTEST: WAG\r\n", "\r\nCLAIMED-SCORE: 16\r\n"});
}

TEST_F(ExportFiles, CategoriesOfAMixedLowPowerClass) {
  MakeLog('W', 3);
  AddQso({.Call = "DK2XY", .Datum = Day("08.03.2025"), .Zeit = At(1)});
  const std::string cbr = Cabrillo("W3.CBR");
  EXPECT_NE(cbr.find("\r\nCATEGORY-MODE: MIXED\r\n"), std::string::npos);
  EXPECT_NE(cbr.find("\r\nCATEGORY-POWER: LOW\r\n"), std::string::npos);
}

TEST_F(ExportFiles, PointsContestClaimsNoScoreLine) {
  MakeLog('P', 1);
  AddQso({.Call = "DK2XY", .Datum = Day("08.03.2025"), .Zeit = At(1)});
  const std::string stf = Stf("P.STF");
  EXPECT_EQ(stf.find("CLAIMEDSCORE"), std::string::npos);
  EXPECT_EQ(Occurrences(stf, "\r\n20250308 "), 1);
  ExpectGolden("P.STF", stf, {"\r\nCLAIMEDQSO   5\r\n", "\r\nCLAIMEDPTS   8\r\n"});
}

}  // namespace

namespace {

TEST_F(ExportFiles, OqrpLogDescribesItsStation) {
  MakeLog('b', 1);
  ChangeList([](TContestListRec& r) { r.SetExtraNumber(3); });
  AddQso({.Call = "DK2XY", .Datum = Day("08.03.2025"), .Zeit = At(1)});
  EXPECT_EQ(Stf("b0.STF").find("\r\nEQUIPMENT"), std::string::npos);  // no station file
  ASSERT_TRUE(stationfile::Save(stationfile::FileName("OQRP", contest_), "FT-817\n5 W"));
  EXPECT_NE(Stf("b.STF").find("\r\nEQUIPMENT    IM OQRPC HABE ICH AUF DEM 80/40/20M-BAND MIT "
                              "EINEM INDIVIDUELLEN UNIKAT TEILGENOMMEN.  FT-817 5 W\r\nPOWER\r\n"),
            std::string::npos);
}

}  // namespace

namespace {

// A golden file passes for what the tests expect only when it is a sound file itself.
TEST(GoldenFiles, StfCabrilloAndEdiFilesPassTheFormatChecks) {
  using TCheck = std::vector<std::string> (*)(const std::vector<std::string>&);
  const std::pair<QString, TCheck> checks[] = {{QStringLiteral("*.STF"), exportcheck::Stf},
                                               {QStringLiteral("*.CBR"), exportcheck::Cabrillo},
                                               {QStringLiteral("*.EDI"), exportcheck::Reg1Test}};
  const QDir dir(QString::fromStdString(TestSourceDir() + "/output/golden"));
  int files = 0;
  for (const auto& [pattern, check] : checks) {
    for (const QString& name : dir.entryList({pattern}, QDir::Files)) {
      QFile f(dir.filePath(name));
      ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
      const QByteArray bytes = f.readAll();
      const auto faults = check(CrLfLines(std::string(bytes.constData(), size_t(bytes.size()))));
      EXPECT_TRUE(faults.empty()) << name.toStdString() << ": "
                                  << (faults.empty() ? "" : faults.front());
      ++files;
    }
  }
  EXPECT_GE(files, 9);  // five STF and four Cabrillo files at least
}

}  // namespace
