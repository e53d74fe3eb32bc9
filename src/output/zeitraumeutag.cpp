#include "output/zeitraumeutag.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/desktop.h"
#include "foundation/grafik.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"

namespace zeitraumeutag {
namespace {

constexpr int32_t kFirstStart = 10 * 3600;
std::string Hms(int32_t time) { return ToDates::TimeToTimeString(time, "hh:mm:ss"); }

int32_t EndOf(int32_t start) { return ToDates::IncTime(start, 0, 59, 59); }

bool InWindow(int32_t time, int32_t start, int32_t end) {
  // A window that runs over midnight holds the times after its start and before its end.
  return start <= end ? start <= time && time <= end : time >= start || time <= end;
}

}  // namespace

int32_t SearchBestHour(const std::vector<TTimedPoints>& qsos, const TProgress& progress) {
  if (progress) progress(0, 0, "", "");
  int64_t bestSum = 0;
  int32_t bestStart = 0;
  for (int i = 0; i < kWindows; ++i) {
    const int32_t start = kFirstStart + i * 60;
    const int32_t end = EndOf(start);
    int64_t sum = 0;
    for (const TTimedPoints& q : qsos)
      if (InWindow(q.Time, start, end)) sum += q.Points;
    if (sum > bestSum) {
      bestSum = sum;
      bestStart = start;
    }
    if (progress) progress(1, i, Hms(start) + " -> " + Hms(end) + " = " + std::to_string(sum), "");
  }
  if (progress) progress(2, 0, Hms(bestStart), Hms(EndOf(bestStart)));
  return bestStart;
}

std::vector<TTimedPoints> ReadTimedPoints(TdbContestBase& qsoTable) {
  std::vector<TTimedPoints> out;
  for (bool ok = qsoTable.First(contestkeys::kDatumZeit); ok;
       ok = qsoTable.NextRecord(contestkeys::kDatumZeit)) {
    const TContestQSORec q = qsoTable.GetQSORec();
    out.push_back({q.Zeit(), q.Points()});
  }
  return out;
}

}  // namespace zeitraumeutag

namespace {

// "hh:mm" or "hh:mm:ss"; -1 for anything else.
int32_t ReadTime(const QString& text) {
  const std::string t = S(text.trimmed());
  if (t.size() != 5 && t.size() != 8) return ToDates::kBadTime;
  return ToDates::TimeStringToTime(t, "hh:mm:ss");
}

void SetPink(QLineEdit* e, bool pink) {
  QPalette p = QApplication::palette(e);
  if (pink) p.setColor(QPalette::Base, ColorOf(clPink));
  e->setPalette(p);
}

}  // namespace

TzeitraumeutagForm::TzeitraumeutagForm(int32_t contestNumber, QWidget* parent)
    : QDialog(parent), contestNumber_(contestNumber) {
  setObjectName(QStringLiteral("zeitraumeutag"));
  setWindowTitle(Q("Zeitangabe"));
  resize(353, 427);
  evon = new QLineEdit(this);
  evon->setObjectName(QStringLiteral("evon"));
  ebis = new QLineEdit(this);
  ebis->setObjectName(QStringLiteral("ebis"));
  btnOK = new QPushButton(Q("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setVisible(false);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont mono(QStringLiteral("Courier New"));
  mono.setStyleHint(QFont::TypeWriter);
  mono.setPointSize(9);
  Memo1->setFont(mono);
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(Q("Zeitraum von"), this), 0, 0);
  grid->addWidget(evon, 0, 1);
  grid->addWidget(new QLabel(Q("bis"), this), 0, 2);
  grid->addWidget(ebis, 0, 3);
  grid->addWidget(new QLabel(Q("Angabe hh:mm"), this), 1, 1, 1, 3);
  grid->addWidget(btnOK, 2, 3);
  grid->addWidget(new QLabel(Q("Entscheidungshilfe:"), this), 3, 0, 1, 2);
  grid->addWidget(ProgressBar1, 3, 2, 1, 2);
  grid->addWidget(Memo1, 4, 0, 1, 4);
  grid->setRowStretch(4, 1);
  connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
}

void TzeitraumeutagForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TzeitraumeutagForm::FormShow() {
  Memo1->clear();
  std::vector<zeitraumeutag::TTimedPoints> qsos;
  {
    TdbContest qsoTable(TdbContestBase::kQsoLog, 0, contestNumber_);
    qsos = zeitraumeutag::ReadTimedPoints(qsoTable);
  }
  QStringList lines;
  zeitraumeutag::SearchBestHour(
      qsos, [&](int kind, int step, const std::string& a, const std::string& b) {
        if (kind == 0) {
          ProgressBar1->setMaximum(zeitraumeutag::kWindows - 1);
          ProgressBar1->setVisible(true);
        } else if (kind == 1) {
          ProgressBar1->setValue(step);
          lines << Q(a);
        } else {
          ProgressBar1->setVisible(false);
          evon->setText(Q(a));
          ebis->setText(Q(b));
        }
      });
  Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void TzeitraumeutagForm::btnOKClick() {
  const int32_t from = ReadTime(evon->text());
  const int32_t to = ReadTime(ebis->text());
  SetPink(evon, from < 0);
  SetPink(ebis, to < 0 || (from >= 0 && to < from));
  if (from < 0) {
    evon->setFocus();
    return;
  }
  if (to < 0 || to < from) {
    ebis->setFocus();
    return;
  }
  done(1);
}

TzeitraumeutagCtrl::TzeitraumeutagCtrl(QWidget* owner, int32_t contestNumber)
    : owner_(owner), contestNumber_(contestNumber) {}

bool TzeitraumeutagCtrl::Execute() {
  TzeitraumeutagForm form(contestNumber_, owner_);
  form.evon->setText(Q(Rec.Von));
  form.ebis->setText(Q(Rec.Bis));
  if (Desktop().ExecDialog(form) != 1) return false;
  Rec.Von = S(form.evon->text().trimmed());
  Rec.Bis = S(form.ebis->text().trimmed());
  return true;
}

int32_t TzeitraumeutagCtrl::TimeFrom() const { return ReadTime(Q(Rec.Von)); }
int32_t TzeitraumeutagCtrl::TimeTo() const {
  // "bis 12:59" means the whole minute: a QSO logged at 12:59:30 belongs to the window.
  const int32_t to = ReadTime(Q(Rec.Bis));
  return to >= 0 && Rec.Bis.size() == 5 ? to + 59 : to;
}
