#include "storage/dbtreiber.h"

#include <algorithm>

#include "storage/dberrlog.h"
#include "storage/ifdriver.h"

namespace {
constexpr size_t kBuildKeyMax = 50;

std::string Cut(const std::string& key, int maxLen) {
  return maxLen >= 0 && key.size() > size_t(maxLen) ? key.substr(0, size_t(maxLen)) : key;
}
}  // namespace

TdbTreiber::TdbTreiber(std::unique_ptr<IFDriver> driver) : driver_(std::move(driver)) {}
TdbTreiber::~TdbTreiber() = default;

void TdbTreiber::Detach() { driver_.reset(); }

bool TdbTreiber::IsOpen(bool ignore) const { return !ignore && driver_ != nullptr; }

int32_t TdbTreiber::RecordCount() { return driver_ ? driver_->RecordCount() : -1; }

int32_t TdbTreiber::KeyCount(int keyNr) {
  // Every record has an entry in every index (an empty key too).
  if (!driver_ || keyNr < 1 || keyNr > driver_->KeyCount()) return -1;
  return driver_->RecordCount();
}

int32_t TdbTreiber::CurrentRef() const { return driver_ ? driver_->CurrentRef() : -1; }

bool TdbTreiber::ReadByRef(int32_t ref) {
  if (!driver_) return false;
  driver_->ReadRecord(ref);
  return DriverError() == kDbOk;
}

bool TdbTreiber::SearchKey(int keyNr, const TKeyStr& key) {
  if (!driver_) return false;
  std::string found;
  int32_t ref = 0;
  return driver_->Seek(keyNr, key.Text(), 0, 1, found, ref) && driver_->Fetch(ref);
}

// One step from the driver's position in an index. Without a position in that index the
// position is taken from the current record's stored key; without a current record a
// step forward starts at the first entry and a step back at the last.
static bool StepFrom(IFDriver& d, int keyNr, int mode, std::string& key, int32_t& ref) {
  const TDriverPosition& pos = d.Position();
  std::string from = pos.Key;
  int32_t fromRef = pos.Ref;
  if (pos.Ref > 0 && pos.KeyNr != keyNr && !d.StoredKey(keyNr, pos.Ref, from))
    from = d.MakeKey(d.Buffer().data(), keyNr);
  if (fromRef <= 0) {
    if (mode > 0) return d.Seek(keyNr, "", 0, 1, key, ref);
    return d.Seek(keyNr, std::string(256, '\xFF'), kEndRef, -1, key, ref);
  }
  return d.Seek(keyNr, from, fromRef, mode, key, ref);
}

bool TdbTreiber::Next(int keyNr) {
  std::string key;
  int32_t ref = 0;
  return driver_ && StepFrom(*driver_, keyNr, 2, key, ref) && driver_->Fetch(ref);
}

bool TdbTreiber::Prev(int keyNr) {
  std::string key;
  int32_t ref = 0;
  return driver_ && StepFrom(*driver_, keyNr, -2, key, ref) && driver_->Fetch(ref);
}

bool TdbTreiber::NextKey(int keyNr, int32_t& ref, int maxLen, std::string& key) {
  std::string found;
  int32_t foundRef = 0;
  if (!driver_ || !StepFrom(*driver_, keyNr, 2, found, foundRef)) return false;
  ref = foundRef;
  key = Cut(found, maxLen);
  return true;
}

bool TdbTreiber::PrevKey(int keyNr, int32_t& ref, int maxLen, std::string& key) {
  std::string found;
  int32_t foundRef = 0;
  if (!driver_ || !StepFrom(*driver_, keyNr, -2, found, foundRef)) return false;
  ref = foundRef;
  key = Cut(found, maxLen);
  return true;
}

bool TdbTreiber::SearchKeyRef(int keyNr, int32_t& ref, int mode, int maxLen, std::string& key) {
  if (!driver_) return false;
  std::string found;
  int32_t foundRef = 0;
  const int m = mode > 0 ? 1 : (mode < 0 ? -1 : 0);
  if (!driver_->Seek(keyNr, key, ref, m, found, foundRef)) return false;
  ref = foundRef;
  key = Cut(found, maxLen);
  return true;
}

void TdbTreiber::BuildKey(int keyNr, std::string& key) const {
  key.clear();
  if (!driver_) return;
  key = driver_->MakeKey(driver_->Buffer().data(), keyNr);
  if (key.size() > kBuildKeyMax) key.resize(kBuildKeyMax);
}

bool TdbTreiber::DeleteRecord(bool lock) {
  if (!driver_) return false;
  if (driver_->CurrentRef() <= 0) {
    dberr::Clear();
    dberr::Raise(kDbNotFound);
    return false;
  }
  if (lock) {
    driver_->LockFile();
    if (DriverError() != kDbOk) return false;
  }
  bool ok = driver_->Remove(driver_->CurrentRef());
  if (lock) {
    const uint16_t err = DriverError();
    driver_->UnlockFile();
    // In shared mode the delete is stored only by the commit at the unlock.
    ok = ok && DriverError() == kDbOk;
    dberr::Raise(err);
  }
  return ok;
}

uint8_t* TdbTreiber::RecordBuffer() { return driver_ ? driver_->Buffer().data() : nullptr; }
size_t TdbTreiber::RecordLength() const { return driver_ ? driver_->Buffer().size() : 0; }
