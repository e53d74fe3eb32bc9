#pragma once
// The keys of the contest files and their builders: from a record to the key bytes of
// one of its keys (1-based key numbers in the files' key order). Keys compare bytewise.

#include <cstdint>
#include <string>
#include "storage/dbkeys.h"
#include "tables/keyparts.h"

class TContestQSORec;
class TContestListRec;
class TContestConfigRec;

namespace contestkeys {

// The QSO log BMLK####: 28 keys.
enum QsoKey {
  kDatumZeit = 1,
  kCallDatumZeit = 2,
  kLocDatumZeit = 3,
  kNummer = 4,
  kDxcc = 5,
  kCall = 6,
  kSel = 7,
  kBandNrIntern = 8,
  kBandCallMode = 9,
  kBandDxcc = 10,
  kBandNrDesc = 11,
  kBandNrInternDesc = 12,
  kWagNummer = 13,
  kBandDistrict = 14,
  kBandSdok = 15,
  kDistrictSdok = 16,
  kBandSd = 17,
  kDok = 18,
  kCMulti = 19,
  kCall2 = 20,
  kBandDok = 21,
  kBandPrefix = 22,
  kBandLoc = 23,
  kModeNrDesc = 24,
  kBandZone = 25,
  kZone = 26,
  kBandCall2 = 27,
  kPrefix = 28,
};
constexpr int kQsoKeyCount = 28;

const ToKeys& QsoKeys();
std::string BuildQsoKey(const TContestQSORec& rec, int keyNr);

// The contest list BMKK.
enum ListKey {
  kListTypName = 1,
  kListTypDatum = 2,
  kListNummer = 3,
  kListTypNummer = 4,
  kListName = 5
};
const ToKeys& ListKeys();
std::string BuildListKey(const TContestListRec& rec, int keyNr);

// The configuration file BMKZ: one key, the contest number.
const ToKeys& ConfigKeys();
std::string BuildConfigKey(const TContestConfigRec& rec, int keyNr);

// The scratch log BMLKTEMP: one key, the QSO number.
const ToKeys& TempKeys();
std::string BuildTempKey(const TContestQSORec& rec, int keyNr);

}  // namespace contestkeys
