#include "output/partyausw.h"

#include <QFrame>
#include <QRadioButton>
#include <algorithm>

#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"

namespace partyausw {

namespace {

std::string Title(int step) {
  const std::string base = "Anzahl QSO pro Alter der DARC-Mitgliedschaft";
  if (step == 5) return base + " (5-Jahres-Schritte)";
  if (step == 10) return base + " (10-Jahresschritte)";
  return base;
}

int X(int a) { return 42 + 5 * a; }

void AddAgeAxis(TChart& chart, int step) {
  using evalcount::kLastAge;
  for (int a = 0; a <= kLastAge; ++a) {
    const bool tenth = a % 10 == 0, fifth = a % 5 == 0;
    int bottom = 0;
    if (tenth)
      bottom = 263;
    else if (fifth && step != 10)
      bottom = 260;
    else if (step == 1)
      bottom = 257;
    if (bottom > 0) chart.Rect(X(a), 250, X(a) + 2, bottom);

    std::string text;
    int y = 265;
    if (step == 10) {
      if (tenth) text = std::to_string(a) + "-" + std::to_string(a + 9);
    } else if (fifth) {
      text = step == 1 ? std::to_string(a) : std::to_string(a) + "-" + std::to_string(a + 4);
      if (tenth) y = 275;
    }
    if (a == kLastAge) text = "90 und mehr";
    if (!text.empty()) chart.Label(35 + 5 * a, y, text);
  }
}

}  // namespace

TChart PartyChart(const evalcount::TAgeCounts& counts, int step) {
  TChart chart;
  evalchart::AddFrame(chart, Title(step), clBlue, "Lizenzalter", 600);
  AddAgeAxis(chart, step);
  const int m = evalchart::ScaleMax(*std::max_element(counts.begin(), counts.end()));
  if (m == 0) {
    evalchart::AddEmptyLabel(chart, "keine gültigen QSO im Log");
    return chart;
  }
  evalchart::AddValueLabels(chart, m);
  const int width = step == 10 ? 30 : step == 5 ? 15 : 3;
  for (int a = 0; a <= evalcount::kLastAge; ++a)
    evalchart::AddBar(chart, m, X(a), width, counts[size_t(a)], clBlue);
  return chart;
}

void ShowPartyEvaluation(QWidget* owner, int32_t startDate, TdbBase& qsoTable,
                         TEvalGeometry& geometry) {
  if (!evalchart::CheckStartDate(startDate)) return;
  Tpartyauswertungform window(qsoTable, owner);
  evalchart::RunWindow(window, geometry);
}

}  // namespace partyausw

Tpartyauswertungform::Tpartyauswertungform(TdbBase& qsoTable, QWidget* parent)
    : TEvalForm("Übersicht", TButtonPlace::Right, parent), qsoTable_(qsoTable) {
  setObjectName(QStringLiteral("partyauswertungform"));
  const auto radio = [this](const char* name, const char* caption, int left) {
    auto* r = new QRadioButton(Q(caption), Panel1);
    r->setObjectName(Q(name));
    r->setGeometry(left, 10, 150, 22);
    connect(r, &QRadioButton::clicked, this, &Tpartyauswertungform::BuildChart);
    return r;
  };
  r1 = radio("r1", "Ein-Jahres-Schritte", 8);
  r5 = radio("r5", "5-Jahres-Schritte", 160);
  r10 = radio("r10", "10-Jahres-Schritte", 312);
  r1->setChecked(true);
  BuildChart();
}

int Tpartyauswertungform::Step() const {
  if (r10->isChecked()) return 10;
  if (r5->isChecked()) return 5;
  return 1;
}

void Tpartyauswertungform::BuildChart() {
  const int step = Step();
  panelausw->SetChart(partyausw::PartyChart(evalcount::CountAges(qsoTable_, step), step));
}
