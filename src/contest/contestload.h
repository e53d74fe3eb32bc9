#pragma once
// The definition of the contest log a contest-list table stands on: the inputs are read
// from the list record and the own station of the settings, the definition is built by
// the rules table, and the list record goes back with the byte the code sets.

#include <string>

#include "contest/contestinputs.h"

class TdbContest;
class TContestListRec;

// The builder's inputs from a list record and the own station's locator and name.
TContestInputs ContestInputsOf(const TContestListRec& list, TContestCode code,
                               const std::string& ownLocator, const std::string& ownName,
                               int32_t utcShiftMinutes, int32_t today);

// Fills def for code and the list record of contestTable. The list record is stored back
// as the table's working record; when existing is set it is also written to the file.
// False only when that write failed (nothing is shown: the definition is complete anyway).
bool LoadContestDefinition(TContestRec& def, TdbContest& contestTable, TContestCode code,
                           bool existing);
