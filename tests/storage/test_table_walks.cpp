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
  // Backwards from the end and off the front.
  ASSERT_TRUE(t.Last(kCall));
  EXPECT_EQ(t.Value(), 9);
  ASSERT_TRUE(t.PrevRecord(kCall));
  EXPECT_EQ(t.Value(), 5);
  ASSERT_TRUE(t.First(kCall));
  EXPECT_EQ(t.Call(), "DA0");
  EXPECT_FALSE(t.PrevRecord(kCall));
}

TEST_F(StorageTest, DescPartSortsLargerValuesFirstWithinTheCall) {
  TTestTable t(driver_);
  ASSERT_TRUE(t.Add("DL2", 5));
  ASSERT_TRUE(t.Add("DL2", 300));
  ASSERT_TRUE(t.Add("DK1", 1));
  ASSERT_TRUE(t.Add("DL2", 40));
  std::string values;
  for (bool ok = t.First(kCallValueDesc); ok; ok = t.NextRecord(kCallValueDesc))
    values += t.Call() + ":" + std::to_string(t.Value()) + " ";
  EXPECT_EQ(values, "DK1:1 DL2:300 DL2:40 DL2:5 ");
}

TEST_F(StorageTest, SearchKeyFindsTheFirstKeyNotBelow) {
  TTestTable t(driver_);
  for (const char* call : {"DF1", "DB1", "DD1"}) ASSERT_TRUE(t.Add(call, 0));
  ASSERT_TRUE(t.SearchKey("DC", kCall));
  EXPECT_EQ(t.Call(), "DD1");
  ASSERT_TRUE(t.SearchKey("", kCall));
  EXPECT_EQ(t.Call(), "DB1");
  ASSERT_TRUE(t.SearchKey("DF1", kCall));
  EXPECT_EQ(t.Call(), "DF1");
  EXPECT_FALSE(t.SearchKey("DZ", kCall));
  EXPECT_EQ(DriverError(), kDbNotFound);
  // The open-file handle searches the same way, with a TKeyStr.
  TKeyStr k;
  k.Assign("DE");
  ASSERT_TRUE(driver_->SearchKey(kCall, k));
  EXPECT_EQ(recordbuf::GetStr(driver_->RecordBuffer(), kCallOff, 12), "DF1");
}

TEST_F(StorageTest, EmptyFileHasNoFirstLastOrNext) {
  TTestTable t(driver_);
  EXPECT_EQ(t.RecordCount(), 0);
  EXPECT_FALSE(t.First(kCall));
  EXPECT_FALSE(t.Last(kCall));
  EXPECT_FALSE(t.NextRecord(kCall));
  EXPECT_EQ(t.CurrentRef(), 0);
  int32_t ref = 0;
  std::string key;
  EXPECT_FALSE(driver_->SearchKeyRef(kCall, ref, 1, 50, key));
  EXPECT_EQ(DriverError(), kDbNotFound);
}

TEST_F(StorageTest, SearchKeyRefModesFindEntriesAroundKeyAndReference) {
  TTestTable t(driver_);
  ASSERT_TRUE(t.Add("DA1", 0));  // ref 1
  ASSERT_TRUE(t.Add("DB1", 0));  // ref 2
  ASSERT_TRUE(t.Add("DB1", 0));  // ref 3
  ASSERT_TRUE(t.Add("DC1", 0));  // ref 4
  const std::string db1 = "DB1         ";
  struct Case {
    std::string key;
    int32_t ref;
    int mode;
    bool found;
    std::string foundKey;
    int32_t foundRef;
  } cases[] = {
      {db1, 3, 1, true, db1, 3},               // exactly there
      {db1, 0, 1, true, db1, 2},               // the first of the equal keys
      {db1, 4, 1, true, "DC1         ", 4},    // behind the last equal key
      {db1, 3, -1, true, db1, 3},              //
      {db1, 2147483647, -1, true, db1, 3},     // the last of the equal keys
      {db1, 1, -1, true, "DA1         ", 1},   // before the first equal key
      {"DB", 0, -1, true, "DA1         ", 1},  // a shorter key lies below
      {db1, 2, 0, true, db1, 2},               // exact
      {db1, 4, 0, false, "", 0},               // key and ref do not belong together
      {"", 0, -1, false, "", 0},               // nothing below the empty key
      {"DZ", 0, 1, false, "", 0},              // nothing above
  };
  for (const Case& c : cases) {
    std::string key = c.key;
    int32_t ref = c.ref;
    EXPECT_EQ(driver_->SearchKeyRef(kCall, ref, c.mode, 50, key), c.found)
        << c.key << "/" << c.ref << " mode " << c.mode;
    if (c.found) {
      EXPECT_EQ(key, c.foundKey) << c.key << "/" << c.ref << " mode " << c.mode;
      EXPECT_EQ(ref, c.foundRef) << c.key << "/" << c.ref << " mode " << c.mode;
    }
  }
}

TEST_F(StorageTest, NextKeyAndPrevKeyWalkTheIndexWithoutReadingRecords) {
  TTestTable t(driver_);
  for (const char* call : {"DC1", "DA1", "DB1"}) ASSERT_TRUE(t.Add(call, 0));
  // A record read into the buffer must stay there while the index is walked.
  ASSERT_TRUE(driver_->ReadByRef(1));
  std::string key = "";
  int32_t ref = 0;
  ASSERT_TRUE(driver_->SearchKeyRef(kCall, ref, 1, 50, key));
  EXPECT_EQ(ref, 2);
  std::string seen = key.substr(0, 3);
  while (driver_->NextKey(kCall, ref, 2, key)) seen += " " + key;
  EXPECT_EQ(seen, "DA1 DB DC");
  EXPECT_EQ(DriverError(), kDbNotFound);
  ASSERT_TRUE(driver_->PrevKey(kCall, ref, 50, key));
  EXPECT_EQ(key.substr(0, 3), "DB1");
  EXPECT_EQ(ref, 3);
  EXPECT_EQ(recordbuf::GetStr(driver_->RecordBuffer(), kCallOff, 12), "DC1");
  // BuildKey gives the buffer's key in any index.
  driver_->BuildKey(kCall, key);
  EXPECT_EQ(key, "DC1         ");
}

TEST_F(StorageTest, JoinedKeyPartsInANonZeroTableMode) {
  Close();
  ToKeys keys = TestKeys();
  ASSERT_EQ(ToDatBase::OpenFile(false, driver_, keys, false, TestBuilder(1), keys.Count(),
                                dir_.Path(), "JOINED", kRecLen, kRecLen),
            ToDatBase::kOpenedNow);
  TTestTable t(driver_, 1);
  EXPECT_EQ(t.KeyPartSeparator(), "||");
  ASSERT_TRUE(t.Add("DL1", 3));
  std::string key;
  driver_->BuildKey(kCallValueDesc, key);
  EXPECT_EQ(key, "DL1         ||" + keycodec::LongKey(99999996));
  EXPECT_TRUE(t.SearchKey("DL1         ||", kCallValueDesc));
  EXPECT_EQ(TdbBase(0).KeyPartSeparator(), "");
}

}  // namespace
}  // namespace storagetest
