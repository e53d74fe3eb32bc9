#pragma once
// The settings files BMSETUP (3530-byte record) and BMSETUP2, one record each, kept in
// the program directory.

#include <cstdint>

#include "tables/setuprecs.h"
#include "tables/tablefile.h"

class ToDatSetup {
 public:
  enum : int { kSetupFile = 1, kSetup2File = 2 };
  static bool OpenFiles(int fileSet);
  static void CloseFiles(int fileSet);
  static TFileDef FileDef(int file);  // kSetupFile or kSetup2File
};

class TdbSetupBase : public TdbFileTable {
 public:
  explicit TdbSetupBase(uint8_t mode = 0);
  TSetupRec GetSetupRec() const { return WorkAs<TSetupRec>(); }
  void SetSetupRec(const TSetupRec& r) { SetWork(r); }
};

class TdbSetup2 : public TdbFileTable {
 public:
  explicit TdbSetup2(uint8_t mode = 0);
  TSetup2Rec GetSetup2Rec() const { return WorkAs<TSetup2Rec>(); }
  void SetSetup2Rec(const TSetup2Rec& r) { SetWork(r); }
};
