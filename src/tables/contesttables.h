#pragma once
// The contest tables: the contest list BMKK, the configuration file BMKZ, the QSO log
// of one contest BMLK#### and the scratch log BMLKTEMP, with the searches the log and
// its checks run on them.

#include <cstdint>
#include <string>
#include <string_view>

#include "tables/contestrecs.h"
#include "tables/tablefile.h"

// Opening and releasing contest files by bit set, so that they stay open between the
// table objects made on them.
class ToDatContest {
 public:
  enum : int { kListFile = 1, kConfigFile = 2, kQsoLogFile = 4, kTempFile = 8 };
  // True when every file of the set could be opened.
  static bool OpenFiles(int fileSet, int32_t contestNr, uint8_t mode = 0, int driverSlot = 0);
  static void CloseFiles(int fileSet, bool flag = false, uint8_t mode = 0, int driverSlot = 0);
  // Definition of the file of a table kind (0, 1, 2, 5) and contest number.
  static TFileDef FileDef(int kind, int32_t contestNr);
  // "BMLK" and the contest number in four digits.
  static std::string QsoLogName(int32_t contestNr);
};

class TdbContestBase : public TdbFileTable {
 public:
  enum TKind : int { kList = 0, kConfig = 1, kQsoLog = 2, kTemp = 5 };
  // kind: which file; contestNr: the log's number for kinds 2 and 5.
  TdbContestBase(int kind, uint8_t mode = 0, int32_t contestNr = 0);

  int Kind() const { return kind_; }
  int32_t GetContestNumber() const { return contestNr_; }

  TContestListRec GetListRec() const { return WorkAs<TContestListRec>(); }
  void SetListRec(const TContestListRec& r) { SetWork(r); }
  TContestConfigRec GetConfigRec() const { return WorkAs<TContestConfigRec>(); }
  void SetConfigRec(const TContestConfigRec& r) { SetWork(r); }
  TContestQSORec GetQSORec() const { return WorkAs<TContestQSORec>(); }
  void SetQSORec(const TContestQSORec& r) { SetWork(r); }

  // Of the working QSO record (empty for the other kinds).
  std::string GetCall() const;
  std::string GetMode() const;
  char GetBandcode() const;
  // The band-change mark of the working QSO record; 0 for the other kinds.
  char IsProtectedQSO() const;

  int DefaultKeyNr() const override;

 protected:
  bool IsQsoKind() const { return kind_ == kQsoLog || kind_ == kTemp; }

 private:
  int kind_;
  int32_t contestNr_;
};

class TdbContest : public TdbContestBase {
 public:
  using TdbContestBase::TdbContestBase;

  // The record of a contest number (list, configuration and QSO files).
  bool FindNumber(int32_t number);
  // Exact searches in the QSO log; the call is brought into the keys' form (its home part,
  // keyparts::CallForm), call and mode are padded as the keys hold them.
  bool FindCall(std::string_view call);
  bool FindBandCallMode(char band, std::string_view call, std::string_view mode);
  bool FindDOK(std::string_view dok);
  bool FindBandNrIntern(char band, int32_t number);
  // The band's QSO with the highest internal band serial: the first key at or after the
  // band in "Bandcode,wagBandNrIntern DESC"; the record is loaded.
  bool SearchBandNrInternDesc(char band);

  // Ordered searches in the QSO log: the first record whose key is at least text
  // (text as the key holds it, e.g. band code and call; a call is brought into the keys'
  // form); load: into the working copy.
  bool SearchBandCall(std::string_view text, bool load = true);
  bool SearchCall(std::string_view text, bool load = true);
  bool SearchBandLoc(std::string_view text, bool load = true);
  bool SearchLoc(std::string_view text, bool load = true);
  bool SearchBandDXCC(std::string_view text, bool load = true);
  bool SearchDXCC(std::string_view text, bool load = true);
  bool SearchBandDOK(std::string_view text, bool load = true);
  bool SearchDOK(std::string_view text, bool load = true);
  bool SearchBandPrefix(std::string_view text, bool load = true);
  bool SearchPrefix(std::string_view text, bool load = true);
  bool SearchBandZone(std::string_view text, bool load = true);
  bool SearchZone(std::string_view text, bool load = true);
  bool SearchBandCall2(std::string_view text, bool load = true);
  bool SearchCall2(std::string_view text, bool load = true);

  // Copies the source's working QSO record into this table: how 0 adds it, 1 rewrites
  // the current record. Without force a band-change line is not written (false).
  bool CopyQSOFrom(const TdbContestBase& source, int how, bool force);

 private:
  bool QsoSearch(int keyNr, std::string_view text, bool load);
};
