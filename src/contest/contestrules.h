#pragma once
// The rules table: builds the definition of a contest from its code, the fields of the
// contest log and the own station. Pure: no file is read or written, so every code is
// built and tested without a database; the caller reads the list record before and
// writes it back after.

#include "contest/contestinputs.h"

// The definition of in.Code for the contest log described by in. *setsTotalsInConfig
// (when given) receives whether the code keeps its per-band totals in the configuration
// record, i.e. whether byte 369 of the list record is to be set to 255. A code the table
// does not know gives the frame values only and leaves the byte alone (false).
TContestRec BuildContestDefinition(const TContestInputs& in, bool* setsTotalsInConfig = nullptr);

// Number of contest codes the table knows, and whether it knows code.
int KnownContestCodeCount();
bool IsKnownContestCode(TContestCode code);
