#include "storage/ifdriver.h"

#include <algorithm>
#include <cstring>

#include "foundation/recordbuf.h"
#include "storage/dberrlog.h"
#include "storage/sqlfile.h"

namespace {

// Statement ids: kind * 1000 + key number.
enum TStmtKind : int {
  kRead = 1,
  kKeyOf,
  kEqGE,
  kEqGT,
  kEqLE,
  kEqLT,
  kAbove,
  kBelow,
  kCountBelow,
  kCountEqBelow,
  kAtOffset,
  kInsert,
  kUpdate,
  kDelete,
  kDeleteAll,
  kCount,
  kMaxAuto,
  kMark,
  kMarkSet,
  kMarkClear,
};

int Id(int kind, int keyNr = 0) { return kind * 1000 + keyNr; }

void BindKey(sqlite3_stmt* st, int index, std::string_view key) {
  // An empty key is an empty blob, never NULL.
  static const char kEmpty = 0;
  sqlite3_bind_blob(st, index, key.empty() ? &kEmpty : key.data(), int(key.size()),
                    SQLITE_TRANSIENT);
}

std::string ColumnKey(sqlite3_stmt* st, int col) {
  const char* p = static_cast<const char*>(sqlite3_column_blob(st, col));
  return p ? std::string(p, size_t(sqlite3_column_bytes(st, col))) : std::string();
}

void NotFound(const TSqlFile& file, const char* operation) {
  dberr::Set(kDbNotFound, kDbCodeNotFound, "Datensatz nicht gefunden", file.Params.Name, operation);
}

// Runs a bound statement that rewrites or deletes one record; when it met no record, the
// record is reported as not found.
bool RunWrite(TSqlFile& file, sqlite3_stmt* st, const char* operation) {
  const int rc = sqlite3_step(st);
  sqlite3_reset(st);
  if (rc != SQLITE_DONE) {
    file.Fail(rc, operation);
    return false;
  }
  if (sqlite3_changes(file.Db()) == 0) {
    NotFound(file, operation);
    return false;
  }
  return true;
}

}  // namespace

IFDriverLow::IFDriverLow() = default;
IFDriverLow::~IFDriverLow() = default;
bool IFDriverLow::IsShared() const { return file_ && file_->Params.Shared; }

int IFbiDriver::FileLockHeld(bool) const { return file_ ? file_->LockDepth : 0; }
int IFbiDriver::RefreshLockHeld(bool) const { return file_ ? file_->GroupLevels : 0; }

IFDriver::IFDriver() = default;
IFDriver::~IFDriver() = default;

std::unique_ptr<IFDriver> IFDriver::Open(const TFileParams& params) {
  dberr::TBusy busy;
  dberr::Clear();
  auto file = TSqlFile::Open(params);
  if (!file) {
    dberr::Raise(kDbFailed);
    return nullptr;
  }
  std::unique_ptr<IFDriver> d(new IFDriver());
  d->file_ = std::move(file);
  d->buffer_.assign(params.MaxRecordLength, 0);
  return d;
}

const TFileParams& IFDriver::Params() const { return file_->Params; }
int IFDriver::KeyCount() const { return file_->Params.Keys.Count(); }

std::string IFDriver::MakeKey(const uint8_t* record, int keyNr) const {
  std::string key;
  if (keyNr < 1 || keyNr > KeyCount()) return key;
  if (file_->Params.Builder) file_->Params.Builder(record, keyNr, key);
  const int len = file_->Params.Keys.Item(keyNr).Length;
  if (len > 0 && key.size() > size_t(len)) key.resize(size_t(len));
  return key;
}

void IFDriver::CheckFileblock() {
  dberr::TBusy busy;
  file_->StartOperation(kRetryRead);
  sqlite3_stmt* st =
      file_->Stmt(Id(kCount), [] { return std::string("SELECT 1 FROM records LIMIT 1"); });
  if (!st) return;
  int rc = sqlite3_step(st);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) file_->Fail(rc, "check");
  sqlite3_reset(st);
}

