#pragma once
// The figures the cover sheet collects over the log before it writes its first line:
// the worked countries and locator fields and the ODX of every log, the DOK, special-DOK
// and district counts of the DOK contest ('h'), the Z-DOKs ('o') and the per-band sums
// of the naval contest ('i').

#include <array>
#include <cstdint>
#include <string>

class TdbBase;

// Per band code (0..255).
using TBandCounts = std::array<int32_t, 256>;

struct TCoverFigures {
  int DxccCount = 0;
  int LocatorFieldCount = 0;
  std::string OdxText;  // call;locator;points of the QSO with the most points

  TBandCounts DokCount{}, SpecialDokCount{}, DistrictCount{};
  int32_t DokTotal = 0, SpecialDokTotal = 0, DistrictTotal = 0;
  std::string DistrictText, DokText, SpecialDokText, SpecialCallText, LocatorText;

  std::string ZDokText;

  TBandCounts BandQsoCount{}, BandMultiplierQsoCount{}, BandPointSum{};
};

namespace coversheet {

// Walks the QSO table as the contest code asks. Band-change lines are no QSOs and count
// nowhere.
TCoverFigures CollectFigures(TdbBase& qsoTable, char code, uint8_t category);

// The parts of a collection, each one walk over the table.
void CollectLogFigures(TdbBase& qsoTable, TCoverFigures& f);
void CountDistrictDOKs(TdbBase& qsoTable, uint8_t category, TCoverFigures& f);
void CollectZDOKs(TdbBase& qsoTable, TCoverFigures& f);
void CountNavalBands(TdbBase& qsoTable, TCoverFigures& f);

}  // namespace coversheet
