// Writing records: unique keys, auto-numbers, rewrites and deletes, each table object
// keeping its own current record.
#include <QFile>

#include "foundation/keystr.h"
#include "storage/storagefixture.h"

namespace storagetest {
namespace {

TEST_F(StorageTest, UniqueKeyRefusesAddAndRewriteAndLeavesTheFileUnchanged) {
  TTestTable t(driver_);
  ASSERT_TRUE(t.Add("DL1", 1, "A"));
  ASSERT_TRUE(t.Add("DL2", 2, "B"));
  const int32_t before = t.Number();

  EXPECT_FALSE(t.Add("DL3", 3, "A"));
  EXPECT_EQ(DriverError(), kDbRefused);
  EXPECT_EQ(DriverErrorCode(), kDbCodeDuplicate);
  EXPECT_EQ(t.RecordCount(), 2);
  EXPECT_FALSE(t.SearchKey("DL3", kCall));
  // The refused add does not use up an auto-number.
  ASSERT_TRUE(t.Add("DL4", 4, "C"));
  EXPECT_EQ(recordbuf::GetI32(t.RecordBuffer(), kNumberOff), 3);

  ASSERT_TRUE(t.SearchKey("DL2", kCall));
  EXPECT_EQ(t.Number(), before);
  t.Fill("DL9", 99, "A");
  recordbuf::SetI32(t.RecordBuffer(), kNumberOff, before);
  EXPECT_FALSE(t.ModifyRecord());
  EXPECT_EQ(DriverError(), kDbRefused);
  ASSERT_TRUE(t.RefindCurrent(true));
  EXPECT_EQ(t.Call(), "DL2");
  EXPECT_EQ(t.Value(), 2);
  EXPECT_EQ(Walk(t, kCall), "DL1 DL2 DL4");
  // A refused key is an expected answer, not a failure for the error log.
  EXPECT_FALSE(QFile::exists(QStringLiteral("IFD.ERR")));
}

TEST_F(StorageTest, AutoNumberIsTheHighestInTheFilePlusOne) {
  TTestTable t(driver_);
  for (int i = 1; i <= 4; ++i) ASSERT_TRUE(t.Add("DL" + std::to_string(i), i));
  EXPECT_EQ(t.RecordCount(), 4);
  // Deleting the highest number gives it out again; deleting a lower one does not.
  ASSERT_TRUE(t.Last(kNumber));
  EXPECT_EQ(t.Number(), 4);
  ASSERT_TRUE(t.Delete(true));
  ASSERT_TRUE(t.SearchKey(keycodec::LongKey(2), kNumber));
  ASSERT_TRUE(t.Delete(true));
  ASSERT_TRUE(t.Add("DL5", 5));
  EXPECT_EQ(recordbuf::GetI32(t.RecordBuffer(), kNumberOff), 4);
  // A record rewritten with a lower number: the next add still follows the highest.
  ASSERT_TRUE(t.SearchKey(keycodec::LongKey(4), kNumber));
  recordbuf::SetI32(t.RecordBuffer(), kNumberOff, 2);
  ASSERT_TRUE(t.ModifyRecord());
  ASSERT_TRUE(t.Add("DL6", 6));
  EXPECT_EQ(recordbuf::GetI32(t.RecordBuffer(), kNumberOff), 4);
  ASSERT_TRUE(t.Add("DL7", 7));
  EXPECT_EQ(recordbuf::GetI32(t.RecordBuffer(), kNumberOff), 5);
  // An emptied file starts at 1 again.
  t.DeleteFiles();
  EXPECT_EQ(t.RecordCount(), 0);
  ASSERT_TRUE(t.Add("DL8", 8));
  EXPECT_EQ(recordbuf::GetI32(t.RecordBuffer(), kNumberOff), 1);
}

TEST_F(StorageTest, EachTableObjectRewritesAndDeletesItsOwnRecord) {
  TTestTable log(driver_), search(driver_);
  ASSERT_TRUE(log.Add("DL1", 1));
  ASSERT_TRUE(log.Add("DL2", 2));
  ASSERT_TRUE(log.Add("DL3", 3));
  ASSERT_TRUE(log.SearchKey("DL2", kCall));
  // Another object and the browser move the shared driver meanwhile.
  ASSERT_TRUE(search.SearchKey("DL3", kCall));
  ASSERT_TRUE(driver_->ReadByRef(1));
  EXPECT_EQ(driver_->CurrentRef(), 1);

  log.Fill("DL2", 22);
  recordbuf::SetI32(log.RecordBuffer(), kNumberOff, 2);
  ASSERT_TRUE(log.ModifyRecord());
  ASSERT_TRUE(search.RefindCurrent(true));
  EXPECT_EQ(search.Value(), 3);
  ASSERT_TRUE(search.SearchKey("DL2", kCall));
  EXPECT_EQ(search.Value(), 22);
  // The walk of the first object goes on from its own record.
  ASSERT_TRUE(log.NextRecord(kCall));
  EXPECT_EQ(log.Call(), "DL3");

  ASSERT_TRUE(log.SearchKey("DL1", kCall));
  ASSERT_TRUE(search.Last(kCall));
  ASSERT_TRUE(log.Delete(true));
  EXPECT_EQ(Walk(search, kCall), "DL2 DL3");
}

TEST_F(StorageTest, WalkGoesOnAfterDeletingOrRewritingTheCurrentRecord) {
  TTestTable t(driver_);
  for (const char* call : {"DA1", "DB1", "DC1", "DD1"}) ASSERT_TRUE(t.Add(call, 0));
  // Deleting every other record while walking neither skips nor repeats one.
  std::string seen;
  for (bool ok = t.First(kCall); ok; ok = t.NextRecord(kCall)) {
    seen += t.Call() + " ";
    if (t.Call() == "DB1" || t.Call() == "DC1") {
      ASSERT_TRUE(t.Delete(true));
    }
  }
  EXPECT_EQ(seen, "DA1 DB1 DC1 DD1 ");
  EXPECT_EQ(Walk(t, kCall), "DA1 DD1");
  // Numbering the records in call order while rewriting them.
  int n = 10;
  for (bool ok = t.First(kCall); ok; ok = t.NextRecord(kCall)) {
    recordbuf::SetI32(t.RecordBuffer(), kNumberOff, n++);
    ASSERT_TRUE(t.ModifyRecord());
  }
  EXPECT_EQ(n, 12);
  ASSERT_TRUE(t.Last(kNumber));
  EXPECT_EQ(t.Call(), "DD1");
  EXPECT_EQ(t.Number(), 11);
}

TEST_F(StorageTest, DeleteRecordOfTheHandleRemovesTheDriversCurrentRecordWithAllKeys) {
  TTestTable t(driver_);
  ASSERT_TRUE(t.Add("DL1", 1, "X"));
  ASSERT_TRUE(t.Add("DL2", 2, "Y"));
  ASSERT_TRUE(driver_->ReadByRef(1));
  ASSERT_TRUE(driver_->DeleteRecord(true));
  EXPECT_EQ(driver_->RecordCount(), 1);
  for (int key : {kCall, kNumber, kCallValueDesc, kCode}) EXPECT_EQ(driver_->KeyCount(key), 1);
  ASSERT_TRUE(t.SearchKey("X", kCode));
  EXPECT_EQ(t.Call(), "DL2");
  EXPECT_FALSE(driver_->ReadByRef(1));
  EXPECT_EQ(DriverError(), kDbNotFound);
  // The code of the deleted record may be used again.
  EXPECT_TRUE(t.Add("DL3", 3, "X"));
}

TEST_F(StorageTest, ReopenedFileHoldsRecordsKeysAndNumbers) {
  {
    TTestTable t(driver_);
    ASSERT_TRUE(t.Add("DL1", 1));
    ASSERT_TRUE(t.Add("DA1", 2));
  }
  Reopen();
  TTestTable t(driver_);
  EXPECT_EQ(t.RecordCount(), 2);
  EXPECT_EQ(Walk(t, kCall), "DA1 DL1");
  ASSERT_TRUE(t.Add("DZ1", 3));
  EXPECT_EQ(recordbuf::GetI32(t.RecordBuffer(), kNumberOff), 3);
}

TEST_F(StorageTest, ChangedKeyDefinitionsRebuildTheIndexesOnOpen) {
  {
    TTestTable t(driver_);
    ASSERT_TRUE(t.Add("DL1", 1));
    ASSERT_TRUE(t.Add("DA1", 2));
  }
  Close();
  // The same file with the call key alone and a new key on the value.
  ToKeys keys;
  keys.Add(12, true, "Call");
  keys.Add(5, true, "Wert");
  TKeyBuilder builder = [](const uint8_t* rec, int keyNr, std::string& key) {
    key = keyNr == 1 ? recordbuf::GetStr(rec, kCallOff, 12)
                     : keycodec::LongKey(recordbuf::GetI32(rec, kValueOff));
  };
  ASSERT_EQ(ToDatBase::OpenFile(false, driver_, keys, false, builder, 2, dir_.Path(), "TEST",
                                kRecLen, kRecLen),
            ToDatBase::kOpenedNow);
  TTestTable t(driver_);
  ASSERT_TRUE(t.Last(2));
  EXPECT_EQ(t.Call(), "DA1");
  EXPECT_EQ(Walk(t, 1), "DA1 DL1");
}

TEST_F(StorageTest, OpenCountsUsesAndCloseFreesTheLastOne) {
  TdbTreiber* second = nullptr;
  EXPECT_EQ(Open(second), ToDatBase::kAlreadyOpen);
  EXPECT_EQ(second, driver_);
  EXPECT_EQ(Open(driver_), ToDatBase::kAlreadyOpen);
  EXPECT_EQ(driver_->UseCount(), 3);
  ToDatBase::CloseFile(false, second, false);
  EXPECT_EQ(second, driver_);  // still in use by the others
  ToDatBase::CloseFile(false, driver_, false);
  ASSERT_NE(driver_, nullptr);
  ToDatBase::CloseFile(false, driver_, false);
  EXPECT_EQ(driver_, nullptr);
  TdbTreiber* skipped = nullptr;
  EXPECT_EQ(ToDatBase::OpenFile(true, skipped, TestKeys(), false, TestBuilder(), 4, dir_.Path(),
                                "TEST", kRecLen, kRecLen),
            ToDatBase::kOpenFailed);
  EXPECT_EQ(skipped, nullptr);
  // A file in a folder that does not exist cannot be created.
  EXPECT_EQ(ToDatBase::OpenFile(false, skipped, TestKeys(), false, TestBuilder(), 4,
                                dir_.Path() + "missing/", "TEST", kRecLen, kRecLen),
            ToDatBase::kOpenFailed);
  EXPECT_GE(DriverError(), kDbFailed);
  EXPECT_EQ(DriverErrorText().rfind("Datenbankfehler (", 0), 0u);
}

TEST_F(StorageTest, TableWithoutDriverAnswersEmpty) {
  TdbBase t;
  EXPECT_EQ(t.GetDriver(), nullptr);
  EXPECT_EQ(t.RecordBuffer(), nullptr);
  EXPECT_EQ(t.RecordCount(), 0);
  EXPECT_EQ(t.CurrentRef(), 0);
  EXPECT_FALSE(t.First(1));
  EXPECT_FALSE(t.ModifyRecord());
  TdbBase own(2);
  own.SetDriver(driver_);
  EXPECT_EQ(own.GetDriver(), nullptr);  // mode 2 uses its own driver only
  EXPECT_EQ(Open(own.OwnDriver()), ToDatBase::kAlreadyOpen);
  EXPECT_EQ(own.GetDriver(), driver_);
  ToDatBase::CloseFile(false, own.OwnDriver(), false);
}

}  // namespace
}  // namespace storagetest
