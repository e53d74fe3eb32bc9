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

int32_t TContestLogState::EngineWeight(int, const TContestQSORec&) { return 0; }

bool TContestLogState::EngineColumnMatches(int, int) { return false; }

std::string TContestLogState::EngineHomeCall(const std::string& call) { return call; }

void TContestLogState::EngineRecountPoints() {}
