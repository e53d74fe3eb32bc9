// The helpers of the log windows that work on controls: the Enter moves of the entry
// panel, captions and label colours, the QSL flag, the clock of the entry, tool windows
// where they were left, and the column widths of the log's lists.

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>
#include <cmath>
#include <set>

#include "browser/kvbrow.h"
#include "contest/contestfkt.h"
#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/desktop.h"
#include "foundation/grafik.h"
#include "foundation/help.h"
#include "foundation/kvedit.h"
#include "foundation/kvpanel.h"
#include "foundation/progdir.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"

namespace {

bool CanFocus(const QWidget* w) { return w && w->isVisible() && w->isEnabled(); }

bool Focus(QWidget* w) {
  if (!CanFocus(w)) return false;
  w->setFocus();
  return true;
}

void SetColour(QWidget* w, QPalette::ColorRole role, TColor colour) {
  QPalette pal = w->palette();
  pal.setColor(role, ColorOf(colour));
  w->setPalette(pal);
}

constexpr TColor kTeal = RGBColor(0, 128, 128);
constexpr TColor kMaroon = RGBColor(128, 0, 0);

int TabOrder(const QWidget* w) { return w->property("TabOrder").toInt(); }

}  // namespace

bool TContLogAlle::EnterJump(QWidget* /*form*/, QWidget* sender, QWidget* dateField,
                             QWidget* timeField, QWidget* qthField, bool swlLog, QWidget* rstR1,
                             QWidget* rstR2, QWidget* rstR3, QWidget* rstR4) {
  const bool qthHidden = !CanFocus(qthField);
  auto absent = [](const QWidget* w) { return !w || !w->isVisible(); };
  QWidget* target = nullptr;
  if (qthHidden) {
    if (sender == rstR4 && !swlLog) target = timeField;
    if (sender == rstR3 && absent(rstR4)) target = timeField;
    if (sender == rstR2 && absent(rstR3)) target = timeField;
    if (sender == rstR1 && swlLog) target = timeField;
  } else if (sender == qthField) {
    target = timeField;
  }
  if (sender == timeField) target = dateField;
  return target && Focus(target);
}

void TContLogAlle::MoveToNextField(QWidget* sender, QWidget* form, QWidget* extraControl,
                                   QWidget* secondPanel, QWidget* entryPanel) {
  std::set<int> orders;
  std::vector<QWidget*> edits;
  for (QLineEdit* e : form->findChildren<QLineEdit*>()) {
    if (!CanFocus(e) || e->focusPolicy() == Qt::NoFocus || e == extraControl) continue;
    if (!entryPanel->isAncestorOf(e)) continue;
    orders.insert(TabOrder(e));
    edits.push_back(e);
  }
  if (CanFocus(extraControl) && !entryPanel->isAncestorOf(extraControl))
    orders.insert(TabOrder(extraControl));
  if (orders.empty()) return;
  int next;
  auto it = orders.find(TabOrder(sender));
  if (sender && it != orders.end() && (sender == extraControl || entryPanel->isAncestorOf(sender))) {
    ++it;
    next = it == orders.end() ? *orders.begin() : *it;
  } else if (sender && secondPanel && secondPanel->isAncestorOf(sender)) {
    next = *orders.begin();
  } else {
    return;
  }
  if (CanFocus(extraControl) && TabOrder(extraControl) == next) {
    extraControl->setFocus();
    return;
  }
  for (QWidget* e : edits)
    if (TabOrder(e) == next) {
      e->setFocus();
      return;
    }
}

void TContLogAlle::SetLogCaption(bool entryMode, QLabel* caption, QWidget* captionPanel,
                                 bool logListHidden, bool clusterShown,
                                 const std::vector<QWidget*>& entryControls,
                                 const std::vector<QWidget*>& listControls) {
  for (QWidget* w : entryControls) w->setEnabled(entryMode);
  for (QWidget* w : listControls) w->setEnabled(!entryMode);
  std::string text;
  if (logListHidden && clusterShown)
    text = entryMode ? "DX-Cluster" : "DX-Cluster (ESC: zurück zur Eingabe)";
  else
    text = entryMode ? setupseparat::LangText("Contest-Logbuch", "Contest-logbook")
                     : setupseparat::LangText("Contest-Logbuch (ESC: zurück zur Eingabe)",
                                              "Contest-logbook (ESC: return to entry)");
  caption->setText(Q(text));
  caption->adjustSize();
  SetColour(caption, QPalette::WindowText, clWhite);
  if (auto* panel = qobject_cast<TkvPanel*>(captionPanel))
    panel->SetColor(entryMode ? clNavy : clRed);
}

bool TContLogAlle::CallKeyFilter(char& key, QWidget* sender) {
  auto* edit = qobject_cast<TkvEdit*>(sender);
  if (!edit) return false;
  if (key == '#' && edit->objectName() == QStringLiteral("eCall")) {
    if (!S(edit->text()).ends_with("/P") && !S(edit->text()).ends_with("/p"))
      edit->setText(edit->text() + QStringLiteral("/p"));
    key = 0;
    return true;
  }
  if (key == '0' && edit->SlashedZero() && Setups().GetWeitere().SlashedZero())
    key = ToStrings::kSlashedZero;
  return false;
}

void TContLogAlle::ResetLabelColours(QWidget* form) {
  const QWidget* active = QApplication::focusWidget();
  for (QLabel* l : form->findChildren<QLabel*>()) {
    if (!l->buddy() || l->property("Tag").toInt() >= 9999 || l->buddy() == active) continue;
    const TColor c = TColorOf(l->palette().color(QPalette::WindowText));
    if (c == kMaroon || c == clRed) SetColour(l, QPalette::WindowText, kTeal);
  }
}

