// The entry panel while it is typed into: the call with its preview of entity and points,
// the exchange fields with the beam heading and the name copy, the mode list and the
// free mode field, the frequency colour, and the key filters of the received fields.

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <cstdio>

#include "foundation/cp1252.h"
#include "foundation/grafik.h"
#include "foundation/kvedit.h"
#include "foundation/kvpanel.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/contlogstd.h"
#include "log/logstate.h"
#include "reference/locator.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace {

// Kind 17: a field only German calls fill in.
constexpr int32_t kGermanOnly = 17;

// The exits and keys of the entry fields reach the window through this filter: a field
// that loses the focus to another control of the window is left; the focus leaving with
// the window (a message box, another program) leaves nothing.
class TEntryRoadFilter : public QObject {
 public:
  explicit TEntryRoadFilter(TContestLogStd* form) : QObject(form), form_(form) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* field = static_cast<TkvEdit*>(watched);
    if (event->type() == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        form_->eCallExit(field);
      return false;
    }
    if (event->type() == QEvent::KeyPress) {
      const QString text = static_cast<QKeyEvent*>(event)->text();
      return text.size() == 1 && form_->eRSTr3KeyPress(field, S(text)[0]);
    }
    return false;
  }

 private:
  TContestLogStd* form_;
};

void SetFontColour(QWidget* w, TColor colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Text, ColorOf(colour));
  w->setPalette(pal);
}

}  // namespace

void TContestLogStd::WireEntryRoad() {
  entryRoadFilter_ = new TEntryRoadFilter(this);
  for (TkvEdit* e : EntryFields()) e->installEventFilter(entryRoadFilter_);
  connect(eCall, &QLineEdit::textChanged, this, [this] { eCallChange(); });
  for (size_t i = 1; i < 4; ++i)
    for (TkvEdit* e : {eRSTr[i], eRSTs[i]})
      connect(e, &QLineEdit::textChanged, this, [this, e] { eRSTr2Change(e); });
  connect(eName, &QLineEdit::textChanged, this, [this] { eNameChange(); });
  connect(emode, &QLineEdit::textChanged, this, [this] { emodeChange(); });
  connect(eFreq, &QLineEdit::textChanged, this, [this] { eFreqChange(); });
  connect(listmode, &QListWidget::itemDoubleClicked, this, [this] { listmodeDblClick(); });
}

int32_t TContestLogStd::KindOfField(const TkvEdit* field) const {
  const auto received = ReceivedRow(), sent = SentRow();
  for (size_t i = 1; i < 4; ++i) {
    if (field == received[i]) return ContestDef.ReceivedKinds[i];
    if (field == sent[i]) return ContestDef.SentKinds[i];
  }
  return 0;
}

TkvEdit* TContestLogStd::FieldOfKind(int32_t kind, bool received) const {
  const auto row = received ? ReceivedRow() : SentRow();
  for (size_t i = 1; i < 4; ++i)
    if ((received ? ContestDef.ReceivedKinds[i] : ContestDef.SentKinds[i]) == kind) return row[i];
  return nullptr;
}

void TContestLogStd::eCallChange() {
  if (recordToFieldsRunning_ || !QsoTable || !LogState) return;
  const int cursor = eCall->cursorPosition();
  FieldsToRecord();
  TContestQSORec rec = QsoTable->GetQSORec();
  const std::string call = ToStrings::Trim(rec.Call());
  const auto points = [this](const TdbContestBase& t) {
    return LogCommon->CalcQsoPoints(ContestDef, *ListTable, t);
  };
  if (call.size() >= 2 && LogCommon->PreviewQso(*QsoTable, *ListTable, points, ContestDef)) {
    rec = QsoTable->GetQSORec();
    rec.SetZeroPoints(0);
    const std::string dxcc = ToStrings::Trim(rec.DXCC());
    if (dxcc != lastDxcc_) {
      lastDxcc_ = dxcc;
      // Fields that only German stations fill in follow the call's entity.
      const bool german = TContLogAlle::IsGermanCall(call, *ListTable);
      for (size_t i = 1; i < 4; ++i) {
        if (ContestDef.ReceivedKinds[i] != kGermanOnly) continue;
        ReceivedRow()[i]->setVisible(german);
        lRSTName[i - 1]->setVisible(german);
        if (ContestDef.SWLLog) SentRow()[i]->setVisible(german);
      }
    }
    LogState->RefreshMultiplierStatus(rec);
    QsoTable->SetQSORec(rec);
  } else {
    LogState->ResetPendingMultipliers();
    ShowReceivedField2();
  }
  ShowTyped(eCall, cursor);
}

// The record is shown, but the field being typed into keeps its text and cursor: the
// operator's keys are never rewritten under his fingers.
void TContestLogStd::ShowTyped(TkvEdit* field, int cursor) {
  const QString typed = field->text();
  RecordToFields();
  recordToFieldsRunning_ = true;
  if (field->text() != typed) field->setText(typed);
  field->setCursorPosition(std::min(cursor, int(typed.size())));
  recordToFieldsRunning_ = false;
}

// Received field 2 as the layout has it: never for a contest that has no such field.
void TContestLogStd::ShowReceivedField2() {
  eRSTr[1]->setVisible(ContestDef.ReceivedKinds[1] != 0 || !ContestDef.SentText[1].empty());
}

