#pragma once
// The open-file handle of a table: holds the file's driver and record buffer and counts
// the uses of the file by the file definitions that opened it.

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/keystr.h"

class IFDriver;

class TdbTreiber {
 public:
  explicit TdbTreiber(std::unique_ptr<IFDriver> driver);
  ~TdbTreiber();
  TdbTreiber(const TdbTreiber&) = delete;
  TdbTreiber& operator=(const TdbTreiber&) = delete;

  // The driver (nullptr when absent).
  IFDriver* Driver() const { return driver_.get(); }
  // False with the flag set, else whether a driver is attached.
  bool IsOpen(bool ignore = false) const;

  int32_t RecordCount();        // -1 on error
  int32_t KeyCount(int keyNr);  // entries of an index, -1 on error
  int32_t CurrentRef() const;   // the driver's current record, -1 on error
  bool ReadByRef(int32_t ref);  // into the record buffer, made current
  // The first key not below the given one, record read.
  bool SearchKey(int keyNr, const TKeyStr& key);
  bool Next(int keyNr);  // following record in key order, record read
  bool Prev(int keyNr);  // previous record in key order, record read
  // Next / previous index entry from the driver's position, without reading the record;
  // the key is cut to maxLen. False at the end of the index.
  bool NextKey(int keyNr, int32_t& ref, int maxLen, std::string& key);
  bool PrevKey(int keyNr, int32_t& ref, int maxLen, std::string& key);
  // The index entry for (key, ref): mode 1 first not below, -1 last not above, 0 exact;
  // key and ref are replaced by the entry found.
  bool SearchKeyRef(int keyNr, int32_t& ref, int mode, int maxLen, std::string& key);
  // The key of the record in the buffer in that index, up to 50 characters.
  void BuildKey(int keyNr, std::string& key) const;
  // Deletes the driver's current record and its keys; lock: under the whole-file lock.
  bool DeleteRecord(bool lock);

  uint8_t* RecordBuffer();
  size_t RecordLength() const;

  // Closes the file; the handle stays and answers as closed.
  void Detach();

  // Uses of the open file (ToDatBase.OpenFile / CloseFile).
  int UseCount() const { return uses_; }
  void AddUse() { ++uses_; }
  int ReleaseUse() { return --uses_; }
  void ReleaseAll() { uses_ = 0; }

 private:
  std::unique_ptr<IFDriver> driver_;
  int uses_ = 1;
};
