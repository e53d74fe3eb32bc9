// The ADIF import run of the log window: every record of the file is put into the entry
// fields, so the same handlers run as when it is typed (the call's preview, the exchange
// checks), and is then checked and saved by the window's own save road. The entry clock
// stands still for the whole run; the summary tells what was stored and what not.

#include <QTimer>
#include <algorithm>
#include <memory>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/focusreturn.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/messages.h"
#include "foundation/progress.h"
#include "foundation/strings.h"
#include "log/adifimportctrl.h"
#include "log/adifreader.h"
#include "log/contlogalle.h"
#include "log/contlogstd.h"
#include "log/logstate.h"
#include "reference/baender.h"
#include "reference/dbprefix.h"
#include "storage/dbbase.h"
#include "tables/calltables.h"
#include "tables/contesttables.h"

namespace adifimport {

namespace {

// The messages of the checks and saves of the run are gathered for the summary instead
// of one window per record; questions and dialogs still reach the operator.
class TGatheringDesktop : public TDesktop {
 public:
  explicit TGatheringDesktop(std::vector<std::pair<std::string, int32_t>>& out) : out_(out) {
    previous_ = SetDesktop(this);
  }
  ~TGatheringDesktop() override { SetDesktop(previous_); }
  TGatheringDesktop(const TGatheringDesktop&) = delete;
  TGatheringDesktop& operator=(const TGatheringDesktop&) = delete;

  bool Message(const TMessage& m) override {
    if (m.Kind == TMessageKind::Question || m.Kind == TMessageKind::NoticeContinue)
      return previous_->Message(m);
    const std::string text =
        S(m.Title.isEmpty() ? m.Text : m.Title + QStringLiteral(": ") + m.Text);
    for (auto& [known, count] : out_)
      if (known == text) {
        ++count;
        return false;
      }
    out_.emplace_back(text, 1);
    return false;
  }
  QString ChooseOpenFile(const QString& t, const QString& d, const QString& f) override {
    return previous_->ChooseOpenFile(t, d, f);
  }
  QString ChooseSaveFile(const QString& t, const QString& d, const QString& n,
                         const QString& f) override {
    return previous_->ChooseSaveFile(t, d, n, f);
  }
  bool ChoosePrinter(QPrinter& p) override { return previous_->ChoosePrinter(p); }
  int ExecDialog(QDialog& d) override { return previous_->ExecDialog(d); }
  bool OpenLink(const QString& t) override { return previous_->OpenLink(t); }
  bool StartProgram(const QString& p, const QStringList& a) override {
    return previous_->StartProgram(p, a);
  }
  void Beep() override {}
  QDateTime NowLocal() const override { return previous_->NowLocal(); }
  int UtcShiftMinutes() const override { return previous_->UtcShiftMinutes(); }
  bool ShowsWindows() const override { return previous_->ShowsWindows(); }
  bool ProgressAborted() override { return previous_->ProgressAborted(); }

 private:
  std::vector<std::pair<std::string, int32_t>>& out_;
  TDesktop* previous_ = nullptr;
};

// One record after the other through the entry of the window.
class TRecordRun {
 public:
  TRecordRun(TContestLogStd& w, const std::vector<std::string>& mapping, bool check)
      : w_(w), mapping_(mapping), check_(check) {}

  TImportOutcome Fill(const std::string& record);
  // What became of the record: a saved one left the multiplier lists recounted by the
  // next entry.
  void Done(TImportOutcome outcome) { listsFresh_ = outcome == TImportOutcome::kSaved; }

 private:
  std::string Field(std::string_view name, std::string_view def) const {
    return GetAdifField(record_, mapping_, name, def);
  }
  static std::string Text(const TkvEdit* e) { return S(e->text()); }
  static void Put(TkvEdit* e, const std::string& text) { e->setText(Q(text)); }
  // The entry's band and mode become the record's, with the serials that go with them.
  void Switch(char band, const std::string& mode);
  void FillExchange();

