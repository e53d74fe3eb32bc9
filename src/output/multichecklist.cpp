#include <string>

#include "contest/contestrec.h"
#include "foundation/strings.h"
#include "output/multicheckgrid.h"
#include "output/stdrout.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace stdrout {
namespace {

// The page header of the check list: title, the band columns.
void WriteMultiplierCheckListPage(TAlleRout& out, const TContestRec& def) {
  out.ResetPagePosition();
  std::string title = def.ContestName + " Multiplier Check List   " +
                      (def.SWLLog ? ToStrings::Trim(Setups().GetEigeneStation().SwlNumber())
                                  : Setups().GetOwnCall(false));
  title = ToStrings::FitWidth(title, 65, true);
  if (out.IsPrinter()) title += "Page :" + std::to_string(out.PageNumber());
  out.BoldOn();
  out.WriteLine(title);
  out.BoldOff();
  out.WriteLine(" ");
  out.WriteLine(" ");
  out.WriteLine(multicheck::ColumnLine(def));
  out.WriteLine(" ");
}

// A QSO takes part in a grid unless it is not counted or has no band.
bool Counts(const TContestQSORec& q) {
  return !q.IsBandChangeLine() && q.Bandcode() != '\0' && q.Bandcode() != ' ';
}

// One grid: the QSOs in the order of the key, each with its value (empty: not in the
// grid), one row per value.
template <typename ValueOf>
void WriteGrid(TAlleRout& out, const TContestRec& def, TdbContestBase& qsoTable, int keyNr,
               ValueOf valueOf) {
  multicheck::TGrid grid(def, [&](const std::string& row) {
    if (out.CheckPageBreak()) WriteMultiplierCheckListPage(out, def);
    out.WriteLine(row);
  });
  for (bool ok = qsoTable.First(keyNr); ok; ok = qsoTable.NextRecord(keyNr)) {
    const TContestQSORec q = qsoTable.GetQSORec();
    if (Counts(q)) grid.Add(valueOf(q), q.Bandcode(), q.Call());
  }
  grid.Finish();
}

}  // namespace

bool WriteMultiplierCheckList(TAlleRout& out, const TContestRec& def, TdbContestBase& listTable,
                              TdbContestBase&) {
  TdbContest qsoTable(TdbContestBase::kQsoLog, 0, listTable.GetListRec().Nummer());
  WriteMultiplierCheckListPage(out, def);
  const auto& kinds = def.MultiplierKinds;
  if (kinds.test(4) || kinds.test(8) || kinds.test(17))
    WriteGrid(out, def, qsoTable, contestkeys::kDok,
              [](const TContestQSORec& q) { return ToStrings::Trim(q.DOK()); });
  if (kinds.test(2)) {
    WriteGrid(out, def, qsoTable, contestkeys::kDxcc, [&](const TContestQSORec& q) {
      const std::string dxcc = ToStrings::Trim(q.DXCC());
      if (dxcc == "DL" && !kinds.test(3)) return std::string();
      if (kinds.test(9) && ToStrings::Trim(q.Continent()) != "EU") return std::string();
      return dxcc;
    });
  }
  return false;
}

}  // namespace stdrout
