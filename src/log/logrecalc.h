#pragma once
// Where the recalculation stores the per-band summary of a log: in the contest list
// record (short form, seven band rows) or in the configuration record (long form, the
// contest's 100 bands), chosen by the list record's byte 369.

#include <vector>

#include "log/logstate.h"

class TContestListRec;
class TContestConfigRec;

// figures: per position 1..100 of the definition's band list (index 0 = position 1).
// Every figure the summary owns is zeroed first, so a change of band mode leaves nothing
// stale behind.
void StoreBandFigures(const TContestRec& def, const TBandTally& bandPoints,
                      const std::vector<TBandFigures>& figures, TContestListRec& list,
                      TContestConfigRec& config);
