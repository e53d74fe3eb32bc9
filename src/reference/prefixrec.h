#pragma once
// The 181-byte record of the prefix files BMPREFIX, BMPREFEE and BMPREFES, and the keys
// built from it. In the secondary files the prefix field is called Prefix1 and the field
// at 62 PrefixZus (additional prefix) instead of the QSL bureau.

#include <cstddef>
#include <cstdint>
#include <string>

class ToKeys;

namespace prefixrec {

constexpr size_t kSize = 181;

// Offsets (strings: length byte, then the characters) and capacities.
constexpr size_t kPrefix = 4, kPrefixLen = 6;
constexpr size_t kDxcc = 11, kDxccLen = 6;
constexpr size_t kMenue = 18, kMenueLen = 3;
constexpr size_t kWaz = 22, kItu = 25, kContinent = 28, kZoneLen = 2;
constexpr size_t kCountry = 31, kCountryLen = 30;
constexpr size_t kBureau = 62, kBureauLen = 8;  // QSLBureau / PrefixZus
constexpr size_t kLocator = 71, kLocatorLen = 8;
constexpr size_t kValidFrom = 80, kValidUntil = 84, kDxcc2Until = 88;
constexpr size_t kDxcc2 = 96;
constexpr size_t kRangeStart = 107;
constexpr size_t kAdifNr = 108;
constexpr size_t kWiePref = 110;
constexpr size_t kMarker = 117;
constexpr size_t kRemark = 120, kRemarkLen = 36;
constexpr size_t kAutore = 157;
constexpr size_t kOldPrefixUntil = 161, kOldPrefix = 165;
constexpr size_t kWae = 172;
constexpr size_t kSel = 179;
constexpr size_t kWholeCall = 180;

// File kinds of the prefix tables.
enum Kind : uint8_t { kMain = 0, kSingleCalls = 1, kCallGroups = 2, kBuffer59 = 3, kBuffer509 = 4 };
constexpr int kMainKeys = 15;       // BMPREFIX
constexpr int kSecondaryKeys = 14;  // BMPREFEE, BMPREFES

// Key numbers used by the resolution and the maintenance.
constexpr int kKeyPrefix = 1;
constexpr int kKeyDxccPrefix = 2;
constexpr int kKeyPrefixMenue = 3;
constexpr int kKeyMainAutore = 15;
constexpr int kKeyPrefixZus = 13;  // secondary files: Prefix1,PrefixZus
constexpr int kKeySecondaryAutore = 14;

ToKeys Keys(Kind kind);
// The key keyNr of a record of that file kind; empty for a number outside the list.
std::string BuildKey(const uint8_t* record, Kind kind, int keyNr);

// Key texts the searches use.
std::string PrefixKey(const std::string& prefix);                                 // key 1
std::string DxccPrefixKey(const std::string& dxcc, const std::string& prefix);    // key 2
std::string PrefixMenueKey(const std::string& prefix, const std::string& menue);  // key 3
std::string PrefixZusKey(const std::string& prefix1, const std::string& zus);     // key 13

}  // namespace prefixrec
