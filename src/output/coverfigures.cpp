#include "output/coverfigures.h"

#include <set>

#include "foundation/strings.h"
#include "output/qsowalk.h"
#include "tables/contestkeys.h"

namespace coversheet {

namespace {

size_t BandIndex(const TContestQSORec& rec) { return uint8_t(rec.Bandcode()); }

void Append(std::string& text, std::string_view value) {
  text += ' ';
  text += value;
}

// A DOK of the district form: a letter other than J and Z followed by two digits; the
// letter, or 0 when the text is of no such form.
char DokLetter(const std::string& text) {
  if (text.size() != 3) return 0;
  const char c = text[0];
  if (c < 'A' || c > 'Z' || c == 'J' || c == 'Z') return 0;
  if (text[1] < '0' || text[1] > '9' || text[2] < '0' || text[2] > '9') return 0;
  return c;
}

void Count(TBandCounts& counts, int32_t& total, size_t band) {
  ++counts[band];
  ++total;
}

}  // namespace

void CollectLogFigures(TdbBase& qsoTable, TCoverFigures& f) {
  std::set<std::string> countries, fields;
  int bestPoints = 0;
  qsowalk::WalkQsos(qsoTable, contestkeys::kDatumZeit, [&](const TContestQSORec& rec) {
    // A QSO without country or locator has worked none.
    if (const std::string dxcc = ToStrings::Trim(rec.DXCC()); !dxcc.empty()) countries.insert(dxcc);
    if (const std::string field = ToStrings::Trim(ToStrings::Left(rec.Loc(), 4)); !field.empty())
      fields.insert(field);
    if (rec.Points() > bestPoints) {
      bestPoints = rec.Points();
      f.OdxText = rec.Call() + ";" + rec.Loc() + ";" + std::to_string(rec.Points());
    }
  });
  f.DxccCount = int(countries.size());
  f.LocatorFieldCount = int(fields.size());
}

void CountDistrictDOKs(TdbBase& qsoTable, uint8_t category, TCoverFigures& f) {
  f.DokCount = {};
  f.SpecialDokCount = {};
  f.DistrictCount = {};
  f.DokTotal = f.SpecialDokTotal = f.DistrictTotal = 0;
  f.DistrictText.clear();
  f.DokText.clear();
  f.SpecialDokText.clear();
  f.SpecialCallText.clear();
  f.LocatorText.clear();
  // The listener and all-band classes count nothing.
  if (category > 6) return;
  const bool eightyMetres = category <= 3;
  qsowalk::WalkQsos(qsoTable, contestkeys::kDatumZeit, [&](const TContestQSORec& rec) {
    const size_t band = BandIndex(rec);
    const std::string multi = ToStrings::Trim(rec.CMulti());
    const char letter = DokLetter(multi);
    if (eightyMetres && letter != 0 && letter != 'K') {
      Count(f.DistrictCount, f.DistrictTotal, band);
      Append(f.DistrictText, std::string(1, letter));
    } else if (letter != 0 && (!eightyMetres || letter == 'K')) {
      Count(f.DokCount, f.DokTotal, band);
      Append(f.DokText, multi);
    } else if (!multi.empty()) {
      Count(f.SpecialDokCount, f.SpecialDokTotal, band);
      Append(f.SpecialDokText, multi);
    }
    if (const std::string special = ToStrings::Trim(rec.Multi2()); !special.empty())
      Append(f.SpecialCallText, special);
    if (!eightyMetres)
      if (const std::string call2 = ToStrings::Trim(rec.Call2()); !call2.empty())
        Append(f.LocatorText, call2);
  });
}

void CollectZDOKs(TdbBase& qsoTable, TCoverFigures& f) {
  f.ZDokText.clear();
  qsowalk::WalkQsos(qsoTable, contestkeys::kCMulti, [&](const TContestQSORec& rec) {
    if (const std::string multi = ToStrings::Trim(rec.CMulti()); !multi.empty())
      Append(f.ZDokText, multi);
  });
}

void CountNavalBands(TdbBase& qsoTable, TCoverFigures& f) {
  f.BandQsoCount = {};
  f.BandMultiplierQsoCount = {};
  f.BandPointSum = {};
  qsowalk::WalkQsos(qsoTable, contestkeys::kDatumZeit, [&](const TContestQSORec& rec) {
    const size_t band = BandIndex(rec);
    ++f.BandQsoCount[band];
    f.BandPointSum[band] += rec.Points();
    if (!ToStrings::Trim(rec.CMulti()).empty()) ++f.BandMultiplierQsoCount[band];
  });
}

TCoverFigures CollectFigures(TdbBase& qsoTable, char code, uint8_t category) {
  TCoverFigures f;
  CollectLogFigures(qsoTable, f);
  if (code == 'h') CountDistrictDOKs(qsoTable, category, f);
  if (code == 'o') CollectZDOKs(qsoTable, f);
  if (code == 'i') CountNavalBands(qsoTable, f);
  return f;
}

}  // namespace coversheet
