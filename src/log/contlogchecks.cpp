// The checks of the entry: what runs when a field is left (the dupe chain, the call book
// and member lists, the multiplier status, the save once the entry is complete), the
// validity test before a save and the band-plan warning of the frequency.

#include <QLabel>

#include "contest/contestfkt.h"
#include "foundation/cp1252.h"
#include "foundation/grafik.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/contlogstd.h"
#include "log/logstate.h"
#include "log/saveroad.h"
#include "reference/baender.h"
#include "tables/contesttables.h"
#include "tables/setupseparat.h"

namespace {

constexpr const char* kWorkedBefore = "SCHON GEARBEITET";

bool NameQthEmpty(const std::string& nameQth) {
  return ToStrings::Trim(ToStrings::TextBefore(nameQth + ";", ";")).empty() &&
         ToStrings::Trim(ToStrings::TextAfter(nameQth, ";")).empty();
}

}  // namespace

void TContestLogStd::eCallExit(TkvEdit* field) {
  if (entryRoadBusy_ || destroyed_ || !QsoTable) return;
  if (field == eCall && !CheckFrequencyRange())
    ToMessages::ShowNotice(
        "Contest", "Frequenzbereich verlassen",
        "Bitte beachten Sie die Bandplanempfehlungen in der Contest-Ausschreibung.", false);
  CheckAndSave(field);
}

void TContestLogStd::CheckAndSave(TkvEdit* field) {
  if (entryRoadBusy_ || !QsoTable || !LogState) return;
  entryRoadBusy_ = true;
  FieldsToRecord(field);
  const bool enter = EnterPressed;
  // The entry is complete when no later field of the panel is there to be filled.
  const auto noneShown = [this](std::initializer_list<QWidget*> fields) {
    for (QWidget* w : fields)
      if (w->isVisibleTo(this)) return false;
    return true;
  };
  const auto refresh = [this] {
    TContestQSORec rec = QsoTable->GetQSORec();
    LogState->RefreshMultiplierStatus(rec);
    QsoTable->SetQSORec(rec);
  };
  bool complete = false;
  if (field == eCall) {
    if (CheckDupe()) {
      refresh();
      LookupEntryExtras();
      complete =
          !ContestDef.SWLLog && noneShown({eQTH, eRSTr[0], eRSTr[1], eRSTr[2], eRSTr[3], ezeit});
    }
  } else if (field == eRSTr[1]) {
    refresh();
    complete = noneShown({eQTH, eRSTr[2], eRSTr[3], ezeit});
  } else if (field == eRSTr[2]) {
    refresh();
    complete = noneShown({eQTH, eRSTr[3], ezeit});
  } else if (field == eRSTr[3]) {
    refresh();
    complete = noneShown({eQTH, ezeit});
  } else if (field == ezeit || field == eDatum || field == eQTH) {
    complete = true;
  } else if (field == eFreq) {
    TContestQSORec rec = QsoTable->GetQSORec();
    const double mhz = oBaender->FrequencyToMHz(rec.Frequency(), true);
    const char band = oBaender->BandCodeOfFrequency(mhz);
    if (band != ' ' && band != 0) {
      if (band != CurrentBand) SwitchBand(band, false);
      rec = QsoTable->GetQSORec();
      rec.SetFrequency(float(mhz));
    } else {
      rec.SetFrequency(DefaultFrequency());
    }
    QsoTable->SetQSORec(rec);
  }
  bool saved = false;
  if (complete && enter && IsQsoValid(true)) saved = btnSpeichernClick();
  if (!saved && !destroyed_) RecordToFields();
  EnterPressed = false;
  entryRoadBusy_ = false;
}

void TContestLogStd::ShowPartnerCaption() {
  // An empty palette takes the panel's colours again, after "SCHON GEARBEITET" in red.
  lqsopartner->setPalette(QPalette());
  lqsopartner->show();
  lcallname->hide();
}

