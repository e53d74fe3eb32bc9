#include "reference/prefixrec.h"

#include "foundation/keystr.h"
#include "foundation/recordbuf.h"
#include "foundation/strings.h"
#include "storage/dbkeys.h"

namespace prefixrec {
namespace {

std::string Field(const uint8_t* rec, size_t off, size_t cap, size_t width) {
  return ToStrings::FitWidth(recordbuf::GetStr(rec, off, cap), int(width), true);
}

// One key of the files: length, duplicates and the expression (with the secondary files'
// field names where they differ).
struct KeyRow {
  int length;
  const char* mainExpr;
  const char* secondaryExpr;
};
const KeyRow kKeyRows[] = {
    {6, "Prefix", "Prefix1"},
    {12, "DXCC,Prefix", "DXCC,Prefix1"},
    {9, "Prefix,Menue", "Prefix1,Menue"},
    {8, "WAZ,Prefix", "WAZ,Prefix1"},
    {8, "ITU,Prefix", "ITU,Prefix1"},
    {8, "Continent,Prefix", "Continent,Prefix1"},
    {36, "Country,Prefix", "Country,Prefix1"},
    {14, "QSLBureau,Prefix", "PrefixZus,Prefix1"},
    {13, "WAE", "WAE"},
    {7, "u,Prefix", "u,Prefix1"},
    {6, "wiePref", "wiePref"},
    {6, "DXCC2", "DXCC2"},
};

}  // namespace

ToKeys Keys(Kind kind) {
  ToKeys keys;
  for (const KeyRow& k : kKeyRows)
    keys.Add(k.length, true, kind == kMain ? k.mainExpr : k.secondaryExpr);
  if (kind == kMain) {
    keys.Add(5, true, "ADIFNr");
    keys.Add(7, true, "sel,DXCC");
    keys.Add(5, true, "autore AUTOKEY");
  } else {
    keys.Add(14, false, "Prefix1,PrefixZus");
    keys.Add(5, kind == kSingleCalls, "autore AUTOKEY");
  }
  return keys;
}

std::string BuildKey(const uint8_t* r, Kind kind, int keyNr) {
  const std::string prefix = Field(r, kPrefix, kPrefixLen, 6);
  auto autore = [&] { return keycodec::LongKey(recordbuf::GetI32(r, kAutore)); };
  switch (keyNr) {
    case 1: return prefix;
    case 2: return Field(r, kDxcc, kDxccLen, 6) + prefix;
    case 3: return prefix + Field(r, kMenue, kMenueLen, 3);
    case 4: return Field(r, kWaz, kZoneLen, 2) + prefix;
    case 5: return Field(r, kItu, kZoneLen, 2) + prefix;
    case 6: return Field(r, kContinent, kZoneLen, 2) + prefix;
    case 7:
      return ToStrings::FitWidthUpper(recordbuf::GetStr(r, kCountry, kCountryLen), 30, true) +
             prefix;
    case 8: return Field(r, kBureau, kBureauLen, 8) + prefix;
    case 9: return Field(r, kWae, kPrefixLen, 6);
    case 10: {
      const auto sel = static_cast<unsigned char>(r[kSel]);
      const char u = sel == '*' ? 2 : (sel < 'J' ? 0 : 1);
      return std::string(1, u) + prefix;
    }
    case 11: return Field(r, kWiePref, kPrefixLen, 6);
    case 12: return Field(r, kDxcc2, kPrefixLen, 6);
    default: break;
  }
  if (kind == kMain) {
    switch (keyNr) {
      case 13: return keycodec::LongKey(recordbuf::GetI16(r, kAdifNr));
      case 14: return std::string(1, char(r[kSel])) + Field(r, kDxcc, kDxccLen, 6);
      case 15: return autore();
      default: return {};
    }
  }
  switch (keyNr) {
    case 13: return prefix + Field(r, kBureau, kBureauLen, 8);
    case 14: return autore();
    default: return {};
  }
}

std::string PrefixKey(const std::string& prefix) { return ToStrings::FitWidth(prefix, 6, true); }

std::string DxccPrefixKey(const std::string& dxcc, const std::string& prefix) {
  return ToStrings::FitWidth(dxcc, 6, true) + ToStrings::FitWidth(prefix, 6, true);
}

std::string PrefixMenueKey(const std::string& prefix, const std::string& menue) {
  return ToStrings::FitWidth(prefix, 6, true) + ToStrings::FitWidth(menue, 3, true);
}

std::string PrefixZusKey(const std::string& prefix1, const std::string& zus) {
  return ToStrings::FitWidth(prefix1, 6, true) + ToStrings::FitWidth(zus, 8, true);
}

}  // namespace prefixrec
