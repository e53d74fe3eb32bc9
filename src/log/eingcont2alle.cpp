// The entry helpers of the QSO edit dialog.

#include "log/eingcont2alle.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>

#include "foundation/cp1252.h"
#include "foundation/kvedit.h"
#include "foundation/strings.h"
#include "reference/baender.h"

namespace {

bool TakesFocus(const QWidget* w) {
  return w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus &&
         w->property("TabOrder").isValid();
}

int TabOrder(const QWidget* w) { return w->property("TabOrder").toInt(); }

char BandOfItem(const QComboBox* combo, int index) {
  const QVariant code = combo->itemData(index);
  if (code.isValid()) return char(code.toInt());
  return oBaender->BandCodeOfText(S(combo->itemText(index)));
}

char ChosenBand(const QComboBox* combo) {
  return combo->currentIndex() < 0 ? ' ' : BandOfItem(combo, combo->currentIndex());
}

}  // namespace

void Teingcont2alle::SelectFieldText(QLineEdit* edit) {
  if (edit) edit->setSelection(0, 10);
}

bool Teingcont2alle::EnterToNextField(QWidget* form, QWidget* sender, const QKeyEvent& key) {
  if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
  const int own = sender ? TabOrder(sender) : -1;
  int next = 1000, first = 1000;
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (!TakesFocus(w)) continue;
    const int order = TabOrder(w);
    first = std::min(first, order);
    if (order > own && order < next) next = order;
    if (next == own + 1) break;
  }
  if (next == 1000) next = first;
  for (QWidget* w : form->findChildren<QWidget*>())
    if (TakesFocus(w) && TabOrder(w) == next) {
      w->setFocus();
      break;
    }
  return true;
}

std::string Teingcont2alle::AdjustRst(std::string report, bool isCW) {
  if (isCW) {
    if (report.size() == 2)
      report += '9';
    else if (report.size() >= 3 && report[2] == ' ')
      report[2] = '9';
  } else if (report.size() >= 3 && report[2] == '9') {
    report[2] = ' ';
  }
  return report;
}

int Teingcont2alle::ReportModeOf(const std::string& mode) {
  if (mode == "CW") return 1;
  if (mode == "SSB" || mode == "FM") return 0;
  return -1;
}

void Teingcont2alle::AdjustRstForMode(bool isCW, QLineEdit* rstField1, QLineEdit* rstField2) {
  for (QLineEdit* e : {rstField1, rstField2})
    if (e) e->setText(Q(AdjustRst(S(e->text()), isCW)));
}

char Teingcont2alle::BandForFrequency(double typed, char chosenBand, double& outFrequency) {
  const double mhz = oBaender->FrequencyToMHz(typed, false);
  const char band = oBaender->BandCodeOfFrequency(mhz);
  outFrequency = mhz;
  if (band == ' ') {
    outFrequency = oBaender->DefaultFrequencyOf(chosenBand, ' ');
    return ' ';
  }
  return band == chosenBand ? ' ' : band;
}

void Teingcont2alle::FrequencyToBand(QComboBox* comboband, TkvEdit* eFreq, bool& busy) {
  if (ToStrings::Trim(S(eFreq->text())).empty()) return;
  double shown = 0;
  const char chosen = ChosenBand(comboband);
  const char band = BandForFrequency(eFreq->GetValueSingle(), chosen, shown);
  if (band != ' ') {
    int index = -1;
    for (int i = 0; i < comboband->count() && index < 0; ++i)
      if (BandOfItem(comboband, i) == band) index = i;
    if (index >= 0) {
      busy = true;
      comboband->setCurrentIndex(index);
      busy = false;
    } else {
      // A band the contest does not log: the frequency goes back onto the chosen band.
      shown = oBaender->DefaultFrequencyOf(chosen, ' ');
    }
  }
  eFreq->SetValueSingle(float(shown));
}

void Teingcont2alle::BandChanged(QComboBox* comboband, TkvEdit* eFreq, bool& busy) {
  if (busy || ToStrings::Trim(S(eFreq->text())).empty()) return;
  busy = true;
  const char chosen = ChosenBand(comboband);
  const double mhz = oBaender->FrequencyToMHz(eFreq->GetValueSingle(), false);
  if (oBaender->BandCodeOfFrequency(mhz) != chosen)
    eFreq->SetValueSingle(float(oBaender->DefaultFrequencyOf(chosen, ' ')));
  busy = false;
}