bool TContestLogStd::CheckDupe() {
  TContestQSORec rec = QsoTable->GetQSORec();
  LastCall = ToStrings::Left(rec.Call(), 14);
  const bool prefixOpen = rec.PrefixFixed() == 0;
  if (prefixOpen) {
    // Resolved again below, from the call as it stands now.
    rec.SetPrefix("");
    rec.SetDXCC("");
  }
  const std::string call = ToStrings::Trim(rec.Call());
  std::string earlierName, earlierQth;
  if (!call.empty()) {
    TdbContest earlier(TdbContestBase::kQsoLog, 0, ContestNumber);
    if (NameQthEmpty(rec.NameQth()) && earlier.FindCall(call)) {
      const std::string nameQth = ToStrings::Left(earlier.GetQSORec().NameQth(), 30);
      rec.SetNameQth(nameQth);
      earlierName = ToStrings::Trim(ToStrings::TextBefore(nameQth, ";"));
      if (nameQth.find(';') != std::string::npos)
        earlierQth = ToStrings::Trim(ToStrings::TextAfter(nameQth, ";"));
    }
  }
  QsoTable->SetQSORec(rec);
  if (call.empty()) return true;

  const auto action = TContLogAlle::CheckDupes(*QsoTable, ContestCode(), ContestDef, false);
  if (action == TContLogAlle::TDupeAction::kRefuse) {
    rec = QsoTable->GetQSORec();
    rec.SetCall("");
    const std::string rst = ToStrings::Left(oContestFkt->ReceivedExchangeText(rec), 3);
    oContestFkt->SplitReceivedExchange(rst, rec);
    LogState->RefreshMultiplierStatus(rec);
    QsoTable->SetQSORec(rec);
    LastName.clear();
    LastQth.clear();
    btnClear->click();
    return false;
  }
  const bool marked = action == TContLogAlle::TDupeAction::kMark;
  if (marked) {
    lqsopartner->setText(Q(kWorkedBefore));
    lqsopartner->adjustSize();
    QPalette pal = lqsopartner->palette();
    pal.setColor(QPalette::WindowText, ColorOf(clRed));
    lqsopartner->setPalette(pal);
  }
  std::string name, qth;
  TContLogAlle::LookupNameQth(call, name, qth);
  // What the earlier QSO with the call gave stands over the call book, as the record's
  // text does when it is shown; the entry fields and the saved QSO take it from here.
  LastName = ToStrings::Left(earlierName.empty() ? ToStrings::Trim(name) : earlierName, 20);
  LastQth = ToStrings::Left(earlierQth.empty() ? ToStrings::Trim(qth) : earlierQth, 20);
  if (!LastName.empty()) {
    lcallname->setText(Q(LastName));
    lcallname->adjustSize();
    lcallname->show();
    if (!marked) lqsopartner->hide();
  }
  if (prefixOpen) {
    const auto points = [this](const TdbContestBase& t) {
      return LogCommon->CalcQsoPoints(ContestDef, *ListTable, t);
    };
    if (!LogCommon->PreviewQso(*QsoTable, *ListTable, points, ContestDef)) {
      SystemBeep();
      ToMessages::ShowWarning("", setupseparat::LangText("Präfix unbekannt", "prefix not found"));
    }
  }
  return true;
}

void TContestLogStd::LookupEntryExtras() {
  FieldsToRecord();
  const std::string locator = LogCommon->FillFromMemberLists(ContestDef, *ListTable, *QsoTable);
  TContestQSORec rec = QsoTable->GetQSORec();
  LogState->RefreshMultiplierStatus(rec);
  QsoTable->SetQSORec(rec);
  RecordToFields();
  bool locatorKind = false;
  for (int32_t kind : ContestDef.ReceivedKinds)
    locatorKind =
        locatorKind || kind == exchangekind::kLocator || kind == exchangekind::kOwnLocator;
  if (locatorKind && ToStrings::Trim(locator).size() > 3) ShowBeam(ToStrings::Trim(locator));
}

bool TContestLogStd::IsQsoValid(bool notify) {
  if (!QsoTable) return false;
  const TContestQSORec rec = QsoTable->GetQSORec();
  // Midnight is a time; only a missing time (-1) is not.
  bool valid = rec.Datum() >= 1 && rec.Zeit() >= 0 && TContLogAlle::IsCallValid(rec.Call()) != 1;
  if (valid && ContestDef.SWLLog) valid = !ToStrings::Trim(rec.Call2()).empty();
  if (valid)
    valid = TContLogAlle::CheckDupes(*QsoTable, ContestCode(), ContestDef, true) !=
            TContLogAlle::TDupeAction::kRefuse;
  if (saveroad::PassesDokList(ContestDef, rec)) return valid;
  if (notify && EnterPressed && ContestDef.ValidDistricts[1] != 0 &&
      !ToStrings::Trim(rec.DOK1()).empty())
    ToMessages::ShowNotice("Contest", "DOK-Check",
                           "Station muß aus Distrikt " +
                               std::string(1, ContestDef.ValidDistricts[1]) +
                               " sein. Bitte Kontestregeln beachten.",
                           false);
  return false;
}

bool TContestLogStd::CheckFrequencyRange() {
  const float mhz = eFreq->GetValueSingle();
  // No frequency typed is no frequency outside the band plan.
  if (!(mhz > 0)) return true;
  return saveroad::InRecommendedRange(ContestCode(), mhz, CurrentMode, CurrentBand);
}
