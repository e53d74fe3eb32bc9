#pragma once
// The per-hour evaluation "Auswertung / Contest-Strategie": QSOs and call multipliers
// of each of the 24 contest hours from 15 UTC of the start date on.

#include <cstdint>

#include "output/evalchart.h"
#include "output/evalcount.h"
#include "output/evalform.h"

class TdbContestBase;
class TdbBase;

namespace wagausw {
TChart HourChart(const evalcount::THourCounts& counts, int32_t startDate);
// Reads the contest list record; warns and returns when its start date is not set,
// otherwise shows the window (owned by owner) over the contest's QSO log.
void ShowWagEvaluation(QWidget* owner, TdbContestBase& listTable, TdbContestBase& configTable,
                       TEvalGeometry& geometry);
}  // namespace wagausw

class Twagauswertungform : public TEvalForm {
  Q_OBJECT
 public:
  // Counts the log, warning of QSOs before and after the contest hours.
  Twagauswertungform(int32_t startDate, TdbBase& qsoTable, QWidget* parent = nullptr);
};
