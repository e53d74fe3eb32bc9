// Recalculation ("Neuberechnung"): the per-band figures of the stored log are counted
// again and written into the contest list and configuration records, where the contest
// list, the configuration dialog and the exports read them.

#include "log/logrecalc.h"

#include <algorithm>

#include "foundation/messages.h"
#include "foundation/progress.h"
#include "log/contlogalle.h"
#include "storage/dbtreiber.h"
#include "storage/ifdriver.h"
#include "tables/contesttables.h"

namespace {

constexpr const char* kRecalcText = "Neuberechnung";
constexpr const char* kStoreError = "Fehler beim Speichern der Contest-Auswertung.";

uint16_t UShort(int32_t v) { return uint16_t(std::clamp<int32_t>(v, 0, UINT16_MAX)); }

void StoreShortForm(const TContestRec& def, const TBandTally& bandPoints,
                    const std::vector<TBandFigures>& figures, TContestListRec& list) {
  for (size_t off = 196; off < 226; ++off) list.SetByte(off, 0);
  for (int row = 1; row <= TContestListRec::kBandRows; ++row) {
    list.SetRowQsos(row, 0);
    list.SetRowMultipliers(row, 0);
    list.SetRowFirstMultiplier(row, 0);
    list.SetRowSecondMultiplier(row, 0);
    const char band = def.Bands[size_t(row)];
    list.SetRowPoints(row, band == 0 ? 0 : bandPoints[uint8_t(band)]);
  }
  const bool perBand = def.MultiplierBandMode != 1;
  for (int row = 1; row <= TContestListRec::kBandRows; ++row) {
    const TBandFigures& f = figures.at(size_t(row - 1));
    // The QSOs of a band are its own in every band mode, the rows 6 and 7 included.
    list.SetRowQsos(row, UShort(f.Qsos));
    if (perBand || row == 1) {
      list.SetRowMultipliers(row, UShort(f.Multis));
      list.SetRowFirstMultiplier(row, f.Columns[0]);
      list.SetRowSecondMultiplier(row, f.Columns[1]);
    }
  }
}

void StoreLongForm(const TContestRec& def, const TBandTally& bandPoints,
                   const std::vector<TBandFigures>& figures, TContestConfigRec& config) {
  for (size_t off = 8; off < 1808; ++off) config.SetByte(off, 0);
  for (int i = 1; i <= TContestConfigRec::kBands; ++i) {
    const char band = def.Bands[size_t(i)];
    const TBandFigures& f = figures.at(size_t(i - 1));
    config.SetBandPoints(i, band == 0 ? 0 : bandPoints[uint8_t(band)]);
    config.SetBandMultipliers(i, f.Multis);
    config.SetBandQsos(i, f.Qsos);
    for (int c = 1; c <= 3; ++c) config.SetBandMultiplierN(c, i, f.Columns[size_t(c - 1)]);
  }
}

}  // namespace

void StoreBandFigures(const TContestRec& def, const TBandTally& bandPoints,
                      const std::vector<TBandFigures>& figures, TContestListRec& list,
                      TContestConfigRec& config) {
  if (list.TotalsInConfig() == 0)
    StoreShortForm(def, bandPoints, figures, list);
  else
    StoreLongForm(def, bandPoints, figures, config);
}

namespace {

// The window's working copy of its own record is taken as it is: it may carry changes
// not stored yet (the column widths), which the rewrite below stores with the figures.
bool OnRecord(TdbContest& table, int32_t heldNumber, int32_t number) {
  return (heldNumber == number && table.CurrentRef() != 0) || table.FindNumber(number);
}

}  // namespace

bool TContestLogState::RecalcLog() {
  if (!OnRecord(listTable_, listTable_.GetListRec().Nummer(), contestNumber_) ||
      !OnRecord(configTable_, configTable_.GetConfigRec().Nummer(), contestNumber_)) {
    ToMessages::ShowError(kStoreError);
    return false;
  }
  TContestListRec list = listTable_.GetListRec();
  TContestConfigRec config = configTable_.GetConfigRec();
  std::vector<TBandFigures> figures;
  {
    TFortschrittWinCtrl progress(nullptr, "", kRecalcText, 500, false, false);
    progress.Execute();
    figures = CountBandFigures(&progress);
  }
  figures.resize(TContestConfigRec::kBands);
  StoreBandFigures(def_, BandPoints, figures, list, config);
  listTable_.SetListRec(list);
  bool ok = listTable_.Modify();
  configTable_.SetConfigRec(config);
  ok = configTable_.Modify() && ok;
  // Cleared only once the summary is stored: an end in between counts again next time.
  if (ok) recalcmark::Clear(*qso_);
  if (!ok) ToMessages::ShowError(kStoreError);
  return ok;
}

namespace recalcmark {

namespace {
constexpr const char* kMark = "recalc";
IFDriver* DriverOf(TdbBase& table) {
  TdbTreiber* d = table.GetDriver();
  return d ? d->Driver() : nullptr;
}
}  // namespace

bool Set(TdbBase& qsoTable) {
  IFDriver* d = DriverOf(qsoTable);
  return d && (d->Marked(kMark) || d->SetMarked(kMark, true));
}

bool IsSet(TdbBase& qsoTable) {
  IFDriver* d = DriverOf(qsoTable);
  return d && d->Marked(kMark);
}

bool Clear(TdbBase& qsoTable) {
  IFDriver* d = DriverOf(qsoTable);
  return d && (!d->Marked(kMark) || d->SetMarked(kMark, false));
}

bool RecalcIfChanged(const TContestRec& def, TdbContest& listTable, TdbContest& configTable) {
  const int32_t number = listTable.GetListRec().Nummer();
  {
    TdbContest qsos(TdbContestBase::kQsoLog, 0, number);
    if (!IsSet(qsos)) return true;
  }
  TContLogAlle common;
  TContestLogState state(def, common, listTable, configTable, number);
  state.RecountTotals(true);
  return state.RecalcLog();
}

}  // namespace recalcmark
