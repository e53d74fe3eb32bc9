// The log window's evaluation charts (membership age for 'P' and '5', per hour for 'W')
// and the worked-tables panel in its lower right corner.

#include <QColor>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/grafik.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvpanel.h"
#include "log/contlogstd.h"
#include "log/kvstattabelle.h"
#include "tables/contesttables.h"

namespace {

constexpr int kStatWidth = 430;     // room for the panel's four buttons side by side
constexpr int kListMinWidth = 560;  // the QSO list keeps at least this much
constexpr int kGap = 4;

bool HasMembershipEvaluation(TContestCode code) { return code == 'P' || code == '5'; }

}  // namespace

void TContestLogStd::BuildEvaluation() {
  connect(btnauswertung, &QPushButton::clicked, this, [this] { btnauswertungClick(); });
  lStatistik = new QLabel(Q("Hauptlog-Statistik:"), PanelUnten);
  lStatistik->setObjectName(QStringLiteral("lStatistik"));
  lStatistik->adjustSize();
  StatTabelle = new TkvStatTabelle(PanelUnten);
}

void TContestLogStd::ArrangeStatPanel() {
  if (!StatTabelle) return;
  const int listWidth = PanelUnten->width() - kStatWidth - kGap;
  const bool room = listWidth >= kListMinWidth;
  lStatistik->setVisible(room);
  StatTabelle->setVisible(room);
  if (!room) return;
  const int listHeight = Brow->height();
  if (QWidget* area = Brow->parentWidget()) area->resize(listWidth, listHeight);
  Brow->resize(listWidth, listHeight);
  // The caption stands on the log panel's colour, which the layout chooses.
  const bool dark = ColorOf(PanelUnten->Color()).lightness() < 128;
  lStatistik->setStyleSheet(dark ? QStringLiteral("QLabel { color: white; }")
                                 : QStringLiteral("QLabel { color: black; }"));
  const int left = listWidth + kGap;
  lStatistik->move(left, 0);
  const int top = lStatistik->height() + 2;
  StatTabelle->setGeometry(left, top, kStatWidth, std::max(0, listHeight - top));
}

// The chart windows walk the QSO table, whose working record is the entry being typed:
// the entry is kept around them, and the clock does not write it meanwhile.
void TContestLogStd::OpenMembershipEvaluation() {
  const auto& show = evalhooks::Hooks().Party;
  if (!HasMembershipEvaluation(ContestCode()) || !show || !QsoTable) return;
  const TContestQSORec entry = GetQsoRecord();
  timerzeit->stop();
  show(this, ListTable->GetListRec().DatumVon(), *QsoTable, EvalGeometry);
  SetQsoRecord(entry);
  timerzeit->start();
}

void TContestLogStd::btnauswertungClick() {
  if (HasMembershipEvaluation(ContestCode())) {
    OpenMembershipEvaluation();
    return;
  }
  const auto& show = evalhooks::Hooks().Wag;
  if (ContestCode() != 'W' || !show) return;
  timerzeit->stop();
  show(this, *ListTable, *ConfigTable, EvalGeometry);
  timerzeit->start();
}
