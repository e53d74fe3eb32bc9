// The score panel and the statistics of the entry panel, painted from what the log state
// counts: the band columns (the entry's band yellow, the others silver), the totals, the
// tally labels and the worked-multiplier display with its marks.

#include <QLabel>

#include "foundation/cp1252.h"
#include "foundation/grafik.h"
#include "log/contlogstd.h"
#include "log/logstate.h"

namespace {

void Paint(QLabel* l, const std::string& text, QColor font, QColor background = QColor()) {
  l->setText(Q(text));
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, font);
  if (background.isValid()) pal.setColor(QPalette::Window, background);
  l->setAutoFillBackground(background.isValid());
  l->setPalette(pal);
}

void SetTextSized(QLabel* l, const std::string& text) {
  l->setText(Q(text));
  l->adjustSize();
}

const QColor kGrey(128, 128, 128);
const QColor kYellow(255, 255, 0);
const QColor kSilver(192, 192, 192);

}  // namespace

void TContestLogStd::ShowScore() {
  if (!LogState || DisplaySuspended) return;
  const TScorePanel s = LogState->ShowScore();
  for (size_t i = 0; i < s.Columns.size(); ++i) {
    const TScorePanel::TColumn& c = s.Columns[i];
    const QColor background = c.Current ? kYellow : kSilver;
    Paint(leQSO[i], c.Qsos, Qt::black, background);
    Paint(leMulti[i], c.Multis, Qt::black, background);
    Paint(lePunkteN[i], c.Points, Qt::black, background);
  }
  Paint(Label19, s.Label19, Qt::black);
  Paint(Label20, s.Label20, Qt::black);
  Label20->setVisible(!s.Label20Hidden);
  Paint(Label21, s.Label21, Qt::red);
  Paint(Label28, s.Label28, Qt::black);
}

void TContestLogStd::ShowStatistics() {
  if (!LogState || DisplaySuspended) return;
  LogState->CurrentBand = CurrentBand;
  const TStatistics st = LogState->ShowStatistics();
  SetTextSized(lePunkte, st.lePunkte);
  SetTextSized(lemulti, st.lemulti);
  SetTextSized(leqso, st.leqso);
  SetTextSized(lPunkte, st.lPunkte);
  SetTextSized(lmulti, st.lmulti);
  SetTextSized(lqso, st.lqso);
  const int bottom = lNummer->y() + lNummer->height();
  SetTextSized(lNummer, st.lNummer);
  lNummer->move(lNummer->x(), bottom - lNummer->height());
  for (size_t i = 0; i < MultiDisplayLabels.size(); ++i) {
    QLabel* l = MultiDisplayLabels[i];
    const bool listed = i < st.Multis.size();
    const uint8_t mark = listed ? st.Multis[i].Mark : uint8_t(TMultiLists::kMarkNone);
    QFont f = l->font();
    f.setBold(mark == TMultiLists::kMarkNone ? st.GreyBold
              : mark == TMultiLists::kMarkNew ? st.NewBold
                                              : true);
    f.setUnderline(mark == TMultiLists::kMarkWorked && st.WorkedUnderlined);
    l->setFont(f);
    const QColor font = mark == TMultiLists::kMarkWorked ? QColor(0, 128, 0)
                        : mark == TMultiLists::kMarkNew  ? QColor(255, 0, 0)
                                                         : kGrey;
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, font);
    l->setPalette(pal);
    l->setText(listed ? Q(st.Multis[i].Text) : QStringLiteral("."));
  }
  ShowScore();
}
