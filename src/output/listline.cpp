#include <string>

#include "contest/contestfkt.h"
#include "contest/contestrec.h"
#include "foundation/dates.h"
#include "foundation/strings.h"
#include "output/allerout.h"
#include "reference/baender.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace {

using TS = ToStrings;

// A CSV field holding the separator or a quote is quoted, so that no column shifts.
std::string CsvQuoted(const std::string& field) {
  if (field.find_first_of(";\"") == std::string::npos) return field;
  return "\"" + TS::ReplaceAll(field, "\"", "\"\"") + "\"";
}

// Report (3 places), a blank and the rest of the exchange in width places.
constexpr int kReportWidth = 3;
std::string ExchangeColumn(const std::string& exchange, int width) {
  return TS::FitWidth(TS::Left(exchange, kReportWidth), kReportWidth, true) + " " +
         TS::FitWidth(TS::CopyFrom(exchange, kReportWidth + 1), width, true);
}
// The caption of an exchange column, as wide as the column, report and blank included,
// so that the captions behind it stand over their own columns.
std::string ExchangeCaption(const char* caption, int width) {
  return TS::FitWidth(caption, kReportWidth + 1 + width, true);
}

// Name and QTH of the name-and-QTH field ("name;QTH") as "name/QTH".
std::string NameAndQth(const std::string& field) {
  const bool split = TS::Pos(";", field) > 0;
  const std::string name = TS::Trim(split ? TS::TextBefore(field, ";") : field);
  const std::string qth = TS::Trim(split ? TS::TextAfter(field, ";") : "");
  if (name.empty()) return qth;
  return qth.empty() ? name : name + "/" + qth;
}

// Codes whose list lines end in the name and QTH of the station worked.
bool ListsNameAndQth(char code) { return code == 'I' || code == 'l'; }

// A line of columns, each followed by the separator; in CSV mode every field is quoted
// where needed.
class TColumns {
 public:
  explicit TColumns(bool csv) : csv_(csv) {}
  // A column of fixed width in every mode.
  void Fixed(const std::string& text) { Add(text); }
  // A column that CSV gives without fill blanks.
  void Loose(const std::string& text) { Add(csv_ ? TS::Trim(text) : text); }
  // The last field, without separator behind it.
  void Last(const std::string& text) { line_ += csv_ ? CsvQuoted(text) : text; }
  const std::string& Line() const { return line_; }

 private:
  void Add(const std::string& text) {
    line_ += csv_ ? CsvQuoted(text) : text;
    line_ += csv_ ? ";" : " ";
  }
  bool csv_;
  std::string line_;
};

}  // namespace

std::string TAlleRout::BandColumn(char bandCode, bool stfRule) {
  std::string name = oBaender->BandNameOf(bandCode, false);
  name = TS::FitWidth(TS::Left(name, TS::Length(name) - 1), 4, true);
  if (stfRule && name == "6 c ") return TS::FitWidth("5", 4, true);
  if (name.find('c') != std::string::npos) return TS::ReplaceAll(name, "c", "") + " ";
  return name;
}

std::string TAlleRout::SentExchangeOfCurrent(TdbContestBase& qsoTable) {
  return oContestFkt->SentExchangeText(qsoTable.GetQSORec());
}

std::string TAlleRout::ReceivedExchangeOfCurrent(TdbContestBase& qsoTable) {
  return oContestFkt->ReceivedExchangeText(qsoTable.GetQSORec());
}

bool TAlleRout::IsSpecialStationCall(std::string_view call, const TContestRec& def) {
  if (def.SpecialCalls[1].empty()) return true;
  const std::string base = TS::Pos("/", call) > 0 ? TS::TextBefore(call, "/") : std::string(call);
  for (const std::string& special : def.SpecialCalls)
    if (!special.empty() && special == base) return true;
  return false;
}

