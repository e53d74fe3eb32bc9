// ADIF files of whole logs read back by two independent ADIF readers (node packages
// installed by the set-up; skipped where node or the packages are missing).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <map>

#include "exportfilecheck.h"
#include "foundation/cp1252.h"
#include "output/outputfixture.h"
#include "output/outputmenu.h"
#include "reference/dbprefix.h"
#include "reference/prefixrec.h"
#include "tables/contesttables.h"

namespace {

using TRecordFields = std::map<std::string, std::string>;

// The records of an ADIF text as this test reads them: field names in lower case.
std::vector<TRecordFields> OwnReading(const std::string& bytes) {
  std::vector<TRecordFields> records(1);
  size_t at = bytes.find("<EOH>");
  while ((at = bytes.find('<', at + 1)) != std::string::npos) {
    const size_t close = bytes.find('>', at);
    const std::string tag = bytes.substr(at + 1, close - at - 1);
    if (tag == "EOR") {
      records.emplace_back();
      continue;
    }
    const size_t colon = tag.find(':');
    const size_t length = std::stoul(tag.substr(colon + 1));
    std::string name = tag.substr(0, colon);
    for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
    records.back()[name] = bytes.substr(close + 1, length);
  }
  records.pop_back();
  return records;
}

class AdifFiles : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    node_ = QStandardPaths::findExecutable(QStringLiteral("node"));
    modules_ =
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../node/node_modules"))
            .absolutePath();
    if (node_.isEmpty() || !QFileInfo::exists(modules_ + QStringLiteral("/tcadif")) ||
        !QFileInfo::exists(modules_ + QStringLiteral("/adif-parser-ts")))
      GTEST_SKIP() << "node or the ADIF readers are not installed";
    // France in the prefix file, for the DXCC number.
    TRecord france(prefixrec::kSize);
    france.SetStr(prefixrec::kPrefix, prefixrec::kPrefixLen, "F");
    france.SetStr(prefixrec::kDxcc, prefixrec::kDxccLen, "F");
    france.SetI16(prefixrec::kAdifNr, 227);
    TdbPrefix prefixes;
    prefixes.SetWorkRec(france);
    ASSERT_TRUE(prefixes.Add());
  }
  // Both readers on the file; the reading of adif-parser-ts must equal our own.
  QJsonObject ReadBack(const std::string& name, const std::string& bytes) {
    QProcess node;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NODE_PATH"), modules_);
    node.setProcessEnvironment(env);
    node.start(node_, {Q(TestSourceDir() + "/output/adifread.js"), Q(dir_.File(name))});
    EXPECT_TRUE(node.waitForFinished(30000));
    const QJsonObject out = QJsonDocument::fromJson(node.readAllStandardOutput()).object();
    const auto own = OwnReading(bytes);
    const QJsonArray parsed = out.value(QStringLiteral("parser")).toArray();
    EXPECT_EQ(size_t(parsed.size()), own.size()) << name;
    for (qsizetype i = 0; i < parsed.size() && size_t(i) < own.size(); ++i) {
      TRecordFields theirs;
      const QJsonObject r = parsed[i].toObject();
      for (auto it = r.begin(); it != r.end(); ++it) theirs[S(it.key())] = S(it.value().toString());
      EXPECT_EQ(theirs, own[size_t(i)]) << name << " record " << i;
    }
    return out;
  }
  // The count of records tcadif read; 0 with its error as a failure.
  int TcadifRecords(const QJsonObject& out) {
    EXPECT_FALSE(out.contains(QStringLiteral("tcadifError")))
        << S(out.value(QStringLiteral("tcadifError")).toString());
    return out.value(QStringLiteral("tcadif")).toInt();
  }
  QString node_, modules_;
};

bool Offers(const TContestRec& def, uint8_t job) {
  for (const outputmenu::TEntry& e : outputmenu::Entries(def))
    if (e.Job == job) return e.Enabled;
  return false;
}

bool AllAscii(const std::string& bytes) {
  for (const char c : bytes)
    if ((c < 32 || c > 126) && c != '\r' && c != '\n') return false;
  return true;
}

constexpr std::string_view kAllCodes = "VBDqHEFJR5PGNSTLUIlZCKAfYoOQ123c678swm9a4bdeghijknprWuXtv";

