#pragma once
// The one score rule of a contest log. The log window's score panel, the configuration
// dialog, the list footers, the cover sheet and the STF and Cabrillo headers all claim
// the score through this function, so that no two places can disagree.

#include <cstdint>
#include <span>

struct TContestRec;

// Multipliers and points of one band.
struct TBandScore {
  int64_t Multis = 0;
  int64_t Points = 0;
};

// multis and points are the log's totals; bands the per-band figures (only read when
// the contest scores per band).
//   - no multiplier kinds, or a points-only contest: the points;
//   - a contest scored per band: the sum over the bands of multipliers x points, a band
//     without multipliers adding its points;
//   - else multipliers x points, the points alone while no multiplier was worked.
int64_t ContestScore(const TContestRec& def, int64_t multis, int64_t points,
                     std::span<const TBandScore> bands);
