#include "storage/dbbase.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "storage/datbase.h"
#include "storage/dberrlog.h"
#include "storage/dbkeys.h"
#include "storage/dbtreiber.h"
#include "storage/ifdriver.h"
#include "storage/openfiles.h"

namespace dbbase {
namespace {
bool gStarted = false;
}

bool InitDatabase() {
  dberr::SetStarting(true);
  dberr::Clear();
  int rc = sqlite3_initialize();
  if (rc != SQLITE_OK) {
    dberr::Set(kDbFailed, rc, "Datenbank kann nicht gestartet werden", "", "start");
    TMessage m;
    m.Kind = TMessageKind::Error;
    m.Text = Q(DriverErrorText());
    Desktop().Message(m);
    return false;
  }
  dberr::SetStarting(false);
  gStarted = true;
  return true;
}

void DoneDatabase() {
  ToDatBase::CloseAll();
  gStarted = false;
  dberr::SetStarting(true);
}

bool DatabaseStarted() { return gStarted; }

}  // namespace dbbase

namespace {
// Beyond every stored key: the start of a backward search from the end of an index.
const std::string& EndKey() {
  static const std::string k(256, '\xFF');
  return k;
}
}  // namespace

TdbBase::TdbBase(uint8_t mode) : mode_(mode) {}
TdbBase::~TdbBase() = default;

std::string TdbBase::KeyPartSeparator() const { return dbkeys::PartSeparator(mode_); }

TdbTreiber* TdbBase::GetDriver() { return mode_ == 2 ? ownDriver_ : driver_; }

static IFDriver* Engine(TdbBase& t) {
  TdbTreiber* d = t.GetDriver();
  return d ? d->Driver() : nullptr;
}

void TdbBase::LoadRecord(bool intoWork, bool fromFile) {
  IFDriver* d = Engine(*this);
  if (!d) return;
  if (fromFile && ref_ > 0) {
    if (!d->Fetch(ref_)) return;
    last_ = d->Buffer();
  }
  asRead_ = d->Buffer();
  if (intoWork) work_ = d->Buffer();
}

void TdbBase::TakeCurrent(int keyNr) {
  IFDriver* d = Engine(*this);
  keyNr_ = keyNr;
  ref_ = d->CurrentRef();
  last_ = d->Buffer();
  key_ = d->MakeKey(last_.data(), keyNr);
  LoadRecord();
}

void TdbBase::TakeFound(int keyNr, std::string&& key) {
  IFDriver* d = Engine(*this);
  keyNr_ = keyNr;
  ref_ = d->CurrentRef();
  last_ = d->Buffer();
  key_ = std::move(key);
  LoadRecord();
}

bool TdbBase::Seek(int keyNr, std::string_view key, int32_t ref, int mode) {
  IFDriver* d = Engine(*this);
  if (!d) return false;
  if (keyNr == 0) keyNr = DefaultKeyNr();
  std::string found;
  int32_t foundRef = 0;
  // The driver's position is the entry found, its key is known: no key is built here.
  if (!d->Seek(keyNr, key, ref, mode, found, foundRef) || !d->Fetch(foundRef)) return false;
  TakeFound(keyNr, std::move(found));
  return true;
}

bool TdbBase::First(int keyNr) { return Seek(keyNr, "", 0, 1); }
bool TdbBase::Last(int keyNr) { return Seek(keyNr, EndKey(), kEndRef, -1); }
bool TdbBase::SearchKey(std::string_view key, int keyNr) { return Seek(keyNr, key, 0, 1); }

bool TdbBase::Step(int keyNr, int mode) {
  IFDriver* d = Engine(*this);
  if (!d) return false;
  if (keyNr == 0) keyNr = DefaultKeyNr();
  if (ref_ <= 0) return mode > 0 ? First(keyNr) : Last(keyNr);
  // From this object's own record, even when the driver was moved meanwhile; the record
  // itself may have been deleted, its place in the index still counts.
  std::string from = keyNr == keyNr_ ? key_ : d->MakeKey(last_.data(), keyNr);
  return Seek(keyNr, from, ref_, mode);
}

bool TdbBase::NextRecord(int keyNr) { return Step(keyNr, 2); }
bool TdbBase::PrevRecord(int keyNr) { return Step(keyNr, -2); }
bool TdbBase::Next() { return Step(keyNr_, 2); }

bool TdbBase::GotoRecord(int32_t ref) {
  IFDriver* d = Engine(*this);
  if (!d) return false;
  d->ReadRecord(ref);
  if (DriverError() != kDbOk) return false;
  TakeCurrent(keyNr_);
  return true;
}

bool TdbBase::ReadByRef(int32_t ref) { return GotoRecord(ref); }

bool TdbBase::RefindCurrent(bool load) {
  IFDriver* d = Engine(*this);
  if (!d || ref_ <= 0) return false;
  d->ReadRecord(ref_);
  if (DriverError() != kDbOk) return false;
  last_ = d->Buffer();
  key_ = d->MakeKey(last_.data(), keyNr_);
  if (load) LoadRecord();
  return true;
}

int32_t TdbBase::CurrentRef() const { return const_cast<TdbBase*>(this)->GetDriver() ? ref_ : 0; }

bool TdbBase::ModifyRecord() {
  IFDriver* d = Engine(*this);
  if (!d || ref_ <= 0) return false;
  if (!d->Update(ref_, d->Buffer().size())) return false;
  last_ = d->Buffer();
  key_ = d->MakeKey(last_.data(), keyNr_);
  return true;
}

bool TdbBase::AddRecord(size_t length) {
  IFDriver* d = Engine(*this);
  if (!d) return false;
  int32_t ref = 0;
  if (!d->Insert(length, ref)) return false;
  ref_ = ref;
  last_ = d->Buffer();
  key_ = d->MakeKey(last_.data(), keyNr_);
  // The copies carry the number the file assigned.
  LoadRecord();
  return true;
}

bool TdbBase::Delete(bool lock) {
  IFDriver* d = Engine(*this);
  if (!d || ref_ <= 0) return false;
  if (lock) {
    d->LockFile();
    if (DriverError() != kDbOk) return false;
  }
  bool ok = d->Remove(ref_);
  if (lock) {
    const uint16_t err = DriverError();
    d->UnlockFile();
    // In shared mode the delete is stored only by the commit at the unlock.
    ok = ok && DriverError() == kDbOk;
    dberr::Raise(err);
  }
  return ok;
}

void TdbBase::DeleteFiles() {
  IFDriver* d = Engine(*this);
  if (!d) return;
  if (d->RemoveAll()) ref_ = 0;
  key_.clear();
}

void TdbBase::ClearBuffer() {
  if (IFDriver* d = Engine(*this)) std::fill(d->Buffer().begin(), d->Buffer().end(), uint8_t(0));
}

uint8_t* TdbBase::RecordBuffer() {
  IFDriver* d = Engine(*this);
  return d ? d->Buffer().data() : nullptr;
}

int32_t TdbBase::RecordCount() {
  IFDriver* d = Engine(*this);
  return d ? d->RecordCount() : 0;
}

void TdbBase::SetAutoFlushMode(TdbTreiber* driver, int mode) {
  if (driver) {
    if (driver->Driver()) driver->Driver()->SetAutoFlushMode(mode);
    return;
  }
  openfiles::SetDefaultFlushMode(mode);
  openfiles::ForEach([mode](TdbTreiber& t) {
    if (t.Driver()) t.Driver()->SetAutoFlushMode(mode);
  });
}
