// The QSO edit: the record into the data record, the window, the data back into the
// record with the exchange interpreted by the contest's kinds, points and the recount flag.

#include "log/eingabestd2ctrl.h"

#include <algorithm>

#include "contest/contestfkt.h"
#include "foundation/dates.h"
#include "foundation/desktop.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "log/eingabestd2form.h"
#include "log/receivedfield.h"
#include "reference/baender.h"
#include "reference/locator.h"
#include "tables/contesttables.h"

namespace {

constexpr const char* kDatePicture = "dd.mm.yyyy";

using TParts = std::array<std::string, 4>;

TParts SplitParts(const std::string& text) {
  TParts p;
  TContLogAlle::SplitExchangeText(text, p[0], p[1], p[2], p[3]);
  return p;
}

std::string JoinParts(const TParts& p) {
  return TContLogAlle::JoinExchangeText(p[0], p[1], p[2], p[3]);
}

bool IsOneOf(char code, std::string_view codes) {
  return code != 0 && codes.find(code) != std::string_view::npos;
}

// Contest 'J' keeps locators only on 2 m and 70 cm.
bool IsJVhfBand(char band) { return band == 'k' || band == 'l'; }

// "hh:mm" as the dialog shows it; a time typed with seconds keeps them.
int32_t ReadTime(const std::string& text) {
  const std::string t = ToStrings::Trim(text);
  return ToDates::TimeStringToTime(t, t.size() > 5 ? "hh:mm:ss" : "hh:mm");
}

std::string Trimmed(const std::string& s) { return ToStrings::Trim(s); }

}  // namespace

TEditFault EditFault(const TEingabeStd2Data& edited, const TEingabeStd2Data& loaded) {
  if (edited.Call != loaded.Call && TContLogAlle::IsCallValid(Trimmed(edited.Call)) == 1)
    return TEditFault::kCall;
  // The entry takes no QSO before day 1 either.
  if (edited.Datum != loaded.Datum && ToDates::DateStringToDate(edited.Datum, kDatePicture) < 1)
    return TEditFault::kDate;
  if (edited.Zeit != loaded.Zeit && ReadTime(edited.Zeit) < 0) return TEditFault::kTime;
  return TEditFault::kNone;
}

const char* EditFaultText(TEditFault fault) {
  switch (fault) {
    case TEditFault::kCall: return "Ungültiges Rufzeichen";
    case TEditFault::kDate: return "Ungültiges Datum";
    case TEditFault::kTime: return "Ungültige Zeit";
    case TEditFault::kNone: break;
  }
  return "";
}

TContestEingabeStd2Ctrl::TContestEingabeStd2Ctrl(QWidget* owner, TContLogAlle::TQsoPointsFn points,
                                                 TContLogAlle& alle, std::array<bool, 3> enabled,
                                                 TdbContest& listTable, TdbContest& qsoTable,
                                                 const TContestRec& def)
    : owner_(owner),
      points_(std::move(points)),
      alle_(alle),
      enabled_(enabled),
      listTable_(listTable),
      qsoTable_(qsoTable),
      def_(def) {}

char TContestEingabeStd2Ctrl::Code() const { return listTable_.GetListRec().Typ(); }