void TContestLogStd::ShowBeam(std::string_view locator) {
  double bearing = 0, distance = 0;
  const std::string own = Setups().GetEigeneStation().Locator();
  if (oLocator) oLocator->DistanceAndBearing(own, locator, bearing, distance);
  char text[32];
  std::snprintf(text, sizeof text, " %.1f", bearing);
  lbeam->setText(Q(text));
  lbeam->adjustSize();
  lebeam->setVisible(bearing > 0);
  lbeam->setVisible(bearing > 0);
}

void TContestLogStd::eRSTr2Change(TkvEdit* field) {
  if (recordToFieldsRunning_ || !QsoTable || !LogState) return;
  const int cursor = field->cursorPosition();
  FieldsToRecord();
  TContestQSORec rec = QsoTable->GetQSORec();
  // Without a call the multipliers of the exchange are judged as a German station's.
  const bool noCall = ToStrings::Trim(rec.Call()).empty();
  if (noCall) rec.SetCall("DL0");
  LogState->RefreshMultiplierStatus(rec);
  if (noCall) rec.SetCall("");
  lbeam->clear();
  const std::string text = ToStrings::Trim(S(field->text()));
  const int32_t kind = KindOfField(field);
  if (text.size() > 3 && kind == exchangekind::kOwnLocator) ShowBeam(text);
  const auto received = ReceivedRow();
  const bool isReceived = std::find(received.begin(), received.end(), field) != received.end();
  if (isReceived && kind == exchangekind::kName && !nameFromNameField_) {
    // The name as the record keeps it beside the DOK (and the locator).
    int room = 20;
    const auto& kinds = ContestDef.ReceivedKinds;
    if (kinds[2] == exchangekind::kDok) {
      room = 16 - int(ToStrings::Trim(S(received[2]->text())).size());
      if (kinds[3] == exchangekind::kLocator || kinds[3] == exchangekind::kOwnLocator)
        room -= int(ToStrings::Trim(S(received[3]->text())).size()) + 1;
    }
    LastName = ToStrings::Left(text, std::clamp(room, 0, 20));
    const std::string nq = rec.NameQth();
    const std::string qth = nq.find(';') == std::string::npos ? "" : ToStrings::TextAfter(nq, ";");
    rec.SetNameQth(ToStrings::Left(LastName + ";" + qth, 30));
  }
  QsoTable->SetQSORec(rec);
  ShowTyped(field, cursor);
}

void TContestLogStd::eNameChange() {
  if (recordToFieldsRunning_) return;
  nameFromNameField_ = true;
  for (size_t i = 1; i < 4; ++i)
    if (ContestDef.ReceivedKinds[i] == exchangekind::kName)
      ReceivedRow()[i]->setText(eName->text());
  nameFromNameField_ = false;
}

void TContestLogStd::emodeChange() {
  if (emode->isVisibleTo(panelEingabe)) CurrentMode = ToStrings::Left(S(emode->text()), 6);
}

void TContestLogStd::eFreqChange() { SetFontColour(eFreq, CheckFrequencyRange() ? clNavy : clRed); }

bool TContestLogStd::eRSTr3KeyPress(TkvEdit* field, char key) {
  if (key != ' ' || ContestCode() == 'i') return false;
  for (size_t i = 0; i < 4; ++i)
    if (field == eRSTr[i]) return true;
  return false;
}

void TContestLogStd::listmodeDblClick() {
  QListWidgetItem* item = listmode->currentItem();
  listmode->hide();
  if (!item || !QsoTable) return;
  FieldsToRecord();
  const std::string mode = S(item->text());
  emode->hide();
  if (mode == "DIGITAL") {
    // The free mode field names the digital mode; it keeps what was typed there last.
    emode->move(lMode->x(), lMode->y() - 4);
    emode->show();
  }
  if (mode != CurrentMode) SwitchMode(mode);
  // The report follows the mode unless the contest list fixes it.
  if (ContestCode() != 'j') {
    const std::string rst = ToStrings::FitWidth(
        logentry::DefaultRst(CurrentMode, emode->isVisibleTo(panelEingabe), ContestCode()), 3,
        true);
    const TContestListRec list = ListTable->GetListRec();
    if (list.RstSentNotFixed() != 0) SentRow()[0]->setText(Q(ToStrings::Trim(rst)));
    if (list.RstRcvdNotFixed() != 0) ReceivedRow()[0]->setText(Q(ToStrings::Trim(rst)));
    FieldsToRecord();
  }
  RecordToFields();
  if (LastFocused) LastFocused->setFocus();
}

void TContestLogStd::SwitchMode(const std::string& mode) {
  CurrentMode = mode;
  LogState->ResetPendingMultipliers();
  int32_t running = NextSerial;
  TContLogAlle::NextSerialNumbers(false, CurrentBand, *QsoTable, NextModeSerial,
                                  NextBandSerialIntern, NextBandSerial, running, CurrentMode);
  LogState->RecountTotals(false);
  LastFrequency = 0;
  TContestQSORec rec = QsoTable->GetQSORec();
  rec.SetMode(CurrentMode);
  rec.SetFrequency(0);
  LogState->RefreshMultiplierStatus(rec);
  QsoTable->SetQSORec(rec);
  // A serial number per mode starts again with the new mode's count.
  if (TkvEdit* serial = FieldOfKind(exchangekind::kSerialPerMode, false))
    serial->setText(Q(ToStrings::IntToStrZero(NextModeSerial, 3)));
  FieldsToRecord();
}
