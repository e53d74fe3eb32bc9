#pragma once
// The membership-age evaluation "Übersicht": QSOs of the log by the worked station's
// years of club membership, in steps of 1, 5 or 10 years.

#include <cstdint>

#include "output/evalchart.h"
#include "output/evalcount.h"
#include "output/evalform.h"

class QRadioButton;
class TdbBase;

namespace partyausw {
// The chart of the counts for steps of 1, 5 or 10 years.
TChart PartyChart(const evalcount::TAgeCounts& counts, int step);
// Warns and returns when the contest's start date is not set; otherwise shows the window
// (owned by owner) over the log's QSO table at the stored geometry and stores it back.
void ShowPartyEvaluation(QWidget* owner, int32_t startDate, TdbBase& qsoTable,
                         TEvalGeometry& geometry);
}  // namespace partyausw

class Tpartyauswertungform : public TEvalForm {
  Q_OBJECT
 public:
  explicit Tpartyauswertungform(TdbBase& qsoTable, QWidget* parent = nullptr);

  QRadioButton* r1 = nullptr;
  QRadioButton* r5 = nullptr;
  QRadioButton* r10 = nullptr;
  int Step() const;

 private:
  void BuildChart();
  TdbBase& qsoTable_;
};
