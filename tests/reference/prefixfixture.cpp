#include "prefixfixture.h"

#include "foundation/daynumber.h"
#include "tables/setups.h"

namespace prefixtest {

using namespace prefixrec;

TRecord MakeRecord(const Entry& e) {
  TRecord r(kSize);
  r.SetStr(kPrefix, kPrefixLen, e.Prefix);
  r.SetStr(kDxcc, kDxccLen, e.Dxcc);
  r.SetStr(kMenue, kMenueLen, e.Menue);
  r.SetStr(kCountry, kCountryLen, e.Country);
  r.SetStr(kRemark, kRemarkLen, e.Remark);
  r.SetStr(kWaz, kZoneLen, e.Waz);
  r.SetStr(kItu, kZoneLen, e.Itu);
  r.SetStr(kBureau, kBureauLen, e.Zus);
  r.SetByte(kRangeStart, uint8_t(e.RangeStart));
  r.SetI32(kValidFrom, e.ValidFrom);
  r.SetI32(kValidUntil, e.ValidUntil);
  r.SetStr(kDxcc2, kPrefixLen, e.Dxcc2);
  r.SetI32(kDxcc2Until, e.Dxcc2Until);
  r.SetStr(kOldPrefix, kPrefixLen, e.OldPrefix);
  r.SetI32(kOldPrefixUntil, e.OldPrefixUntil);
  r.SetStr(kWiePref, kPrefixLen, e.WiePref);
  r.SetByte(kWholeCall, uint8_t(e.WholeCall));
  r.SetByte(kSel, uint8_t(e.Sel));
  r.SetI16(kAdifNr, e.AdifNr);
  return r;
}

void UseDataDir(const std::string& dir) {
  ToSetupDirs dirs = Setups().GetDirs();
  dirs[setupdirs::kData] = dir;
  Setups().SetDirs(dirs);
}

void PrefixFiles::SetUp() {
  UseDataDir(dir_.Path());
  ASSERT_TRUE(oDatPrefix->OpenFileSet(
      ToDatPrefix::kBitMain | ToDatPrefix::kBitSingleCalls | ToDatPrefix::kBitCallGroups, false));
}

void PrefixFiles::TearDown() {
  oDatPrefix->CloseFileSet(7, false, false, true);
  UseDataDir("");
}

void PrefixFiles::Add(const Entry& e, uint8_t kind) {
  TdbPrefix t(kind);
  t.SetWorkRec(MakeRecord(e));
  ASSERT_TRUE(t.Add()) << e.Prefix;
}

int PrefixFiles::Resolve(TdbPrefix& t, const std::string& call, int32_t date) {
  uint8_t status = 0;
  return t.ResolveCall(call, date, false, nullptr, nullptr, status, nullptr, false);
}

int32_t Day(int y, int m, int d) { return daynumber::FromYMD(y, m, d); }

}  // namespace prefixtest
