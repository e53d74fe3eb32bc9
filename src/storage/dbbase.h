#pragma once
// The table base of every table class, and the start and stop of the database.
// Each table object keeps its own current record (reference and position in an index),
// its record as read and its working copy. Objects on one file share the open file and
// its record buffer, but never each other's current record: ModifyRecord, Delete and
// RefindCurrent act on this object's record even when another object or the browser
// moved the driver meanwhile.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TdbTreiber;

namespace dbbase {

// Starts the database (error logs, driver, engine); False on failure, the failure text
// having been shown.
bool InitDatabase();
// Shuts the driver down: open files are closed.
void DoneDatabase();
// True between InitDatabase and DoneDatabase.
bool DatabaseStarted();

// Groups of writes, also over several files, committed whole or not at all; nestable.
//
// What a group promises: every write made inside it, to any file, is stored by the
// outermost Commit() or none is. A table closed inside the group leaves its file open
// until the group ends, so its writes are committed (or rolled back) with the rest. A
// write that fails inside the group (disk full, I/O) breaks it: every later write is
// refused with that failure, Commit() returns false with the failure's error text, and
// every file stands as before the group; the next group works as usual.
//
// Files are committed one after the other in the order they were first written, each
// file atomically. Before the first commit the pages of every file are written out (a
// full disk is met there, while all can still be rolled back; only a failure in the last
// small write of a later file's commit leaves the earlier files committed, and Commit()
// returns false). A kill between two files' commits leaves the earlier files committed
// and the later ones untouched, so a group
// writes its primary record (the QSO) first and what is learnt from it (the call book)
// after: a kill never leaves the learnt part without the record.
//
// Durability: a file not shared with other stations keeps a write-ahead log. With
// auto-flush mode 0 (synchronous=FULL) a commit is on disk when it returns, at the cost
// of one sync of the log (a rollback journal costs three or four per file); mode 1
// (NORMAL) leaves the sync to the log's checkpoints, and a commit then survives the
// death of the program but not a power failure. The log is folded into the file every
// thousand pages or so, at one sync of each. A shared data directory keeps the rollback
// journal, which works over a network where the log's shared index does not.
void BeginWrites();
bool CommitWrites();  // False: a write failed and the group was rolled back
void RollbackWrites();
int WriteDepth();
// True when a write of the running group failed: the group can only be rolled back.
bool WritesFailed();

}  // namespace dbbase

// A group of writes that is rolled back unless committed.
class TWriteGroup {
 public:
  TWriteGroup() { dbbase::BeginWrites(); }
  ~TWriteGroup() {
    if (open_) dbbase::RollbackWrites();
  }
  TWriteGroup(const TWriteGroup&) = delete;
  TWriteGroup& operator=(const TWriteGroup&) = delete;
  bool Commit() {
    open_ = false;
    return dbbase::CommitWrites();
  }
  void Rollback() {
    open_ = false;
    dbbase::RollbackWrites();
  }

 private:
  bool open_ = true;
};

class TdbBase {
 public:
  // mode 0 normal; a non-zero mode joins composite key parts with "||"; mode 2: the
  // object keeps its own driver (OwnDriver).
  explicit TdbBase(uint8_t mode = 0);
  virtual ~TdbBase();
  TdbBase(const TdbBase&) = delete;
  TdbBase& operator=(const TdbBase&) = delete;

  uint8_t GetMode() const { return mode_; }
  std::string KeyPartSeparator() const;

  // The table's open file (nullptr: none). The base gives the driver set by SetDriver,
  // in mode 2 the object's own driver.
  virtual TdbTreiber* GetDriver();
  // Driver buffer into the record copies: into the as-read record, and into the working
  // copy too unless intoWork is false; fromFile re-reads the current record first.
  virtual void LoadRecord(bool intoWork = true, bool fromFile = false);
  // keyNr 0: the default key.
  virtual bool First(int keyNr);
  virtual bool Last(int keyNr);
  // Deletes this object's current record; lock: under the whole-file lock.
  virtual bool Delete(bool lock = true);
  // The following record in the current key; False at the end.
  virtual bool Next();
  // Empties the table's file.
  virtual void DeleteFiles();
  virtual int DefaultKeyNr() const { return 1; }

  // The first key equal to or greater than the given one; the record is loaded.
  bool SearchKey(std::string_view key, int keyNr);
  bool NextRecord(int keyNr);
  bool PrevRecord(int keyNr);
  bool GotoRecord(int32_t ref);
  bool ReadByRef(int32_t ref);
  // Puts the driver on this object's current record again; load: into the copies.
  bool RefindCurrent(bool load);
  int32_t CurrentRef() const;  // 0 without a driver or record
  int CurrentKeyNr() const { return keyNr_; }

  // Rewrites this object's current record with the driver buffer.
  bool ModifyRecord();
  // Adds the driver buffer (length bytes) as a new record, which becomes current and is
  // loaded; the AUTOKEY number is assigned and written into the buffer.
  bool AddRecord(size_t length);

  void ClearBuffer();
  uint8_t* RecordBuffer();  // nullptr without an open file
  int32_t RecordCount();    // 0 without a driver, -1 on error

  // mode 0 flushes after every write, 1 leaves it to the system; driver nullptr: every
  // open file and the files opened later.
  static void SetAutoFlushMode(TdbTreiber* driver, int mode);

  void SetDriver(TdbTreiber* driver) { driver_ = driver; }
  // The variable of the object's own driver (mode 2), for ToDatBase::OpenFile.
  TdbTreiber*& OwnDriver() { return ownDriver_; }

  // The record as read and the working copy kept by the base.
  const std::vector<uint8_t>& AsRead() const { return asRead_; }
  std::vector<uint8_t>& Work() { return work_; }

 protected:
  // Makes the record the driver just read this object's current record.
  void TakeCurrent(int keyNr);

 private:
  bool Seek(int keyNr, std::string_view key, int32_t ref, int mode);
  void TakeFound(int keyNr, std::string&& key);
  bool Step(int keyNr, int mode);
  uint8_t mode_;
  TdbTreiber* driver_ = nullptr;
  TdbTreiber* ownDriver_ = nullptr;
  int keyNr_ = 1;
  int32_t ref_ = 0;
  std::string key_;            // key of the current record in keyNr_
  std::vector<uint8_t> last_;  // the current record as the file held it
  std::vector<uint8_t> asRead_;
  std::vector<uint8_t> work_;
};
