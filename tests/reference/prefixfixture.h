#pragma once
// Small prefix files made in a fresh folder for one test, with entries written field by
// field as the prefix list would store them.

#include <gtest/gtest.h>

#include <string>

#include "foundation/testdesktop.h"
#include "reference/datprefix.h"
#include "reference/dbprefix.h"
#include "support/testdir.h"

namespace prefixtest {

struct Entry {
  std::string Prefix{}, Dxcc{}, Menue{}, Country{}, Remark{}, Waz{}, Itu{}, Zus{};
  char RangeStart = 0;
  int32_t ValidFrom = 0, ValidUntil = 0;
  std::string Dxcc2{};
  int32_t Dxcc2Until = 0;
  std::string OldPrefix{};
  int32_t OldPrefixUntil = 0;
  std::string WiePref{};
  char WholeCall = 0;
  char Sel = 0;
  int16_t AdifNr = 0;
};

TRecord MakeRecord(const Entry& e);
// The folder the prefix files are opened in.
void UseDataDir(const std::string& dir);

class PrefixFiles : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Adds the entry to the file of that kind (all three files are open).
  void Add(const Entry& e, uint8_t kind = prefixrec::kMain);
  // Resolves with the date, no secondary files and no dialog.
  int Resolve(TdbPrefix& t, const std::string& call, int32_t date = 0);

  TTestDir dir_;
  TTestDesktop desktop_;
};

// Day numbers of a few dates around the test desktop's today (10.1.2026).
int32_t Day(int y, int m, int d);

}  // namespace prefixtest
