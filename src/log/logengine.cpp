// The log state's calls into the shared log logic: the multiplier engine and the points
// pass over the stored log.

#include "log/contlogalle.h"
#include "log/logstate.h"
#include "tables/contesttables.h"

bool TContestLogState::EngineAccepts(int, const std::string&, const TContestQSORec&) {
  return false;
}

bool TContestLogState::EngineWorked(int, const std::string&, char, const TContestRec&) {
  return false;
}

int32_t TContestLogState::EngineCount(int, char, const TContestRec&, bool, bool, TBandFigures*,
                                      TFortschrittWinCtrl*) {
  return 0;
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