void TAlleRout::WriteListHeader(const TContestRec& def, TdbContestBase& listTable, char band) {
  const bool csv = mode_ == TOutputMode::CSV;
  if (!csv) {
    std::string title = def.ContestName;
    title += band != '\0' ? "  -  Band-Log " + oBaender->BandNameOf(band, false) : "  -  QSO-Liste";
    title += def.SWLLog ? "     SWL : " + TS::Trim(Setups().GetEigeneStation().SwlNumber())
                        : "     CALL: " + Setups().GetOwnCall(false);
    title = TS::FitWidth(title, 77, true);
    if (mode_ == TOutputMode::Printer) title += "Page :" + std::to_string(PageNumber());
    BoldOn();
    WriteLine(title, true, true);
    BoldOff();
    WriteLine(" ", true, true);
  }
  TColumns c(csv);
  if (!csv) c.Fixed("Nr   ");
  c.Loose("DATE  ");
  c.Loose("UTC ");
  c.Fixed(TS::FitWidth("CALL ", WidthCall, true));
  c.Loose("BAND");
  c.Loose("MODE  ");
  // A listener's line holds the received exchange first and the sent one last.
  if (def.SWLLog) {
    c.Fixed(ExchangeCaption("SENT  ", WidthRcvd));
    c.Loose("CALL2    ");
    c.Fixed(ExchangeCaption("SENT2 ", WidthSent));
  } else {
    c.Fixed(ExchangeCaption("SENT  ", WidthSent));
    c.Fixed(ExchangeCaption("RCVD  ", WidthRcvd));
  }
  const int widths[] = {WidthMulti, WidthMulti2, WidthCall2};
  for (size_t i = 1; i <= 3; ++i)
    if (!def.MultiplierName[i].empty())
      c.Fixed(TS::FitWidth(def.MultiplierName[i], widths[i - 1], true));
  std::string line = c.Line() + TS::PadLeft(WidthPoints >= 3 ? "Pkt" : "P", WidthPoints);
  const char code = listTable.GetListRec().Typ();
  const char* sep = csv ? ";" : " ";
  if (ListsNameAndQth(code)) line += std::string(sep) + "Name/QTH";
  if (code == '\0') line += std::string(sep) + "Loc";
  WriteLine(line, true, true);
}

void TAlleRout::WriteListLine(int runningNumber, const TContestRec& def, std::string& line,
                              TdbContestBase& qsoTable, TdbContestBase& listTable) {
  const bool csv = mode_ == TOutputMode::CSV;
  const TContestQSORec q = qsoTable.GetQSORec();
  TColumns c(csv);
  if (csv) {
    c.Loose(q.Datum() > 0 ? ToDates::DateToDateString(q.Datum(), "dd.mm.yyyy") : "");
    c.Loose(ToDates::TimeToTimeString(q.Zeit(), "hh:mm"));
  } else {
    c.Fixed(TS::IntToStrPadded(runningNumber, 5) + " " +
            (q.Datum() > 0 ? ToDates::DateToDateString(q.Datum(), "ddmmyy") : "      "));
    c.Fixed(ToDates::TimeToTimeString(q.Zeit(), "hhmm"));
  }
  const std::string call = TS::Trim(q.Call());
  c.Fixed(TS::FitWidth(call, WidthCall, true));
  c.Loose(BandColumn(q.Bandcode(), false));
  c.Loose(TS::FitWidth(q.Mode(), 6, true));
  const std::string sent = ExchangeColumn(SentExchangeOfCurrent(qsoTable), WidthSent);
  const std::string rcvd = ExchangeColumn(ReceivedExchangeOfCurrent(qsoTable), WidthRcvd);
  if (def.SWLLog) {
    c.Fixed(rcvd);
    c.Loose(TS::FitWidth(q.Call2(), 9, true));
    c.Fixed(sent);
  } else {
    c.Fixed(sent);
    c.Fixed(rcvd);
  }
  if (!def.MultiplierName[1].empty()) c.Fixed(TS::FitWidth(q.CMulti(), WidthMulti, true));
  if (!def.MultiplierName[2].empty()) c.Fixed(TS::FitWidth(q.Multi2(), WidthMulti2, true));
  const char code = listTable.GetListRec().Typ();
  if (!def.MultiplierName[3].empty()) {
    std::string second = q.Call2();
    if (code == 'k') second = IsSpecialStationCall(call, def) ? call : "";
    c.Fixed(TS::FitWidth(second, WidthCall2, true));
  }
  line = c.Line();
  TColumns tail(csv);
  tail.Last(TS::PadLeft(std::to_string(q.Points()), WidthPoints));
  line += tail.Line();
  const char* sep = csv ? ";" : " ";
  if (ListsNameAndQth(code) && q.NameQth() != ";") {
    TColumns t(csv);
    t.Last(NameAndQth(q.NameQth()));
    line += sep + t.Line();
  }
  if (code == '\0') {
    TColumns t(csv);
    t.Last(q.Loc());
    line += sep + t.Line();
  }
}
