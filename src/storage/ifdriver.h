#pragma once
// The driver of one open file: its record buffer, its current record (the record read
// last) and position in an index, the whole-file lock and the record operations. The
// record browser calls it directly; tables reach it through TdbTreiber.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/dberror.h"
#include "storage/dbkeys.h"

class TSqlFile;

// The driver's current key number, record and key, as SavePosition keeps it.
struct TDriverPosition {
  int KeyNr = 0;
  int32_t Ref = 0;
  std::string Key;
};

// Record references run from 1 to kMaxRef; 0 is "none" and kEndRef the browser's marker
// behind the last entry.
constexpr int32_t kMaxRef = 2147483646;
constexpr int32_t kEndRef = 2147483647;

// How a file is opened.
struct TFileParams {
  std::string FileName;  // full path of the database file
  std::string Name;      // bare file name for messages, e.g. "BMLK0001"
  ToKeys Keys;
  TKeyBuilder Builder;
  bool Shared = false;  // the data directory is shared with other stations
  size_t MaxRecordLength = 0;
};

class IFDriverLow {
 public:
  virtual ~IFDriverLow();
  // True when the file was opened in shared (network) mode.
  bool IsShared() const;

 protected:
  IFDriverLow();
  std::unique_ptr<TSqlFile> file_;
};

class IFbiDriver : public IFDriverLow {
 public:
  // Non-zero (the nesting depth) while this user holds the whole-file lock taken by
  // LockFile, or the lock of an open group of writes. The flag is not used.
  int FileLockHeld(bool flag = false) const;
  int RefreshLockHeld(bool flag = false) const;
};

class IFDriver : public IFbiDriver {
 public:
  // Opens (a missing file is created empty) or returns nullptr; DriverError tells why.
  static std::unique_ptr<IFDriver> Open(const TFileParams& params);
  ~IFDriver() override;

  // Reads the record into the buffer and makes it current (DriverError tells the result).
  void ReadRecord(int32_t ref);
  void SavePosition(TDriverPosition& position) const;
  void RestorePosition(const TDriverPosition& position);
  // Whole-file lock of this user, nestable; UnlockFile releases one level when held.
  void LockFile();
  void UnlockFile();
  // Global: the handler asked when a lock blocks an operation, and how often it is asked.
  void GetRetryHandler(int& count, TRetryHandler& handler) const;
  void SetRetryHandler(int count, TRetryHandler handler);
  // Bytes a record read returns (at least 4; default 65520).
  void SetVarReadLimit(uint16_t limit);
  // Scroll-bar support: the place of (key, ref) in the index on 0 .. scale, and the index
  // entry at such a place.
  int32_t ApproxKeyPosition(int keyNr, std::string_view key, int32_t scale, int32_t ref = 0);
  bool KeyAtApproxPosition(int keyNr, int32_t position, int32_t scale, std::string& key,
                           int32_t& ref);
  // Tests that the driver is usable; DriverError is non-zero otherwise.
  void CheckFileblock();

  // --- record operations behind TdbTreiber and TdbBase ---
  const TFileParams& Params() const;
  std::vector<uint8_t>& Buffer() { return buffer_; }
  int KeyCount() const;  // number of keys defined for the file
  int32_t CurrentRef() const { return pos_.Ref; }
  const TDriverPosition& Position() const { return pos_; }
  // The key of a record in one index, cut to the declared key length.
  std::string MakeKey(const uint8_t* record, int keyNr) const;
  int32_t RecordCount();
  // Index walks without reading the record. Modes: 1 the first entry not below
  // (key, ref), -1 the last entry not above it, 0 that entry exactly, 2 the first entry
  // above it, -2 the last entry below it. On success the entry becomes the position.
  bool Seek(int keyNr, std::string_view key, int32_t ref, int mode, std::string& foundKey,
            int32_t& foundRef);
  // The key of a stored record in one index, as the file holds it.
  bool StoredKey(int keyNr, int32_t ref, std::string& key);
  // Reads the record into the buffer (at most the read limit) without moving the position.
  bool Fetch(int32_t ref);
  // Writes: the buffer as a new record (AUTOKEY assigned, written into the buffer) / over
  // the record ref / deleting ref. False and nothing written when refused or failed.
  bool Insert(size_t length, int32_t& newRef);
  bool Update(int32_t ref, size_t length);
  bool Remove(int32_t ref);
  bool RemoveAll();
  // A mark the file keeps beside its records, by name. Setting or clearing it is a write
  // like a record's: inside a running group it is stored or dropped with the group.
  bool Marked(const std::string& name);
  bool SetMarked(const std::string& name, bool on);
  // AUTOKEY: key number and offset of the 32-bit counter in the record (0 / -1: none).
  void SetAutoKeyField(int keyNr, int counterOffset);
  // Auto-flush: 0 every write is on disk before it returns, 1 the system writes later.
  void SetAutoFlushMode(int mode);

 private:
  IFDriver();
  bool Walk(int keyNr, std::string_view key, int32_t ref, int mode, std::string& foundKey,
            int32_t& foundRef, int& rc);
  std::vector<uint8_t> buffer_;
  TDriverPosition pos_;
  uint16_t readLimit_ = 65520;
};
