// Failure paths of writes: a failure is reported, never success, and leaves the file
// usable for the writes that follow.
#include <sqlite3.h>

#include "storage/ifdriver.h"
#include "storage/storagefixture.h"

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

}  // namespace
}  // namespace storagetest
