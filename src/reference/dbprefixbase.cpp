#include "reference/dbprefixbase.h"

#include <algorithm>
#include <cstring>

#include "foundation/keystr.h"
#include "reference/datprefix.h"
#include "storage/dbtreiber.h"

using namespace prefixrec;

TdbPrefixBase::TdbPrefixBase(uint8_t kind, uint8_t mode) : TdbBase(mode), kind_(kind) {
  if (!HasPrefixRecord() || !oDatPrefix) return;
  if (mode == 2) {
    ownsFile_ = oDatPrefix->OpenOwn(kind_, OwnDriver());
  } else if (!oDatPrefix->Driver(kind_)) {
    ownsFile_ = oDatPrefix->OpenFileSet(ToDatPrefix::BitOf(kind_), false);
  }
}

TdbPrefixBase::~TdbPrefixBase() {
  if (!ownsFile_ || !oDatPrefix) return;
  if (GetMode() == 2)
    oDatPrefix->CloseOwn(OwnDriver());
  else
    oDatPrefix->CloseFileSet(ToDatPrefix::BitOf(kind_), false, false, false);
}

TdbTreiber* TdbPrefixBase::GetDriver() {
  if (!HasPrefixRecord()) return nullptr;
  if (GetMode() == 2) return OwnDriver();
  return oDatPrefix ? oDatPrefix->Driver(kind_) : nullptr;
}

TdbPrefixBase::TPair& TdbPrefixBase::Pair() {
  switch (kind_) {
    case kMain: return main_;
    case kSingleCalls:
    case kCallGroups: return secondary_;
    case kBuffer59: return buffer59_;
    default: return buffer509_;
  }
}

void TdbPrefixBase::LoadRecord(bool intoWork, bool fromFile) {
  TdbBase::LoadRecord(intoWork, fromFile);
  TdbTreiber* d = GetDriver();
  if (!d || !d->RecordBuffer()) return;
  TPair& p = Pair();
  p[0].Assign(d->RecordBuffer(), std::min(d->RecordLength(), kSize));
  if (intoWork) p[1] = p[0];
}

int TdbPrefixBase::DefaultKeyNr() const {
  switch (kind_) {
    case kMain: return kKeyMainAutore;
    case kSingleCalls:
    case kCallGroups: return kKeySecondaryAutore;
    default: return 1;
  }
}

std::string TdbPrefixBase::CurrentKeyStr() const {
  return keycodec::LongKey(HasPrefixRecord() ? ReadRec().I32(kAutore) : 0);
}

bool TdbPrefixBase::Modify() {
  uint8_t* buf = RecordBuffer();
  if (!buf || !HasPrefixRecord()) return false;
  std::memcpy(buf, WorkRec().Data(), kSize);
  if (!ModifyRecord()) return false;
  Pair()[0] = WorkRec();
  return true;
}

bool TdbPrefixBase::Add() {
  uint8_t* buf = RecordBuffer();
  if (!buf || !HasPrefixRecord()) return false;
  std::memcpy(buf, WorkRec().Data(), kSize);
  if (!AddRecord(kSize)) return false;
  WorkRec().SetI32(kAutore, recordbuf::GetI32(RecordBuffer(), kAutore));
  Pair()[0] = WorkRec();
  return true;
}

void TdbPrefixBase::ClearRecords() {
  Pair()[0].Clear();
  Pair()[1].Clear();
}

std::string TdbPrefixBase::Str(size_t off, size_t cap) const {
  return HasPrefixRecord() ? WorkRec().Str(off, cap) : "";
}
void TdbPrefixBase::SetStr(size_t off, size_t cap, const std::string& s) {
  if (HasPrefixRecord()) WorkRec().SetStr(off, cap, s);
}
int32_t TdbPrefixBase::I32(size_t off) const { return HasPrefixRecord() ? WorkRec().I32(off) : 0; }
uint8_t TdbPrefixBase::Byte(size_t off) const {
  return HasPrefixRecord() ? WorkRec().Byte(off) : 0;
}

std::string TdbPrefixBase::GetPrefix() const { return Str(kPrefix, kPrefixLen); }
void TdbPrefixBase::SetPrefix(const std::string& s) { SetStr(kPrefix, kPrefixLen, s); }
std::string TdbPrefixBase::GetDXCC() const { return Str(kDxcc, kDxccLen); }
void TdbPrefixBase::SetDXCC(const std::string& s) { SetStr(kDxcc, kDxccLen, s); }
std::string TdbPrefixBase::GetMenue() const { return Str(kMenue, kMenueLen); }
void TdbPrefixBase::SetMenue(const std::string& s) { SetStr(kMenue, kMenueLen, s); }
std::string TdbPrefixBase::GetCountry() const { return Str(kCountry, kCountryLen); }
void TdbPrefixBase::SetCountry(const std::string& s) { SetStr(kCountry, kCountryLen, s); }
std::string TdbPrefixBase::GetLocator() const { return Str(kLocator, kLocatorLen); }
std::string TdbPrefixBase::GetContinent() const { return Str(kContinent, kZoneLen); }
std::string TdbPrefixBase::GetWAE() const { return Str(kWae, kPrefixLen); }
std::string TdbPrefixBase::GetWAZ() const { return Str(kWaz, kZoneLen); }
std::string TdbPrefixBase::GetITU() const { return Str(kItu, kZoneLen); }
std::string TdbPrefixBase::GetQSLBureau() const {
  return kind_ == kMain ? Str(kBureau, kBureauLen) : "";
}
void TdbPrefixBase::SetPrefixZus(const std::string& s) {
  if (kind_ == kSingleCalls || kind_ == kCallGroups) SetStr(kBureau, kBureauLen, s);
}
std::string TdbPrefixBase::GetPrefixZus() const {
  return (kind_ == kSingleCalls || kind_ == kCallGroups) ? Str(kBureau, kBureauLen) : "";
}
std::string TdbPrefixBase::GetRemark() const { return Str(kRemark, kRemarkLen); }
uint8_t TdbPrefixBase::GetRangeStart() const { return Byte(kRangeStart); }
uint8_t TdbPrefixBase::GetSel() const { return Byte(kSel); }
uint8_t TdbPrefixBase::GetWholeCallMark() const { return Byte(kWholeCall); }
bool TdbPrefixBase::GetMarker() const { return Byte(kMarker) > 0; }
int32_t TdbPrefixBase::GetValidFrom() const { return I32(kValidFrom); }
int32_t TdbPrefixBase::GetValidUntil() const { return I32(kValidUntil); }
int32_t TdbPrefixBase::GetDXCC2Until() const { return I32(kDxcc2Until); }
int32_t TdbPrefixBase::GetOldPrefixUntil() const { return I32(kOldPrefixUntil); }
std::string TdbPrefixBase::GetDXCC2() const { return Str(kDxcc2, kPrefixLen); }
std::string TdbPrefixBase::GetOldPrefix() const { return Str(kOldPrefix, kPrefixLen); }
std::string TdbPrefixBase::GetWiePref() const { return Str(kWiePref, kPrefixLen); }
int16_t TdbPrefixBase::GetADIFNr() const { return HasPrefixRecord() ? WorkRec().I16(kAdifNr) : 0; }
void TdbPrefixBase::SetADIFNr(int16_t n) {
  if (HasPrefixRecord()) WorkRec().SetI16(kAdifNr, n);
}
int32_t TdbPrefixBase::GetAutore() const { return I32(kAutore); }
void TdbPrefixBase::SetAutore(int32_t n) {
  if (HasPrefixRecord()) WorkRec().SetI32(kAutore, n);
}
