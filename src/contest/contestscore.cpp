#include "contest/contestscore.h"

#include "contest/contestrec.h"

namespace {

int64_t MultipliedPoints(int64_t multis, int64_t points) {
  return multis == 0 ? points : multis * points;
}

}  // namespace

int64_t ContestScore(const TContestRec& def, int64_t multis, int64_t points,
                     std::span<const TBandScore> bands) {
  if (def.MultiplierKinds.none() || def.ScorePointsOnly) return points;
  if (def.ScorePerBand) {
    int64_t sum = 0;
    for (const TBandScore& b : bands) sum += MultipliedPoints(b.Multis, b.Points);
    return sum;
  }
  return MultipliedPoints(multis, points);
}
