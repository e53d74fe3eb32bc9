#include "storage/datbase.h"

#include <map>
#include <memory>

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

void Forget(TdbTreiber* driver) {
  for (auto it = gOpen.begin(); it != gOpen.end(); ++it)
    if (it->second == driver) {
      gOpen.erase(it);
      return;
    }
}
}  // namespace

namespace openfiles {
void ForEach(const std::function<void(TdbTreiber&)>& fn) {
  for (auto& [name, driver] : gOpen) fn(*driver);
}
int DefaultFlushMode() { return gFlushMode; }
void SetDefaultFlushMode(int mode) { gFlushMode = mode; }
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
  auto it = gOpen.find(full);
  if (it != gOpen.end()) {
    driver = it->second;
    driver->AddUse();
    return kAlreadyOpen;
  }
  TFileSpec spec;
  spec.FileName = full;
  spec.Name = fileName;
  for (int k = 1; k <= keys.Count() && k <= keyCount; ++k) {
    const TKeyDef& d = keys.Item(k);
    spec.Keys.Add(d.Length, d.Duplicates, d.Expression);
  }
  spec.Builder = std::move(builder);
  spec.Shared = shared;
  spec.MaxRecordLength = size_t(std::max({maxRecordLength, sectionLength, 0}));
  auto d = IFDriver::Open(spec);
  if (!d) return kOpenFailed;
  if (gFlushMode != 0) d->SetAutoFlushMode(gFlushMode);
  driver = new TdbTreiber(std::move(d));
  gOpen[full] = driver;
  return kOpenedNow;
}

void ToDatBase::CloseFile(bool skip, TdbTreiber*& driver, bool all) {
  if (skip || !driver) return;
  // The variable keeps the driver while other uses of the file remain.
  if (!all && driver->ReleaseUse() > 0) return;
  Forget(driver);
  delete driver;
  driver = nullptr;
}

void ToDatBase::SetAutoKeyField(TdbTreiber* driver, int keyNr, bool skip, int counterOffset) {
  if (skip || !driver || !driver->Driver()) return;
  driver->Driver()->SetAutoKeyField(keyNr, counterOffset);
}

void ToDatBase::CloseAll() {
  auto open = gOpen;
  gOpen.clear();
  for (auto& [name, driver] : open) delete driver;
}