int32_t IFDriver::RecordCount() {
  dberr::TBusy busy;
  file_->StartOperation(kRetryRead);
  sqlite3_stmt* st =
      file_->Stmt(Id(kCount, 1), [] { return std::string("SELECT count(*) FROM records"); });
  if (!st) return -1;
  int rc = sqlite3_step(st);
  int32_t n = rc == SQLITE_ROW ? int32_t(sqlite3_column_int64(st, 0)) : -1;
  if (rc != SQLITE_ROW) file_->Fail(rc, "count");
  sqlite3_reset(st);
  return n;
}

bool IFDriver::Fetch(int32_t ref) {
  file_->StartOperation(kRetryRead);
  sqlite3_stmt* st =
      file_->Stmt(Id(kRead), [] { return std::string("SELECT data FROM records WHERE ref=?1"); });
  if (!st) return false;
  sqlite3_bind_int64(st, 1, ref);
  int rc = sqlite3_step(st);
  if (rc == SQLITE_ROW) {
    const auto* p = static_cast<const uint8_t*>(sqlite3_column_blob(st, 0));
    size_t n = std::min({size_t(sqlite3_column_bytes(st, 0)), buffer_.size(), size_t(readLimit_)});
    std::fill(buffer_.begin(), buffer_.end(), uint8_t(0));
    if (n > 0) std::memcpy(buffer_.data(), p, n);
  } else if (rc == SQLITE_DONE) {
    NotFound(*file_, "read");
  } else {
    file_->Fail(rc, "read");
  }
  sqlite3_reset(st);
  return rc == SQLITE_ROW;
}

void IFDriver::ReadRecord(int32_t ref) {
  dberr::TBusy busy;
  if (!Fetch(ref)) return;
  pos_.Ref = ref;
  pos_.Key = pos_.KeyNr > 0 ? MakeKey(buffer_.data(), pos_.KeyNr) : std::string();
}

void IFDriver::SavePosition(TDriverPosition& position) const { position = pos_; }
void IFDriver::RestorePosition(const TDriverPosition& position) { pos_ = position; }

void IFDriver::LockFile() {
  dberr::TBusy busy;
  file_->StartOperation(kRetryFileLock);
  file_->Lock();
}

void IFDriver::UnlockFile() {
  dberr::TBusy busy;
  dberr::Clear();
  file_->Unlock();
}

void IFDriver::SetVarReadLimit(uint16_t limit) { readLimit_ = std::max<uint16_t>(limit, 4); }

bool IFDriver::Seek(int keyNr, std::string_view key, int32_t ref, int mode, std::string& foundKey,
                    int32_t& foundRef) {
  dberr::TBusy busy;
  file_->StartOperation(kRetryRead);
  if (keyNr < 1 || keyNr > KeyCount()) {
    dberr::Set(kDbNotOpen, kDbCodeBadKey,
               "Schl\xFC"
               "ssel nicht definiert",
               file_->Params.Name, "seek");
    return false;
  }
  int rc = SQLITE_DONE;
  bool found = false;
  if (mode == 0) {
    found = StoredKey(keyNr, ref, foundKey);
    if (DriverError() != kDbOk) return false;
    // The browser passes keys cut to 50 characters; such a key matches the longer one.
    found = found &&
            (foundKey == key || (key.size() >= 50 && foundKey.compare(0, key.size(), key) == 0));
    foundRef = ref;
  } else {
    found = Walk(keyNr, key, ref, mode, foundKey, foundRef, rc);
  }
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
    file_->Fail(rc, "seek");
    return false;
  }
  if (!found) {
    dberr::Raise(kDbNotFound);
    return false;
  }
  pos_.KeyNr = keyNr;
  pos_.Key = foundKey;
  pos_.Ref = foundRef;
  return true;
}

