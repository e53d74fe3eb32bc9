// Failure paths of writes: a failure is reported, never success, and leaves the file
// usable for the writes that follow.
#include <signal.h>
#include <sys/resource.h>

#include <QFileInfo>

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

// The file cannot grow beyond its size while the object lives, as on a full disk.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(qint64 size) {
    signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = rlim_t(size);
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

 private:
  rlimit old_{};
};

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

}  // namespace
}  // namespace storagetest
