#include "log/logentrytext.h"

#include <algorithm>

#include "foundation/dates.h"
#include "foundation/keystr.h"
#include "foundation/strings.h"
#include "reference/baender.h"
#include "tables/contestkeys.h"
#include "tables/contestrecs.h"
#include "tables/setupseparat.h"

namespace logentry {

std::string NormaliseCall(std::string_view typed) {
  // Trimmed first: a blank left behind the call must not turn into a '/'.
  std::string call = ToStrings::Trim(typed);
  for (char& c : call)
    if (c == '-') c = '/';
  for (size_t i = call.find(' '); i != std::string::npos; i = call.find(' ', i)) {
    if (call.find('/') == std::string::npos)
      call[i] = '/';
    else
      call.erase(i, 1);
  }
  if (!call.empty() && call.back() == '#') call.replace(call.size() - 1, 1, "/p");
  return ToStrings::Left(ToStrings::Trim(call), 12);
}

std::string NormaliseRst(std::string_view typed, std::string_view mode) {
  std::string rst = ToStrings::FitWidth(typed, 3, true);
  if (mode == "CW" && rst[2] == ' ' && rst[1] != ' ') rst[2] = '9';
  if (mode == "SSB" || mode == "PR" || mode == "FM") rst[2] = ' ';
  return rst;
}

std::string DefaultRst(std::string_view mode, bool freeModeShown, TContestCode code) {
  if (code == 'j') return "";
  return mode == "CW" || freeModeShown ? "599" : "59 ";
}

char PeriodBand(const TContestRec& def, char currentBand, int32_t todayUtc, int32_t nowUtc) {
  for (const TContestPeriod& p : def.Periods) {
    const int32_t to = ToDates::TimeStringToTime(p.TimeTo, "hh:mm:ss");
    const int32_t from = ToDates::TimeStringToTime(p.TimeFrom, "hh:mm:ss");
    const int32_t day = ToDates::DateStringToDate(p.Date, "dd.mm.yyyy");
    const bool today =
        !p.Date.empty() && to > nowUtc && from >= 0 && from <= nowUtc && day == todayUtc;
    const bool spansDays = !p.DateTo.empty() && p.DateTo != p.Date;
    if (!today && !spansDays) continue;
    for (char b : p.Bands)
      if (b != 0 && b == currentBand) return currentBand;
    return p.Bands[1];
  }
  return 0;
}

bool ModeOffered(const TContestRec& def, std::string_view mode) {
  if (mode.empty()) return false;
  for (const std::string& m : def.Modes)
    if (m == mode) return true;
  return false;
}

std::string StartMode(const TContestRec& def, bool startSsb, bool startFm, bool startPr) {
  std::string mode = ToStrings::Left(def.Modes[1], 6);
  struct TRule {
    bool flag;
    const char* offered;
    const char* mode;
  };
  const TRule rules[] = {
      {startSsb, "SSB", "SSB"},
      {startFm, "FM", "FM"},
      {startPr, "PR", "PR"},
      {startPr, "FSK441", "FSK441"},
      {startPr, "DIGITAL", "DIGI"},
      {startPr, "RTTY", "RTTY"},
      {!startSsb && !startFm && !startPr, "CW", "CW"},
  };
  for (const TRule& r : rules)
    if (r.flag && ModeOffered(def, r.offered)) mode = r.mode;
  return mode;
}

std::string KindCaption(int32_t kind, TContestCode code) {
  switch (kind) {
    case 7:
    case 11:
    case 13: return "lfd.Nr.";
    case 4: return "DOK";
    case 8: return "Area";
    case 1: return "Prefix";
    case 17: return "LDK";
    case 5:
    case 6: return "LOC";
    case 12: return "US-State";
    case 15: return "PLZ";
    case 20: return "Name";
    case 16:
      if (code == 'f' || code == 'w') return "AGCW";
      if (code == 'k') return "QCWA";
      if (code == 'n') return "IBFD";
      if (code == 'p') return "DSW/Paddel";
      return "DIG";
    case 19:
      if (code == 'i') return "Naval";
      if (code == 'k') return "QCWA";
      if (code == 'p') return "DSW/Paddel";
      return "";
    default: return "";
  }
}

bool KindHasCaption(int32_t kind) {
  switch (kind) {
    case 1:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 11:
    case 12:
    case 13:
    case 15:
    case 16:
    case 17:
    case 19:
    case 20: return true;
    default: return false;
  }
}

namespace {
// A QSO record holds its mode in 6 characters: the column shows the longest whole.
constexpr int kModeWordChars = 6;
}  // namespace

std::string ListHeader(const TListColumns& c) {
  // Each caption is as wide as the texts of its column, so the list sizes its columns
  // to show them whole.
  auto col = [](std::string_view caption, int width) {
    return ToStrings::FitWidth(caption, std::max(width, int(caption.size())), true);
  };
  std::string h = col(c.English ? " all - No" : "alle -Nr", 6) + ";" +
                  col(c.English ? "  Date" : " Datum", 9) + ";" + col(" UTC", 5) + ";" +
                  col("Call", 9) + ";" + col("Band", 5) + ";" + col("Mode", kModeWordChars) + ";" +
                  col("RSTs", 8) + ";" + col("RSTr", 8);
  for (int i = 0; i < 3; ++i)
    if (c.Multi[i]) h += ";" + col("Multi" + std::to_string(i + 1), 6);
  h += ";" + col("Pkt", 3) + ";" + col("sQr", 3);
  if (!c.Swapped) h += ";" + col("Name", 9) + ";" + col("QTH", 9) + ";" + col("Freq.", 6);
  return h;
}

namespace {

std::string ExchangeColumn(const std::string& text) {
  const std::string padded = ToStrings::FitWidth(text, 3, false);
  return ToStrings::Left(padded, 3) + " " + ToStrings::CopyFrom(padded, 4);
}

std::string FlagChar(char c) { return std::string(1, c == 0 ? ' ' : c); }

}  // namespace

std::string ListRow(const TContestQSORec& r, const TListColumns& c, std::string_view datePicture,
                    bool onMemberList) {
  std::vector<std::string> cols;
  cols.push_back(ToStrings::IntToStrPadded(r.wagNummer(), 6));
  if (r.BandChangeMark() != 0 && r.BandChangeMark() != ' ') {
    cols.push_back("*** QSY " + oBaender->BandNameOf(r.BandChangeMark(), false) + " ***");
  } else {
    cols.push_back(r.Datum() < 1 ? std::string(datePicture.size(), ' ')
                                 : ToDates::DateToDateString(r.Datum(), datePicture));
    // Midnight is a time like any other; only a missing time shows blank.
    cols.push_back(r.Zeit() < 0 ? std::string(5, ' ')
                                : ToDates::TimeToTimeString(r.Zeit(), "hh:mm"));
    cols.push_back(r.Call());
    cols.push_back(oBaender->BandNameOf(r.Bandcode(), false));
    cols.push_back(r.Mode());
    cols.push_back(ExchangeColumn(r.SentPart1() + r.SentPart2() + r.SentPart3() + r.SentPart4()));
    cols.push_back(ExchangeColumn(r.RcvdPart1() + r.RcvdPart2() + r.RcvdPart3() + r.RcvdPart4()));
    const std::string call2 = c.Code == 'k' ? (onMemberList ? r.Call() : "") : r.Call2();
    const std::string multi[3] = {r.CMulti(), r.Multi2(), call2};
    for (int i = 0; i < 3; ++i)
      if (c.Multi[i]) cols.push_back(multi[i].empty() ? " " : multi[i]);
    cols.push_back(std::to_string(r.Points()));
    cols.push_back(FlagChar(r.QslSent()) + " " + FlagChar(r.QslRcvd()));
    if (!c.Swapped) {
      const std::string nq = r.NameQth();
      cols.push_back(ToStrings::TextBefore(nq, ";"));
      cols.push_back(nq.find(';') == std::string::npos ? "" : ToStrings::TextAfter(nq, ";"));
      cols.push_back(ToStrings::FloatToStrWidth(1, 3, ',', r.Frequency()));
    }
  }
  std::string row = r.sel() == 1 ? std::string(1, '\0') : std::string();
  for (size_t i = 0; i < cols.size(); ++i) row += (i ? "; " : "") + cols[i];
  return row;
}

int SortChoiceKey(int choice, char band, TKeyStr& low, TKeyStr& high) {
  const std::string b(1, band);
  switch (choice) {
    case 0:
      low.Assign(b);
      high.Assign(b);
      return contestkeys::kBandNrIntern;
    case 1:
      low.Assign(b + ToStrings::FitWidth("1", 14, true));
      high.Assign(b + std::string(14, 'Z'));
      return contestkeys::kBandCallMode;
    case 2:
      low.Assign(b + ToStrings::FitWidth("1", 6, true));
      high.Assign(b + std::string(6, 'Z'));
      return contestkeys::kBandDxcc;
    case 3:
      low = ToStrings::LongToKeyStr(1, true);
      high = ToStrings::LongToKeyStr(999999999, true);
      return contestkeys::kNummer;
    case 4:
      low.Assign("");
      high.Assign("");
      return contestkeys::kCallDatumZeit;
    case 5:
    case 6:
      low.Assign(ToStrings::FitWidth("0", 6, true));
      high.Assign(std::string(6, 'Z'));
      return choice == 5 ? contestkeys::kDxcc : contestkeys::kDok;
    default: return 0;
  }
}

std::string LogCaption(std::string_view ownCall, std::string_view contestName, bool english) {
  return std::string(ownCall) + " " + (english ? "Logbook" : "Logbuch") +
         " (Contest : " + std::string(contestName) + " )";
}

}  // namespace logentry
