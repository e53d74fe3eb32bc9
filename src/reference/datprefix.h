#pragma once
// The prefix files BMPREFIX (entities by prefix), BMPREFEE (single calls) and BMPREFES
// (call groups): opening and closing them with their keys, and the maintenance pass that
// repairs the auto-numbers and renames retired DXCC designations.

#include <cstdint>
#include <string>

class TdbTreiber;

class ToDatPrefix {
 public:
  enum FileBits : int { kBitMain = 1, kBitSingleCalls = 2, kBitCallGroups = 4 };
  static int BitOf(uint8_t kind) { return 1 << kind; }
  static const char* FileName(uint8_t kind);

  ToDatPrefix() = default;
  ~ToDatPrefix();
  ToDatPrefix(const ToDatPrefix&) = delete;
  ToDatPrefix& operator=(const ToDatPrefix&) = delete;

  // Opens the named files in the order BMPREFIX, BMPREFEE, BMPREFES, each only while the
  // ones before succeeded. skip: the auto-number key is not named to the driver.
  bool OpenFileSet(int fileBits, bool skip);
  // maintain: first the maintenance pass over the secondary files; all: every use.
  void CloseFileSet(int fileBits, bool maintain, bool skip, bool all);
  // The open file of a kind 0..2; nullptr when it is not open.
  TdbTreiber* Driver(uint8_t kind) const;

  // A table object's own driver (table mode 2) on the kind's file.
  bool OpenOwn(uint8_t kind, TdbTreiber*& driver);
  void CloseOwn(TdbTreiber*& driver);

  // The maintenance pass of one kind: phase 1 when the file was opened, 2 when the files
  // are closed. False when a write failed; the pass then stops and says so.
  bool Maintain(uint8_t kind, int phase);

 private:
  int Open(uint8_t kind, TdbTreiber*& driver);
  TdbTreiber* drivers_[3] = {};
  bool maintaining_ = false;
};

extern ToDatPrefix* oDatPrefix;
