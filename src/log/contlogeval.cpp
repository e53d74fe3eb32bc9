// The log window's evaluation charts (membership age for 'P' and '5', per hour for 'W')
// and the worked-tables panel in its lower right corner.

#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QTabBar>
#include <QTimer>
#include <algorithm>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/grafik.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
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
  StatTabelle->OnNotify[2] = [this] { CloseStatPanel(); };
  tabListeStatistik = new QTabBar(PanelUnten);
  tabListeStatistik->setObjectName(QStringLiteral("tabListeStatistik"));
  tabListeStatistik->setShape(QTabBar::RoundedSouth);
  tabListeStatistik->setDrawBase(false);
  // A click on a tab leaves the keyboard where the operator types.
  tabListeStatistik->setFocusPolicy(Qt::NoFocus);
  tabListeStatistik->addTab(Q("QSO-Liste"));
  tabListeStatistik->addTab(Q("Statistik"));
  tabListeStatistik->hide();
  connect(tabListeStatistik, &QTabBar::currentChanged, this, [this] { ArrangeStatPanel(); });
  // The list taking the keyboard (F5, a click) brings it back in front of the tables. The
  // list is the connection's context: it goes first when the window is freed.
  connect(qApp, &QApplication::focusChanged, Brow, [this](QWidget*, QWidget* now) {
    if (now && Brow->isAncestorOf(now) && StatTabelle->isVisible() &&
        tabListeStatistik->isVisible())
      tabListeStatistik->setCurrentIndex(0);
  });
}

void TContestLogStd::ArrangeStatPanel() {
  if (!StatTabelle) return;
  const int listHeight = Brow->height();
  const int besideWidth = PanelUnten->width() - kStatWidth - kGap;
  const bool beside = !statClosed_ && besideWidth >= kListMinWidth;
  const bool tabbed = !statClosed_ && !beside;
  const bool shown = beside || (tabbed && tabListeStatistik->currentIndex() == 1);
  tabListeStatistik->setVisible(tabbed);
  lStatistik->setVisible(shown);
  StatTabelle->setVisible(shown);
  if (tabbed) {
    // In the foot row, between the list's buttons and "Contest beenden".
    const int left = btnBandliste->x() + btnBandliste->width() + 8;
    const int width = std::min(tabListeStatistik->sizeHint().width(), btnbeenden2->x() - 8 - left);
    tabListeStatistik->setGeometry(left, btnBandliste->y(), width, btnBandliste->height());
  }
  if (!shown) return;
  const int listWidth = beside ? besideWidth : Brow->width();
  if (beside) {
    if (QWidget* area = Brow->parentWidget()) area->resize(listWidth, listHeight);
    Brow->resize(listWidth, listHeight);
  }
  // The caption stands on the log panel's colour, which the layout chooses; over the list
  // it covers the list's header.
  const QColor panel = ColorOf(PanelUnten->Color());
  lStatistik->setStyleSheet(
      QStringLiteral("QLabel { color: %1; background-color: %2; }")
          .arg(panel.lightness() < 128 ? QStringLiteral("white") : QStringLiteral("black"),
               panel.name()));
  const int left = beside ? listWidth + kGap : 0;
  const int width = beside ? kStatWidth : listWidth;
  const int top = lStatistik->sizeHint().height() + 2;
  lStatistik->setGeometry(left, 0, beside ? lStatistik->sizeHint().width() : width, top);
  StatTabelle->setGeometry(left, top, width, std::max(0, listHeight - top));
  lStatistik->raise();
  StatTabelle->raise();
}

void TContestLogStd::CloseStatPanel() {
  const bool hadFocus = StatTabelle->isAncestorOf(QApplication::focusWidget());
  statClosed_ = true;
  FormResize();
  if (hadFocus) eCall->setFocus();
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
