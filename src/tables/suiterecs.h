#pragma once
// The records of the suite files that the contest logger shares with the logbook side:
// call book and call data, the suite logbook of a project, and the logbook projects.
// Their layouts are this program's own; strings are length-prefixed like every record.

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/recordbuf.h"

// One call of the call book (BM5CALL) or of the call data (BM5CBUCH); both files have this
// layout. 128 bytes:
//   4 Call (10), 15 DOK (8), 24 locator (6), 31 LDK (3), 35 name (30), 66 QTH (30),
//   97 DIG number (8), 106 AGCW number (8), 115 MF number (8).
class TCallRec : public TRecord {
 public:
  static constexpr size_t kSize = 128;
  static constexpr size_t kCallWidth = 10;
  TCallRec() : TRecord(kSize) {}

  std::string Call() const { return Str(4, 10); }
  void SetCall(std::string_view s) { SetStr(4, 10, s); }
  std::string DOK() const { return Str(15, 8); }
  void SetDOK(std::string_view s) { SetStr(15, 8, s); }
  std::string Locator() const { return Str(24, 6); }
  void SetLocator(std::string_view s) { SetStr(24, 6, s); }
  std::string LDK() const { return Str(31, 3); }
  void SetLDK(std::string_view s) { SetStr(31, 3, s); }
  std::string Name() const { return Str(35, 30); }
  void SetName(std::string_view s) { SetStr(35, 30, s); }
  std::string QTH() const { return Str(66, 30); }
  void SetQTH(std::string_view s) { SetStr(66, 30, s); }
  std::string DIG() const { return Str(97, 8); }
  void SetDIG(std::string_view s) { SetStr(97, 8, s); }
  std::string AGCW() const { return Str(106, 8); }
  void SetAGCW(std::string_view s) { SetStr(106, 8, s); }
  std::string MF() const { return Str(115, 8); }
  void SetMF(std::string_view s) { SetStr(115, 8, s); }
};

// One QSO of the suite logbook of a project (BMQS + four-digit project number). 128 bytes:
//   4 Nummer, 8 Call (20), 29 DXCC (6), 36 name (30), 67 QTH (30), 98 Datum, 102 Zeit.
class TSuiteQSORec : public TRecord {
 public:
  static constexpr size_t kSize = 128;
  static constexpr size_t kCallWidth = 20;
  TSuiteQSORec() : TRecord(kSize) {}

  int32_t Nummer() const { return I32(4); }
  void SetNummer(int32_t v) { SetI32(4, v); }
  std::string Call() const { return Str(8, 20); }
  void SetCall(std::string_view s) { SetStr(8, 20, s); }
  std::string DXCC() const { return Str(29, 6); }
  void SetDXCC(std::string_view s) { SetStr(29, 6, s); }
  std::string Name() const { return Str(36, 30); }
  void SetName(std::string_view s) { SetStr(36, 30, s); }
  std::string QTH() const { return Str(67, 30); }
  void SetQTH(std::string_view s) { SetStr(67, 30, s); }
  int32_t Datum() const { return I32(98); }
  void SetDatum(int32_t v) { SetI32(98, v); }
  int32_t Zeit() const { return I32(102); }
  void SetZeit(int32_t v) { SetI32(102, v); }
};

// A logbook project (BM5PRO). 64 bytes: 4 Nummer, 8 name (40).
class TProjectRec : public TRecord {
 public:
  static constexpr size_t kSize = 64;
  TProjectRec() : TRecord(kSize) {}

  int32_t Nummer() const { return I32(4); }
  void SetNummer(int32_t v) { SetI32(4, v); }
  std::string Name() const { return Str(8, 40); }
  void SetName(std::string_view s) { SetStr(8, 40, s); }
};
