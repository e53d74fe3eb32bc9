#include "reference/prefauswahl.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/desktop.h"
#include "foundation/grafik.h"
#include "foundation/kvbitbtn.h"
#include "foundation/layout.h"
#include "foundation/strings.h"
#include "reference/dbprefix.h"
#include "reference/prefauswahlform.h"

using namespace prefixrec;

namespace {

constexpr int kWidth = 510;
constexpr int kRowTop = 104;
constexpr int kRowHeight = 20;
constexpr int kFootHeight = 64;
constexpr size_t kRowTextLen = 50;
// Columns of a row: DXCC, country, remark, WAZ, ITU.
constexpr int kColumnX[] = {6, 66, 256, 450, 478};
constexpr int kColumnW[] = {58, 188, 192, 26, 26};

// The candidates of the prefix in menu order, each as of the date.
template <typename Fn>
void WalkCandidates(const std::string& prefix, int32_t date, Fn fn) {
  TdbPrefix walker(kMain);
  int n = 0;
  for (bool ok = walker.SearchPrefixMenue(prefix, "1");
       ok && walker.GetPrefix() == prefix && n < TPrefAuswahl::kMaxRows;
       ok = walker.NextRecord(kKeyPrefixMenue)) {
    ++n;
    const int32_t validFrom = walker.GetValidFrom(), validUntil = walker.GetValidUntil();
    walker.RefreshAtDate(date);
    const bool deleted = (validUntil != 0 && validUntil < date) || (date > 0 && validFrom > date);
    if (!fn(n, walker, deleted)) return;
  }
}

}  // namespace

TPrefAuswahl::TPrefAuswahl(const std::string& prefix, int32_t qsoDate, const TPrefQso* qso,
                           QWidget* parent)
    : QDialog(parent), prefix_(prefix), date_(qsoDate > 0 ? qsoDate : ToDates::TodayUTC()) {
  setObjectName(QStringLiteral("PrefAuswahl"));
  setWindowTitle(Q("Auswahl DXCC"));
  setFont(QFont(QStringLiteral("Arial"), 9));

  auto* top = new QFrame(this);
  top->setObjectName(QStringLiteral("PanelTop"));
  top->setGeometry(0, 0, kWidth, 80);
  auto* text = new QLabel(top);
  text->setWordWrap(true);
  text->setGeometry(6, 4, kWidth - 12, 36);
  if (qso) {
    text->setText(
        Q("Für das aktuelle Rufzeichen stehen mehrere DXCC zur Auswahl. Durch Doppelklick auf "
          "einen der unteren Einträge wird dem QSO ein DXCC zugeordnet."));
    auto* label = new QLabel(Q("QSO:"), top);
    label->setGeometry(6, 44, 40, 16);
    auto* line1 =
        new QLabel(Q(qso->Call + "  " + ToDates::DateToDateString(date_, "dd.mm.yyyy")), top);
    line1->setObjectName(QStringLiteral("LabelQso1"));
    line1->setGeometry(50, 44, kWidth - 56, 16);
    auto* line2 = new QLabel(Q(qso->Name + "  " + qso->Qth), top);
    line2->setObjectName(QStringLiteral("LabelQso2"));
    line2->setGeometry(50, 60, kWidth - 56, 16);
  } else {
    text->setText(
        Q("Für den Präfix stehen mehrere DXCC zur Auswahl. Durch Doppelklick auf einen der "
          "unteren Einträge wird dem Präfix ein DXCC zugeordnet."));
    auto* p = new QLabel(Q(prefix), top);
    p->setObjectName(QStringLiteral("LabelPrefix"));
    p->setGeometry(6, 44, kWidth - 12, 16);
  }

  const char* headers[] = {"DXCC", "Land", "Bemerkung"};
  for (int i = 0; i < 3; ++i) {
    auto* h = new QLabel(Q(headers[i]), this);
    h->setGeometry(kColumnX[i], kRowTop - 20, kColumnW[i], 16);
  }
  FillRows();

  const int footTop = kRowTop + kRowHeight * RowCount() + 4;
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("EditKeys"));
  edit_->setGeometry(6, footTop, 20, 20);
  edit_->installEventFilter(this);
  take_ = new TkvBitBtn(bkUebernahme, this);
  take_->setObjectName(QStringLiteral("BtnUebernahme"));
  take_->setGeometry(kWidth - 220, footTop, 100, 26);
  take_->setDefault(true);
  cancel_ = new TkvBitBtn(bkCancel, this);  // ends the dialog with 2
  cancel_->setObjectName(QStringLiteral("BtnAbbrechen"));
  cancel_->setGeometry(kWidth - 110, footTop, 100, 26);
  auto* help = new QLabel(Q("Sie können auch die Pfeiltasten <hoch> und <runter> nutzen."), this);
  help->setTextFormat(Qt::PlainText);
  help->setGeometry(6, footTop + 32, kWidth - 12, 16);
  connect(take_, &QPushButton::clicked, this, [this] { TakeSelected(); });

  setFixedSize(kWidth, footTop + kFootHeight);
  // The suite's colours and fonts last, then the rows are painted on them.
  ToLayout::StyleForm(this, false);
  SelectRow(selected_);
  edit_->setFocus();
}

