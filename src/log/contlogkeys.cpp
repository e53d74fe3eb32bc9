// The keys of the log window (key preview), its buttons and the events of the QSO list.

#include "log/contlogstd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "log/contlogalle.h"
#include "log/logstate.h"
#include "tables/contesttables.h"

namespace {

// Keys the window uses itself; the others reach the focused control.
bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

// --- keys -----------------------------------------------------------------------------------

bool TContestLogStd::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MenueBeenden) {
    if (event->type() == QEvent::MouseButtonRelease) {
      CloseLog();
      return true;
    }
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
      TContLogAlle::HighlightMenuLabel(MenueBeenden, panelSeite);
  }
  // Alt+Q, the accelerator of the flag's label, toggles the flag.
  if (watched == lQSLs && event->type() == QEvent::Shortcut) {
    lQSLsClick();
    return true;
  }
  if (watched == lQSLs && event->type() == QEvent::MouseButtonRelease) {
    lQSLsClick();
    return true;
  }
  if (watched == panelEingabe && event->type() == QEvent::MouseButtonPress) panelEingabeClick();
  if (watched == lContestCaption && event->type() == QEvent::MouseButtonRelease) {
    BrowEnter();
    return true;
  }
  if (event->type() == QEvent::FocusIn && LogCommon) {
    for (TkvEdit* e : EntryFields())
      if (watched == e) {
        // eCallEnter: back to the entry, with the field's labels marked.
        panelEingabeEnter();
        LogCommon->MarkFieldLabels(this, e, false);
      }
    return false;
  }
  if (event->type() == QEvent::ShortcutOverride) {
    // The window's own Alt keys come before the accelerators of the labels.
    auto* key = static_cast<QKeyEvent*>(event);
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && w->window() == this && (key->modifiers() & Qt::AltModifier) &&
        (key->key() == Qt::Key_W || key->key() == Qt::Key_F3 ||
         (key->modifiers() & Qt::KeypadModifier))) {
      event->accept();
      return true;
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w || w->window() != this || !isVisible()) return false;
  // The same key travels up through the parents; the window sees it once, at the
  // control that has the focus.
  QWidget* focus = QApplication::focusWidget();
  if (w != focus && !(focus == nullptr && w == this)) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == eclustertext && key->key() == Qt::Key_Escape) {
    eclustertext->setText(QStringLiteral("ESC "));
    return true;
  }
  if ((watched == listband || watched == listmode) &&
      (IsEnter(key->key()) || key->key() == Qt::Key_Escape)) {
    auto* list = static_cast<QListWidget*>(watched);
    if (IsEnter(key->key()) && list == listband) {
      listbandApply();
    } else if (IsEnter(key->key())) {
      listmodeDblClick();
    } else {
      list->hide();
      if (LastFocused) LastFocused->setFocus();
    }
    return true;
  }
  if (FormKeyDown(key->key(), key->modifiers())) return true;
  if (IsEnter(key->key())) {
    for (TkvEdit* e : EntryFields()) {
      if (watched != e) continue;
      // Enter moves on to the next entry field.
      EnterPressed = true;
      if (!LogCommon->EnterJump(this, e, eDatum, ezeit, eQTH, ContestDef.SWLLog, eRSTr[0],
                                eRSTr[1], eRSTr[2], eRSTr[3]))
        LogCommon->MoveToNextField(e, this, emode, Panel2, panelEingabe);
      return true;
    }
  }
  if (key->text().size() == 1 && (watched == eCall || watched == eCall2 || watched == emode)) {
    char c = S(key->text())[0];
    const char typed = c;
    const bool enter = LogCommon->CallKeyFilter(c, w);
    if (enter || c != typed) {
      auto* edit = static_cast<TkvEdit*>(watched);
      if (c != 0) edit->insert(Q(std::string(1, c)));
      if (enter) {
        EnterPressed = true;
        LogCommon->MoveToNextField(edit, this, emode, Panel2, panelEingabe);
      }
      return true;
    }
  }
  return false;
}

bool TContestLogStd::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
  const bool alt = mods & Qt::AltModifier;
  const bool keypad = mods & Qt::KeypadModifier;
  if (alt && keypad && key >= Qt::Key_1 && key <= Qt::Key_3) {
    TkvEdit* target = eRSTr[size_t(key - Qt::Key_1) + 1];
    if (target->isVisible()) target->setFocus();
    return false;
  }
  if (alt && key == Qt::Key_Q) {
    lQSLsClick();
    return false;
  }
  if (alt && key == Qt::Key_W) {
    btnKorrektur->click();
    return true;
  }
  if (alt && key == Qt::Key_F3) {
    btnBandliste->click();
    return true;
  }
  switch (key) {
    case Qt::Key_Escape:
      // Also from the list, where the entry's buttons are off: Esc leads back.
      if (listband->isVisible())
        listband->hide();
      else
        btnClearClick();
      return true;
    case Qt::Key_F4: btnCallsuche->click(); return true;
    case Qt::Key_F5: btnListe->click(); return true;
    case Qt::Key_F6: btnNotiz->click(); return true;
    case Qt::Key_F7: btnMode->click(); return true;
    case Qt::Key_F8: btnBand->click(); return true;
    case Qt::Key_F9:
      if (btnNameqth->isVisible()) btnNameqth->click();
      return true;
    case Qt::Key_F12: btnKorrektur->click(); return true;
    default: return false;
  }
}

