// The table of the multiplier kinds: which captions stand for a kind, which QSO field
// holds its value and which keys of the QSO log order it.

#include "log/contlogalle.h"
#include "reference/prefix.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"

namespace {

using K = TContLogAlle::TMultiKind;
using namespace contestkeys;

// "WAE" and "IBFD" are the captions the rules give the multipliers of 'E' and 'n'; they
// stand here so that those columns are counted.
const K kKinds[] = {
    {1,
     {"Prefix"},
     kPrefix,
     kBandPrefix,
     4,
     4,
     &TdbContest::SearchPrefix,
     &TdbContest::SearchBandPrefix},
    {2,
     {"DXCC", "Prefix", "WAE"},
     kDxcc,
     kBandDxcc,
     6,
     8,
     &TdbContest::SearchDXCC,
     &TdbContest::SearchBandDXCC},
    {4,
     {"DOK", "Area", "LDK"},
     kDok,
     kBandDok,
     8,
     8,
     &TdbContest::SearchDOK,
     &TdbContest::SearchBandDOK},
    {5, {"Loc"}, kLocDatumZeit, kBandLoc, 4, 4, &TdbContest::SearchLoc, &TdbContest::SearchBandLoc},
    {10,
     {"Callmulti"},
     kCallDatumZeit,
     kBandCallMode,
     14,
     14,
     &TdbContest::SearchCall,
     &TdbContest::SearchBandCall},
    {12,
     {"US-State"},
     kZone,
     kBandZone,
     2,
     2,
     &TdbContest::SearchZone,
     &TdbContest::SearchBandZone},
    {15, {"PLZ"}, kZone, kBandZone, 2, 2, &TdbContest::SearchZone, &TdbContest::SearchBandZone},
    {16,
     {"DIG", "IBFD", "AGCW", "QCWA"},
     kCall2,
     kBandCall2,
     4,
     4,
     &TdbContest::SearchCall2,
     &TdbContest::SearchBandCall2},
    {18,
     {"DOK", "Distrikt"},
     kDok,
     kBandDok,
     1,
     8,
     &TdbContest::SearchDOK,
     &TdbContest::SearchBandDOK},
    {19,
     {"Naval", "QCWA", "DSW", "IBFD"},
     kCall2,
     kBandCall2,
     6,
     6,
     &TdbContest::SearchCall2,
     &TdbContest::SearchBandCall2},
};

}  // namespace

const TContLogAlle::TMultiKind* TContLogAlle::MultiKindOf(int kind) {
  for (const K& k : kKinds)
    if (k.Kind == kind) return &k;
  return nullptr;
}

std::string TContLogAlle::MultiValueOf(int kind, const TContestQSORec& qso) {
  switch (kind) {
    case 1: return qso.Prefix();
    case 2: return qso.DXCC();
    case 4: return qso.DOK();
    case 5: return qso.Loc().substr(0, 4);
    case 10: return oPrefix ? oPrefix->CountryOfCall(qso.Call(), 1) : qso.Call();
    case 12:
    case 15: return qso.WAZ_USStaat();
    case 16:
    case 19: return qso.Call2();
    case 18: return qso.DOK1().substr(0, 1);
    default: return std::string();
  }
}

bool TContLogAlle::MultiKindMatches(int kind, int column, const TContestRec& def) {
  if (column < 1 || column > 3) return false;
  const std::string& caption = def.MultiplierName[size_t(column)];
  const K* k = MultiKindOf(kind);
  if (caption.empty() || !k) return false;
  for (const char* name : k->Names)
    if (name && caption == name) return true;
  return false;
}
