// The exchange rows of the entry panel and the record: the sent and received exchange
// copied both ways, the values of the received fields by their kind, and the defaults of
// a new entry (report, serial numbers, presets).

#include <QLabel>

#include "contest/contestfkt.h"
#include "foundation/cp1252.h"
#include "foundation/kvedit.h"
#include "foundation/kvpanel.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/contlogstd.h"
#include "log/logentrytext.h"
#include "log/receivedfield.h"
#include "reference/locator.h"
#include "tables/contesttables.h"

namespace {

// Contest 'J' keeps locators and its third sent field only on 2 m and 70 cm.
bool IsJVhfBand(char band) { return band == 'k' || band == 'l'; }

}  // namespace

std::array<TkvEdit*, 4> TContestLogStd::SentRow() const {
  return ContestDef.SWLLog ? eRSTr : eRSTs;
}
std::array<TkvEdit*, 4> TContestLogStd::ReceivedRow() const {
  return ContestDef.SWLLog ? eRSTs : eRSTr;
}

std::string TContestLogStd::RowText(const std::array<TkvEdit*, 4>& row,
                                    const std::string& mode) const {
  std::string f[4];
  for (size_t i = 0; i < 4; ++i) f[i] = ToStrings::Trim(S(row[i]->text()));
  f[0] = logentry::NormaliseRst(f[0], mode);
  // A name in field 2 leaves room for the DOK (and the locator) in the record's parts.
  const auto& kinds = ContestDef.ReceivedKinds;
  if (kinds[1] == exchangekind::kName && kinds[2] == exchangekind::kDok) {
    int room = 16 - int(f[2].size());
    if (kinds[3] == exchangekind::kLocator || kinds[3] == exchangekind::kOwnLocator)
      room -= int(f[3].size()) + 1;
    f[1] = ToStrings::Left(f[1], std::max(room, 0));
  }
  return TContLogAlle::JoinExchangeText(f[0], f[1], f[2], f[3]);
}

void TContestLogStd::ExchangeFieldsToRecord(const QWidget* leftField) {
  TContestQSORec rec = QsoTable->GetQSORec();
  oContestFkt->SplitSentExchange(RowText(SentRow(), rec.Mode()), rec);
  oContestFkt->SplitReceivedExchange(RowText(ReceivedRow(), rec.Mode()), rec);
  const TContestCode code = ContestCode();
  // The values are read from the row that holds the received exchange: in a listener's
  // log the upper row. Leaving either field of the number tells the faults.
  const std::array<TkvEdit*, 4> received = ReceivedRow();
  for (size_t n = 2; n <= 4; ++n) {
    const bool leaving = leftField && (leftField == eRSTr[n - 1] ||
                                       (ContestDef.SWLLog && leftField == eRSTs[n - 1]));
    const std::string text = ToStrings::Trim(S(received[n - 1]->text()));
    const int32_t kind = ContestDef.ReceivedKinds[n - 1];
    if (logentry::StoreReceivedField(kind, text, *ListTable, leaving, rec)) continue;
    switch (kind) {
      case exchangekind::kArea:
        // An area is the multiplier of its kind: it is kept where the DOK stands.
        rec.SetDOK1(TContLogAlle::IsValidArea(text, *ListTable) ? ToStrings::Left(text, 6) : "");
        rec.SetDOK2(TContLogAlle::IsValidArea(text, *ListTable) ? ToStrings::Copy(text, 7, 2) : "");
        break;
      case exchangekind::kLocator:
      case exchangekind::kOwnLocator:
        if (oLocator && oLocator->IsValidLocator(text)) {
          if (text.size() > 3) {
            rec.SetLoc(ToStrings::Left(text, 6));
            rec.SetDistance(TContLogAlle::DistanceFromOwnLocator(rec.Loc()));
          }
          if (code == 'J' && !IsJVhfBand(rec.Bandcode())) {
            rec.SetLoc("");
            rec.SetDistance(0);
          }
        } else {
          if (leaving) ToMessages::ShowWarning("Contest", "Fehler bei Locator-Angabe");
          rec.SetDistance(0);
        }
        break;
      default: break;
    }
  }
  QsoTable->SetQSORec(rec);
}

void TContestLogStd::ExchangeRecordToFields(const TContestQSORec& rec) {
  const TContestCode code = ContestCode();
  auto show = [](const std::array<TkvEdit*, 4>& row, const std::string& text, std::string f[4]) {
    TContLogAlle::SplitExchangeText(text, f[0], f[1], f[2], f[3]);
    for (size_t i = 0; i < 4; ++i) row[i]->setText(Q(ToStrings::Trim(f[i])));
  };
  std::string sent[4], rcvd[4];
  show(SentRow(), oContestFkt->SentExchangeText(rec), sent);
  if (code == 'J')
    SentRow()[2]->setText(IsJVhfBand(rec.Bandcode()) ? Q(ContestDef.SentText[2]) : QString());
  show(ReceivedRow(), oContestFkt->ReceivedExchangeText(rec), rcvd);
  if (code == 'q' && ToStrings::Trim(rcvd[3]).empty()) {
    const std::string name = ToStrings::TextBefore(rec.NameQth(), ";");
    if (!ToStrings::Trim(name).empty()) ReceivedRow()[3]->setText(Q(name + "-"));
  }
  std::string mirror = ToStrings::Trim(sent[1]);
  for (size_t i = 2; i < 4; ++i)
    if (!ToStrings::Trim(sent[i]).empty()) mirror += "/" + ToStrings::Trim(sent[i]);
  lRSTs2->setText(Q(mirror));
  lRSTs2->adjustSize();
  lRSTs1->setText(Q(sent[0]));
  lRSTs1->adjustSize();
  lRSTr1->setText(Q(rcvd[0]));
  lRSTr1->adjustSize();
}

void TContestLogStd::DefaultExchangeToRecord(bool keep) {
  const TContestCode code = ContestCode();
  const bool swapped = ContestDef.SWLLog;
  const std::string rst = ToStrings::FitWidth(
      logentry::DefaultRst(CurrentMode, emode->isVisibleTo(panelEingabe), code), 3, true);
  std::string preset[3];
  for (size_t i = 0; i < 3; ++i) preset[i] = ContestDef.SentText[i + 1];
  for (size_t i = 0; i < 2; ++i) {
    if (swapped || eRSTs[i + 1]->isVisibleTo(panelEingabe)) continue;
    switch (ContestDef.SentKinds[i + 1]) {
      case exchangekind::kSerial: preset[i] = ToStrings::IntToStrZero(NextSerial, 3); break;
      case exchangekind::kSerialPerBand:
        preset[i] = ToStrings::IntToStrZero(NextBandSerial, 3);
        break;
      case exchangekind::kSerialPerMode:
        preset[i] = ToStrings::IntToStrZero(NextModeSerial, 3);
        break;
      default: break;
    }
  }
  const char band = CurrentBand;
  std::string text = preset[0];
  if (!preset[1].empty() && !(code == 'J' && !IsJVhfBand(band))) text += "/" + preset[1];
  if (!preset[2].empty()) text += "/" + preset[2];
  if (text.empty() && !swapped && code != '7' && code != 'p')
    text = ToStrings::IntToStrZero(NextSerial, 3);
  TContestQSORec rec = QsoTable->GetQSORec();
  oContestFkt->SplitSentExchange(rst + text, rec);
  oContestFkt->SplitReceivedExchange(rst + (code == '9' && !keep ? "000" : ""), rec);
  QsoTable->SetQSORec(rec);
}