void TPrefAuswahl::FillRows() {
  WalkCandidates(prefix_, date_, [this](int n, TdbPrefix& t, bool deleted) {
    std::string remark = t.GetRemark();
    if (deleted) remark += "  (deleted)";
    const std::string texts[] = {t.GetDXCC(), t.GetCountry(), remark, t.GetWAZ(), t.GetITU()};
    TRow row;
    row.Number = n;
    row.Panel = new QFrame(this);
    row.Panel->setObjectName(QStringLiteral("Row%1").arg(n));
    row.Panel->setAutoFillBackground(true);
    row.Panel->setGeometry(0, kRowTop + kRowHeight * (n - 1), kWidth, kRowHeight);
    row.Panel->installEventFilter(this);
    for (int c = 0; c < 5; ++c) {
      auto* l = new QLabel(Q(texts[c].substr(0, kRowTextLen)), row.Panel);
      l->setGeometry(kColumnX[c], 2, kColumnW[c], kRowHeight - 4);
      l->installEventFilter(this);
      row.Labels.push_back(l);
    }
    rows_.push_back(row);
    return true;
  });
  SelectRow(0);
}

void TPrefAuswahl::SelectRow(int number) {
  if (number < 0 || number > RowCount()) return;
  selected_ = number;
  for (const TRow& r : rows_) {
    const bool on = r.Number == number;
    QPalette p = palette();
    p.setColor(QPalette::Window, on ? ColorOf(clNavy) : palette().color(QPalette::Window));
    p.setColor(QPalette::WindowText, ColorOf(on ? clWhite : clBlack));
    r.Panel->setPalette(p);
    for (QLabel* l : r.Labels) l->setPalette(p);
  }
  if (number > 0 && take_) take_->setDefault(true);
}

std::vector<QString> TPrefAuswahl::RowTexts(int number) const {
  std::vector<QString> out;
  if (number < 1 || number > RowCount()) return out;
  for (QLabel* l : rows_[size_t(number - 1)].Labels) out.push_back(l->text());
  return out;
}

int TPrefAuswahl::RowOf(QObject* o) const {
  for (const TRow& r : rows_) {
    if (o == r.Panel) return r.Number;
    for (QLabel* l : r.Labels)
      if (o == l) return r.Number;
  }
  return 0;
}

bool TPrefAuswahl::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down && RowCount() > 0) {
      SelectRow(std::min(selected_ + 1, RowCount()));
      return true;
    }
    if (key == Qt::Key_Up && RowCount() > 0) {
      SelectRow(selected_ <= 1 ? RowCount() : selected_ - 1);
      return true;
    }
    return false;
  }
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
    const int n = RowOf(watched);
    if (n > 0) {
      SelectRow(n);
      edit_->setFocus();
      if (event->type() == QEvent::MouseButtonDblClick) TakeSelected();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TPrefAuswahl::TakeSelected() {
  if (selected_ < 1) return;
  WalkCandidates(prefix_, date_, [this](int n, TdbPrefix& t, bool) {
    if (n != selected_) return true;
    chosen_ = t.WorkRec();
    return false;
  });
  if (!chosen_) return;
  done(1);
}

void TPrefAuswahl::reject() { done(2); }

namespace prefauswahl {

namespace {
// The choice for this call is kept in the single-call file, so that the call resolves
// without asking next time.
void Remember(const std::string& callText, const TRecord& chosen) {
  const std::string call = ToStrings::Trim(callText);
  if (call.size() <= 3) return;
  TdbPrefix calls(kSingleCalls);
  if (!calls.IsOpen() || calls.FindCallEntry(call)) return;
  calls.SetWorkRec(chosen);
  calls.SetPrefix(call.substr(0, 6));
  calls.SetPrefixZus(call.size() > 6 ? call.substr(6, 8) : "");
  calls.SetAutore(0);
  calls.Add();
}
}  // namespace

uint8_t Run(TdbPrefix& table, const std::string& prefix, int32_t qsoDate, const TPrefQso& qso) {
  const bool withQso = !qso.Call.empty();
  TPrefAuswahl dialog(prefix, qsoDate, withQso ? &qso : nullptr);
  const int result = Desktop().ExecDialog(dialog);
  if (result != 1 || !dialog.Chosen()) return 2;
  table.SetCurrentRecord(*dialog.Chosen());
  Remember(qso.Call, *dialog.Chosen());
  return 1;
}

}  // namespace prefauswahl