// --- buttons ----------------------------------------------------------------------------------

void TContestLogStd::btnClearClick() {
  listband->hide();
  listmode->hide();
  ClearEntry(false);
}

namespace {

// Places a drop list at its label and selects the current entry; with exactly two entries
// the other one is chosen at once (true), else the list is shown.
bool OpenDropList(QListWidget* list, QListWidget* other, QLabel* at, const QString& current) {
  other->hide();
  list->move(at->x(), at->y());
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->text() == current) list->setCurrentRow(i);
  if (list->count() == 2) {
    list->setCurrentRow(list->currentRow() == 0 ? 1 : 0);
    return true;
  }
  list->show();
  list->raise();
  list->setFocus();
  return false;
}

}  // namespace

void TContestLogStd::btnBandClick() {
  if (listband->isVisible()) {
    listband->hide();
    return;
  }
  LastFocused = QApplication::focusWidget();
  if (OpenDropList(listband, listmode, lband, Q(CurrentBandName))) listbandApply();
}

void TContestLogStd::btnModeClick() {
  if (listmode->isVisible()) {
    listmode->hide();
    return;
  }
  LastFocused = QApplication::focusWidget();
  if (OpenDropList(listmode, listband, lMode, Q(CurrentMode))) listmodeDblClick();
}

void TContestLogStd::listbandApply() {
  if (QListWidgetItem* item = listband->currentItem()) {
    FieldsToRecord();
    const char band = char(item->data(Qt::UserRole).toInt());
    if (band != 0 && band != CurrentBand) SwitchBand(band, false);
    RecordToFields();
    if (LastFocused) LastFocused->setFocus();
  }
  listband->hide();
}

void TContestLogStd::btnListeClick() {
  SwitchPanels(false);
  if (Brow->isVisible()) Brow->setFocus();
}

void TContestLogStd::BrowEnter() {
  if (!eCall->text().isEmpty()) {
    eCall->clear();
    if (QsoTable) QsoTable->ClearRecords();
    LogState->RecountTotals(false);
  }
  SwitchPanels(false);
}

void TContestLogStd::panelEingabeEnter() { SwitchPanels(true); }

void TContestLogStd::panelEingabeClick() {
  const bool wasList = !btnClear->isEnabled();
  SwitchPanels(true);
  if (wasList) ClearEntry(false);
}

// The caption and the buttons of the side that has the operator's attention.
void TContestLogStd::SwitchPanels(bool entry) {
  if (!LogCommon) return;
  LogCommon->SetLogCaption(entry, lContestCaption, panelContLog, !PanelUnten->isVisible(), false,
                           {btnClear, btnMode, btnBand, btnCallsuche, btnNotiz, btnNameqth,
                            btnKorrektur},
                           {btnAendern, btnLoeschen, btnBandliste});
}

void TContestLogStd::btnNameqthClick() {
  listband->hide();
  listmode->hide();
  const bool show = !eName->isVisible();
  for (QWidget* w : {static_cast<QWidget*>(leFreq), static_cast<QWidget*>(eFreq),
                     static_cast<QWidget*>(leName), static_cast<QWidget*>(eName),
                     static_cast<QWidget*>(leQTH), static_cast<QWidget*>(eQTH)})
    w->setVisible(show);
}

void TContestLogStd::btnNotizClick() {
  timerzeit->stop();
  const bool edited = QsoTable && LogCommon->NotesFileName(*ListTable, *QsoTable);
  timerzeit->start();
  if (edited) btnClear->click();
}

bool TContestLogStd::DeleteListQso() {
  if (!rowTable_ || Brow->CurrentRef() <= 0 || !rowTable_->GotoRecord(Brow->CurrentRef()))
    return true;
  // The question is modal; the clock would write the entry meanwhile.
  timerzeit->stop();
  LogState->DeleteEntry(rowTable_->GetQSORec().Nummer());
  timerzeit->start();
  Brow->RefreshAll();
  ClearEntry(false);
  return true;
}

void TContestLogStd::btnHilfeClick() { TContLogAlle::ShowHelp(); }

void TContestLogStd::btndefaultClick() { TContLogAlle::SimulateEnter(this); }

void TContestLogStd::lQSLsClick() { TContLogAlle::ToggleQsl(QslSendFlag, lQSLs); }