TEST_F(AdifFiles, BothReadersTakeSaarSerialAndListenerLogs) {
  // A SAAR log, a serial log and a listener's log.
  const std::pair<char, uint8_t> logs[] = {{'d', 1}, {'C', 1}, {'W', 7}};
  for (const auto& [code, category] : logs) {
    SCOPED_TRACE(code);
    const std::string name = std::string(1, code) + ".ADI";
    MakeContest(code, category);
    AddQso({.Call = "DK2XY",
            .Datum = Day("08.03.2025"),
            .Zeit = Time("08:01:00"),
            .Sent = "599001",
            .Rcvd = "599012",
            .NameQth = "Fritz;Homburg",
            .Loc = "JN39KF"});
    AddQsoWith({.Call = "F5AAA",
                .Datum = Day("08.03.2025"),
                .Zeit = Time("08:02:00"),
                .Band = 'e',
                .Mode = "PSK31",
                .Sent = "599002",
                .Rcvd = "599Q01"},
               [](TContestQSORec& r) {
                 r.SetQslSent('S');
                 r.SetDXCC("F");
                 r.SetFrequency(14.07f);
               });
    const std::string bytes = RunJob(9, name);
    EXPECT_NE(bytes.find("<MODE:3>PSK <SUBMODE:5>PSK31 "), std::string::npos);
    EXPECT_NE(bytes.find("<QSL_SENT:1>Y "), std::string::npos);
    EXPECT_NE(bytes.find("<FREQ:7>14.0700 "), std::string::npos);
    EXPECT_NE(bytes.find("<DXCC:3>227 <DXCC_PFX:1>F "), std::string::npos);
    const QJsonObject out = ReadBack(name, bytes);
    EXPECT_EQ(out.value(QStringLiteral("tcadif")).toInt(), 2)
        << S(out.value(QStringLiteral("tcadifError")).toString());
  }
}

TEST_F(AdifFiles, EveryCodeWritesAdifAndEdiThatTheReadersTake) {
  int adif = 0, edi = 0;
  for (const char code : kAllCodes) {
    SCOPED_TRACE(code);
    MakeContest(code, 1);
    const char band = *std::find_if(def_.Bands.begin(), def_.Bands.end(), [](char b) { return b; });
    AddQso({.Call = "DK2XY",
            .Datum = Day("08.03.2025"),
            .Zeit = Time("23:59:00"),
            .Band = band,
            .NameQth = "Jörg Müller;Saarbrücken",
            .Loc = "JN39KF"});
    AddQso({.Call = "SM5ZZ",
            .Datum = Day("08.03.2025"),
            .Zeit = Time("23:58:00"),
            .Band = band,
            .Mode = "SSB",
            .Sent = "59JN39LG",
            .Rcvd = "59JO89AB",
            .NameQth = "Åsa Öström",
            .Loc = "JO89AB"});
    AddQsoWith({.Call = "F5AAA", .Datum = Day("09.03.2025"), .Band = band},
               [](TContestQSORec& r) { r.SetZeit(0); });  // midnight
    const std::string name(1, code);
    if (Offers(def_, 9)) {
      ++adif;
      const std::string bytes = RunJob(9, name + ".ADI");
      EXPECT_TRUE(AllAscii(bytes));
      EXPECT_NE(bytes.find("<NAME:13>Joerg Mueller <QTH:12>Saarbruecken "), std::string::npos);
      EXPECT_NE(bytes.find("<NAME:12>Asa Oestroem "), std::string::npos);
      EXPECT_NE(bytes.find("<QSO_DATE:8>20250309 <TIME_ON:4>0000 "), std::string::npos);
      EXPECT_EQ(TcadifRecords(ReadBack(name + ".ADI", bytes)), 3);
    }
    if (Offers(def_, 15)) {
      ++edi;
      const auto faults = exportcheck::Reg1Test(CrLfLines(RunJob(15, name + ".EDI")));
      EXPECT_TRUE(faults.empty()) << faults.front();
    }
  }
  EXPECT_EQ(adif, 57);
  EXPECT_EQ(edi, 2);
  // The log keeps its text as typed.
  TdbContest log(TdbContestBase::kQsoLog, 0, contest_);
  ASSERT_TRUE(log.First(4));
  EXPECT_EQ(log.GetQSORec().NameQth(), "Jörg Müller;Saarbrücken");
}

TEST_F(AdifFiles, ModeWordsOutsideAdifAreKeptInTheirOwnFieldAndCounted) {
  MakeContest('d', 1);
  for (const char* mode : {"DIGI", "DIGITA", "CW"}) AddQso({.Call = "DK2XY", .Mode = mode});
  const std::string bytes = RunJob(9, "modes.ADI");
  EXPECT_EQ(bytes.find("<MODE:4>DIGI"), std::string::npos);
  EXPECT_NE(bytes.find("<APP_ZORSAAR_MODE:4>DIGI "), std::string::npos);
  EXPECT_NE(bytes.find("<APP_ZORSAAR_MODE:6>DIGITA "), std::string::npos);
  EXPECT_NE(bytes.find("<MODE:2>CW "), std::string::npos);
  EXPECT_TRUE(Notices().last().contains(QStringLiteral("\n2 QSO(s) mit einer Betriebsart")));
  ReadBack("modes.ADI", bytes);
}

}  // namespace
