// The ADIF import through the log window offscreen: the entry fields a record fills, the
// mode and band tests, the save road with its scores and dupes, the summary, cancel and
// the whole button road with its window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/strings.h"
#include "log/adifimportctrl.h"
#include "log/adifimportform.h"
#include "log/adifreader.h"
#include "log/hostileadif.h"
#include "log/logstate.h"
#include "log/prefixentity.h"
#include "log/windowfixture.h"
#include "reference/datprefix.h"
#include "support/filesizelimit.h"
#include "tables/calltables.h"
#include "tables/contestkeys.h"

namespace {

using namespace adifimport;

const std::vector<std::string> kAllEight = {
    "CALL (CALL)",         "QSO_DATE (QSO_DATE)", "TIME_ON (TIME_ON)",
    "RST_SENT (RST_SENT)", "RST_RCVD (RST_RCVD)", "BAND (BAND)",
    "FREQ (FREQ)",         "MODE (MODE)",         "DOK (DOK)"};

class AdifImport : public LogWindowTest {
 protected:
  TContestLogStd& Open(const TContestRec& def) { return OpenWindow(def); }
  static std::vector<std::string> Records(const std::string& text) { return SplitRecords({text}); }
  static std::string T(const TkvEdit* e) { return S(e->text()); }
  std::vector<TContestQSORec> StoredQsos() {
    std::vector<TContestQSORec> out;
    TdbContest t(TdbContestBase::kQsoLog, 0, kContest);
    for (bool ok = t.First(contestkeys::kNummer); ok; ok = t.NextRecord(contestkeys::kNummer))
      out.push_back(t.GetQSORec());
    return out;
  }
  // The stored QSOs as "CALL band points DXCC".
  std::vector<std::string> Stored() {
    std::vector<std::string> out;
    for (const TContestQSORec& q : StoredQsos())
      out.push_back(q.Call() + " " + std::string(1, q.Bandcode()) + " " +
                    std::to_string(q.Points()) + " " + ToStrings::Trim(q.DXCC()));
    return out;
  }
  // The button's whole road: the file chosen, the fields it has mapped onto the log
  // fields of their names, the check as given, Start; during runs while the window is open.
  void ImportThroughTheWindow(const std::string& bytes, bool check,
                              const std::function<void()>& during = {}) {
    ASSERT_TRUE(hostileadif::Write(QStringLiteral("log.adi"), bytes));
    desk_.FilesToOpen.push_back(QStringLiteral("log.adi"));
    desk_.DialogHandler = [&](QDialog& d) {
      auto& f = static_cast<TContestAdifimportForm&>(d);
      QTest::mouseClick(f.btndatei, Qt::LeftButton);
      for (const char* field : {"CALL", "QSO_DATE", "TIME_ON", "FREQ", "MODE", "DOK"})
        f.MapField(field, field);
      f.checkkeincheck->setChecked(!check);
      if (during) during();
      QTest::mouseClick(f.btnimportstart, Qt::LeftButton);
      return f.result();
    };
    QTest::mouseClick(window_->btnadifimport, Qt::LeftButton);
  }
};

TEST_F(AdifImport, RecordIntoTheEntryFields) {
  TContestRec def = Def('d');
  def.Modes[8] = "CW";
  TContestLogStd& w = Open(def);
  std::vector<std::string> lines = {"# x",
                                    "<ADIF_VER:5>3.1.0",
                                    "<EOH>",
                                    "<call:6>dl1abc <qso_date:8>20240315 <time_on:6>141500",
                                    "<mode:3>SSB <band:3>80m<freq:5>3.650 <eor>",
                                    "<CALL:4>DL9Z"};
  const auto records = SplitRecords(lines);
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(FillEntry(w, records[0], kAllEight, true), TImportOutcome::kFilled);
  EXPECT_EQ(T(w.eCall), "DL1ABC");
  EXPECT_EQ(T(w.eDatum), "15.03.2024");
  EXPECT_EQ(T(w.ezeit), "14:15:00");
  EXPECT_EQ(T(w.eFreq), "3,650");
  EXPECT_EQ(w.CurrentBand, 'b');
  EXPECT_EQ(w.GetQsoRecord().Bandcode(), 'b');
  EXPECT_EQ(w.GetQsoRecord().Mode(), "SSB");

  // Reports with a serial and a further part behind it; a short one stays whole. (In CW:
  // the entry writes the report of a phone QSO with two digits.)
  struct Case {
    const char* rst;
    const char* s1;
    const char* s2;
    const char* s3;
  } cases[] = {{"599012", "599", "012", ""}, {"599012/A", "599", "012", "A"}, {"59", "59", "", ""}};
  for (const Case& c : cases) {
    for (TkvEdit* e : w.eRSTs) e->clear();
    const std::string rec =
        std::string("<CALL:4>DL1A <FREQ:5>3.650 <MODE:2>CW <RST_SENT:3>") + c.rst + "<EOR>";
    ASSERT_EQ(FillEntry(w, rec, kAllEight, true), TImportOutcome::kFilled) << c.rst;
    EXPECT_EQ(T(w.eRSTs[0]) + "|" + T(w.eRSTs[1]) + "|" + T(w.eRSTs[2]),
              std::string(c.s1) + "|" + c.s2 + "|" + c.s3);
  }
}

// Received field 2 takes its caption's field, the received serial only where that is
// empty; a long report is split over the fields.
TEST_F(AdifImport, ReceivedExchange) {
  TContestRec def = Def('d');
  def.Modes[8] = "CW";
  TContestLogStd& w = Open(def);
  struct Case {
    const char* fields;
    const char* r1;
    const char* r2;
  } cases[] = {{"<RST_RCVD:3>579 <DOK:3>Q05 <SRX:3>Z19", "579", "Q05"},
               {"<RST_RCVD:3>589 <SRX:3>Z19", "589", "Z19"},
               {"<RST_RCVD:6>599B12", "599", "B12"}};
  for (const Case& c : cases) {
    const std::string rec =
        std::string("<CALL:4>DL1A <FREQ:5>3.550 <MODE:2>CW ") + c.fields + "<EOR>";
    ASSERT_EQ(FillEntry(w, rec, kAllEight, true), TImportOutcome::kFilled) << c.fields;
    EXPECT_EQ(T(w.eRSTr[0]) + "|" + T(w.eRSTr[1]), std::string(c.r1) + "|" + c.r2) << c.fields;
  }
}

TEST_F(AdifImport, ModeAndBandOfTheRecords) {
  TContestRec def = Def('d');
  def.Bands.Fill(0);
  def.Bands[1] = 'b';
  def.Bands[2] = 'c';  // 40 m
  TContestLogStd& w = Open(def);
  // A record without FREQ takes its band's frequency, not the one of the record before.
  ASSERT_EQ(FillEntry(w, "<CALL:4>DL1A <FREQ:5>3.650 <MODE:3>SSB<EOR>", kAllEight, true),
            TImportOutcome::kFilled);
  ASSERT_EQ(FillEntry(w, "<CALL:4>DL2B <BAND:3>40M <MODE:3>SSB<EOR>", kAllEight, true),
            TImportOutcome::kFilled);
  EXPECT_EQ(w.CurrentBand, 'c');
  EXPECT_EQ(w.GetQsoRecord().Bandcode(), 'c');
  EXPECT_NEAR(w.eFreq->GetValueSingle(), 7.0, 0.2);
  struct Case {
    const char* rec;
    bool check;
    TImportOutcome outcome;
  } cases[] = {
      {"<CALL:4>DL1A <FREQ:3>abc <MODE:3>SSB<EOR>", true, TImportOutcome::kBadBand},
      {"<CALL:4>DL1A <FREQ:3>abc <MODE:3>SSB<EOR>", false, TImportOutcome::kBadBand},
      {"<CALL:4>DL1A <BAND:3>20M <MODE:3>SSB<EOR>", true, TImportOutcome::kBadBand},
      {"<CALL:4>DL1A <BAND:3>20M <MODE:3>SSB<EOR>", false, TImportOutcome::kFilled},
      {"<CALL:4>DL1A <BAND:3>80M <MODE:3>USB<EOR>", true, TImportOutcome::kBadMode},
      {"<CALL:4>DL1A <BAND:3>80M <MODE:3>USB<EOR>", false, TImportOutcome::kFilled},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FillEntry(w, c.rec, kAllEight, c.check), c.outcome) << c.rec;
}

TEST_F(AdifImport, UsbPassesWhereTheContestListsDigital) {
  TContestRec def = Def('d');
  def.Modes[7] = "DIGITAL";
  TContestLogStd& w = Open(def);
  EXPECT_EQ(FillEntry(w, "<CALL:4>DL1A <BAND:3>80M <MODE:3>USB<EOR>", kAllEight, true),
            TImportOutcome::kFilled);
}

// The five QSOs of a typed 'd' log, as a file: resolved, scored and counted like typed.
constexpr const char* kSaarFile =
    "<EOH>\n"
    "<CALL:5>DL1AA <QSO_DATE:8>20260110 <TIME_ON:4>1000 <MODE:3>SSB <FREQ:5>3.650 <DOK:3>Q05 "
    "<EOR>\n"
    "<CALL:5>DL2BB <QSO_DATE:8>20260110 <TIME_ON:4>1001 <MODE:3>SSB <FREQ:5>3.650 <DOK:3>Q05 "
    "<EOR>\n"
    "<CALL:5>DL3CC <QSO_DATE:8>20260110 <TIME_ON:4>1002 <MODE:3>SSB <FREQ:5>3.650 <DOK:3>Z19 "
    "<EOR>\n"
    "<CALL:5>DL4DD <QSO_DATE:8>20260110 <TIME_ON:4>1003 <MODE:3>SSB <FREQ:5>3.650 <DOK:3>B12 "
    "<EOR>\n"
    "<CALL:5>DL5EE <QSO_DATE:8>20260110 <TIME_ON:4>1004 <MODE:3>SSB <FREQ:5>3.650 <EOR>\n"
    "<CALL:5>DL1AA <QSO_DATE:8>20260110 <TIME_ON:4>1005 <MODE:3>SSB <FREQ:5>3.650 <DOK:3>Q05 "
    "<EOR>\n"
    "<CALL:5>DL6FF <QSO_DATE:8>20260110 <TIME_ON:4>1006 <MODE:3>XYZ <FREQ:5>3.650 <EOR>\n";

TEST_F(AdifImport, ScoredAndCountedLikeTyped) {
  ASSERT_TRUE(oDatPrefix->OpenFileSet(7, false));
  AddPrefixEntity("DL", "DL", "EU");
  TContestLogStd& w = Open(Def('d'));
  std::vector<std::string> lines;
  std::string text = kSaarFile;
  for (size_t p; (p = text.find('\n')) != std::string::npos; text.erase(0, p + 1))
    lines.push_back(text.substr(0, p));
  const TImportCounts counts = RunImport(w, SplitRecords(lines), kAllEight, true);
  EXPECT_EQ(counts.Saved, 5);
  EXPECT_EQ(counts.Dupes, 1);
  EXPECT_EQ(counts.BadMode, 1);
  EXPECT_EQ(Stored(), std::vector<std::string>({"DL1AA b 2 DL", "DL2BB b 2 DL", "DL3CC b 2 DL",
                                                "DL4DD b 1 DL", "DL5EE b 1 DL"}));
  EXPECT_EQ(w.LogState->Score(), 16);
  // The score panel, held still during the run, shows the log at its end.
  EXPECT_EQ(S(w.Label21->text()), "16 Pkt.");
  EXPECT_FALSE(w.DisplaySuspended);
  // The list stands on the last QSO of the band.
  TdbContest reader(TdbContestBase::kQsoLog, 0, kContest);
  ASSERT_TRUE(reader.GotoRecord(w.Brow->CurrentRef()));
  EXPECT_EQ(reader.GetQSORec().Call(), "DL5EE");
  window_.reset();
  oDatPrefix->CloseFileSet(7, false, false, true);
  EXPECT_EQ(ImportSummary(counts),
            "5 Datensätze importiert\r\n1 Calls doppelt\r\n1 fehlende oder falsche Modeangaben");
}

// Twelve QSOs of one minute keep their seconds; twelve at one second fill the eleven
// seconds the save may step on, so the last is refused, reported in the summary and not
// in a window of its own.
TEST_F(AdifImport, SecondsAndARefusedSave) {
  TContestLogStd& w = Open(Def('d'));
  const auto file = [](bool sameSecond) {
    std::string text;
    for (int i = 0; i < 12; ++i) {
      char time[8];
      std::snprintf(time, sizeof time, "10%02d%02d", sameSecond ? 1 : 0, sameSecond ? 0 : i * 5);
      text += "<CALL:5>DL" + std::to_string(i % 10) + std::string(sameSecond ? "X" : "Y") +
              char('A' + i) + " <QSO_DATE:8>20260110 <TIME_ON:6>" + time +
              " <MODE:3>SSB <FREQ:5>3.650 <EOR>";
    }
    return Records(text);
  };
  TImportCounts counts = RunImport(w, file(false), kAllEight, true);
  EXPECT_EQ(counts.Saved, 12);
  counts = RunImport(w, file(true), kAllEight, true);
  EXPECT_EQ(counts.Saved, 11);
  EXPECT_EQ(counts.Refused, 1);
  ASSERT_EQ(counts.Messages.size(), 1u);
  EXPECT_NE(ImportSummary(counts).find("\r\n1 QSOs konnten nicht gespeichert werden\r\n"),
            std::string::npos);
  EXPECT_TRUE(desk_.Messages.empty());
  EXPECT_EQ(Stored().size(), 23u);
  EXPECT_EQ(w.LogState->SessionQsoCount, 23);
}

TEST_F(AdifImport, Summary) {
  TImportCounts c;
  c.Saved = 1;
  c.BadMode = 2;
  EXPECT_EQ(ImportSummary(c), "1 Datensätze importiert\r\n2 fehlende oder falsche Modeangaben");
  c = {};
  c.Invalid = 3;
  c.Refused = 1;
  c.Untried = 7;
  c.Aborted = true;
  c.Messages = {{"Fehler", 2}};
  EXPECT_EQ(ImportSummary(c),
            "0 Datensätze importiert\r\n3 ungültige QSOs (Call, Datum, Zeit oder DOK)\r\n"
            "1 QSOs konnten nicht gespeichert werden\r\n7 Datensätze nicht mehr versucht\r\n"
            "Der Import wurde abgebrochen.\r\nFehler (2x)");
}

// An import onto a disk that fills part-way: the group that failed stores nothing, the
// summary counts what the log holds, the call book knows no call without its QSO, and
// the records after the failure are counted as not tried.
TEST_F(AdifImport, ADiskThatFillsStopsTheRunAndCountsWhatTheLogHolds) {
  TContestLogStd& w = Open(Def('d'));
  constexpr int kRecords = 3000;
  std::string file;
  for (int i = 0; i < kRecords; ++i) {
    char time[8];
    std::snprintf(time, sizeof time, "%02d%02d%02d", i / 3600, i / 60 % 60, i % 60);
    file += "<CALL:6>DL" + std::to_string(i % 10) + char('A' + i / 10 % 26) +
            char('A' + i / 260 % 26) + char('A' + i / 6760 % 26) +
            " <QSO_DATE:8>20260110 <TIME_ON:6>" + time +
            " <MODE:3>SSB <FREQ:5>3.650 <DOK:3>Q05 <EOR>";
  }
  TImportCounts counts;
  {
    TFileSizeLimit full(1 << 20);
    counts = RunImport(w, Records(file), kAllEight, true, 50);
  }
  std::set<std::string> calls;
  for (const std::string& q : Stored()) calls.insert(q.substr(0, q.find(' ')));
  EXPECT_GT(counts.Saved, 0);
  EXPECT_GT(counts.Untried, 0);
  EXPECT_EQ(size_t(counts.Saved), calls.size());
  EXPECT_EQ(counts.Saved + counts.Refused + counts.Untried, kRecords);
  EXPECT_NE(ImportSummary(counts).find(std::to_string(counts.Untried) +
                                       " Datensätze nicht mehr versucht"),
            std::string::npos);
  TdbCall book(TdbCallBase::kCallBook);
  for (bool more = book.First(1); more; more = book.Next())
    EXPECT_TRUE(calls.count(ToStrings::Trim(book.GetCall()))) << book.GetCall();
}

TEST_F(AdifImport, CancelKeepsWhatWasImported) {
  TContestLogStd& w = Open(Def('d'));
  std::string file;
  for (int i = 0; i < 10; ++i)
    file += "<CALL:5>DL" + std::to_string(i) + "AB <QSO_DATE:8>20260110 <TIME_ON:4>10" +
            std::to_string(10 + i) + " <MODE:3>SSB <FREQ:5>3.650 <EOR>";
  desk_.AbortProgressAfter = 3;
  const TImportCounts counts = RunImport(w, Records(file), kAllEight, true, 2);
  EXPECT_TRUE(counts.Aborted);
  EXPECT_EQ(counts.Saved, 3);
  EXPECT_EQ(Stored().size(), 3u);
}

TEST_F(AdifImport, TheButtonRoad) {
  TContestLogStd& w = Open(Def('d'));
  w.timerzeit->start();
  bool clockDuringRun = true;
  ImportThroughTheWindow(
      "<EOH>\n<CALL:5>DL1AA <QSO_DATE:8>20260110 <TIME_ON:4>1000 <MODE:3>SSB "
      "<FREQ:5>3.650 <EOR>\n<CALL:5>DL2BB <QSO_DATE:8>20260110 <TIME_ON:4>1000 "
      "<MODE:3>SSB <EOR>\n",
      true, [&] { clockDuringRun = w.timerzeit->isActive(); });
  EXPECT_FALSE(clockDuringRun);
  EXPECT_TRUE(w.timerzeit->isActive());
  // The second record has no frequency and no band: it stays on the entry's band.
  EXPECT_EQ(desk_.Texts(TMessageKind::Notice).join(QStringLiteral("|")),
            Q("2 Datensätze importiert"));
  EXPECT_EQ(Stored().size(), 2u);
}

// Files no logbook should write: what they hold of QSOs is imported, the rest summed up
// or, without a field to map, not started; nothing stored holds a control character.
TEST_F(AdifImport, HostileFilesThroughTheWholeImport) {
  Open(Def('d'));
  size_t imported = 0;
  for (const hostileadif::TFile& f : hostileadif::Corpus()) {
    desk_.Messages.clear();
    ImportThroughTheWindow(f.Bytes, true);
    imported += f.Records;
    EXPECT_EQ(StoredQsos().size(), imported) << f.Label;
    const QStringList notices = desk_.Texts(TMessageKind::Notice);
    if (f.Records > 0) {
      EXPECT_EQ(notices, QStringList(Q("1 Datensätze importiert"))) << f.Label;
    }
  }
  const std::vector<TContestQSORec> stored = StoredQsos();
  ASSERT_EQ(stored.size(), 6u);
  EXPECT_EQ(stored[3].NameQth(), "H NS;S  AR");
  EXPECT_EQ(stored[5].NameQth(), "HA NS;A  B");
  EXPECT_EQ(stored[5].DOK(), "Q 5");
  for (const TContestQSORec& q : stored)
    EXPECT_FALSE(ToStrings::HasControls(q.Call() + q.NameQth() + q.DOK() + q.Mode())) << q.Call();
}

// Without the checks a record may lack its mode: it takes the entry's, and the entry
// keeps one for the QSOs typed after the run. A mode from the file holds no control
// character either.
TEST_F(AdifImport, UncheckedRecordsWithoutModeKeepTheEntrysMode) {
  TContestLogStd& w = Open(Def('d'));
  const std::string before = w.CurrentMode;
  ASSERT_FALSE(before.empty());
  const std::string qso = "<QSO_DATE:8>20260110 <FREQ:5>3.650 <CALL:5>DL";
  ImportThroughTheWindow(qso + "1AA <TIME_ON:4>1000 <EOR>" + qso + "2BB <TIME_ON:4>1001 " +
                             "<MODE:3>F\tM <EOR>" + qso + "3CC <TIME_ON:4>1002 <EOR>",
                         false);
  std::vector<std::string> modes;
  for (const TContestQSORec& q : StoredQsos()) modes.push_back(ToStrings::Trim(q.Mode()));
  EXPECT_EQ(modes, std::vector<std::string>({before, "F M", "F M"}));
  EXPECT_EQ(w.CurrentMode, "F M");
}

}  // namespace
