// Groups of writes over one or several files: a savepoint per group level on every file
// written in the group, committed file by file in the order the files were first written.
// A write that fails breaks the group: nothing more is written, and its end rolls every
// file back. Files closed meanwhile are kept open by the registry until the group ends.

#include <algorithm>
#include <optional>
#include <vector>

#include "storage/dbbase.h"
#include "storage/dberrlog.h"
#include "storage/openfiles.h"
#include "storage/sqlfile.h"

namespace {

// Running write groups: their depth and the files written in them, in the order they
// were first written, which is the order of the commit.
int gGroupDepth = 0;
std::vector<TSqlFile*> gGroupFiles;
// The failure that broke the running group, until its outermost level ends.
std::optional<dberr::TSaved> gFailure;

}  // namespace

void GroupFailed() {
  if (gGroupDepth > 0 && !gFailure) gFailure = dberr::Save();
}

bool GroupBroken() { return gFailure.has_value(); }

void ReportGroupFailure() {
  if (gFailure) dberr::Restore(*gFailure);
}

bool LeaveGroups(TSqlFile& file) {
  auto it = std::find(gGroupFiles.begin(), gGroupFiles.end(), &file);
  if (it == gGroupFiles.end()) return false;
  gGroupFiles.erase(it);
  return true;
}

void SyncGroups(TSqlFile& file) {
  if (file.GroupLevels >= gGroupDepth) return;
  file.DropCursor();
  if (file.GroupLevels == 0) {
    if (sqlite3_get_autocommit(file.db_)) {
      if (file.Exec("BEGIN IMMEDIATE") != SQLITE_OK) return;
      file.txnByGroup_ = true;
    }
    gGroupFiles.push_back(&file);
  }
  while (file.GroupLevels < gGroupDepth) {
    std::string sp = "SAVEPOINT g" + std::to_string(file.GroupLevels + 1);
    if (file.Exec(sp.c_str()) != SQLITE_OK) return;
    ++file.GroupLevels;
  }
}

struct TGroupAccess {
  // Ends the group level on one file: its savepoint is released or rolled back; the
  // outermost level commits the file's transaction unless a file lock still holds it.
  static bool End(TSqlFile& f, int level, bool commit) {
    if (f.GroupLevels < level) return true;
    f.DropCursor();
    f.GroupLevels = level - 1;
    // The engine rolled the whole transaction back after a failure: no savepoint is left.
    if (sqlite3_get_autocommit(f.db_)) {
      f.txnByGroup_ = f.txnByLock_ = false;
      return !commit;
    }
    const std::string n = "g" + std::to_string(level);
    if (!commit) sqlite3_exec(f.db_, ("ROLLBACK TO " + n).c_str(), nullptr, nullptr, nullptr);
    bool ok = f.Exec(("RELEASE " + n).c_str()) == SQLITE_OK;
    if (level == 1) {
      if (f.LockDepth > 0) {
        f.txnByLock_ = f.txnByLock_ || f.txnByGroup_;
      } else if (f.txnByGroup_ || f.txnByLock_) {
        if (!sqlite3_get_autocommit(f.db_)) ok = ok && f.Exec("COMMIT") == SQLITE_OK;
        if (!sqlite3_get_autocommit(f.db_))
          sqlite3_exec(f.db_, "ROLLBACK", nullptr, nullptr, nullptr);
        f.txnByLock_ = false;
      }
      f.txnByGroup_ = false;
    }
    return ok;
  }

  // Writes the pages of every file of the group out of the cache without committing, so
  // that a full disk is met while every file can still be rolled back; only the commits'
  // last small writes remain.
  static bool Flush(const std::vector<TSqlFile*>& files) {
    if (files.size() < 2) return true;
    for (TSqlFile* f : files) {
      const int rc = sqlite3_db_cacheflush(f->db_);
      if (rc != SQLITE_OK) {
        f->Fail(rc, "commit");
        return false;
      }
    }
    return true;
  }
};

namespace dbbase {

void BeginWrites() { ++gGroupDepth; }

static bool EndWrites(bool commit) {
  if (gGroupDepth == 0) return false;
  const int level = gGroupDepth;
  const bool broken = GroupBroken();
  std::vector<TSqlFile*> files = gGroupFiles;
  bool ok = !broken && (!commit || level > 1 || TGroupAccess::Flush(files));
  if (!ok) GroupFailed();
  --gGroupDepth;
  for (TSqlFile* f : files) {
    // Once a file failed to commit, the files after it are rolled back: an
    // interruption or failure leaves the earlier files complete and the later untouched.
    if (!TGroupAccess::End(*f, level, commit && ok)) ok = false;
  }
  if (!ok && commit) {
    GroupFailed();
    ReportGroupFailure();
  }
  if (gGroupDepth == 0) {
    gGroupFiles.clear();
    gFailure.reset();
    // Files closed while the group ran were kept for its commit.
    openfiles::CloseUnused();
  }
  return ok && commit;
}

bool CommitWrites() { return EndWrites(true); }
void RollbackWrites() { EndWrites(false); }
int WriteDepth() { return gGroupDepth; }
bool WritesFailed() { return GroupBroken(); }

}  // namespace dbbase
