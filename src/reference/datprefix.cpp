#include "reference/datprefix.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "reference/dbprefixbase.h"
#include "reference/prefixrec.h"
#include "storage/datbase.h"
#include "storage/dberror.h"
#include "storage/dbtreiber.h"
#include "tables/tablefile.h"

ToDatPrefix* oDatPrefix = nullptr;

using namespace prefixrec;

namespace {

// Retired DXCC designations of the secondary files and their successors.
struct Rename {
  const char* from;
  const char* to;
};
const Rename kRenames[] = {{"4O3", "4O"},  {"T9", "E7"},     {"ZK1N", "E5/N"},  {"ZK1/N", "E5/N"},
                           {"E5", "E5/N"}, {"ZK1S", "E5/S"}, {"ZK1/S", "E5/S"}, {"E50", "E5/S"},
                           {"ST0", "Z8"},  {"ZK2", "E6"},    {"TX0", "FK/C"}};

constexpr int kSingleCallsRenumberLimit = 1000;

int AutoKeyOf(uint8_t kind) { return kind == kMain ? kKeyMainAutore : kKeySecondaryAutore; }

bool ReportFailedWrite(uint8_t kind) {
  TMessage m;
  m.Kind = TMessageKind::Error;
  m.Text =
      Q(std::string("Die Wartung der Präfixdatei ") + ToDatPrefix::FileName(kind) +
        " wurde abgebrochen: ein Datensatz konnte nicht geschrieben werden.\n" + DriverErrorText());
  Desktop().Message(m);
  return false;
}

// Numbers the records 1, 2, 3 ... in the order of key 1. Under a key without duplicates
// the records first get numbers above every number in the file, so that no write meets a
// number another record still holds.
bool Renumber(TdbPrefixBase& t, uint8_t kind) {
  const int autoKey = AutoKeyOf(kind);
  const int limit = kind == kSingleCalls ? kSingleCallsRenumberLimit : INT_MAX;
  const int32_t count = t.RecordCount();
  std::vector<int64_t> values;
  if (!Keys(Kind(kind)).Item(autoKey).Duplicates) {
    int64_t high = count, low = 0;
    if (t.First(autoKey)) low = std::min<int64_t>(low, t.GetAutore());
    if (t.Last(autoKey)) high = std::max<int64_t>(high, t.GetAutore());
    const int64_t base = high + count < INT32_MAX ? high + 1 : low - count - 1;
    values.push_back(base);
  }
  values.push_back(1);
  for (int64_t start : values) {
    int64_t n = start;
    int done = 0;
    for (bool ok = t.First(kKeyPrefix); ok && done < limit; ok = t.NextRecord(kKeyPrefix)) {
      t.SetAutore(int32_t(n++));
      if (!t.Modify()) return ReportFailedWrite(kind);
      ++done;
    }
  }
  return true;
}

bool NeedsRenumber(TdbPrefixBase& t, uint8_t kind) {
  const int32_t count = t.RecordCount();
  if (count <= 0) return false;
  const int autoKey = AutoKeyOf(kind);
  if (!t.First(autoKey) || t.GetAutore() != 1) return true;
  return !t.Last(autoKey) || t.GetAutore() != count;
}

bool RenameDesignations(TdbPrefixBase& t, uint8_t kind) {
  for (const Rename& r : kRenames) {
    // Each write takes one record off the old designation; a file never needs more.
    for (int32_t guard = t.RecordCount(); guard >= 0; --guard) {
      if (!t.SearchKey(DxccPrefixKey(r.from, ""), kKeyDxccPrefix) || t.GetDXCC() != r.from) break;
      t.SetDXCC(r.to);
      if (!t.Modify()) return ReportFailedWrite(kind);
    }
  }
  return true;
}

}  // namespace

const char* ToDatPrefix::FileName(uint8_t kind) {
  switch (kind) {
    case kMain: return "BMPREFIX";
    case kSingleCalls: return "BMPREFEE";
    case kCallGroups: return "BMPREFES";
    default: return "";
  }
}

ToDatPrefix::~ToDatPrefix() = default;

int ToDatPrefix::Open(uint8_t kind, TdbTreiber*& driver) {
  const ToKeys keys = Keys(Kind(kind));
  auto builder = [kind](const uint8_t* rec, int keyNr, std::string& key) {
    key = BuildKey(rec, Kind(kind), keyNr);
  };
  return ToDatBase::OpenFile(false, driver, keys, tablefiles::Shared(), builder, keys.Count(),
                             tablefiles::DataDir(), FileName(kind), int(kSize), int(kSize));
}

bool ToDatPrefix::OpenFileSet(int fileBits, bool skip) {
  for (uint8_t kind = kMain; kind <= kCallGroups; ++kind) {
    if (!(fileBits & BitOf(kind))) continue;
    const int rc = Open(kind, drivers_[kind]);
    if (rc == ToDatBase::kOpenFailed) return false;
    if (rc == ToDatBase::kOpenedNow) {
      Maintain(kind, 1);
      if (!skip) ToDatBase::SetAutoKeyField(drivers_[kind], AutoKeyOf(kind), false, int(kAutore));
    }
  }
  return true;
}

void ToDatPrefix::CloseFileSet(int fileBits, bool maintain, bool skip, bool all) {
  if (maintain) {
    for (uint8_t kind : {kSingleCalls, kCallGroups}) {
      if (drivers_[kind]) Maintain(kind, 2);
    }
  }
  for (uint8_t kind = kMain; kind <= kCallGroups; ++kind) {
    if (fileBits & BitOf(kind)) ToDatBase::CloseFile(skip, drivers_[kind], all);
  }
}

TdbTreiber* ToDatPrefix::Driver(uint8_t kind) const {
  return kind <= kCallGroups ? drivers_[kind] : nullptr;
}

bool ToDatPrefix::OpenOwn(uint8_t kind, TdbTreiber*& driver) {
  const int rc = Open(kind, driver);
  if (rc == ToDatBase::kOpenedNow)
    ToDatBase::SetAutoKeyField(driver, AutoKeyOf(kind), false, int(kAutore));
  return rc != ToDatBase::kOpenFailed;
}

void ToDatPrefix::CloseOwn(TdbTreiber*& driver) { ToDatBase::CloseFile(false, driver, false); }

bool ToDatPrefix::Maintain(uint8_t kind, int phase) {
  (void)phase;  // both phases do the same work; they differ in when and on which kinds
  if (maintaining_ || kind > kCallGroups || !drivers_[kind]) return true;
  maintaining_ = true;
  bool ok = true;
  {
    TdbPrefixBase t(kind);
    if (NeedsRenumber(t, kind)) ok = Renumber(t, kind);
    if (ok && kind != kMain) ok = RenameDesignations(t, kind);
  }
  maintaining_ = false;
  return ok;
}
