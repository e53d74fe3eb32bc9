// The log state's calls into the shared log logic: the multiplier engine and the points
// pass over the stored log.

#include "foundation/progress.h"
#include "log/contlogalle.h"
#include "log/logstate.h"
#include "tables/contesttables.h"

namespace {

// The engine reads a QSO from a table object's working record. The carrier is an object
// on the QSO log whose working record is only set, never read from or written to the
// file: a scratch-log object would clear the shared buffer of the file that the
// renumbering walks.
TdbContest& Carry(std::unique_ptr<TdbContest>& carrier, int32_t contestNumber,
                  const TContestQSORec& rec) {
  if (!carrier) carrier = std::make_unique<TdbContest>(TdbContestBase::kQsoLog, 0, contestNumber);
  carrier->SetQSORec(rec);
  return *carrier;
}

}  // namespace

bool TContestLogState::EngineAccepts(int kind, const std::string& value,
                                     const TContestQSORec& rec) {
  return logCommon_.IsNewMultiplier(kind, value, Carry(carrier_, contestNumber_, rec), listTable_,
                                    false, "", def_, "");
}

bool TContestLogState::EngineWorked(int kind, const std::string& value, char band,
                                    const TContestRec& def) {
  TContLogAlle::TColumnCounts counts;
  return logCommon_.CountMultipliers(kind, band, *qso_, listTable_, value, "", def, nullptr, false,
                                     false, counts, nullptr) == 1;
}

int32_t TContestLogState::EngineCount(int kind, char band, const TContestRec& def, bool fillLists,
                                      bool byColumn, TBandFigures* figures,
                                      TFortschrittWinCtrl* progress) {
  TContLogAlle::TColumnCounts counts;
  const int32_t n = logCommon_.CountMultipliers(kind, band, *qso_, listTable_, "", "", def,
                                                fillLists ? &MultiLists.Lists() : nullptr,
                                                fillLists, byColumn, counts, progress);
  if (figures && byColumn) {
    for (size_t c = 1; c <= 3; ++c)
      figures->Columns[c - 1] = int16_t(figures->Columns[c - 1] + counts.Column[c]);
    if (kind == 2) figures->Qsos = counts.Qsos;
  }
  return n;
}
int32_t TContestLogState::EngineWeight(int kind, const TContestQSORec& rec) {
  return TContLogAlle::MultiplierWeight(kind, rec, def_, listTable_);
}

bool TContestLogState::EngineColumnMatches(int kind, int column) {
  return TContLogAlle::MultiKindMatches(kind, column, def_);
}

std::string TContestLogState::EngineHomeCall(const TContestQSORec& rec) {
  return TContLogAlle::MultiValueOf(10, rec);
}

void TContestLogState::EngineRecountPoints() {
  const TContLogAlle::TQsoPointsFn points = [this](const TdbContestBase& qso) {
    return logCommon_.CalcQsoPoints(def_, listTable_, qso);
  };
  // A rewrite that failed leaves that QSO's stored points as they were; the tallies hold
  // the points computed now either way.
  TContLogAlle::RecountLogPoints(LastLogBand, points, *qso_, SessionQsoCount, NextQsoNumber,
                                 BandQsos, BandPoints);
}
