// The entry of the log window as a view of the QSO table's working record: the copy in
// both directions, a new empty entry, the entry clock and the band switch; and the rows
// of the QSO list.

#include <QLabel>
#include <QListWidget>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/grafik.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/contlogstd.h"
#include "log/logentrytext.h"
#include "log/logstate.h"
#include "reference/baender.h"
#include "reference/modi.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/setupseparat.h"

namespace {

constexpr const char* kDatePicture = "dd.mm.yyyy";
constexpr const char* kTimePicture = "hh:mm:ss";

void SetLabel(QLabel* l, const std::string& text) {
  l->setText(Q(text));
  l->adjustSize();
}

void SetLabelColour(QLabel* l, TColor colour) {
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, ColorOf(colour));
  l->setPalette(pal);
}

constexpr TColor kTeal = RGBColor(0, 128, 128);

}  // namespace

void TContestLogStd::FieldsToRecord(const QWidget* leftField) {
  if (!QsoTable) return;
  TContestQSORec rec = QsoTable->GetQSORec();
  rec.SetCall(logentry::NormaliseCall(S(eCall->text())));
  rec.SetCall2(ToStrings::Trim(S(eCall2->text())));
  eDatum->CompleteDate();
  rec.SetDatum(ToDates::DateStringToDate(S(eDatum->text()), kDatePicture));
  ezeit->CompleteTime();
  std::string time = S(ezeit->text());
  if (time.size() == 5) time += ":00";
  rec.SetZeit(ToDates::TimeStringToTime(time, kTimePicture));
  // Name and QTH: typed when their fields can be used, else the last ones typed.
  auto pick = [](TkvEdit* field, std::string& last) {
    if (!field->isVisible() || !field->isEnabled()) return last;
    const std::string text = S(field->text());
    if (!text.empty()) last = ToStrings::Left(text, 20);
    return text;
  };
  const std::string name = pick(eName, LastName);
  const std::string qth = pick(eQTH, LastQth);
  rec.SetNameQth(ToStrings::Left(name + ";" + qth, 30));
  rec.SetFrequency(eFreq->GetValueSingle());
  QsoTable->SetQSORec(rec);
  ExchangeFieldsToRecord(leftField);
}

void TContestLogStd::RecordToFields() {
  if (!QsoTable) return;
  recordToFieldsRunning_ = true;
  const TContestQSORec rec = QsoTable->GetQSORec();
  eCall->setText(Q(rec.Call()));
  eCall2->setText(Q(rec.Call2()));
  SetLabel(lCall, rec.Call());
  SetLabel(lMode, rec.Mode());
  CurrentBandName = oBaender->BandNameOf(rec.Bandcode(), false);
  SetLabel(lband, CurrentBandName);
  const std::string date =
      rec.Datum() < 1 ? "" : ToDates::DateToDateString(rec.Datum(), kDatePicture);
  const std::string time =
      rec.Zeit() < 0 ? "" : ToDates::TimeToTimeString(rec.Zeit(), kTimePicture);
  eDatum->setText(Q(date));
  ezeit->setText(Q(time));
  SetLabel(lDatum, date);
  SetLabel(lZeit, time);
  ExchangeRecordToFields(rec);
  // Name and QTH: an empty part of the record takes the last one typed.
  std::string name = LastName, qth = LastQth;
  if (eName->isVisible() && eName->isEnabled()) {
    const std::string nq = rec.NameQth();
    const std::string n = ToStrings::TextBefore(nq, ";");
    const std::string q = nq.find(';') == std::string::npos ? "" : ToStrings::TextAfter(nq, ";");
    if (!n.empty()) name = n;
    if (!q.empty()) qth = q;
  }
  eName->setText(Q(name));
  eQTH->setText(Q(qth));
  float freq = rec.Frequency();
  if (freq > 0 && oBaender->BandCodeOfFrequency(freq) != CurrentBand) freq = DefaultFrequency();
  if (freq > 0)
    eFreq->SetValueSingle(freq);
  else
    eFreq->clear();
  SetLabel(lcallname, LastName);
  ShowStatistics();
  for (QLabel* l : DisplaySuspended ? QList<QLabel*>() : findChildren<QLabel*>()) {
    if (l == lContestCaption) continue;
    const int tag = l->property("Tag").toInt();
    if (tag < 97 && l->buddy())
      SetLabelColour(l, kTeal);
    else if (tag == 97)
      SetLabelColour(l, clNavy);
  }
  recordToFieldsRunning_ = false;
}

void TContestLogStd::ClearEntry(bool keep) {
  if (!QsoTable) return;
  btncat->hide();
  SetLabel(lqsopartner, "QSO-Partner");
  ShowPartnerCaption();
  panelEingabeEnter();
  if (!keep) {
    // Back to the layout's state after the call field hid it; never shown for a contest
    // that has no second received field.
    ShowReceivedField2();
    lbeam->clear();
  }
  LogState->CurrentBand = CurrentBand;
  LogState->RecountTotals(false);
  NextSerials();
  QsoTable->ClearRecords();
  TContestQSORec rec = QsoTable->GetQSORec();
  rec.SetDatum(LastQsoDate == 0 ? -1 : LastQsoDate);
  rec.SetZeit(LastQsoTime);
  rec.SetMode(CurrentMode);
  rec.SetBandcode(CurrentBand);
  CurrentBandName = oBaender->BandNameOf(CurrentBand, false);
  // The "QSL senden" flag as the contest list record presets it.
  const char qsl = ListTable->GetListRec().QslSentDefault();
  QslSendFlag = qsl;
  const bool no = qsl == 0 || qsl == ' ' || qsl == 'N' || qsl == 'n';
  SetLabel(lQSLs, setupseparat::LangText(no ? "&QSL senden: nein" : "&QSL senden: ja",
                                         no ? "QSL send: no" : "QSL send: yes"));
  rec.SetQslSent(qsl);
  LastName.clear();
  LastQth.clear();
  if (LastFrequency > 0) rec.SetFrequency(LastFrequency);
  QsoTable->SetQSORec(rec);
  DefaultExchangeToRecord(keep);
  RecordToFields();
  if (eCall->isVisible()) {
    eCall->setFocus();
    LogCommon->MarkFieldLabels(this, eCall, true);
  }
  ShowScore();
}

