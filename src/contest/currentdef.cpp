#include "contest/currentdef.h"

namespace {
TContestRec* gCurrent = nullptr;
}

TContestRec* CurrentContestDef() { return gCurrent; }
void SetCurrentContestDef(TContestRec* def) { gCurrent = def; }
