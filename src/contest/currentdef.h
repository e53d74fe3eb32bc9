#pragma once
// The contest definition the contest list controller holds. The configuration dialog and
// the output menu work on that one copy: the list controller registers it while it lives.

#include "contest/contestrec.h"

// Null while no list controller exists.
TContestRec* CurrentContestDef();
void SetCurrentContestDef(TContestRec* def);
