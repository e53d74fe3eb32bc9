#include "output/wagausw.h"

#include <algorithm>

#include "foundation/dates.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "tables/contesttables.h"

namespace wagausw {

TChart HourChart(const evalcount::THourCounts& counts, int32_t startDate) {
  using evalcount::kHours;
  TChart chart;
  evalchart::AddFrame(chart, "QSO pro Stunde", clBlue, "UTC", 570);
  chart.Label(0, 20, "Multi pro Stunde", clRed, true);
  chart.Label(40, 285, ToDates::DateToDateString(startDate, "dd.mm.yyyy"), clBlack, true);
  chart.Label(495, 285, ToDates::DateToDateString(startDate + 1, "dd.mm.yyyy"), clBlack, true);
  for (int h = 1; h <= kHours; ++h) {
    chart.Rect(40 + 22 * h, 250, 42 + 22 * h, 260);
    const int utc = h + 14 - (h >= 10 ? 24 : 0);
    chart.Label(35 + 22 * h, 265, ToStrings::IntToStrPadded(utc, 2));
  }
  const int m = evalchart::ScaleMax(*std::max_element(counts.Qsos.begin(), counts.Qsos.end()));
  if (m == 0) {
    evalchart::AddEmptyLabel(chart, "keine QSO im Contestzeitraum");
    return chart;
  }
  evalchart::AddValueLabels(chart, m);
  for (int h = 1; h <= kHours; ++h) {
    evalchart::AddBar(chart, m, 34 + 22 * h, 6, counts.Qsos[size_t(h)], clBlue);
    evalchart::AddBar(chart, m, 40 + 22 * h, 6, counts.Multis[size_t(h)], clRed);
  }
  return chart;
}

void ShowWagEvaluation(QWidget* owner, TdbContestBase& listTable, TdbContestBase&,
                       TEvalGeometry& geometry) {
  const TContestListRec list = listTable.GetListRec();
  if (!evalchart::CheckStartDate(list.DatumVon())) return;
  TdbContestBase qsos(TdbContestBase::kQsoLog, 0, list.Nummer());
  Twagauswertungform window(list.DatumVon(), qsos, owner);
  evalchart::RunWindow(window, geometry);
}

}  // namespace wagausw

Twagauswertungform::Twagauswertungform(int32_t startDate, TdbBase& qsoTable, QWidget* parent)
    : TEvalForm("Auswertung / Contest-Strategie", TButtonPlace::Centre, parent) {
  setObjectName(QStringLiteral("wagauswertungform"));
  const evalcount::THourCounts counts = evalcount::CountHours(qsoTable, startDate);
  if (counts.Early > 0)
    ToMessages::ShowWarning(
        {}, std::to_string(counts.Early) +
                " QSO wurden vor Beginn des Contestes geführt und werden deshalb nicht angezeigt!");
  if (counts.Late)
    ToMessages::ShowWarning({},
                            "Ein oder mehrere QSO wurden nach Ende des Contestes geführt und "
                            "werden deshalb nicht angezeigt!");
  panelausw->SetChart(wagausw::HourChart(counts, startDate));
}
