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

#include "foundation/cp1252.h"
#include "output/outputfixture.h"
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
  QString node_, modules_;
};

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
    AddQso({.Call = "F5AAA",
            .Datum = Day("08.03.2025"),
            .Zeit = Time("08:02:00"),
            .Band = 'e',
            .Mode = "PSK31",
            .Sent = "599002",
            .Rcvd = "599Q01"});
    {
      TdbContest log(TdbContestBase::kQsoLog, 0, contest_);
      ASSERT_TRUE(log.Last(4));
      TContestQSORec r = log.GetQSORec();
      r.SetQslSent('S');
      r.SetDXCC("F");
      r.SetFrequency(14.07f);
      log.SetQSORec(r);
      ASSERT_TRUE(log.Modify());
    }
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

}  // namespace
