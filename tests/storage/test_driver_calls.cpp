// The driver calls of the record browser: positions, locks, retries, read limit, and the
// groups of writes over several files.
#include <sqlite3.h>

#include <QFile>

#include "storage/ifdriver.h"
#include "storage/storagefixture.h"

namespace storagetest {
namespace {

std::string ReadAll(const char* name) {
  QFile f(QString::fromLatin1(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

TEST_F(StorageTest, ApproximatePositionsAtTheEndsAndInTheMiddle) {
  TTestTable t(driver_);
  IFDriver& d = *driver_->Driver();
  std::string key;
  int32_t ref = 0;
  EXPECT_EQ(d.ApproxKeyPosition(kCall, "", 100), 0);
  EXPECT_FALSE(d.KeyAtApproxPosition(kCall, 50, 100, key, ref));
  for (const char* call : {"DE1", "DA1", "DC1", "DB1", "DD1"}) ASSERT_TRUE(t.Add(call, 0));
  const std::string dc1 = "DC1         ";
  EXPECT_EQ(d.ApproxKeyPosition(kCall, "", 100), 0);
  EXPECT_EQ(d.ApproxKeyPosition(kCall, "DA1         ", 100, 2), 0);
  EXPECT_EQ(d.ApproxKeyPosition(kCall, dc1, 100, 3), 50);
  EXPECT_EQ(d.ApproxKeyPosition(kCall, "DE1         ", 100, 1), 100);
  EXPECT_EQ(d.ApproxKeyPosition(kCall, std::string(50, '\xFF'), 100, kEndRef), 100);
  struct {
    int32_t pos;
    const char* call;
  } cases[] = {{0, "DA1"}, {50, "DC1"}, {100, "DE1"}, {-5, "DA1"}, {500, "DE1"}, {30, "DB1"}};
  for (auto c : cases) {
    ASSERT_TRUE(d.KeyAtApproxPosition(kCall, c.pos, 100, key, ref)) << c.pos;
    EXPECT_EQ(key.substr(0, 3), c.call) << c.pos;
    // The entry found lies at (about) the position asked.
    EXPECT_NEAR(d.ApproxKeyPosition(kCall, key, 100, ref), std::clamp(c.pos, 0, 100), 13);
  }
}

TEST_F(StorageTest, SavedPositionAndReadLimitOfTheDriver) {
  TTestTable t(driver_);
  ASSERT_TRUE(t.Add("DL1", 0x01020304));
  ASSERT_TRUE(t.Add("DL2", 7));
  IFDriver& d = *driver_->Driver();
  std::string key;
  int32_t ref = 0;
  ASSERT_TRUE(driver_->SearchKeyRef(kCall, ref, 1, 50, key));
  TDriverPosition saved;
  d.SavePosition(saved);
  d.ReadRecord(2);
  EXPECT_EQ(DriverError(), kDbOk);
  EXPECT_EQ(driver_->CurrentRef(), 2);
  d.RestorePosition(saved);
  EXPECT_EQ(driver_->CurrentRef(), 1);
  ASSERT_TRUE(driver_->NextKey(kCall, ref, 50, key));
  EXPECT_EQ(ref, 2);
  // A read returns no more than the limit; the limit is at least 4 bytes.
  d.SetVarReadLimit(2);
  d.ReadRecord(1);
  EXPECT_EQ(recordbuf::GetI32(driver_->RecordBuffer(), 0), 0);
  EXPECT_EQ(recordbuf::GetI32(driver_->RecordBuffer(), kValueOff), 0);
  d.SetVarReadLimit(65520);
  d.ReadRecord(1);
  EXPECT_EQ(recordbuf::GetI32(driver_->RecordBuffer(), kValueOff), 0x01020304);
  d.ReadRecord(99);
  EXPECT_EQ(DriverError(), kDbNotFound);
  d.CheckFileblock();
  EXPECT_EQ(DriverError(), kDbOk);
  EXPECT_FALSE(driver_->IsOpen(true));
  EXPECT_TRUE(driver_->IsOpen());
  EXPECT_FALSE(OOPShell::DriverIsBusy());
}

class SharedStorageTest : public StorageTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(Open(driver_, true), ToDatBase::kOpenedNow);
    ASSERT_EQ(sqlite3_open((dir_.Path() + "TEST.db").c_str(), &other_), SQLITE_OK);
  }
  void TearDown() override {
    sqlite3_close(other_);
    StorageTest::TearDown();
  }
  // A write of another station on the same file, without waiting for locks.
  int OtherWrites() {
    return sqlite3_exec(other_, "INSERT INTO meta VALUES('other', 'x')", nullptr, nullptr, nullptr);
  }
  sqlite3* other_ = nullptr;
};

TEST_F(SharedStorageTest, NestedFileLocksKeepOtherWritersOutUntilTheLastUnlock) {
  IFDriver& d = *driver_->Driver();
  EXPECT_TRUE(d.IsShared());
  EXPECT_EQ(d.FileLockHeld(), 0);
  d.LockFile();
  d.LockFile();
  EXPECT_EQ(d.FileLockHeld(), 2);
  EXPECT_EQ(OtherWrites(), SQLITE_BUSY);
  d.UnlockFile();
  EXPECT_EQ(d.FileLockHeld(), 1);
  EXPECT_EQ(OtherWrites(), SQLITE_BUSY);
  d.UnlockFile();
  EXPECT_EQ(d.FileLockHeld(), 0);
  EXPECT_EQ(OtherWrites(), SQLITE_OK);
  d.UnlockFile();  // not held: nothing happens
  EXPECT_EQ(d.FileLockHeld(), 0);
  EXPECT_EQ(DriverError(), kDbOk);
  // A record written while the lock is held is in the file after the unlock.
  TTestTable t(driver_);
  d.LockFile();
  ASSERT_TRUE(t.Add("DL1", 1));
  d.UnlockFile();
  Reopen();
  EXPECT_EQ(driver_->RecordCount(), 1);
}

TEST_F(SharedStorageTest, LockThatCannotBeHadIsAnErrorAfterAskingTheRetryHandler) {
  ASSERT_EQ(sqlite3_exec(other_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  IFDriver& d = *driver_->Driver();
  std::vector<int> kinds;
  bool busyInside = false;
  d.SetRetryHandler(3, [&](const std::string& message, int kind) {
    kinds.push_back(kind);
    busyInside = OOPShell::DriverIsBusy();
    EXPECT_NE(message.find("TEST"), std::string::npos);
    return kinds.size() < 2 ? 1 : 0;  // one more try, then give up
  });
  SetLockRetryDelay(5);
  TTestTable t(driver_);
  EXPECT_FALSE(t.Add("DL1", 1));
  EXPECT_EQ(DriverError(), kDbRefused);
  EXPECT_EQ(DriverErrorCode(), kDbCodeLocked);
  EXPECT_EQ(kinds, (std::vector<int>{kRetryWrite, kRetryWrite}));
  EXPECT_TRUE(busyInside);
  d.ReadRecord(1);
  EXPECT_EQ(DriverError(), kDbRefused);
  EXPECT_EQ(kinds.size(), 3u);
  EXPECT_EQ(kinds.back(), kRetryRead);
  int count = 0;
  TRetryHandler h;
  d.GetRetryHandler(count, h);
  EXPECT_EQ(count, 3);
  d.SetRetryHandler(0, nullptr);
  SetLockRetryDelay(30);
  // Before the database was started the failures go to KV.ERR.
  EXPECT_NE(ReadAll("KV.ERR").find("Datenbankfehler (1003) Datei gesperrt: TEST"),
            std::string::npos);
  EXPECT_NE(ReadAll("IFDErr.Dmp").find("Datenbankfehler (1003)"), std::string::npos);
  sqlite3_exec(other_, "COMMIT", nullptr, nullptr, nullptr);
  ASSERT_TRUE(dbbase::InitDatabase());
  EXPECT_TRUE(t.Add("DL1", 1));
  EXPECT_FALSE(QFile::exists(QStringLiteral("IFD.ERR")));
  sqlite3_exec(other_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
  EXPECT_FALSE(t.Add("DL2", 2));
  sqlite3_exec(other_, "COMMIT", nullptr, nullptr, nullptr);
  EXPECT_NE(ReadAll("IFD.ERR").find("Datenbankfehler (1003)"), std::string::npos);
  dbbase::DoneDatabase();
  // The shut-down closed the file; the handle answers as closed until it is released.
  EXPECT_FALSE(driver_->IsOpen());
  EXPECT_EQ(driver_->RecordCount(), -1);
  EXPECT_EQ(t.RecordBuffer(), nullptr);
  EXPECT_FALSE(t.AddRecord(kRecLen));
}

TEST_F(SharedStorageTest, UnlockWhoseCommitFailsReportsItAndLeavesTheFileUsable) {
  TTestTable t(driver_);
  ASSERT_TRUE(t.Add("DL1", 1));
  ASSERT_TRUE(t.Add("DL2", 2));
  ASSERT_TRUE(t.First(kCall));
  SetLockRetryDelay(5);
  // Another station reads and keeps its read lock, so the delete cannot be committed.
  ASSERT_EQ(sqlite3_exec(other_, "BEGIN; SELECT count(*) FROM records", nullptr, nullptr, nullptr),
            SQLITE_OK);
  EXPECT_FALSE(t.Delete(true));
  EXPECT_EQ(DriverError(), kDbRefused);
  EXPECT_EQ(driver_->Driver()->FileLockHeld(), 0);
  sqlite3_exec(other_, "COMMIT", nullptr, nullptr, nullptr);
  SetLockRetryDelay(30);
  EXPECT_EQ(t.RecordCount(), 2);
  // Writes after it are stored for good.
  ASSERT_TRUE(t.Add("DL3", 3));
  Reopen();
  TTestTable again(driver_);
  EXPECT_EQ(Walk(again, kCall), "DL1 DL2 DL3");
}

TEST_F(SharedStorageTest, WritesUnderALockStillHeldAtTheCloseAreKept) {
  TTestTable t(driver_);
  driver_->Driver()->LockFile();
  ASSERT_TRUE(t.Add("DL1", 1));
  Reopen();
  EXPECT_EQ(driver_->RecordCount(), 1);
  EXPECT_EQ(driver_->Driver()->FileLockHeld(), 0);
}

TEST_F(GroupTest, GroupOverTwoFilesIsCommittedWholeOrNotAtAll) {
  TTestTable a(driver_), b(second_);
  {
    TWriteGroup group;
    ASSERT_TRUE(a.Add("DA1", 1));
    ASSERT_TRUE(b.Add("DB1", 1));
    EXPECT_EQ(a.RecordCount(), 1);  // the group sees its own writes
    EXPECT_EQ(driver_->Driver()->RefreshLockHeld(), 1);
  }  // not committed: rolled back
  EXPECT_EQ(a.RecordCount(), 0);
  EXPECT_EQ(b.RecordCount(), 0);
  {
    TWriteGroup group;
    ASSERT_TRUE(a.Add("DA1", 1));
    ASSERT_TRUE(b.Add("DB1", 1));
    EXPECT_TRUE(group.Commit());
  }
  EXPECT_EQ(dbbase::WriteDepth(), 0);
  EXPECT_EQ(driver_->Driver()->RefreshLockHeld(), 0);
  Reopen();
  EXPECT_EQ(driver_->RecordCount(), 1);
  EXPECT_EQ(second_->RecordCount(), 1);
}

// A table whose file closes inside a running group leaves its writes to the group: the
// group's commit stores them, its rollback drops them, and the file closes at its end.
TEST_F(GroupTest, FileClosedInsideAGroupEndsWithTheGroup) {
  for (const bool commit : {false, true}) {
    SCOPED_TRACE(commit ? "committed" : "rolled back");
    TdbTreiber* third = nullptr;
    {
      TWriteGroup group;
      ASSERT_EQ(Open(third, false, "THIRD"), ToDatBase::kOpenedNow);
      ASSERT_TRUE(TTestTable(third).Add("DC1", 1));
      ToDatBase::CloseFile(false, third, false);
      // Opened again inside the group: the same open file, with the group's write.
      ASSERT_EQ(Open(third, false, "THIRD"), ToDatBase::kAlreadyOpen);
      EXPECT_EQ(third->RecordCount(), 1);
      ASSERT_TRUE(TTestTable(third).Add("DC2", 2));
      ToDatBase::CloseFile(false, third, false);
      ASSERT_TRUE(TTestTable(driver_).Add("DA1", 1));
      if (commit) {
        EXPECT_TRUE(group.Commit());
      }
    }
    ASSERT_EQ(Open(third, false, "THIRD"), ToDatBase::kOpenedNow);
    TTestTable t(third);
    EXPECT_EQ(Walk(t, kCall), commit ? "DC1 DC2" : "");
    ToDatBase::CloseFile(false, third, true);
    EXPECT_EQ(driver_->RecordCount(), commit ? 1 : 0);
  }
}

TEST_F(GroupTest, InnerGroupRollsBackOnlyItsOwnWrites) {
  TTestTable a(driver_), b(second_);
  dbbase::BeginWrites();
  ASSERT_TRUE(a.Add("DA1", 1, "X"));
  dbbase::BeginWrites();
  ASSERT_TRUE(a.Add("DA2", 2));
  ASSERT_TRUE(b.Add("DB2", 2));
  dbbase::RollbackWrites();
  dbbase::BeginWrites();
  ASSERT_TRUE(b.Add("DB3", 3));
  // A refused record inside the group leaves the rest of the group alone.
  ASSERT_FALSE(a.Add("DA4", 4, "X"));
  EXPECT_TRUE(dbbase::CommitWrites());
  EXPECT_TRUE(dbbase::CommitWrites());
  EXPECT_FALSE(dbbase::CommitWrites());  // none open
  EXPECT_EQ(Walk(a, kCall), "DA1");
  EXPECT_EQ(Walk(b, kCall), "DB3");
  // Auto-numbers inside a group follow the group's own adds.
  EXPECT_EQ(b.Number(), 1);
}

}  // namespace
}  // namespace storagetest