TEingabeStd2Data TContestEingabeStd2Ctrl::Load() {
  const TContestQSORec rec = qsoTable_.GetQSORec();
  before_ = rec;
  TEingabeStd2Data d;
  d.Digital = std::find(def_.Modes.begin(), def_.Modes.end(), "DIGITAL") != def_.Modes.end();
  if (d.Digital) d.ModeText = Trimmed(rec.Mode());
  d.NumberLabel = "Nummer:   " + std::to_string(rec.wagNummer());
  d.Call = rec.Call();
  d.Call2 = rec.Call2();
  d.Call2Visible = def_.SWLLog;
  const TParts sent = SplitParts(oContestFkt->SentExchangeText(rec));
  TParts rcvd = SplitParts(oContestFkt->ReceivedExchangeText(rec));
  if (def_.SWLLog) {
    d.Row2 = sent;
    d.Row1 = rcvd;
    d.RstrCaption = "RST2";
  } else {
    const char code = Code();
    if (IsOneOf(code, "7pik")) rcvd[1] = rec.Call2();
    if (code == 'n' && Trimmed(rec.Call2()) == "IBFD") rcvd[1] = rec.Call();
    if (code == 'f') rcvd[2] = rec.Call2();
    d.Row1 = sent;
    d.Row2 = rcvd;
    d.RstrCaption = "RSTr";
  }
  d.Enabled = enabled_;
  d.Frequency = rec.Frequency();
  const std::string mode = Trimmed(rec.Mode());
  for (const std::string& m : def_.Modes) {
    if (m.empty()) continue;
    if (m == mode) d.ModeIndex = int(d.Modes.size());
    d.Modes.push_back(m);
  }
  const std::string band = oBaender->BandNameOf(rec.Bandcode(), false);
  for (char b : def_.Bands) {
    if (b == 0) continue;
    const std::string name = oBaender->BandNameOf(b, false);
    if (name == band) d.BandIndex = int(d.Bands.size());
    d.Bands.push_back(name);
  }
  if (d.ModeIndex >= 0) d.ChosenMode = d.Modes[size_t(d.ModeIndex)];
  if (d.BandIndex >= 0) d.ChosenBand = d.Bands[size_t(d.BandIndex)];
  if (rec.Datum() > 0) d.Datum = ToDates::DateToDateString(rec.Datum(), kDatePicture);
  if (rec.Zeit() >= 0) d.Zeit = ToDates::TimeToTimeString(rec.Zeit(), "hh:mm");
  d.QslSent = rec.QslSent();
  d.QslRcvd = rec.QslRcvd();
  const bool byPrefix = def_.MultiplierKinds.test(1);
  d.Multi = byPrefix ? rec.Prefix() : rec.DXCC();
  d.MultiCaption = byPrefix ? "Präfix" : "DXCC";
  const std::string nameQth = rec.NameQth();
  const size_t semi = nameQth.find(';');
  d.Name = nameQth.substr(0, semi);
  if (semi != std::string::npos) d.Qth = nameQth.substr(semi + 1);
  loaded_ = d;
  return d;
}

void TContestEingabeStd2Ctrl::StoreReceivedFields(const TParts& parts, TContestQSORec& rec) const {
  for (size_t n = 2; n <= 4; ++n) {
    const std::string text = Trimmed(parts[n - 1]);
    const int32_t kind = def_.ReceivedKinds[n - 1];
    if (logentry::StoreReceivedField(kind, text, listTable_, true, rec)) continue;
    switch (kind) {
      case exchangekind::kLocator:
      case exchangekind::kOwnLocator:
        if (text.size() <= 3) break;
        if (oLocator && oLocator->IsValidLocator(text)) {
          rec.SetLoc(ToStrings::Left(text, 6));
          rec.SetDistance(TContLogAlle::DistanceFromOwnLocator(rec.Loc()));
          if (Code() == 'J' && !IsJVhfBand(rec.Bandcode())) {
            rec.SetLoc("");
            rec.SetDistance(0);
          }
        } else {
          ToMessages::ShowWarning("Contest", "Fehler bei Locator-Angabe");
          rec.SetDistance(0);
        }
        break;
      case exchangekind::kArea:
      case 17: rec.SetDOK(text); break;
      default: break;
    }
  }
}

bool TContestEingabeStd2Ctrl::MultipliersChanged(const TContestQSORec& a) const {
  const TContestQSORec& b = before_;
  const auto counted = [this](std::initializer_list<int> kinds) {
    for (int k : kinds)
      if (def_.MultiplierKinds.test(size_t(k))) return true;
    return false;
  };
  const auto differs = [](const std::string& x, const std::string& y) {
    return Trimmed(x) != Trimmed(y);
  };
  if ((differs(a.Call(), b.Call()) && counted({10})) ||
      (differs(a.DXCC(), b.DXCC()) && counted({2, 14})) ||
      (differs(a.WAZ_USStaat(), b.WAZ_USStaat()) && counted({12, 15})) ||
      (differs(a.Call2(), b.Call2()) && counted({16, 19})) ||
      (differs(a.Loc(), b.Loc()) && counted({5, 6})))
    return true;
  if (counted({4, 8, 17}) && differs(a.DOK(), b.DOK())) return true;
  if (counted({1}) && differs(a.Prefix(), b.Prefix())) return true;
  if (a.Bandcode() != b.Bandcode() || differs(a.Mode(), b.Mode())) return true;
  return IsOneOf(Code(), "7npfk");
}

