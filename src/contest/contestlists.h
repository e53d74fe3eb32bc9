#pragma once
// Questions the point rules and the multiplier engine ask of the station and DOK lists
// of a contest definition.

#include <string_view>

#include "contest/contestrec.h"

namespace contestlists {

// The DOK of a QSO: its first part (6 characters) followed by its second (2), at most
// 8 characters.
constexpr size_t kQsoDokLength = 8;

// True when the QSO's DOK (dok1 + dok2, cut to 8 characters) equals a non-empty entry of
// HomeDoks; empty places of the list are skipped, so a QSO without DOK never matches.
bool IsHomeDok(const TContestRec& def, std::string_view dok1, std::string_view dok2);

}  // namespace contestlists
