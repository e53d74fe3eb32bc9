#include "tables/contestkeys.h"

#include "foundation/keystr.h"
#include "tables/contestrecs.h"

namespace contestkeys {
namespace {

using keycodec::DateKey;
using keycodec::LongKey;
using keycodec::TimeKey;
using keyparts::Ch;
using keyparts::Desc;
using keyparts::Fit;
using R = TContestQSORec;

std::string When(const R& r) { return DateKey(r.Datum()) + TimeKey(r.Zeit()); }
// The record keeps the call as typed; its keys hold the home part.
std::string CallPart(const R& r) { return Fit(keyparts::CallForm(r.Call()), keyparts::kCall); }
std::string DokPart(const R& r) { return Fit(r.DOK1(), 6) + Fit(r.DOK2(), 2); }
std::string Band(const R& r) { return Ch(r.Bandcode()); }

struct TQsoKey {
  int Length;
  bool Duplicates;
  const char* Expression;
  std::string (*Build)(const R&);
};

// In the file's key order. Only the QSO number is unique by the file's definition; the
// date and time is unique as well, because the save road relies on a refused insert
// to move a QSO of the same second one second on.
const TQsoKey kQsoKeys[kQsoKeyCount] = {
    {8, false, "Datum,Zeit", [](const R& r) { return When(r); }},
    {22, true, "Call,Datum,Zeit", [](const R& r) { return CallPart(r) + When(r); }},
    {14, true, "Loc,Datum,Zeit", [](const R& r) { return Fit(r.Loc(), keyparts::kLoc) + When(r); }},
    {5, false, "Nummer AUTOKEY", [](const R& r) { return LongKey(r.Nummer()); }},
    {6, true, "DXCC", [](const R& r) { return Fit(r.DXCC(), keyparts::kDxcc); }},
    {14, true, "Call", [](const R& r) { return CallPart(r); }},
    {5, true, "sel", [](const R& r) { return LongKey(r.sel()); }},
    {6, true, "Bandcode,wagBandNrIntern",
     [](const R& r) { return Band(r) + LongKey(r.wagBandNrIntern()); }},
    {21, true, "Bandcode,Call,Mode",
     [](const R& r) { return Band(r) + CallPart(r) + Fit(r.Mode(), keyparts::kMode); }},
    {7, true, "Bandcode,DXCC", [](const R& r) { return Band(r) + Fit(r.DXCC(), keyparts::kDxcc); }},
    {6, true, "Bandcode,wagBandNr DESC", [](const R& r) { return Band(r) + Desc(r.wagBandNr()); }},
    {6, true, "Bandcode,wagBandNrIntern DESC",
     [](const R& r) { return Band(r) + Desc(r.wagBandNrIntern()); }},
    {5, true, "wagNummer", [](const R& r) { return LongKey(r.wagNummer()); }},
    {2, true, "Bandcode,District", [](const R& r) { return Band(r) + Ch(r.District()); }},
    {2, true, "Bandcode,SDOK", [](const R& r) { return Band(r) + Ch(r.SDOK()); }},
    {2, true, "District,SDOK", [](const R& r) { return Ch(r.District()) + Ch(r.SDOK()); }},
    // "SD" names no field of the record: the special-DOK letter is what it stands for.
    {2, true, "Bandcode,SD", [](const R& r) { return Band(r) + Ch(r.SDOK()); }},
    {8, true, "DOK1,DOK2", [](const R& r) { return DokPart(r); }},
    {6, true, "CMulti", [](const R& r) { return Fit(r.CMulti(), keyparts::kMulti); }},
    {12, true, "Call2", [](const R& r) { return Fit(r.Call2(), keyparts::kCall2); }},
    {9, true, "Bandcode,DOK1,DOK2", [](const R& r) { return Band(r) + DokPart(r); }},
    {7, true, "Bandcode,Prefix",
     [](const R& r) { return Band(r) + Fit(r.Prefix(), keyparts::kPrefix); }},
    {7, true, "Bandcode,Loc", [](const R& r) { return Band(r) + Fit(r.Loc(), keyparts::kLoc); }},
    {11, true, "Mode,ModeNr DESC",
     [](const R& r) { return Fit(r.Mode(), keyparts::kMode) + Desc(r.ModeNr()); }},
    {3, true, "Bandcode,WAZ_USStaat",
     [](const R& r) { return Band(r) + Fit(r.WAZ_USStaat(), keyparts::kZone); }},
    {2, true, "WAZ_USStaat", [](const R& r) { return Fit(r.WAZ_USStaat(), keyparts::kZone); }},
    {13, true, "Bandcode,Call2",
     [](const R& r) { return Band(r) + Fit(r.Call2(), keyparts::kCall2); }},
    {6, true, "Prefix", [](const R& r) { return Fit(r.Prefix(), keyparts::kPrefix); }},
};

}  // namespace

const ToKeys& QsoKeys() {
  static const ToKeys keys = [] {
    ToKeys k;
    for (const auto& q : kQsoKeys) k.Add(q.Length, q.Duplicates, q.Expression);
    return k;
  }();
  return keys;
}

std::string BuildQsoKey(const TContestQSORec& rec, int keyNr) {
  if (keyNr < 1 || keyNr > kQsoKeyCount) return std::string();
  return kQsoKeys[keyNr - 1].Build(rec);
}

const ToKeys& ListKeys() {
  // A contest is known by its code and name, so that name may not repeat within a code.
  // Key 4 is named nowhere; code and number keep it useful and never refuse a record.
  static const ToKeys keys = keyparts::MakeKeys({{26, false, "Typ,Name"},
                                                 {5, true, "Typ,DatumVon"},
                                                 {5, false, "Nummer AUTOKEY"},
                                                 {6, true, "Typ,Nummer"},
                                                 {25, true, "Name"}});
  return keys;
}

std::string BuildListKey(const TContestListRec& r, int keyNr) {
  switch (keyNr) {
    case kListTypName: return Ch(r.Typ()) + Fit(r.Name(), keyparts::kContestName);
    case kListTypDatum: return Ch(r.Typ()) + DateKey(r.DatumVon());
    case kListNummer: return LongKey(r.Nummer());
    case kListTypNummer: return Ch(r.Typ()) + LongKey(r.Nummer());
    case kListName: return Fit(r.Name(), keyparts::kContestName);
    default: return std::string();
  }
}

const ToKeys& ConfigKeys() {
  static const ToKeys keys = keyparts::MakeKeys({{5, false, "Nummer"}});
  return keys;
}

std::string BuildConfigKey(const TContestConfigRec& r, int keyNr) {
  return keyNr == 1 ? LongKey(r.Nummer()) : std::string();
}

const ToKeys& TempKeys() {
  static const ToKeys keys = keyparts::MakeKeys({{5, false, "Nummer AUTOKEY"}});
  return keys;
}

std::string BuildTempKey(const TContestQSORec& r, int keyNr) {
  return keyNr == 1 ? LongKey(r.Nummer()) : std::string();
}

}  // namespace contestkeys