  TContestLogStd& w_;
  const std::vector<std::string>& mapping_;
  const bool check_;
  std::string record_;
  bool listsFresh_ = false;
};

void TRecordRun::Switch(char band, const std::string& mode) {
  const bool switched = band != w_.CurrentBand || mode != w_.CurrentMode;
  if (switched) {
    w_.CurrentBand = band;
    w_.CurrentBandName = oBaender->BandNameOf(band, false);
    w_.LogState->CurrentBand = band;
    w_.CurrentMode = mode;
    int32_t running = w_.NextSerial;
    TContLogAlle::NextSerialNumbers(false, band, *w_.QsoTable, w_.NextModeSerial,
                                    w_.NextBandSerialIntern, w_.NextBandSerial, running, mode);
  }
  // The entry recount: the multiplier lists of the entry's band, before the handlers of
  // the fields judge the record's multipliers against them. After a saved QSO on the
  // same band the next entry has just done it.
  if (switched || !listsFresh_) w_.LogState->RecountTotals(false);
  listsFresh_ = true;
  TContestQSORec rec = w_.QsoTable->GetQSORec();
  rec.SetMode(mode);
  rec.SetBandcode(band);
  w_.QsoTable->SetQSORec(rec);
}

TImportOutcome TRecordRun::Fill(const std::string& record) {
  record_ = record;
  w_.QsoTable->ClearRecords();
  std::string mode = Field("MODE", Text(w_.emode));
  if (check_ && !PassesModeCheck(w_.ContestDef, mode)) return TImportOutcome::kBadMode;
  // Unchecked, a record may lack its mode: it is logged in the entry's, which the run
  // never empties.
  if (ToStrings::Trim(mode).empty()) mode = w_.CurrentMode;

  // The frequency decides the band; a record without one is put on its band's nominal
  // frequency, never on what the entry held from the record before.
  std::string freq = Field("FREQ", "");
  const std::string band = Field("BAND", "");
  if (freq.empty() && band.empty()) freq = Text(w_.eFreq);
  if (check_ && !PassesBandCheck(w_.ContestDef, freq, band)) return TImportOutcome::kBadBand;
  if (freq.empty()) freq = oBaender->FrequencyTextOfBandText(band);
  freq = ToStrings::ReplaceAll(freq, ".", ",");
  char code = w_.CurrentBand;
  if (!freq.empty()) {
    double mhz = 0;
    if (!FrequencyOfText(freq, mhz)) return TImportOutcome::kBadBand;
    code = oBaender->BandCodeOfFrequency(mhz);
    if (code == ' ' || code == 0) return TImportOutcome::kBadBand;
  }
  Put(w_.emode, mode);
  Put(w_.eFreq, freq);
  Switch(code, ToStrings::Left(mode, 6));

  // Date and time before the call: the call is resolved at the QSO's date.
  Put(w_.eDatum, Field("QSO_DATE", Text(w_.eDatum)));
  Put(w_.ezeit, Field("TIME_ON", Text(w_.ezeit)));
  // Name and QTH reach the record whether or not their fields are shown.
  Put(w_.eName, Field("NAME", Text(w_.eName)));
  w_.LastName = ToStrings::Left(ToStrings::Trim(Text(w_.eName)), 20);
  Put(w_.eQTH, Field("QTH", Text(w_.eQTH)));
  w_.LastQth = ToStrings::Left(ToStrings::Trim(Text(w_.eQTH)), 20);
  const std::string call = Field("CALL", Text(w_.eCall));
  // The same call as the record before is resolved again for this record.
  if (Text(w_.eCall) == call) w_.eCall->clear();
  Put(w_.eCall, call);
  FillExchange();
  // The handlers of the fields set after it showed the record's frequency in their way.
  Put(w_.eFreq, freq);

  return TImportOutcome::kFilled;
}

void TRecordRun::FillExchange() {
  const auto& caption = w_.ContestDef.ExchangeCaption;
  // Sent: a report with more behind it is split over the fields.
  const std::string sent = Field("RST_SENT", "");
  if (sent.size() < 4) {
    Put(w_.eRSTs[0], Field("RST_SENT", Text(w_.eRSTs[0])));
  } else {
    const TReportParts p = SplitReport(sent);
    Put(w_.eRSTs[0], p.Report);
    Put(w_.eRSTs[1], p.Field2);
    if (p.HasSlash) Put(w_.eRSTs[2], p.Field3);
  }
  // Received field 2: its caption's field, or the received serial when that is empty.
  const auto second = [&] {
    const std::string v = Field(caption[1], "");
    return v.empty() ? Field("SRX", "") : v;
  };
  const std::string rcvd = Field("RST_RCVD", "");
  if (rcvd.size() < 4) {
    Put(w_.eRSTr[0], Field("RST_RCVD", Text(w_.eRSTr[0])));
    Put(w_.eRSTr[1], second());
    Put(w_.eRSTr[2], Field(caption[2], ""));
  } else {
    const TReportParts p = SplitReport(rcvd);
    Put(w_.eRSTr[0], p.Report);
    Put(w_.eRSTr[1], p.Field2);
    if (p.HasSlash) Put(w_.eRSTr[2], p.Field3);
    if (ToStrings::Trim(Text(w_.eRSTr[1])).empty()) Put(w_.eRSTr[1], second());
    if (ToStrings::Trim(Text(w_.eRSTr[2])).empty()) Put(w_.eRSTr[2], Field(caption[2], ""));
  }
  Put(w_.eRSTr[3], Field(caption[3], ""));
}

}  // namespace

TImportOutcome FillEntry(TContestLogStd& window, const std::string& record,
                         const std::vector<std::string>& mapping, bool check) {
  return TRecordRun(window, mapping, check).Fill(record);
}

TImportOutcome StoreEntry(TContestLogStd& w) {
  w.FieldsToRecord();
  if (!w.IsQsoValid()) {
    const bool dupe = TContLogAlle::CheckDupes(*w.QsoTable, w.ContestCode(), w.ContestDef, true) ==
                      TContLogAlle::TDupeAction::kRefuse;
    return dupe ? TImportOutcome::kDupe : TImportOutcome::kInvalid;
  }
  return w.btnSpeichernClick(w.btnadifimport) ? TImportOutcome::kSaved : TImportOutcome::kRefused;
}

TImportCounts RunImport(TContestLogStd& w, const std::vector<std::string>& records,
                        const std::vector<std::string>& mapping, bool check, int groupSize) {
  TImportCounts counts;
  if (!w.QsoTable || !w.LogState) return counts;
  TGatheringDesktop gather(counts.Messages);
  // The files each QSO reads or writes stay open for the whole run: opening them for every
  // QSO costs more than the QSO, and a file that closes ends its writes outside the run's
  // write group.
  TdbCall book(TdbCallBase::kCallBook), callData(TdbCallBase::kCallData);
  TdbPrefix prefixes(prefixrec::kMain), singleCalls(prefixrec::kSingleCalls),
      callGroups(prefixrec::kCallGroups);
  TFortschrittWinCtrl progress(&w, "ADIF-Import", "QSOs werden importiert ...", int(records.size()),
                               true, true);
  progress.Execute();
  TRecordRun run(w, mapping, check);
  w.DisplaySuspended = true;
  // The saves of up to groupSize QSOs are one write to the file; each QSO is whole in it.
  std::unique_ptr<TWriteGroup> group;
  int32_t inGroup = 0, logBefore = 0;
  bool failed = false;
  const auto commit = [&] {
    if (!group) return;
    if (!group->Commit()) {
      // The group stored nothing; the log is asked all the same, so that the summary
      // never counts a QSO it does not hold.
      const int32_t kept = std::clamp(w.QsoTable->RecordCount() - logBefore, 0, inGroup);
      counts.Saved -= inGroup - kept;
      counts.Refused += inGroup - kept;
      failed = true;
    }
    group.reset();
    inGroup = 0;
  };
  size_t tried = 0;
  for (; tried < records.size() && !counts.Aborted && !failed; ++tried) {
    const size_t i = tried;
    if (!group) {
      group = std::make_unique<TWriteGroup>();
      logBefore = w.QsoTable->RecordCount();
    }
    TImportOutcome outcome = run.Fill(records[i]);
    if (outcome == TImportOutcome::kFilled) outcome = StoreEntry(w);
    run.Done(outcome);
    switch (outcome) {
      case TImportOutcome::kFilled: break;
      case TImportOutcome::kSaved: ++counts.Saved, ++inGroup; break;
      case TImportOutcome::kDupe: ++counts.Dupes; break;
      case TImportOutcome::kInvalid: ++counts.Invalid; break;
      case TImportOutcome::kBadBand: ++counts.BadBand; break;
      case TImportOutcome::kBadMode: ++counts.BadMode; break;
      case TImportOutcome::kRefused: ++counts.Refused; break;
    }
    // A failed write ends the group and the run: the group can store nothing more.
    if (inGroup >= groupSize || dbbase::WritesFailed()) commit();
    progress.UpdateProgress("", int(i) + 1, counts.Aborted, 0);
  }
  commit();
  counts.Untried = int32_t(records.size() - tried);
  if (failed) {
    // The tallies counted QSOs the file did not keep.
    ToMessages::ShowError("Die importierten QSOs konnten nicht gespeichert werden.");
    w.LogState->RecountTotals(true);
  }
  w.DisplaySuspended = false;
  // The list on the last QSO of the entry's band, then a new entry with the whole display.
  if (counts.Saved > 0 && w.Brow->IsOpen())
    w.LogCommon->GotoLastQsoOfBand(w.CurrentBand, *w.Brow, *w.QsoTable);
  w.ClearEntry(false);
  return counts;
}

}  // namespace adifimport

void TContestLogStd::btnadifimportClick() {
  const TFocusReturn back;
  const bool clockRunning = timerzeit->isActive();
  timerzeit->stop();
  TContestAdifimportCtrl ctrl(this, ContestDef);
  if (ctrl.Execute()) {
    const auto counts = adifimport::RunImport(*this, *ctrl.Records, ctrl.Mapping, ctrl.Check);
    ToMessages::ShowNotice("", "", adifimport::ImportSummary(counts), false);
  }
  if (clockRunning) timerzeit->start();
}
