// The rows, header and sort orders of the contest list.

#include "browser/kvbrow.h"
#include "contest/contestbrowctrl.h"
#include "foundation/dates.h"
#include "foundation/strings.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/setupseparat.h"

namespace {

std::string NameColumn(const TContestListRec& r) { return ToStrings::Left(r.Name() + " ", 26); }

std::string DateColumn(int32_t date) {
  if (date <= 0) return std::string(13, ' ');
  return ToStrings::Left(ToDates::DateToDateString(date, "dd.mm.yyyy") + "   ", 20);
}

std::string NumberColumn(const TContestListRec& r) {
  return ToStrings::IntToStrPadded(r.Nummer(), 6) + " ";
}

bool SortsByName(int keyNr) {
  return keyNr == contestkeys::kListTypName || keyNr == contestkeys::kListName;
}

}  // namespace

void TContestBrowCtrl::BuildRow(RowRec& row) {
  const int keyNr = brow_->KeyNr();
  if (!SortsByName(keyNr) && keyNr != contestkeys::kListTypDatum &&
      keyNr != contestkeys::kListNummer)
    return;
  TdbContest& t = RowTable();
  if (row.Ref <= 0 || !t.GotoRecord(row.Ref)) return;
  const TContestListRec r = t.GetListRec();
  const std::string from = DateColumn(r.DatumVon());
  const std::string to = DateColumn(r.DatumBis());
  if (SortsByName(keyNr))
    row.Text = " " + NameColumn(r) + ";" + from + ";" + to;
  else if (keyNr == contestkeys::kListTypDatum)
    row.Text = " " + from + ";" + NameColumn(r) + ";" + to;
  else
    row.Text = " " + NumberColumn(r) + ";" + from + ";" + NameColumn(r) + ";" + to;
}

void TContestBrowCtrl::SetHeaderFooter() {
  if (!brow_->Page() || !brow_->Table()) return;
  using setupseparat::LangText;
  const std::string name = ToStrings::FitWidth(" Name", 26, true);
  const std::string from = ToStrings::FitWidth(LangText("Datum (von)", "Date (from)"), 13, true);
  const std::string to = ToStrings::FitWidth(LangText("Datum (bis)", " Date (to) "), 13, true);
  const std::string number = LangText("Nr     ", "No     ");
  const int keyNr = brow_->KeyNr();
  std::string columns, footer;
  if (keyNr == contestkeys::kListTypDatum) {
    columns = from + ";" + name + ";" + to;
    footer = LangText("Datum", "Date");
  } else if (keyNr == contestkeys::kListNummer) {
    columns = number + ";" + from + ";" + name + ";" + to;
    footer = LangText("interne Nummer", "internal number");
  } else {
    columns = name + ";" + from + ";" + to;
    footer = "Name";
  }
  const std::string header = ToStrings::Left(" " + columns + std::string(200, ' '), 255);
  brow_->SetHeaderFooter(header, footer, false);
}

void TContestBrowCtrl::InitSortList() {
  brow_->ClearSortList();
  brow_->AddSortEntry("Name");
  brow_->AddSortEntry("Datum");
}

// Both bounds hold the edition's code: contests of other codes never show.
int TContestBrowCtrl::SortList2Key(int i, TKeyStr& lowKey, TKeyStr& highKey) {
  lowKey.Assign(std::string(1, code_));
  highKey.Assign(std::string(1, code_));
  return i + 1;
}
