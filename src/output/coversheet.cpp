#include "contest/contestfkt.h"
#include "contest/contestrec.h"
#include "contest/stationfile.h"
#include "foundation/dates.h"
#include "foundation/memofile.h"
#include "foundation/messages.h"
#include "output/coverlines.h"
#include "output/stdrout.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace coversheet {

std::vector<std::string> WindowTexts(const TZeitraum4Rec& periods) {
  std::vector<std::string> texts(periods.InUse.size());
  const auto date = [](int32_t day) {
    return day > 0 ? ToDates::DateToDateString(day, "dd.mm.yyyy") + " " : std::string();
  };
  for (size_t k = 0; k < texts.size(); ++k) {
    // A window in use is printed whole, even one that starts at 00:00:00.
    if (!periods.InUse[k]) continue;
    texts[k] = date(periods.DateFrom[k]) +
               ToDates::TimeToTimeString(periods.TimeFrom[k], "hh:mm:ss") + " - " +
               date(periods.DateTo[k]) + ToDates::TimeToTimeString(periods.TimeTo[k], "hh:mm:ss");
  }
  return texts;
}

}  // namespace coversheet

namespace stdrout {

bool WriteCoverSheet(TAlleRout& out, const TContestRec& def, const TZeitraum4Rec& periods,
                     TdbContestBase& listTable, TdbContestBase& configTable) {
  out.ResetPagePosition();
  TCoverInput in;
  in.Def = def;
  in.List = listTable.GetListRec();
  TdbContest qsoTable(TdbContestBase::kQsoLog, 0, in.List.Nummer());
  if (!qsoTable.IsOpen()) {
    ToMessages::ShowError("Das Log des Contests konnte nicht geöffnet werden.");
    return true;
  }
  const TCoverFigures figures =
      coversheet::CollectFigures(qsoTable, in.List.Typ(), in.List.Category());
  out.LoadTotals(listTable, configTable);
  if (periods.AnyInUse()) {
    out.RecountPointsInPeriods(periods, qsoTable);
    in.WindowTexts = coversheet::WindowTexts(periods);
  }
  in.Config = configTable.GetConfigRec();
  in.Station = Setups().GetEigeneStation();
  in.OwnCall = Setups().GetOwnCall(false);
  in.English = out.English;
  in.Paper = out.IsPrinter();
  in.QsoCount = out.QsoCount;
  in.Points = out.Points;
  in.Multi1 = out.Multi1;
  in.Multi2 = out.Multi2;
  in.Multi3 = out.Multi3;
  in.MultiTotal = out.MultiTotal;
  in.Today = ToDates::TodayString("dd.mm.yyyy");
  if (const std::string prefix = stationfile::PrefixOf(in.List.Typ()); !prefix.empty())
    memofile::LoadLines(stationfile::FileName(prefix, in.List.Nummer()), in.StationLines);
  in.WebAddress = TContestFkt::HomePage();

  bool bold = false;
  for (const TCoverLine& line : coversheet::CoverSheetLines(in, figures)) {
    if (line.Bold != bold) {
      bold = line.Bold;
      if (bold)
        out.BoldOn();
      else
        out.BoldOff();
    }
    // The sheet is longer than some pages: it goes on on the next rather than off the edge.
    out.CheckPageBreak();
    out.WriteLine(line.Text, true, true);
  }
  out.BoldOff();
  return false;
}

}  // namespace stdrout
