// Failure paths of writes: a failure is reported, never success, and leaves the file
// usable for the writes that follow.
#include <sqlite3.h>

#include <QFileInfo>

#include "storage/ifdriver.h"
#include "storage/storagefixture.h"
#include "support/filesizelimit.h"

namespace storagetest {
namespace {

TEST_F(StorageTest, DeleteWithoutLockIsNotStoppedByAnEarlierFailedSearch) {
  TTestTable t(driver_), other(driver_);
  ASSERT_TRUE(t.Add("DL1", 1));
  ASSERT_TRUE(t.Add("DL2", 2));
  ASSERT_TRUE(t.First(kCall));
  EXPECT_FALSE(other.SearchKey("ZZZ", kCall));
  EXPECT_TRUE(t.Delete(false));
  EXPECT_EQ(t.RecordCount(), 1);
  ASSERT_TRUE(driver_->ReadByRef(2));
  EXPECT_FALSE(other.SearchKey("ZZZ", kCall));
  EXPECT_TRUE(driver_->DeleteRecord(false));
  EXPECT_EQ(driver_->RecordCount(), 0);
}

TEST_F(StorageTest, FullDiskIsReportedAndEveryAddThatReturnedIsKept) {
  TTestTable t(driver_);
  ASSERT_TRUE(t.Add("DL1", 1));
  int added = 1;
  {
    TFileSizeLimit full(QFileInfo(QString::fromStdString(dir_.File("TEST.db"))).size());
    for (int i = 0; i < 5000 && t.Add("DX" + std::to_string(i), i); ++i) ++added;
    EXPECT_EQ(DriverError(), kDbFailed);
    EXPECT_EQ(DriverErrorText().rfind("Datenbankfehler (", 0), 0u);
    EXPECT_EQ(t.RecordCount(), added);
  }
  ASSERT_TRUE(t.Add("DL2", 2));
  Reopen();
  TTestTable again(driver_);
  EXPECT_EQ(again.RecordCount(), added + 1);
  ASSERT_TRUE(again.Last(kNumber));
  EXPECT_EQ(again.Number(), added + 1);
}

// A unique code of four printable characters for record i.
std::string Code(int i) {
  std::string c;
  for (int k = 0; k < 4; ++k, i /= 90) c += char(33 + i % 90);
  return c;
}

// A group over two files whose write the full disk refused: nothing more is written, its
// commit fails with the engine's error, neither file keeps any of its writes, and the
// next group works.
TEST_F(GroupTest, GroupWhoseWriteTheDiskRefusedStoresNothingInAnyFile) {
  TTestTable t(driver_), b(second_);
  ASSERT_TRUE(t.Add("DL1", 1));
  {
    TWriteGroup group;
    ASSERT_TRUE(b.Add("DB1", 1));
    {
      // A group larger than the cache reaches the disk before its commit.
      TFileSizeLimit full(QFileInfo(QString::fromStdString(dir_.File("TEST.db"))).size());
      bool ok = true;
      for (int i = 0; i < 200000 && ok; ++i) ok = t.Add("DX" + std::to_string(i), i, Code(i));
      ASSERT_FALSE(ok);
      const int primary = DriverErrorCode() & 0xFF;
      EXPECT_TRUE(primary == SQLITE_IOERR || primary == SQLITE_FULL) << DriverErrorText();
    }
    const std::string failure = DriverErrorText();
    EXPECT_TRUE(dbbase::WritesFailed());
    EXPECT_FALSE(t.Add("DAFTER", 1, "zzzz"));
    EXPECT_FALSE(b.Add("DB2", 2));
    EXPECT_FALSE(group.Commit());
    EXPECT_EQ(DriverError(), kDbFailed);
    EXPECT_EQ(DriverErrorText(), failure);
  }
  EXPECT_FALSE(dbbase::WritesFailed());
  Reopen();
  TTestTable again(driver_);
  EXPECT_EQ(Walk(again, kCall), "DL1");
  EXPECT_EQ(Walk(b, kCall), "");
  TWriteGroup next;
  ASSERT_TRUE(again.Add("DL2", 2));
  ASSERT_TRUE(b.Add("DB3", 3));
  ASSERT_TRUE(next.Commit());
  Reopen();
  TTestTable last(driver_);
  EXPECT_EQ(Walk(last, kCall), "DL1 DL2");
  EXPECT_EQ(Walk(b, kCall), "DB3");
}

}  // namespace
}  // namespace storagetest
