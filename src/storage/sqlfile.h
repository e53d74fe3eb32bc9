#pragma once
// One open database file on SQLite: the connection, its prepared statements, the
// transaction state of single writes, whole-file locks and groups of writes. Used inside
// the storage engine only; nothing outside src/storage includes this header.

#include <sqlite3.h>

#include <chrono>
#include <memory>
#include <string>
#include <unordered_map>

#include "storage/ifdriver.h"

class TSqlFile {
 public:
  // Opens the file (creating it empty when missing); nullptr with the error set.
  static std::unique_ptr<TSqlFile> Open(const TFileParams& params);
  ~TSqlFile();

  TFileParams Params;
  int AutoKeyNr = 0;
  int AutoOffset = -1;
  int LockDepth = 0;    // LockFile nesting
  int GroupLevels = 0;  // savepoints of write groups open on this file
  int RetryKind = kRetryRead;

  sqlite3* Db() const { return db_; }
  // A prepared statement cached under id; sql is only called on the first use.
  template <class F>
  sqlite3_stmt* Stmt(int id, F sql) {
    auto it = stmts_.find(id);
    if (it != stmts_.end()) {
      sqlite3_reset(it->second);
      return it->second;
    }
    return Prepare(id, sql());
  }
  int Exec(const char* sql);
  // Reports an engine result as a driver failure of the operation.
  void Fail(int rc, const char* operation);
  // A write: inside a transaction of its own, or a savepoint when one is open.
  bool BeginWrite();
  bool EndWrite(bool ok);
  bool Lock();
  void Unlock();
  void SetFlushMode(int mode);
  void StartOperation(int retryKind);

  // The index walk in progress: a statement that is stepped on as long as the next
  // request continues from the entry it gave last. Any write, lock change or group step
  // drops it; in shared mode it lives only while this user holds the file lock, because
  // an open statement keeps the other stations from writing.
  struct TCursor {
    sqlite3_stmt* St = nullptr;
    int KeyNr = 0;
    int Dir = 0;
    bool EqPhase = false;
    std::string Key;  // the key the walk started from
    std::string LastKey;
    int32_t LastRef = 0;
  };
  TCursor Cursor;
  void DropCursor();
  bool MayKeepCursor() const { return !Params.Shared || LockDepth > 0; }

 private:
  TSqlFile() = default;
  sqlite3_stmt* Prepare(int id, const std::string& sql);
  bool CreateSchema();
  bool RebuildKeys(const std::string& signature);
  static int OnBusy(void* self, int count);
  friend void SyncGroups(TSqlFile& file);
  friend struct TGroupAccess;

  sqlite3* db_ = nullptr;
  std::unordered_map<int, sqlite3_stmt*> stmts_;
  bool ownTxn_ = false;      // the running single write began the transaction
  bool txnByGroup_ = false;  // a write group began the open transaction
  bool txnByLock_ = false;   // LockFile began (or keeps) the open transaction
  std::chrono::steady_clock::time_point busySince_;
  int busyAsks_ = 0;
};

// ---- write groups (writegroups.cpp) ----
// Opens the savepoints of the running write groups on a file about to be written.
void SyncGroups(TSqlFile& file);
// A write inside the running group failed: the group commits nothing, and nothing more is
// written until it ends. The failure's error word is kept for the commit to report.
void GroupFailed();
bool GroupBroken();
// Sets the error word to the failure that broke the running group.
void ReportGroupFailure();
// Takes a closing file out of the running groups; true when it was written in one.
bool LeaveGroups(TSqlFile& file);
// Key columns are named k1, k2 ...
std::string KeyColumn(int keyNr);
