// Several processes on one file, and a process killed in the middle of its writes.
#include <sqlite3.h>

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>
#include <set>

#include "foundation/keystr.h"
#include "storage/storagefixture.h"

namespace storagetest {
namespace {

// The test program runs itself as the other process: these two cases only act when the
// parent sets ZOR_STORAGE_CHILD.
class StorageChild : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("ZOR_STORAGE_CHILD")) GTEST_SKIP();
    dir_ = qEnvironmentVariable("ZOR_STORAGE_DIR").toStdString();
    ToKeys keys = TestKeys();
    ASSERT_EQ(ToDatBase::OpenFile(false, driver_, keys, true, TestBuilder(), keys.Count(), dir_,
                                  "TEST", kRecLen, kRecLen),
              ToDatBase::kOpenedNow);
    ToDatBase::SetAutoKeyField(driver_, kNumber, false, kNumberOff);
  }
  void TearDown() override { ToDatBase::CloseAll(); }
  static void Say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
  }
  std::string dir_;
  TdbTreiber* driver_ = nullptr;
};

TEST_F(StorageChild, AddsUntilKilled) {
  TTestTable t(driver_);
  const int first = driver_->RecordCount() + 1;
  for (int i = first; i < first + 5000; ++i) {
    if (t.Add("K" + std::to_string(i), i, std::to_string(i))) Say(std::to_string(i));
  }
}

TEST_F(StorageChild, HoldsTheWriteLockForAWhile) {
  TTestTable t(driver_);
  TWriteGroup group;
  ASSERT_TRUE(t.Add("CHILD", 1, "C"));
  Say("locked");
  QThread::msleep(1500);
  ASSERT_TRUE(group.Commit());
  Say("done");
}

class TwoProcessTest : public ::testing::Test {
 protected:
  void TearDown() override { ToDatBase::CloseAll(); }
  void StartChild(QProcess& p, const char* testName) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZOR_STORAGE_CHILD"), QStringLiteral("1"));
    env.insert(QStringLiteral("ZOR_STORAGE_DIR"), QString::fromStdString(dir_.Path()));
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--gtest_filter=StorageChild.") + QString::fromLatin1(testName)});
    ASSERT_TRUE(p.waitForStarted());
  }
  // Waits for a line of the child; false when it ended first.
  static bool WaitForLine(QProcess& p, const QByteArray& line, QByteArray& seen) {
    while (!seen.contains(line + '\n')) {
      if (!p.waitForReadyRead(10000)) return false;
      seen += p.readAllStandardOutput();
    }
    return true;
  }
  void OpenHere(bool shared) {
    ToKeys keys = TestKeys();
    ASSERT_EQ(ToDatBase::OpenFile(false, driver_, keys, shared, TestBuilder(), keys.Count(),
                                  dir_.Path(), "TEST", kRecLen, kRecLen),
              ToDatBase::kOpenedNow);
    ToDatBase::SetAutoKeyField(driver_, kNumber, false, kNumberOff);
  }
  TTestDir dir_;
  TdbTreiber* driver_ = nullptr;
};

TEST_F(TwoProcessTest, SharedFileIsUsedByTwoProcessesAndALockIsNeverAHang) {
  OpenHere(true);
  QProcess child;
  StartChild(child, "HoldsTheWriteLockForAWhile");
  QByteArray out;
  ASSERT_TRUE(WaitForLine(child, "locked", out)) << out.toStdString();
  TTestTable t(driver_);
  // Reading goes on while the other process writes; its record is not there yet.
  EXPECT_EQ(t.RecordCount(), 0);
  EXPECT_FALSE(t.Add("HERE", 2, "H"));
  EXPECT_EQ(DriverError(), kDbRefused);
  ASSERT_TRUE(WaitForLine(child, "done", out)) << out.toStdString();
  ASSERT_TRUE(child.waitForFinished(10000));
  EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
  ASSERT_TRUE(t.Add("HERE", 2, "H"));
  EXPECT_EQ(t.Number(), 2);  // after the other process's record
  EXPECT_EQ(Walk(t, kCall), "CHILD HERE");
}

TEST_F(TwoProcessTest, RecordsWhoseAddReturnedSurviveAKilledProcess) {
  std::set<int> added;
  for (int round = 0; round < 3; ++round) {
    QProcess child;
    StartChild(child, "AddsUntilKilled");
    QByteArray out;
    ASSERT_TRUE(WaitForLine(child, "", out) || !out.isEmpty());
    QThread::msleep(QRandomGenerator::global()->bounded(20, 300));
    child.kill();
    ASSERT_TRUE(child.waitForFinished(10000));
    out += child.readAllStandardOutput();
    // Only complete lines: a number cut off by the kill was not reported.
    for (const QByteArray& line : out.split('\n')) {
      bool number = false;
      const int v = line.toInt(&number);
      if (number && out.contains('\n' + line + '\n')) added.insert(v);
    }
  }
  ASSERT_FALSE(added.empty());

  OpenHere(false);
  TTestTable t(driver_);
  const int32_t count = t.RecordCount();
  EXPECT_GE(count, int32_t(added.size()));
  for (int key : {kCall, kNumber, kCallValueDesc, kCode}) EXPECT_EQ(driver_->KeyCount(key), count);
  for (int v : added) {
    const std::string call = "K" + std::to_string(v);
    ASSERT_TRUE(t.SearchKey(std::to_string(v), kCode)) << v;
    ASSERT_EQ(t.Value(), v);
    const int32_t ref = t.CurrentRef();
    const int32_t number = t.Number();
    ASSERT_TRUE(t.SearchKey(call, kCall));
    EXPECT_EQ(t.CurrentRef(), ref) << v;
    ASSERT_TRUE(t.SearchKey(keycodec::LongKey(number), kNumber));
    EXPECT_EQ(t.CurrentRef(), ref) << v;
    ASSERT_TRUE(t.SearchKey(call, kCallValueDesc));
    EXPECT_EQ(t.CurrentRef(), ref) << v;
  }
  ToDatBase::CloseAll();
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open((dir_.Path() + "TEST.db").c_str(), &db), SQLITE_OK);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr);
  ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "ok");
  sqlite3_finalize(st);
  sqlite3_close(db);
}

}  // namespace
}  // namespace storagetest
