#pragma once
// The suite's call book (BM5CALL), call data (BM5CBUCH) and call list (BMCCL): what is
// known of a call (DOK, locator, name, QTH, club numbers), one record per call.

#include <cstdint>
#include <string>
#include <string_view>

#include "tables/suiterecs.h"
#include "tables/tablefile.h"

class ToDatCall {
 public:
  enum : int { kCallBookFile = 1, kCallDataFile = 2, kCallListFile = 128 };
  static bool OpenFiles(int fileSet);
  static void CloseFiles(int fileSet);
  static TFileDef FileDef(int file);
};

class TdbCallBase : public TdbFileTable {
 public:
  enum TFileType : int { kCallData = 0, kCallBook = 1 };
  explicit TdbCallBase(int fileType, uint8_t mode = 0);

  // Of the working record; empty when the record has no such field.
  std::string GetDOK() const { return Rec().DOK(); }
  std::string GetField10() const { return Rec().Locator(); }
  std::string GetLDK() const { return Rec().LDK(); }
  std::string GetName() const { return Rec().Name(); }
  std::string GetQTH() const { return Rec().QTH(); }
  std::string GetDIG() const { return Rec().DIG(); }
  std::string GetAGCW() const { return Rec().AGCW(); }
  std::string GetMF() const { return Rec().MF(); }
  std::string GetCall() const { return Rec().Call(); }

  void SetCall(std::string_view s) { Edit(&TCallRec::SetCall, s); }
  void SetDOK(std::string_view s) { Edit(&TCallRec::SetDOK, s); }
  void SetDIG(std::string_view s) { Edit(&TCallRec::SetDIG, s); }
  void SetAGCW(std::string_view s) { Edit(&TCallRec::SetAGCW, s); }
  void SetMF(std::string_view s) { Edit(&TCallRec::SetMF, s); }
  void SetName(std::string_view s) { Edit(&TCallRec::SetName, s); }
  void SetQTH(std::string_view s) { Edit(&TCallRec::SetQTH, s); }

  // A record without a call is refused; so is a second record of one call.
  bool Modify() override;
  bool Add() override;

 private:
  TCallRec Rec() const { return WorkAs<TCallRec>(); }
  void Edit(void (TCallRec::*set)(std::string_view), std::string_view s);
  bool HasCall() const;
};

class TdbCall : public TdbCallBase {
 public:
  using TdbCallBase::TdbCallBase;
  // The record of the call (the key holds the call padded or cut to 10).
  bool FindCall(std::string_view call);
};