void TContLogAlle::MarkFieldLabels(QWidget* form, QWidget* field, bool red) {
  ResetLabelColours(form);
  for (QLabel* l : form->findChildren<QLabel*>())
    if (l->buddy() == field) SetColour(l, QPalette::WindowText, red ? clRed : kMaroon);
}

void TContLogAlle::ToggleQsl(char& flag, QLabel* button) {
  const bool yes = std::string_view("JSYjsy").find(flag) != std::string_view::npos && flag != 0;
  flag = yes ? 'N' : 'Y';
  button->setText(Q(setupseparat::LangText(yes ? "&QSL senden: nein" : "&QSL senden: ja",
                                           yes ? "QSL send: no" : "QSL send: yes")));
  button->adjustSize();
}

void TContLogAlle::SetAutoDateTime(TdbContest& listTable, TdbContest& qsoTable, bool force,
                                   TkvEdit* timeField, TkvEdit* dateField) {
  const TContestListRec list = listTable.GetListRec();
  TContestQSORec rec = qsoTable.GetQSORec();
  if (list.DateAuto() != 0) {
    rec.SetDatum(ToDates::TodayUTC());
    if (dateField) dateField->setText(Q(ToDates::DateToDateString(rec.Datum(), "dd.mm.yyyy")));
    qsoTable.SetQSORec(rec);
  }
  if (list.TimeAuto() != 0 || force) {
    rec.SetZeit(ToDates::CurrentTimeUTC());
    if (timeField) timeField->setText(Q(ToDates::TimeToTimeString(rec.Zeit(), "hh:mm:ss")));
    qsoTable.SetQSORec(rec);
  }
}

int TContLogAlle::RunModalRemembered(TWindowPlace& place, QDialog& window, TdbBase* table) {
  if (place.Width > 0) window.setGeometry(place.Left, place.Top, place.Width, place.Height);
  const int result = Desktop().ExecDialog(window);
  const QRect r = window.geometry();
  place = {r.x(), r.y(), r.width(), r.height()};
  if (table) table->LoadRecord(true, true);
  return result;
}

void TContLogAlle::ScaleHorizontally(QWidget* container, double factor) {
  for (QObject* o : container->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w) continue;
    const bool box = qobject_cast<QGroupBox*>(w) || qobject_cast<TkvPanel*>(w) ||
                     qobject_cast<QScrollArea*>(w);
    const bool grows = box || qobject_cast<QLineEdit*>(w);
    const int width = grows ? int(std::lround(w->width() * factor)) : w->width();
    w->setGeometry(int(std::lround(w->x() * factor)), w->y(), width, w->height());
    if (box) ScaleHorizontally(w, factor);
  }
}

void TContLogAlle::SimulateEnter(QWidget* form) {
  QWidget* active = QApplication::focusWidget();
  if (!active || !form->isAncestorOf(active) || !qobject_cast<QLineEdit*>(active)) return;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(active, &press);
}

std::string TContLogAlle::NotesFileNameOf(const std::string& contestName) {
  static constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  std::string name;
  for (char c : contestName)
    if (uint8_t(c) >= 32 && kForbidden.find(c) == std::string_view::npos) name += c;
  return name + ".TXT";
}

bool TContLogAlle::NotesFileName(TdbContest& listTable, TdbContest& qsoTable) {
  if (!oContestFkt) return false;
  const std::string file = ProgramDirectory() + NotesFileNameOf(listTable.GetListRec().Name());
  oContestFkt->EditContestNotes(file, listTable, qsoTable);
  return true;
}

void TContLogAlle::HighlightMenuLabel(QObject* sender, QWidget* container) {
  auto* label = qobject_cast<QLabel*>(sender);
  if (!label) return;
  if (label->property("Tag").toInt() != 98) label->setAutoFillBackground(true);
  for (QLabel* l : container->findChildren<QLabel*>()) {
    const int tag = l->property("Tag").toInt();
    if (l == label || tag == 0 || tag % 100 != 0 || !l->autoFillBackground()) continue;
    l->setAutoFillBackground(false);
  }
}

void TContLogAlle::ShowHelp() { hh_funcs::ShowHelp(); }

// --- column widths ----------------------------------------------------------------------------

void TContLogAlle::StoreColumnWidths(TkvBrow& brow, int listKind, TdbContest& listTable,
                                     bool /*scale*/) {
  const int columns = brow.ColCount();
  if (listKind == 0) {
    TContestListRec list = listTable.GetListRec();
    for (int i = 1; i <= std::min(columns, TContestListRec::kColumns); ++i)
      list.SetColumnWidth(i, uint16_t(brow.ColWidth(brow.FixedColCount() + i - 1)));
    listTable.SetListRec(list);
    listTable.Modify();
    return;
  }
  ToSetupLayout layout = Setups().GetLayout();
  for (int i = 1; i <= columns; ++i)
    layout.SetClusterWidth(brow.KeyNr(), i, uint16_t(brow.ColWidth(brow.FixedColCount() + i - 1)));
  Setups().SetLayout(layout);
}

int TContLogAlle::GetColumnWidth(int column, TkvBrow& brow, int listKind, TdbContest& listTable,
                                 bool /*scale*/) {
  if (listKind == 0) {
    if (column < 1 || column > TContestListRec::kColumns) return 0;
    return listTable.GetListRec().ColumnWidth(column);
  }
  return Setups().GetLayout().ClusterWidth(brow.KeyNr(), column);
}
