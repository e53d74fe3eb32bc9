#pragma once
// The base of the suite's table classes: a table object on one file of fixed-size
// records. It opens its file when made (sharing it with every other object on the same
// file) and releases it when freed. Getters and setters of the derived classes work on
// the working copy; only Add and Modify write the file.

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/recordbuf.h"
#include "storage/dbbase.h"
#include "storage/dbkeys.h"

class TdbTreiber;

// How a file is made: name (".db" is added), record size, keys, key builder and the
// key whose 32-bit counter at offset 4 the file assigns (0: none).
struct TFileDef {
  std::string Name;
  size_t RecordSize = 0;
  const ToKeys* Keys = nullptr;
  TKeyBuilder Builder;
  int AutoKeyNr = 0;
};

namespace tablefiles {
// Folder of the database files (the data directory of the settings, else the program
// directory) and of the settings files (always the program directory).
std::string DataDir();
std::string SettingsDir();
// Whether files are opened for shared use over a network; off unless switched on.
bool Shared();
void SetShared(bool on);

// Holds one use of a file open under a tag, so that it stays open between table
// objects; false when it cannot be opened. Release gives back the use taken last under
// the tag; ReleaseAll every held use (before the database is shut down).
bool Hold(const TFileDef& def, const std::string& dir, const std::string& tag);
void Release(const std::string& tag);
void ReleaseAll();
// Gives back one use of an open file held in the variable.
void Drop(TdbTreiber*& driver);
}  // namespace tablefiles

class TdbFileTable : public TdbBase {
 public:
  TdbFileTable(uint8_t mode, TFileDef def, const std::string& dir);
  ~TdbFileTable() override;

  // False when the file could not be opened; every operation then fails.
  bool IsOpen() { return GetDriver() != nullptr; }
  const TFileDef& Def() const { return def_; }

  // Clears the driver buffer and zero-fills both copies of the record.
  void ClearRecords();
  // Writes the working copy as a new record; the copies then carry what the file
  // assigned (the number of an auto-numbered file). False when the file refuses it (a
  // unique key would repeat) or fails.
  virtual bool Add();
  // Rewrites this object's current record with the working copy.
  virtual bool Modify();

 protected:
  // The working copy as a typed record, and back.
  template <typename R>
  R WorkAs() const {
    R r;
    r.Assign(WorkBytes().data(), WorkBytes().size());
    return r;
  }
  void SetWork(const TRecord& rec) { Work().assign(rec.Data(), rec.Data() + rec.Size()); }
  const std::vector<uint8_t>& WorkBytes() const { return const_cast<TdbFileTable*>(this)->Work(); }

  // The record whose key keyNr is exactly key (cut to the key's length); loaded.
  bool FindExact(int keyNr, const std::string& key);
  // The first record whose key is at least key; loaded into the working copy only when
  // load is set (the record as read is always the one found).
  bool SearchFrom(int keyNr, const std::string& key, bool load);

 private:
  void SyncWork();
  TFileDef def_;
  std::string dir_;
  TdbTreiber* file_ = nullptr;
};