// Steps the walk in progress when the request continues it, else starts a new one: first
// the entries with the same key beyond ref, then the keys beyond it.
bool IFDriver::Walk(int keyNr, std::string_view key, int32_t ref, int mode, std::string& foundKey,
                    int32_t& foundRef, int& rc) {
  TSqlFile::TCursor& c = file_->Cursor;
  const int dir = mode > 0 ? 1 : -1;
  const bool strict = mode == 2 || mode == -2;
  const std::string col = KeyColumn(keyNr);
  if (!(strict && c.St && c.KeyNr == keyNr && c.Dir == dir && c.LastRef == ref &&
        c.LastKey == key)) {
    file_->DropCursor();
    const int kind = dir > 0 ? (strict ? kEqGT : kEqGE) : (strict ? kEqLT : kEqLE);
    const char* op = dir > 0 ? (strict ? ">" : ">=") : (strict ? "<" : "<=");
    sqlite3_stmt* st = file_->Stmt(Id(kind, keyNr), [&] {
      return "SELECT ref FROM records WHERE " + col + "=?1 AND ref" + op + "?2 ORDER BY ref" +
             (dir > 0 ? "" : " DESC");
    });
    if (!st) return false;
    BindKey(st, 1, key);
    sqlite3_bind_int64(st, 2, ref);
    c.St = st;
    c.KeyNr = keyNr;
    c.Dir = dir;
    c.EqPhase = true;
    c.Key = std::string(key);
  }
  bool found = false;
  for (;;) {
    rc = sqlite3_step(c.St);
    if (rc == SQLITE_ROW) {
      foundRef = int32_t(sqlite3_column_int64(c.St, 0));
      foundKey = c.EqPhase ? c.Key : ColumnKey(c.St, 1);
      found = true;
      break;
    }
    if (rc != SQLITE_DONE || !c.EqPhase) break;
    sqlite3_stmt* st = file_->Stmt(Id(dir > 0 ? kAbove : kBelow, keyNr), [&] {
      return "SELECT ref, " + col + " FROM records WHERE " + col + (dir > 0 ? ">" : "<") +
             "?1 ORDER BY " + col + (dir > 0 ? ", ref" : " DESC, ref DESC");
    });
    if (!st) break;
    BindKey(st, 1, c.Key);
    sqlite3_reset(c.St);
    c.St = st;
    c.EqPhase = false;
  }
  if (found && file_->MayKeepCursor()) {
    c.LastKey = foundKey;
    c.LastRef = foundRef;
  } else {
    file_->DropCursor();
  }
  return found;
}

int32_t IFDriver::ApproxKeyPosition(int keyNr, std::string_view key, int32_t scale, int32_t ref) {
  dberr::TBusy busy;
  const int32_t total = RecordCount();
  if (total <= 0 || keyNr < 1 || keyNr > KeyCount()) return 0;
  const std::string col = KeyColumn(keyNr);
  int64_t below = 0;
  for (int kind : {kCountBelow, kCountEqBelow}) {
    sqlite3_stmt* st = file_->Stmt(Id(kind, keyNr), [&] {
      return kind == kCountBelow ? "SELECT count(*) FROM records WHERE " + col + "<?1"
                                 : "SELECT count(*) FROM records WHERE " + col + "=?1 AND ref<?2";
    });
    if (!st) return 0;
    BindKey(st, 1, key);
    if (kind == kCountEqBelow) sqlite3_bind_int64(st, 2, ref);
    int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW)
      below += sqlite3_column_int64(st, 0);
    else
      file_->Fail(rc, "position");
    sqlite3_reset(st);
  }
  // Entry i of n lies at i * scale / (n - 1): the first at 0, the last at the scale.
  if (total == 1) return 0;
  return int32_t(std::min<int64_t>(scale, below * scale / (total - 1)));
}

bool IFDriver::KeyAtApproxPosition(int keyNr, int32_t position, int32_t scale, std::string& key,
                                   int32_t& ref) {
  dberr::TBusy busy;
  const int32_t total = RecordCount();
  if (total <= 0 || keyNr < 1 || keyNr > KeyCount() || scale <= 0) {
    dberr::Raise(kDbNotFound);
    return false;
  }
  const int64_t p = std::clamp<int64_t>(position, 0, scale);
  const int64_t offset = (p * (total - 1) + scale / 2) / scale;
  const std::string col = KeyColumn(keyNr);
  sqlite3_stmt* st = file_->Stmt(Id(kAtOffset, keyNr), [&] {
    return "SELECT ref, " + col + " FROM records ORDER BY " + col + ", ref LIMIT 1 OFFSET ?1";
  });
  if (!st) return false;
  sqlite3_bind_int64(st, 1, offset);
  int rc = sqlite3_step(st);
  bool ok = rc == SQLITE_ROW;
  if (ok) {
    ref = int32_t(sqlite3_column_int64(st, 0));
    key = ColumnKey(st, 1);
  } else if (rc == SQLITE_DONE) {
    dberr::Raise(kDbNotFound);
  } else {
    file_->Fail(rc, "position");
  }
  sqlite3_reset(st);
  return ok;
}

