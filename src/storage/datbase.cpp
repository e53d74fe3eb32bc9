#include "storage/datbase.h"

#include <QDir>
#include <QFileInfo>
#include <map>
#include <memory>

#include "foundation/cp1252.h"
#include "storage/dberrlog.h"
#include "storage/dbtreiber.h"
#include "storage/ifdriver.h"
#include "storage/openfiles.h"

namespace {
// Open files by their full path: a second open of the same file shares it.
std::map<std::string, TdbTreiber*> gOpen;
int gFlushMode = 0;

std::string FullName(const std::string& path, const std::string& fileName) {
  std::string full = path;
  if (!full.empty() && full.back() != '/') full += '/';
  return full + fileName + ".db";
}

// One spelling per file, so that "./BMKK" and "BMKK" share the open file.
std::string RegistryName(const std::string& full) {
  return S(QDir::cleanPath(QFileInfo(Q(full)).absoluteFilePath()));
}

void Forget(TdbTreiber* driver) {
  for (auto it = gOpen.begin(); it != gOpen.end(); ++it)
    if (it->second == driver) {
      gOpen.erase(it);
      return;
    }
}

// A file written in the running write group: its writes are committed with the group's
// other files, so it must stay open until the group ends.
bool InRunningGroup(const TdbTreiber& driver) {
  return driver.Driver() && driver.Driver()->RefreshLockHeld() > 0;
}
}  // namespace

namespace openfiles {
void ForEach(const std::function<void(TdbTreiber&)>& fn) {
  for (auto& [name, driver] : gOpen) fn(*driver);
}
int DefaultFlushMode() { return gFlushMode; }
void SetDefaultFlushMode(int mode) { gFlushMode = mode; }
void CloseUnused() {
  for (auto it = gOpen.begin(); it != gOpen.end();) {
    if (it->second->UseCount() > 0) {
      ++it;
      continue;
    }
    delete it->second;
    it = gOpen.erase(it);
  }
}
}  // namespace openfiles

int ToDatBase::OpenFile(bool skip, TdbTreiber*& driver, const ToKeys& keys, bool shared,
                        TKeyBuilder builder, int keyCount, const std::string& path,
                        const std::string& fileName, int sectionLength, int maxRecordLength) {
  if (skip) return kOpenFailed;
  if (driver) {
    driver->AddUse();
    return kAlreadyOpen;
  }
  const std::string full = FullName(path, fileName);
  const std::string registered = RegistryName(full);
  auto it = gOpen.find(registered);
  if (it != gOpen.end()) {
    driver = it->second;
    driver->AddUse();
    return kAlreadyOpen;
  }
  TFileParams params;
  params.FileName = full;
  params.Name = fileName;
  for (int k = 1; k <= keys.Count() && k <= keyCount; ++k) {
    const TKeyDef& d = keys.Item(k);
    params.Keys.Add(d.Length, d.Duplicates, d.Expression);
  }
  params.Builder = std::move(builder);
  params.Shared = shared;
  params.MaxRecordLength = size_t(std::max({maxRecordLength, sectionLength, 0}));
  auto d = IFDriver::Open(params);
  if (!d) return kOpenFailed;
  if (gFlushMode != 0) d->SetAutoFlushMode(gFlushMode);
  driver = new TdbTreiber(std::move(d));
  gOpen[registered] = driver;
  return kOpenedNow;
}

void ToDatBase::CloseFile(bool skip, TdbTreiber*& driver, bool all) {
  if (skip || !driver) return;
  // The variable keeps the driver while other uses of the file remain.
  if (!all && driver->ReleaseUse() > 0) return;
  if (InRunningGroup(*driver)) {
    // Kept under its name without uses: an open of the same file meanwhile takes it up
    // again, and the end of the group closes it.
    driver->ReleaseAll();
  } else {
    Forget(driver);
    delete driver;
  }
  driver = nullptr;
}

void ToDatBase::SetAutoKeyField(TdbTreiber* driver, int keyNr, bool skip, int counterOffset) {
  if (skip || !driver || !driver->Driver()) return;
  driver->Driver()->SetAutoKeyField(keyNr, counterOffset);
}

void ToDatBase::CloseAll() {
  // The files are closed; the handles stay valid (without a driver) for the variables
  // that still hold them, and are freed by their last CloseFile.
  for (auto& [name, driver] : gOpen) {
    // A handle no variable holds any more (kept for a running group) is freed here.
    if (driver->UseCount() > 0)
      driver->Detach();
    else
      delete driver;
  }
  gOpen.clear();
}
