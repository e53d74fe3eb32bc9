#include "storage/sqlfile.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "foundation/cp1252.h"
#include "storage/dbbase.h"
#include "storage/dberrlog.h"

namespace {

// How long a lock is waited for before the retry handler is asked.
constexpr auto kRetryTime = std::chrono::milliseconds(768);

TRetryHandler gRetryHandler;
int gRetryCount = 0;

std::string Signature(const ToKeys& keys) {
  std::string s;
  for (const TKeyDef& k : keys.Items())
    s += std::to_string(k.Length) + (k.Duplicates ? "d" : "u") + k.Expression + ";";
  return s;
}

std::string CreateTableSql(const char* table, int keyCount) {
  std::string sql = "CREATE TABLE ";
  sql.append(table).append("(ref INTEGER PRIMARY KEY, data BLOB NOT NULL");
  for (int k = 1; k <= keyCount; ++k)
    sql.append(", ").append(KeyColumn(k)).append(" BLOB NOT NULL");
  sql.append(")");
  return sql;
}

const char* Description(int rc) {
  switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "Datei gesperrt";
    case SQLITE_FULL: return "Datentr\xE4ger voll";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return "Datei besch\xE4"
             "digt";
    case SQLITE_CANTOPEN:
      return "Datei kann nicht ge\xF6"
             "ffnet werden";
    case SQLITE_READONLY:
    case SQLITE_PERM: return "keine Schreibberechtigung";
    case SQLITE_IOERR: return "Ein-/Ausgabefehler";
    case SQLITE_CONSTRAINT:
      return "Schl\xFC"
             "ssel bereits vorhanden";
    default: return "Fehler der Datenbank";
  }
}

}  // namespace

std::string KeyColumn(int keyNr) { return "k" + std::to_string(keyNr); }

std::unique_ptr<TSqlFile> TSqlFile::Open(const TFileParams& params) {
  std::unique_ptr<TSqlFile> f(new TSqlFile());
  f->Params = params;
  const std::string path = cp1252::ToLocalPath(params.FileName);
  int rc =
      sqlite3_open_v2(path.c_str(), &f->db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    f->Fail(rc, "open");
    return nullptr;
  }
  sqlite3_extended_result_codes(f->db_, 1);
  sqlite3_busy_handler(f->db_, &TSqlFile::OnBusy, f.get());
  // A file that is not shared is this program's alone: holding the lock saves the lock
  // and cache checks of every single read. Set before the write-ahead log is entered, so
  // that the log's index lives in this process's memory, not in a shared-memory file.
  if (!params.Shared && f->Exec("PRAGMA locking_mode=EXCLUSIVE") != SQLITE_OK) return nullptr;
  // A commit to the write-ahead log costs one sync instead of the journal's three or four.
  // Where the data directory is shared over a network, the log's shared index cannot
  // work: a rollback journal is kept there.
  if (f->Exec(params.Shared ? "PRAGMA journal_mode=DELETE" : "PRAGMA journal_mode=WAL") !=
      SQLITE_OK)
    return nullptr;
  f->SetFlushMode(0);
  if (!f->CreateSchema()) return nullptr;
  return f;
}

TSqlFile::~TSqlFile() {
  // A file is kept open while a group it wrote in runs; one closed all the same (the
  // database shut down) takes its writes with it, and the group cannot commit any more.
  if (LeaveGroups(*this)) {
    Fail(SQLITE_ABORT, "close");
    GroupFailed();
  }
  DropCursor();
  // Writes made under a file lock still held are stored as the unlock would store them.
  if (db_ && txnByLock_ && GroupLevels == 0 && !sqlite3_get_autocommit(db_)) Exec("COMMIT");
  if (db_ && !sqlite3_get_autocommit(db_)) Exec("ROLLBACK");
  for (auto& [id, stmt] : stmts_) sqlite3_finalize(stmt);
  if (db_) sqlite3_close(db_);
}

bool TSqlFile::CreateSchema() {
  StartOperation(kRetryWrite);
  if (Exec("BEGIN IMMEDIATE") != SQLITE_OK) return false;
  bool ok = Exec("CREATE TABLE IF NOT EXISTS meta(name TEXT PRIMARY KEY, value TEXT)") == SQLITE_OK;
  std::string stored;
  bool hasRecords = false;
  if (ok) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db_, "SELECT value FROM meta WHERE name='keys'", -1, &st, nullptr);
    if (sqlite3_step(st) == SQLITE_ROW)
      stored = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    sqlite3_prepare_v2(db_, "SELECT 1 FROM sqlite_master WHERE name='records'", -1, &st, nullptr);
    hasRecords = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
  }
  const std::string signature = Signature(Params.Keys);
  if (ok && (!hasRecords || stored != signature)) ok = RebuildKeys(signature);
  if (!ok) {
    Exec("ROLLBACK");
    return false;
  }
  return Exec("COMMIT") == SQLITE_OK;
}

