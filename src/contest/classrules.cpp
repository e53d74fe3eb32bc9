#include "contest/classrules.h"

namespace classrules {

void FillClasses(TContestRec&, TContestCode) {}
void ApplyClassSwitch(TContestRec&, const TContestInputs&) {}
void ApplySentPresets(TContestRec&, const TContestInputs&) {}

}  // namespace classrules
