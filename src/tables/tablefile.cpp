#include "tables/tablefile.h"

#include <algorithm>

#include "foundation/progdir.h"
#include "storage/datbase.h"
#include "storage/dbtreiber.h"
#include "tables/setups.h"

namespace tablefiles {
namespace {
bool gShared = false;

// One held use per file definition and folder.
struct THeld {
  std::string Path;
  TdbTreiber* Driver = nullptr;
};
std::vector<THeld> gHeld;

std::string PathOf(const TFileDef& def, const std::string& dir) { return dir + def.Name; }

int OpenInto(TdbTreiber*& driver, const TFileDef& def, const std::string& dir) {
  int rc = ToDatBase::OpenFile(false, driver, *def.Keys, gShared, def.Builder, def.Keys->Count(),
                               dir, def.Name, int(def.RecordSize), int(def.RecordSize));
  if (rc != ToDatBase::kOpenFailed && def.AutoKeyNr > 0)
    ToDatBase::SetAutoKeyField(driver, def.AutoKeyNr, false, 4);
  return rc;
}
}  // namespace

std::string DataDir() {
  std::string dir = Setups().DataDir();
  return dir.empty() ? ProgramDirectory() : dir;
}

std::string SettingsDir() { return ProgramDirectory(); }
bool Shared() { return gShared; }
void SetShared(bool on) { gShared = on; }

bool Hold(const TFileDef& def, const std::string& dir) {
  THeld held{PathOf(def, dir), nullptr};
  if (OpenInto(held.Driver, def, dir) == ToDatBase::kOpenFailed) return false;
  gHeld.push_back(held);
  return true;
}

void Release(const TFileDef& def, const std::string& dir) {
  std::string path = PathOf(def, dir);
  auto it =
      std::find_if(gHeld.begin(), gHeld.end(), [&](const THeld& h) { return h.Path == path; });
  if (it == gHeld.end()) return;
  ToDatBase::CloseFile(false, it->Driver, false);
  gHeld.erase(it);
}

}  // namespace tablefiles

TdbFileTable::TdbFileTable(uint8_t mode, TFileDef def, const std::string& dir)
    : TdbBase(mode), def_(std::move(def)), dir_(dir) {
  TdbTreiber*& slot = mode == 2 ? OwnDriver() : file_;
  if (tablefiles::OpenInto(slot, def_, dir_) == ToDatBase::kOpenFailed) slot = nullptr;
  if (mode != 2) SetDriver(file_);
  Work().assign(def_.RecordSize, 0);
}

TdbFileTable::~TdbFileTable() {
  TdbTreiber*& slot = GetMode() == 2 ? OwnDriver() : file_;
  ToDatBase::CloseFile(false, slot, false);
}

void TdbFileTable::SyncWork() { Work().resize(def_.RecordSize, 0); }

void TdbFileTable::ClearRecords() {
  if (IsOpen()) {
    ClearBuffer();
    LoadRecord();
  }
  Work().assign(def_.RecordSize, 0);
}

bool TdbFileTable::AddWork() {
  uint8_t* buf = RecordBuffer();
  if (!buf) return false;
  SyncWork();
  std::copy(Work().begin(), Work().end(), buf);
  return AddRecord(def_.RecordSize);
}

bool TdbFileTable::ModifyWork() {
  uint8_t* buf = RecordBuffer();
  if (!buf || CurrentRef() <= 0) return false;
  SyncWork();
  std::copy(Work().begin(), Work().end(), buf);
  return ModifyRecord();
}

bool TdbFileTable::FindExact(int keyNr, const std::string& key) {
  if (!SearchKey(key, keyNr)) return false;
  std::string found;
  def_.Builder(AsRead().data(), keyNr, found);
  size_t len = size_t(def_.Keys->Item(keyNr).Length);
  return found.substr(0, len) == key.substr(0, len);
}

bool TdbFileTable::SearchFrom(int keyNr, const std::string& key, bool load) {
  std::vector<uint8_t> kept = Work();
  bool ok = SearchKey(key, keyNr);
  if (!load) Work() = kept;
  return ok;
}
