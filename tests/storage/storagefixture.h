#pragma once
// A small file on real disk for the storage tests: 40-byte records with a call, an
// auto-numbered counter, a value and a code, and four keys built from them.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foundation/recordbuf.h"
#include "storage/datbase.h"
#include "storage/dbbase.h"
#include "storage/dberror.h"
#include "storage/dbtreiber.h"
#include "support/testdir.h"

namespace storagetest {

constexpr int kRecLen = 40;
constexpr int kNumberOff = 4;  // 32-bit AUTOKEY counter
constexpr int kCallOff = 8;    // string of 12
constexpr int kValueOff = 24;  // 32-bit
constexpr int kCodeOff = 28;   // string of 4

enum Key { kCall = 1, kNumber = 2, kCallValueDesc = 3, kCode = 4 };

ToKeys TestKeys();
TKeyBuilder TestBuilder(uint8_t mode = 0);

// A table object of the test file.
class TTestTable : public TdbBase {
 public:
  explicit TTestTable(TdbTreiber* driver, uint8_t mode = 0) : TdbBase(mode) { SetDriver(driver); }
  void Fill(const std::string& call, int32_t value, const std::string& code = "");
  bool Add(const std::string& call, int32_t value, const std::string& code = "");
  std::string Call() const { return recordbuf::GetStr(AsRead().data(), kCallOff, 12); }
  int32_t Number() const { return recordbuf::GetI32(AsRead().data(), kNumberOff); }
  int32_t Value() const { return recordbuf::GetI32(AsRead().data(), kValueOff); }

 private:
  static inline int autoCode_ = 0;
};

// Calls of the file in the order of a key, walked forward with NextRecord.
std::string Walk(TTestTable& t, int keyNr);

class StorageTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Opens "TEST" in the test folder into driver (shared as asked).
  int Open(TdbTreiber*& driver, bool shared = false, const std::string& name = "TEST");
  void Close() { ToDatBase::CloseFile(false, driver_, true); }
  void Reopen() {
    Close();
    ASSERT_EQ(Open(driver_), ToDatBase::kOpenedNow);
  }

  TTestDir dir_;
  TdbTreiber* driver_ = nullptr;
};

// The test file and a second one, for groups of writes over several files.
class GroupTest : public StorageTest {
 protected:
  void SetUp() override {
    StorageTest::SetUp();
    ASSERT_EQ(Open(second_, false, "SECOND"), ToDatBase::kOpenedNow);
  }
  void TearDown() override {
    ToDatBase::CloseFile(false, second_, true);
    StorageTest::TearDown();
  }
  TdbTreiber* second_ = nullptr;
};

}  // namespace storagetest
