#pragma once
// The table class over the three prefix files: a record pair (as read, working copy) per
// file kind, the field getters and setters on the working copy, and the writes.

#include <array>
#include <cstdint>
#include <string>

#include "foundation/recordbuf.h"
#include "reference/prefixrec.h"
#include "storage/dbbase.h"

class TdbPrefixBase : public TdbBase {
 public:
  // Opens the kind's file itself when it is not open, and closes it again when freed.
  explicit TdbPrefixBase(uint8_t kind, uint8_t mode = 0);
  ~TdbPrefixBase() override;

  TdbTreiber* GetDriver() override;
  void LoadRecord(bool intoWork = true, bool fromFile = false) override;
  int DefaultKeyNr() const override;
  // The auto-number key of the record as read.
  std::string CurrentKeyStr() const;

  bool Modify();
  // The auto-number the file assigned is read back into the working copy.
  bool Add();
  void ClearRecords();
  uint8_t Kind() const { return kind_; }
  bool IsOpen() { return GetDriver() != nullptr; }

  // The working copy of the active kind and the record as read.
  TRecord& WorkRec() { return Pair()[1]; }
  const TRecord& WorkRec() const { return Pair()[1]; }
  const TRecord& ReadRec() const { return Pair()[0]; }
  void SetWorkRec(const TRecord& rec) { WorkRec().Assign(rec.Data(), rec.Size()); }
  // Both copies of the current record.
  void SetCurrentRecord(const TRecord& rec) {
    Pair()[0].Assign(rec.Data(), rec.Size());
    Pair()[1].Assign(rec.Data(), rec.Size());
  }

  std::string GetPrefix() const;
  void SetPrefix(const std::string& s);
  std::string GetDXCC() const;
  void SetDXCC(const std::string& s);
  std::string GetMenue() const;
  void SetMenue(const std::string& s);
  std::string GetCountry() const;
  void SetCountry(const std::string& s);
  std::string GetLocator() const;
  std::string GetContinent() const;
  std::string GetWAE() const;
  std::string GetWAZ() const;
  std::string GetITU() const;
  std::string GetQSLBureau() const;         // BMPREFIX only
  void SetPrefixZus(const std::string& s);  // secondary files only
  std::string GetPrefixZus() const;
  std::string GetRemark() const;
  uint8_t GetRangeStart() const;
  uint8_t GetSel() const;
  uint8_t GetWholeCallMark() const;
  bool GetMarker() const;
  int32_t GetValidFrom() const;
  int32_t GetValidUntil() const;
  int32_t GetDXCC2Until() const;
  int32_t GetOldPrefixUntil() const;
  std::string GetDXCC2() const;
  std::string GetOldPrefix() const;
  std::string GetWiePref() const;
  int16_t GetADIFNr() const;
  void SetADIFNr(int16_t n);
  int32_t GetAutore() const;
  void SetAutore(int32_t n);

 private:
  using TPair = std::array<TRecord, 2>;  // [0] as read, [1] working copy
  TPair& Pair();
  const TPair& Pair() const { return const_cast<TdbPrefixBase*>(this)->Pair(); }
  bool HasPrefixRecord() const { return kind_ <= prefixrec::kCallGroups; }
  std::string Str(size_t off, size_t cap) const;
  void SetStr(size_t off, size_t cap, const std::string& s);
  int32_t I32(size_t off) const;
  uint8_t Byte(size_t off) const;

  uint8_t kind_;
  bool ownsFile_ = false;
  TPair main_{TRecord(prefixrec::kSize), TRecord(prefixrec::kSize)};
  TPair secondary_{TRecord(prefixrec::kSize), TRecord(prefixrec::kSize)};
  TPair buffer59_{TRecord(59), TRecord(59)};
  TPair buffer509_{TRecord(509), TRecord(509)};
};