// Makes the table of records with one key column and index per defined key. Records
// already in the file (written with other key definitions) get their keys built anew.
bool TSqlFile::RebuildKeys(const std::string& signature) {
  const int n = Params.Keys.Count();
  const bool had = Exec(
                       "CREATE TABLE IF NOT EXISTS records(ref INTEGER PRIMARY KEY, data BLOB "
                       "NOT NULL)") == SQLITE_OK;
  if (!had) return false;
  if (Exec(CreateTableSql("records_new", n).c_str()) != SQLITE_OK) return false;
  std::string ins = "INSERT INTO records_new VALUES(?1, ?2";
  for (int k = 1; k <= n; ++k) ins += ", ?" + std::to_string(k + 2);
  ins += ")";
  sqlite3_stmt *sel = nullptr, *put = nullptr;
  sqlite3_prepare_v2(db_, "SELECT ref, data FROM records", -1, &sel, nullptr);
  sqlite3_prepare_v2(db_, ins.c_str(), -1, &put, nullptr);
  std::vector<uint8_t> rec;
  int rc = SQLITE_OK;
  std::vector<std::string> keys(size_t(n) + 1);
  int step = SQLITE_DONE;
  while (rc == SQLITE_OK && (step = sqlite3_step(sel)) == SQLITE_ROW) {
    const auto* p = static_cast<const uint8_t*>(sqlite3_column_blob(sel, 1));
    rec.assign(std::max(Params.MaxRecordLength, size_t(sqlite3_column_bytes(sel, 1))), 0);
    std::copy_n(p, sqlite3_column_bytes(sel, 1), rec.begin());
    sqlite3_bind_int64(put, 1, sqlite3_column_int64(sel, 0));
    sqlite3_bind_blob(put, 2, p, sqlite3_column_bytes(sel, 1), SQLITE_TRANSIENT);
    for (int k = 1; k <= n; ++k) {
      keys[size_t(k)].clear();
      if (Params.Builder) Params.Builder(rec.data(), k, keys[size_t(k)]);
      int len = Params.Keys.Item(k).Length;
      if (len > 0 && keys[size_t(k)].size() > size_t(len)) keys[size_t(k)].resize(size_t(len));
      sqlite3_bind_blob(put, k + 2, keys[size_t(k)].data(), int(keys[size_t(k)].size()),
                        SQLITE_STATIC);
    }
    rc = sqlite3_step(put) == SQLITE_DONE ? SQLITE_OK : sqlite3_errcode(db_);
    sqlite3_reset(put);
  }
  // A read that ended before the last record must not drop the old table with the rest.
  if (rc == SQLITE_OK && step != SQLITE_DONE) rc = step;
  sqlite3_finalize(sel);
  sqlite3_finalize(put);
  if (rc != SQLITE_OK) {
    Fail(rc, "rebuild keys");
    return false;
  }
  if (Exec("DROP TABLE records") != SQLITE_OK ||
      Exec("ALTER TABLE records_new RENAME TO records") != SQLITE_OK)
    return false;
  for (int k = 1; k <= n; ++k) {
    std::string sql =
        std::string(Params.Keys.Item(k).Duplicates ? "CREATE INDEX " : "CREATE UNIQUE INDEX ") +
        "key" + std::to_string(k) + " ON records(" + KeyColumn(k) + ")";
    // A unique key that the old records repeat cannot be made: the file is left as it was.
    if (Exec(sql.c_str()) != SQLITE_OK) return false;
  }
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db_, "INSERT OR REPLACE INTO meta VALUES('keys', ?1)", -1, &st, nullptr);
  sqlite3_bind_text(st, 1, signature.c_str(), -1, SQLITE_TRANSIENT);
  rc = sqlite3_step(st);
  sqlite3_finalize(st);
  return rc == SQLITE_DONE;
}

sqlite3_stmt* TSqlFile::Prepare(int id, const std::string& sql) {
  sqlite3_stmt* st = nullptr;
  int rc = sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &st, nullptr);
  if (rc != SQLITE_OK) {
    Fail(rc, "prepare");
    return nullptr;
  }
  stmts_[id] = st;
  return st;
}

int TSqlFile::Exec(const char* sql) {
  int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) Fail(rc, sql);
  return rc;
}