bool IFDriver::Insert(size_t length, int32_t& newRef) {
  dberr::TBusy busy;
  file_->StartOperation(kRetryWrite);
  length = std::min(length, buffer_.size());
  // What lies behind the stored length is not part of the record: keys are built from
  // the record as a later read will give it.
  std::fill(buffer_.begin() + std::ptrdiff_t(length), buffer_.end(), uint8_t(0));
  if (!file_->BeginWrite()) return false;
  const int n = KeyCount();
  const bool autokey =
      file_->AutoKeyNr > 0 && file_->AutoOffset >= 0 && size_t(file_->AutoOffset) + 4 <= length;
  int32_t oldCounter = 0;
  bool ok = true;
  if (autokey) {
    // The highest number in the file plus 1, read inside the write's transaction.
    const std::string col = KeyColumn(file_->AutoKeyNr);
    sqlite3_stmt* st = file_->Stmt(Id(kMaxAuto, file_->AutoKeyNr), [&] {
      return "SELECT data FROM records ORDER BY " + col + " DESC, ref DESC LIMIT 1";
    });
    int32_t highest = 0;
    int rc = st ? sqlite3_step(st) : SQLITE_ERROR;
    if (rc == SQLITE_ROW && sqlite3_column_bytes(st, 0) >= file_->AutoOffset + 4)
      highest = recordbuf::GetI32(static_cast<const uint8_t*>(sqlite3_column_blob(st, 0)),
                                  size_t(file_->AutoOffset));
    if (st) sqlite3_reset(st);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
      file_->Fail(rc, "add");
      ok = false;
    }
    oldCounter = recordbuf::GetI32(buffer_.data(), size_t(file_->AutoOffset));
    recordbuf::SetI32(buffer_.data(), size_t(file_->AutoOffset), std::max(highest, 0) + 1);
  }
  sqlite3_stmt* st = ok ? file_->Stmt(Id(kInsert),
                                      [n] {
                                        std::string sql = "INSERT INTO records VALUES(NULL, ?1";
                                        for (int k = 1; k <= n; ++k)
                                          sql += ", ?" + std::to_string(k + 1);
                                        return sql + ")";
                                      })
                        : nullptr;
  std::vector<std::string> keys(size_t(n) + 1);
  if (st) {
    sqlite3_bind_blob(st, 1, buffer_.data(), int(length), SQLITE_STATIC);
    for (int k = 1; k <= n; ++k) {
      keys[size_t(k)] = MakeKey(buffer_.data(), k);
      BindKey(st, k + 1, keys[size_t(k)]);
    }
    int rc = sqlite3_step(st);
    sqlite3_reset(st);
    if (rc != SQLITE_DONE) {
      file_->Fail(rc, "add");
      ok = false;
    } else {
      sqlite3_int64 id = sqlite3_last_insert_rowid(file_->Db());
      if (id > kMaxRef) {
        dberr::Set(kDbFailed, kDbCodeFileFull, "Datei voll", file_->Params.Name, "add");
        ok = false;
      }
      newRef = int32_t(id);
    }
  } else {
    ok = false;
  }
  ok = file_->EndWrite(ok) && ok;
  if (!ok) {
    if (autokey) recordbuf::SetI32(buffer_.data(), size_t(file_->AutoOffset), oldCounter);
    return false;
  }
  pos_.Ref = newRef;
  pos_.Key = pos_.KeyNr > 0 ? keys[size_t(pos_.KeyNr)] : std::string();
  return true;
}

bool IFDriver::Update(int32_t ref, size_t length) {
  dberr::TBusy busy;
  file_->StartOperation(kRetryWrite);
  length = std::min(length, buffer_.size());
  const int n = KeyCount();
  if (!file_->BeginWrite()) return false;
  sqlite3_stmt* st = file_->Stmt(Id(kUpdate), [n] {
    std::string sql = "UPDATE records SET data=?1";
    for (int k = 1; k <= n; ++k) sql += ", " + KeyColumn(k) + "=?" + std::to_string(k + 1);
    return sql + " WHERE ref=?" + std::to_string(n + 2);
  });
  bool ok = st != nullptr;
  if (ok) {
    sqlite3_bind_blob(st, 1, buffer_.data(), int(length), SQLITE_STATIC);
    for (int k = 1; k <= n; ++k) BindKey(st, k + 1, MakeKey(buffer_.data(), k));
    sqlite3_bind_int64(st, n + 2, ref);
    ok = RunWrite(*file_, st, "modify");
  }
  if (!file_->EndWrite(ok) || !ok) return false;
  if (pos_.Ref == ref && pos_.KeyNr > 0) pos_.Key = MakeKey(buffer_.data(), pos_.KeyNr);
  return true;
}

