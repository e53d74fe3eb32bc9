#pragma once
// A call-sign table on real disk for the browser tests: 32-byte records with a call and
// an auto-numbered counter, key 1 the call (duplicates by reference), key 2 the number.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "browser/kbrowser.h"
#include "storage/dbbase.h"
#include "storage/dbtreiber.h"
#include "support/testdir.h"

namespace browtest {

constexpr int kRecLen = 32;
constexpr int kCallOff = 0;     // string of 12
constexpr int kNumberOff = 16;  // 32-bit AUTOKEY counter
enum Key { kCall = 1, kNumber = 2 };

class TCallTable : public TdbBase {
 public:
  explicit TCallTable(TdbTreiber* driver) { SetDriver(driver); }
  bool Add(const std::string& call);
  std::string Call() const;
};

// The owner of a page: row texts "CALL;number" from the record just read.
class TTextOwner : public TKBrowserOwner {
 public:
  explicit TTextOwner(TdbTreiber* driver) : driver_(driver) {}
  void BuildRow(RowRec& row) override;
  int Built = 0;

 private:
  TdbTreiber* driver_;
};

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void Open(bool shared);
  void Close();
  // Adds the calls in order; their references are 1, 2, ... in a fresh file.
  void AddCalls(const std::vector<std::string>& calls);
  // "C001" .. "Cnnn".
  void AddNumbered(int count);
  std::unique_ptr<TKBrowser> Make(int rows, const std::string& low = "",
                                  const std::string& high = "", int keyNr = kCall);
  // Calls of the filled rows, blank-separated, and the texts of rows 1 .. n.
  static std::string Calls(const TKBrowser& b);
  static std::string Texts(const TKBrowser& b, int rows);

  TTestDir dir_;
  TdbTreiber* driver_ = nullptr;
  std::unique_ptr<TTextOwner> owner_;
  bool changed_ = false;
};

TKeyStr Key(const std::string& text);

}  // namespace browtest