void TSqlFile::Fail(int rc, const char* operation) {
  const int primary = rc & 0xFF;
  uint16_t cls = kDbFailed;
  int code = rc;
  if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
    cls = kDbRefused;
    code = kDbCodeLocked;
  } else if (primary == SQLITE_CONSTRAINT) {
    cls = kDbRefused;
    code = kDbCodeDuplicate;
  } else if (primary == SQLITE_MISUSE) {
    cls = kDbNotOpen;
  }
  std::string description = Description(rc);
  if (db_ && cls == kDbFailed) description += std::string(" - ") + sqlite3_errmsg(db_);
  dberr::Set(cls, code, description, Params.Name, operation, code == kDbCodeDuplicate);
}

void TSqlFile::StartOperation(int retryKind) {
  dberr::Clear();
  RetryKind = retryKind;
  busyAsks_ = 0;
}

int TSqlFile::OnBusy(void* self, int count) {
  auto* f = static_cast<TSqlFile*>(self);
  const auto now = std::chrono::steady_clock::now();
  if (count == 0) f->busySince_ = now;
  if (now - f->busySince_ < kRetryTime) {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max<int>(1, LockRetryDelay())));
    return 1;
  }
  if (gRetryHandler && f->busyAsks_ < gRetryCount) {
    ++f->busyAsks_;
    if (gRetryHandler("Datei " + f->Params.Name + " ist gesperrt", f->RetryKind) != 0) {
      f->busySince_ = now;
      return 1;
    }
  }
  return 0;
}

void TSqlFile::DropCursor() {
  if (Cursor.St) sqlite3_reset(Cursor.St);
  Cursor = TCursor{};
}

bool TSqlFile::BeginWrite() {
  DropCursor();
  RetryKind = kRetryWrite;
  // A group that met a failure writes nothing more: its files are to stand as before it.
  if (GroupBroken()) {
    ReportGroupFailure();
    return false;
  }
  SyncGroups(*this);
  if (DriverError() >= kDbRefused) return false;
  // The engine rolled back the transaction of a running group (a write to disk failed):
  // the group's later writes must not be stored on their own.
  if (GroupLevels > 0 && sqlite3_get_autocommit(db_)) {
    dberr::Set(kDbFailed, SQLITE_ABORT_ROLLBACK, Description(SQLITE_ABORT_ROLLBACK), Params.Name,
               "write");
    return false;
  }
  ownTxn_ = sqlite3_get_autocommit(db_) != 0;
  // A transaction of its own takes the write lock at once, so that reading the highest
  // AUTOKEY number and the insert are one step for every process on the file.
  return Exec(ownTxn_ ? "BEGIN IMMEDIATE" : "SAVEPOINT w") == SQLITE_OK;
}

bool TSqlFile::EndWrite(bool ok) {
  // A failure of the engine (not a refusal, which leaves the file as it was) breaks the
  // running group: it is all or nothing, and part of it may be gone already.
  if (!ok && GroupLevels > 0 && (DriverError() >= kDbFailed || sqlite3_get_autocommit(db_)))
    GroupFailed();
  if (ownTxn_) {
    if (ok && Exec("COMMIT") == SQLITE_OK) return true;
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
  }
  if (!ok) sqlite3_exec(db_, "ROLLBACK TO w", nullptr, nullptr, nullptr);
  // A failure that made the engine roll back the whole transaction took the savepoint
  // with it; the error word keeps the failure itself.
  if (!ok && sqlite3_get_autocommit(db_)) return false;
  return Exec("RELEASE w") == SQLITE_OK && ok;
}

bool TSqlFile::Lock() {
  DropCursor();
  if (LockDepth == 0 && Params.Shared && sqlite3_get_autocommit(db_)) {
    RetryKind = kRetryFileLock;
    if (Exec("BEGIN") != SQLITE_OK) return false;
    // A read takes the shared lock, which keeps other stations from writing meanwhile.
    int rc = Exec("SELECT 1 FROM records LIMIT 1");
    if (rc != SQLITE_OK) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      return false;
    }
    txnByLock_ = true;
  }
  ++LockDepth;
  return true;
}

void TSqlFile::Unlock() {
  if (LockDepth == 0) return;
  if (LockDepth == 1) DropCursor();
  if (--LockDepth == 0 && txnByLock_ && GroupLevels == 0) {
    txnByLock_ = false;
    // A commit that cannot be had is given up: left open, the transaction would swallow
    // every later write of this file. The error word tells the writes were not stored.
    if (!sqlite3_get_autocommit(db_) && Exec("COMMIT") != SQLITE_OK && !sqlite3_get_autocommit(db_))
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  }
}

void TSqlFile::SetFlushMode(int mode) {
  DropCursor();
  Exec(mode == 0 ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
}

void IFDriver::GetRetryHandler(int& count, TRetryHandler& handler) const {
  count = gRetryCount;
  handler = gRetryHandler;
}

void IFDriver::SetRetryHandler(int count, TRetryHandler handler) {
  gRetryCount = count;
  gRetryHandler = std::move(handler);
}
