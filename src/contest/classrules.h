#pragma once
// The rules by participation class: the class entries of each contest code, the class
// switch (modes, bands and what a class changes), and the presets of the sent exchange.
// The rules table calls them inside the block of each code.

#include "contest/contestinputs.h"

namespace classrules {

// The class entries of the code, written in the order of the class choice; the rules
// table has cleared all 20 entries before.
void FillClasses(TContestRec& def, TContestCode code);
// The class switch by the class number of the contest log.
void ApplyClassSwitch(TContestRec& def, const TContestInputs& in);
// The presets of the sent exchange fields (SentText 1-3) for the code and class.
void ApplySentPresets(TContestRec& def, const TContestInputs& in);

}  // namespace classrules