bool TContestEingabeStd2Ctrl::Apply(const TEingabeStd2Data& d) {
  recount_ = false;
  // A dialog opened and closed without a change leaves the QSO as it is.
  if (d == loaded_) return true;
  if (const TEditFault fault = EditFault(d, loaded_); fault != TEditFault::kNone) {
    ToMessages::ShowWarning("", EditFaultText(fault));
    return false;
  }
  TContestQSORec rec = qsoTable_.GetQSORec();
  rec.SetCall(ToStrings::Left(d.Call, 12));
  rec.SetCall2(ToStrings::Left(d.Call2, 12));
  const TParts& sentRow = def_.SWLLog ? d.Row2 : d.Row1;
  const TParts& rcvdRow = def_.SWLLog ? d.Row1 : d.Row2;
  oContestFkt->SplitSentExchange(JoinParts(sentRow), rec);
  oContestFkt->SplitReceivedExchange(JoinParts(rcvdRow), rec);
  if (!def_.SWLLog) {
    // Call2 comes back from the part that showed it.
    if (IsOneOf(Code(), "7npik")) rec.SetCall2(ToStrings::Left(Trimmed(rcvdRow[1]), 12));
    if (Code() == 'f') rec.SetCall2(ToStrings::Left(Trimmed(rcvdRow[2]), 12));
  }
  qsoTable_.SetQSORec(rec);
  alle_.PreviewQso(qsoTable_, listTable_, points_, def_);
  rec = qsoTable_.GetQSORec();
  StoreReceivedFields(rcvdRow, rec);
  if (!Trimmed(d.ModeText).empty())
    rec.SetMode(ToStrings::Left(Trimmed(d.ModeText), 6));
  else if (!d.ChosenMode.empty())
    rec.SetMode(ToStrings::Left(d.ChosenMode, 6));
  if (d.Datum != loaded_.Datum) rec.SetDatum(ToDates::DateStringToDate(d.Datum, kDatePicture));
  // An unchanged "hh:mm" keeps the seconds the QSO was stored with.
  if (d.Zeit != loaded_.Zeit) rec.SetZeit(ReadTime(d.Zeit));
  rec.SetQslSent(d.QslSent);
  rec.SetQslRcvd(d.QslRcvd);
  // The typed entity wins over the resolved one only when the operator changed it.
  if (d.Multi != loaded_.Multi) {
    if (def_.MultiplierKinds.test(1))
      rec.SetPrefix(ToStrings::Left(d.Multi, 6));
    else
      rec.SetDXCC(ToStrings::Left(d.Multi, 6));
  }
  const char band = d.ChosenBand.empty() ? ' ' : oBaender->BandCodeOfText(d.ChosenBand);
  if (band != ' ') rec.SetBandcode(band);
  qsoTable_.SetQSORec(rec);
  rec.SetPoints(uint16_t(std::clamp(points_(qsoTable_), 0, 65535)));
  // The points count too: the totals and the score follow an edited exchange.
  recount_ = MultipliersChanged(rec) || rec.Points() != before_.Points();
  rec.SetNameQth(ToStrings::Left(d.Name + ";" + d.Qth, 30));
  rec.SetFrequency(d.Frequency);
  qsoTable_.SetQSORec(rec);
  if (!qsoTable_.Modify()) {
    ToMessages::ShowError("Die Änderung des QSOs mit " + Trimmed(rec.Call()) +
                          " konnte nicht gespeichert werden (Datum und Zeit schon vergeben?).");
    qsoTable_.SetQSORec(before_);
    recount_ = false;
    return false;
  }
  return true;
}

bool TContestEingabeStd2Ctrl::Execute() {
  TEingabeStd2Data data = Load();
  TContestEingabeStd2Form form(owner_);
  form.DataToFields(data);
  Desktop().ExecDialog(form);
  form.FieldsToData(data);
  Apply(data);
  return true;
}
