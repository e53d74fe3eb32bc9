#include "output/stdrout.h"

#include <algorithm>

#include "contest/contestrec.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"

namespace stdrout {
namespace {

// The header of the output's format; Y and X start at the top-left margin.
void WriteFormatHeader(TAlleRout& out, const TContestRec& def, TdbContestBase& listTable,
                       TdbContestBase& configTable, const TEdiTexts& edi, char band) {
  out.ResetPagePosition();
  switch (out.Mode()) {
    case TOutputMode::STF: out.WriteSTFHeader("", def, listTable, configTable); break;
    case TOutputMode::ADIF: out.WriteADIFHeader(def); break;
    case TOutputMode::Cabrillo: out.WriteCabrilloHeader("", def, listTable, configTable); break;
    case TOutputMode::EDI: out.WriteEDIHeader(def, listTable, edi); break;
    default: out.WriteListHeader(def, listTable, band); break;
  }
}

// The line of the QSO table's current record in the output's format.
void BuildLine(TAlleRout& out, const TContestRec& def, TdbContestBase& listTable,
               TdbContestBase& qsoTable, bool rstOnly, int runningNumber, std::string& line) {
  switch (out.Mode()) {
    case TOutputMode::STF: out.WriteSTFLine(def, listTable, line, qsoTable); break;
    case TOutputMode::Cabrillo: out.WriteCabrilloLine(def, listTable, line, qsoTable); break;
    case TOutputMode::ADIF: out.WriteADIFRecord(rstOnly, def, line, qsoTable, listTable); break;
    case TOutputMode::EDI: out.WriteEDIRecord(def, listTable, line, qsoTable); break;
    default: out.WriteListLine(runningNumber, def, line, qsoTable, listTable); break;
  }
}

bool IsList(TOutputMode mode) { return mode == TOutputMode::Printer || mode == TOutputMode::ELog; }

// One section: the header, the QSO lines inside the periods (of one band, or all when
// band is '\0'), the format's end; the footer when footer is set. The running number
// counts the written lines of the section.
void WriteSection(TAlleRout& out, const TContestRec& def, const TZeitraum4Rec& periods,
                  TdbContestBase& listTable, TdbContestBase& configTable, TdbContestBase& qsoTable,
                  const TEdiTexts& edi, char band, bool rstOnly, bool footer) {
  const auto header = [&] { WriteFormatHeader(out, def, listTable, configTable, edi, band); };
  header();
  if (out.CheckPageBreak()) header();
  int count = 0;
  int longest = 0;
  std::string line;
  for (bool ok = qsoTable.First(contestkeys::kNummer); ok;
       ok = qsoTable.NextRecord(contestkeys::kNummer)) {
    const TContestQSORec q = qsoTable.GetQSORec();
    if (q.IsBandChangeLine()) continue;
    if (band != '\0' && q.Bandcode() != band) continue;
    if (!TAlleRout::InAnyPeriod(q.Zeit(), q.Datum(), periods)) continue;
    if (out.CheckPageBreak()) header();
    line.clear();
    BuildLine(out, def, listTable, qsoTable, rstOnly, ++count, line);
    // A format that builds no line for a QSO writes none.
    if (line.empty()) continue;
    out.WriteLine(line, true, true);
    longest = std::max(longest, ToStrings::Length(ToStrings::Trim(line)));
  }
  if (out.Mode() == TOutputMode::STF) out.WriteSTFEnd();
  if (out.Mode() == TOutputMode::Cabrillo) out.WriteCabrilloEnd();
  if (footer && IsList(out.Mode())) {
    // The footer stays together, so that its score never falls off the foot of a page.
    const std::vector<std::string> lines =
        out.TotalsFooterLines(def, listTable, configTable, longest);
    if (out.CheckPageBreak(int(lines.size()))) header();
    for (const std::string& l : lines) out.WriteLine(l, true, true);
  }
}

}  // namespace

bool ExportLog(TAlleRout& out, const TContestRec& def, const TZeitraum4Rec& periods,
               TdbContestBase& listTable, bool perBand, const TEdiTexts& edi,
               TdbContestBase& configTable) {
  out.LoadTotals(listTable, configTable);
  const TContestListRec list = listTable.GetListRec();
  TdbContest qsoTable(TdbContestBase::kQsoLog, 0, list.Nummer());
  if (!qsoTable.IsOpen()) {
    ToMessages::ShowError("Das Log des Contests konnte nicht geöffnet werden.");
    return true;
  }
  if (periods.InUse[0]) out.RecountPointsInPeriods(periods, qsoTable);
  out.MeasureColumns(def, qsoTable);
  bool rstOnly = true;
  if (out.Mode() == TOutputMode::ADIF && list.Typ() != 'A')
    rstOnly = ToMessages::AskYesNo("", "", "Von der Kontrollnummer nur RS(T) exportieren?", true);
  if (!perBand) {
    TEdiTexts texts = edi;
    texts.Periods = periods;
    WriteSection(out, def, periods, listTable, configTable, qsoTable, texts, '\0', rstOnly, true);
    return false;
  }
  bool first = true;
  for (char band : def.Bands) {
    if (band == '\0') continue;
    if (!first) {
      if (out.IsPrinter())
        out.NewPage();
      else
        for (int i = 0; i < 4; ++i) out.WriteLine("", true, true);
    }
    first = false;
    WriteSection(out, def, periods, listTable, configTable, qsoTable, edi, band, rstOnly, false);
  }
  return false;
}

bool ExportBandLog(TAlleRout& out, const TContestRec& def, const TZeitraum4Rec& periods,
                   TdbContestBase& listTable, TdbContestBase& configTable) {
  return ExportLog(out, def, periods, listTable, true, TEdiTexts{}, configTable);
}

}  // namespace stdrout