// The serial numbers of the next QSO on the entry's band in its mode.
void TContestLogStd::NextSerials() {
  TContLogAlle::NextSerialNumbers(true, CurrentBand, *QsoTable, NextModeSerial,
                                  NextBandSerialIntern, NextBandSerial, NextSerial, CurrentMode);
}

float TContestLogStd::DefaultFrequency() const {
  return float(oBaender->DefaultFrequencyOf(CurrentBand, oModi->ModeCodeOf(CurrentMode)));
}

void TContestLogStd::timerzeitTimer() {
  if (!QsoTable) return;
  if (ListTable->GetListRec().BandAuto() != 0) {
    const char band = logentry::PeriodBand(ContestDef, CurrentBand, ToDates::TodayUTC(),
                                           ToDates::CurrentTimeUTC());
    // Outside every contest period the band stays as it is.
    if (band != 0 && band != CurrentBand) {
      FieldsToRecord();
      if (eCall->text().isEmpty()) SwitchBand(band, false);
      RecordToFields();
    }
  }
  LogCommon->SetAutoDateTime(*ListTable, *QsoTable, AutoTime, ezeit, eDatum);
  SetLabel(lDatum, S(eDatum->text()));
  SetLabel(lZeit, S(ezeit->text()));
}

void TContestLogStd::SwitchBand(char band, bool listOnly) {
  if (!QsoTable) return;
  CurrentBand = band;
  CurrentBandName = oBaender->BandNameOf(band, false);
  LogState->CurrentBand = band;
  if (!listOnly) {
    const TContestQSORec entry = QsoTable->GetQSORec();
    NextSerials();
    LogCommon->GotoLastQsoOfBand(band, *Brow, *QsoTable);
    LogState->RecountTotals(false);
    LastFrequency = 0;
    TContestQSORec rec = entry;
    rec.SetBandcode(band);
    rec.SetwagBandNr(NextBandSerial);
    rec.SetwagBandNrIntern(NextBandSerialIntern);
    LogState->RefreshMultiplierStatus(rec);
    QsoTable->ClearRecords();
    QsoTable->SetQSORec(rec);
  } else if (Brow->KeyNr() >= contestkeys::kBandNrIntern &&
             Brow->KeyNr() <= contestkeys::kBandNrInternDesc) {
    const std::string b(1, band);
    Brow->SetKeyRange(ToStrings::ShortToKeyStr(b), ToStrings::ShortToKeyStr(b));
    Brow->GoFirst();
    LogState->RecountTotals(false);
    QsoTable->ClearRecords();
    TContestQSORec rec = QsoTable->GetQSORec();
    rec.SetDatum(-1);
    rec.SetZeit(-1);
    QsoTable->SetQSORec(rec);
  }
  ShowStatistics();
}

// --- the QSO list -------------------------------------------------------------------------------

logentry::TListColumns TContestLogStd::ListColumns() const {
  logentry::TListColumns c;
  for (int i = 0; i < 3; ++i) c.Multi[i] = !ContestDef.MultiplierName[size_t(i) + 1].empty();
  c.Swapped = ContestDef.SWLLog;
  c.English = setupseparat::Language() != setupseparat::kGerman;
  c.Code = ContestCode();
  return c;
}

void TContestLogStd::BrowSetHeaderFooter() { SetListHeader(*Brow); }

void TContestLogStd::SetListHeader(TkvBrow& brow) {
  if (!brow.Page()) return;
  brow.SetHeaderFooter(logentry::ListHeader(ListColumns()), "", false,
                       "UTC:ZeitS;Datum:DatumS;Mod:Mode;");
}

void TContestLogStd::BrowBuildRow(RowRec& row) {
  if (row.Ref <= 0) return;
  if (!rowTable_)
    rowTable_ = std::make_unique<TdbContest>(TdbContestBase::kQsoLog, 0, ContestNumber);
  if (!rowTable_->GotoRecord(row.Ref)) return;
  const TContestQSORec rec = rowTable_->GetQSORec();
  // The QCWA party shows its members' calls in the third multiplier column.
  const bool member =
      ContestCode() == 'k' && LogCommon->FindInMemberList("qcwa.csv", rec.Call(), 1) >= 0;
  row.Text = logentry::ListRow(rec, ListColumns(), kDatePicture, member);
}

int TContestLogStd::BrowSortList2Key(int choice, TKeyStr& low, TKeyStr& high) {
  // A change of the sort keeps the widths the operator gave the columns.
  if (sortChoice_ >= 0 && choice != sortChoice_ && LogCommon && Brow->IsOpen())
    LogCommon->StoreColumnWidths(*Brow, 0, *ListTable, false);
  sortChoice_ = choice;
  return logentry::SortChoiceKey(choice, CurrentBand, low, high);
}
