#include "tables/tablefile.h"

#include <algorithm>
#include <iterator>

#include "foundation/progdir.h"
#include "storage/datbase.h"
#include "storage/dbtreiber.h"
#include "tables/setups.h"

namespace tablefiles {
namespace {
bool gShared = false;

struct THeld {
  std::string Tag;
  TdbTreiber* Driver = nullptr;
};
std::vector<THeld> gHeld;

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

bool Hold(const TFileDef& def, const std::string& dir, const std::string& tag) {
  THeld held{tag, nullptr};
  if (OpenInto(held.Driver, def, dir) == ToDatBase::kOpenFailed) return false;
  gHeld.push_back(held);
  return true;
}

// Releases one use of the file. After the database was shut down the file is closed
// already; the last use then frees the handle the shutdown left for it.
void Drop(TdbTreiber*& driver) { ToDatBase::CloseFile(false, driver, false); }

void Release(const std::string& tag) {
  auto it =
      std::find_if(gHeld.rbegin(), gHeld.rend(), [&](const THeld& h) { return h.Tag == tag; });
  if (it == gHeld.rend()) return;
  Drop(it->Driver);
  gHeld.erase(std::next(it).base());
}

void ReleaseAll() {
  while (!gHeld.empty()) {
    Drop(gHeld.back().Driver);
    gHeld.pop_back();
  }
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
  tablefiles::Drop(slot);
}

void TdbFileTable::SyncWork() { Work().resize(def_.RecordSize, 0); }

void TdbFileTable::ClearRecords() {
  if (IsOpen()) {
    ClearBuffer();
    LoadRecord();
  }
  Work().assign(def_.RecordSize, 0);
}

bool TdbFileTable::Add() {
  uint8_t* buf = RecordBuffer();
  if (!buf) return false;
  SyncWork();
  std::copy(Work().begin(), Work().end(), buf);
  return AddRecord(def_.RecordSize);
}

bool TdbFileTable::Modify() {
  uint8_t* buf = RecordBuffer();
  if (!buf || CurrentRef() <= 0) return false;
  SyncWork();
  std::copy(Work().begin(), Work().end(), buf);
  return ModifyRecord();
}

bool TdbFileTable::FindExact(int keyNr, const std::string& key) {
  if (keyNr < 1 || keyNr > def_.Keys->Count() || !SearchKey(key, keyNr)) return false;
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