bool IFDriver::Remove(int32_t ref) {
  dberr::TBusy busy;
  file_->StartOperation(kRetryWrite);
  if (!file_->BeginWrite()) return false;
  sqlite3_stmt* st =
      file_->Stmt(Id(kDelete), [] { return std::string("DELETE FROM records WHERE ref=?1"); });
  bool ok = st != nullptr;
  if (ok) {
    sqlite3_bind_int64(st, 1, ref);
    ok = RunWrite(*file_, st, "delete");
  }
  // The position stays where the record was, so a walk goes on with its neighbour.
  return file_->EndWrite(ok) && ok;
}

bool IFDriver::RemoveAll() {
  dberr::TBusy busy;
  file_->StartOperation(kRetryWrite);
  if (!file_->BeginWrite()) return false;
  sqlite3_stmt* st = file_->Stmt(Id(kDeleteAll), [] { return std::string("DELETE FROM records"); });
  bool ok = st && sqlite3_step(st) == SQLITE_DONE;
  if (st) sqlite3_reset(st);
  if (!ok) file_->Fail(sqlite3_errcode(file_->Db()), "delete all");
  pos_ = TDriverPosition{};
  return file_->EndWrite(ok) && ok;
}

// Marks are rows of the file's meta table, apart from the names the engine keeps there.
bool IFDriver::Marked(const std::string& name) {
  dberr::TBusy busy;
  file_->StartOperation(kRetryRead);
  sqlite3_stmt* st =
      file_->Stmt(Id(kMark), [] { return std::string("SELECT 1 FROM meta WHERE name=?1"); });
  if (!st) return false;
  sqlite3_bind_text(st, 1, ("mark." + name).c_str(), -1, SQLITE_TRANSIENT);
  const int rc = sqlite3_step(st);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) file_->Fail(rc, "mark");
  sqlite3_reset(st);
  return rc == SQLITE_ROW;
}

bool IFDriver::SetMarked(const std::string& name, bool on) {
  dberr::TBusy busy;
  file_->StartOperation(kRetryWrite);
  if (!file_->BeginWrite()) return false;
  sqlite3_stmt* st = file_->Stmt(Id(on ? kMarkSet : kMarkClear), [on] {
    return std::string(on ? "INSERT OR REPLACE INTO meta VALUES(?1, '1')"
                          : "DELETE FROM meta WHERE name=?1");
  });
  bool ok = st != nullptr;
  if (ok) {
    sqlite3_bind_text(st, 1, ("mark." + name).c_str(), -1, SQLITE_TRANSIENT);
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    if (rc != SQLITE_DONE) {
      file_->Fail(rc, "mark");
      ok = false;
    }
  }
  return file_->EndWrite(ok) && ok;
}

void IFDriver::SetAutoKeyField(int keyNr, int counterOffset) {
  file_->AutoKeyNr = keyNr;
  file_->AutoOffset = counterOffset;
}

void IFDriver::SetAutoFlushMode(int mode) { file_->SetFlushMode(mode); }

bool IFDriver::StoredKey(int keyNr, int32_t ref, std::string& key) {
  if (keyNr < 1 || keyNr > KeyCount()) return false;
  const std::string col = KeyColumn(keyNr);
  sqlite3_stmt* st = file_->Stmt(Id(kKeyOf, keyNr + 500),
                                 [&] { return "SELECT " + col + " FROM records WHERE ref=?1"; });
  if (!st) return false;
  sqlite3_bind_int64(st, 1, ref);
  int rc = sqlite3_step(st);
  bool ok = rc == SQLITE_ROW;
  if (ok) key = ColumnKey(st, 0);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) file_->Fail(rc, "key");
  sqlite3_reset(st);
  return ok;
}
