#pragma once
// Where the recalculation stores the per-band summary of a log: in the contest list
// record (short form, seven band rows) or in the configuration record (long form, the
// contest's 100 bands), chosen by the list record's byte 369.

#include <vector>

#include "log/logstate.h"

class TContestListRec;
class TContestConfigRec;
class TdbBase;

// figures: per position 1..100 of the definition's band list (index 0 = position 1).
// Every figure the summary owns is zeroed first, so a change of band mode leaves nothing
// stale behind.
void StoreBandFigures(const TContestRec& def, const TBandTally& bandPoints,
                      const std::vector<TBandFigures>& figures, TContestListRec& list,
                      TContestConfigRec& config);

// The mark "changed since the last recalculation" of a QSO log: set by a save (in the
// save's write group, so it is stored exactly when the QSO is) and cleared by RecalcLog.
// A log whose program ended without its close still carries it.
namespace recalcmark {
bool Set(TdbBase& qsoTable);  // writes only when the mark is not set yet
bool IsSet(TdbBase& qsoTable);
bool Clear(TdbBase& qsoTable);
// Counts the log of the list table's current contest again and stores its summary when
// the log is marked; false when that failed (the error shown).
bool RecalcIfChanged(const TContestRec& def, TdbContest& listTable, TdbContest& configTable);
}  // namespace recalcmark
