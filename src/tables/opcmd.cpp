#include "tables/opcmd.h"

#include <functional>

#include "foundation/progdir.h"
#include "storage/dbbase.h"
#include "tables/settingshooks.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"
#include "tables/setuptables.h"

namespace opcmd {
namespace {

// What the services hold now goes into the record.
void ReadServices(TSetup2Rec& rec) {
  const auto& h = settingshooks::Hooks();
  if (h.ReadModes) rec.SetModes(h.ReadModes());
  if (h.GetSuffixRule)
    for (int i = 1; i <= TSetup2Rec::kSuffixRules; ++i) rec.SetSuffixRule(i, h.GetSuffixRule(i));
}

void ApplyToServices(const TSetup2Rec& rec, const std::string& ownCall) {
  const auto& h = settingshooks::Hooks();
  if (h.ApplyModes) h.ApplyModes(rec.Modes());
  if (h.SetSuffixRule)
    for (int i = 1; i <= TSetup2Rec::kSuffixRules; ++i) h.SetSuffixRule(i, rec.SuffixRule(i));
  if (h.ResolveOwnCall && !ownCall.empty()) h.ResolveOwnCall(ownCall);
}

// The one record of a settings file: read, or created from fresh when missing.
template <typename Table, typename Rec, typename Get, typename Set>
bool ReadOrCreate(Table& t, Rec& rec, Get get, Set set, const std::function<Rec()>& fresh) {
  if (!t.IsOpen()) return false;
  if (t.First(1)) {
    rec = (t.*get)();
    return true;
  }
  rec = fresh();
  t.ClearRecords();
  (t.*set)(rec);
  return t.Add();
}

template <typename Table, typename Rec, typename Set>
bool Write(Table& t, const Rec& rec, Set set) {
  if (!t.IsOpen()) return false;
  bool exists = t.First(1);
  (t.*set)(rec);
  return exists ? t.Modify() : t.Add();
}

}  // namespace

bool LoadSettings() {
  if (!dbbase::DatabaseStarted()) return false;
  TdbSetupBase setup;
  TdbSetup2 setup2;
  TSetupRec rec;
  TSetup2Rec rec2;
  bool ok =
      ReadOrCreate<TdbSetupBase, TSetupRec>(setup, rec, &TdbSetupBase::GetSetupRec,
                                            &TdbSetupBase::SetSetupRec, [] { return TSetupRec(); });
  // A first start takes the services' own defaults (mode words, suffix rules), so that
  // an empty record never wipes them.
  ok = ReadOrCreate<TdbSetup2, TSetup2Rec>(
           setup2, rec2, &TdbSetup2::GetSetup2Rec, &TdbSetup2::SetSetup2Rec,
           [] {
             TSetup2Rec r = ToSetups::DefaultSetup2(ProgramDirectory(), ShippedDataDirectory());
             ReadServices(r);
             return r;
           }) &&
       ok;
  Setups().SetRecords(rec, rec2);
  setupseparat::SetLanguage(rec2.Language());
  ApplyToServices(rec2, Setups().GetOwnCall(false));
  Setups().StoreNow = [] { SaveSettings(); };
  return ok;
}

bool SaveSettings() {
  if (!dbbase::DatabaseStarted()) return false;
  TSetup2Rec rec2 = Setups().Setup2Rec();
  rec2.SetLanguage(setupseparat::Language());
  ReadServices(rec2);
  TSetupRec rec = Setups().SetupRec();
  Setups().SetRecords(rec, rec2);
  TdbSetupBase setup;
  TdbSetup2 setup2;
  bool ok = Write(setup, rec, &TdbSetupBase::SetSetupRec);
  return Write(setup2, rec2, &TdbSetup2::SetSetup2Rec) && ok;
}

}  // namespace opcmd
