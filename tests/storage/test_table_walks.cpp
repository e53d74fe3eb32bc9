// Adding, walking and searching a table over a real file.
#include "storage/storagefixture.h"

namespace storagetest {
namespace {

TEST_F(StorageTest, AddsAndWalksInKeyOrderWithDuplicatesByReference) {
  TTestTable t(driver_);
  ASSERT_TRUE(t.Add("DL2", 5));
  ASSERT_TRUE(t.Add("DK1", 7));
  ASSERT_TRUE(t.Add("DL2", 9));
  ASSERT_TRUE(t.Add("DA0", 1));
  EXPECT_EQ(t.RecordCount(), 4);
  EXPECT_EQ(Walk(t, kCall), "DA0 DK1 DL2 DL2");
  // Equal keys follow their record references: the first DL2 added comes first.
  ASSERT_TRUE(t.SearchKey("DL2", kCall));
  EXPECT_EQ(t.Value(), 5);
  ASSERT_TRUE(t.NextRecord(kCall));
  EXPECT_EQ(t.Value(), 9);
  EXPECT_FALSE(t.NextRecord(kCall));
  EXPECT_EQ(DriverError(), kDbNotFound);
}

}  // namespace
}  // namespace storagetest
