#include <algorithm>
#include <vector>

#include "contest/contestfkt.h"
#include "contest/contestrec.h"
#include "contest/contestscore.h"
#include "foundation/strings.h"
#include "output/allerout.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"

namespace {

int TrimmedLength(std::string_view s) { return ToStrings::Length(ToStrings::Trim(s)); }

bool WindowAdmits(int32_t time, int32_t date, const TZeitraum4Rec& p, size_t i) {
  if (p.DateFrom[i] == 0) return p.TimeFrom[i] <= time && time <= p.TimeTo[i];
  if (p.DateFrom[i] > date || (p.DateFrom[i] == date && p.TimeFrom[i] > time)) return false;
  if (date > p.DateTo[i] || (date == p.DateTo[i] && time > p.TimeTo[i])) return false;
  return true;
}

// The line right-aligned so that it ends at column width.
std::string EndingAt(const std::string& line, int width) { return ToStrings::PadLeft(line, width); }

}  // namespace

void TAlleRout::LoadTotals(TdbContestBase& listTable, TdbContestBase& configTable) {
  const TContestListRec list = listTable.GetListRec();
  Multi1 = Multi2 = Multi3 = MultiTotal = Points = QsoCount = 0;
  if (list.TotalsInConfig() != 0) {
    const TContestConfigRec config = configTable.GetConfigRec();
    for (int i = 1; i <= TContestConfigRec::kBands; ++i) {
      MultiTotal += config.BandMultipliers(i);
      Points += config.BandPoints(i);
      QsoCount += config.BandQsos(i);
      Multi1 += config.BandMultiplierN(1, i);
      Multi2 += config.BandMultiplierN(2, i);
      Multi3 += config.BandMultiplierN(3, i);
    }
    return;
  }
  for (int row = 1; row <= TContestListRec::kBandRows; ++row) {
    MultiTotal += list.RowMultipliers(row);
    Points += list.RowPoints(row);
    QsoCount += list.RowQsos(row);
    Multi1 += list.RowFirstMultiplier(row);
    Multi2 += list.RowSecondMultiplier(row);
  }
}

void TAlleRout::MeasureColumns(const TContestRec& def, TdbContestBase& qsoTable) {
  WidthSent = WidthRcvd = WidthCall = WidthPoints = 0;
  WidthMulti = ToStrings::Length(def.MultiplierName[1]);
  WidthMulti2 = ToStrings::Length(def.MultiplierName[2]);
  WidthCall2 = ToStrings::Length(def.MultiplierName[3]);
  const bool call2Column = !def.MultiplierName[3].empty();
  for (bool ok = qsoTable.First(contestkeys::kDatumZeit); ok;
       ok = qsoTable.NextRecord(contestkeys::kDatumZeit)) {
    const TContestQSORec q = qsoTable.GetQSORec();
    WidthSent = std::max(WidthSent, TrimmedLength(oContestFkt->SentExchangeText(q)));
    WidthRcvd = std::max(WidthRcvd, TrimmedLength(oContestFkt->ReceivedExchangeText(q)));
    WidthCall = std::max(WidthCall, TrimmedLength(q.Call()));
    WidthPoints = std::max(WidthPoints, ToStrings::Length(std::to_string(q.Points())));
    WidthMulti = std::max(WidthMulti, TrimmedLength(q.CMulti()));
    WidthMulti2 = std::max(WidthMulti2, TrimmedLength(q.Multi2()));
    if (call2Column) WidthCall2 = std::max(WidthCall2, TrimmedLength(q.Call2()));
  }
  for (int32_t* w : {&WidthSent, &WidthRcvd, &WidthCall, &WidthMulti, &WidthMulti2, &WidthCall2})
    *w += 2;
  WidthRcvd = std::max(WidthRcvd, 9);
  WidthSent = std::max(WidthSent, 9);
  WidthCall = std::max(WidthCall, 8);
  WidthPoints = std::max(WidthPoints, 1);
}

void TAlleRout::RecountPointsInPeriods(const TZeitraum4Rec& periods, TdbContestBase& qsoTable) {
  Points = 0;
  for (bool ok = qsoTable.First(contestkeys::kDatumZeit); ok;
       ok = qsoTable.NextRecord(contestkeys::kDatumZeit)) {
    const TContestQSORec q = qsoTable.GetQSORec();
    // A band-change line is no QSO, whatever its points field holds.
    if (!q.IsBandChangeLine() && InAnyPeriod(q.Zeit(), q.Datum(), periods)) Points += q.Points();
  }
}

bool TAlleRout::InAnyPeriod(int32_t time, int32_t date, const TZeitraum4Rec& periods) {
  if (!periods.AnyInUse()) return true;
  for (size_t i = 0; i < periods.InUse.size(); ++i)
    if (periods.InUse[i] && WindowAdmits(time, date, periods, i)) return true;
  return false;
}

void TAlleRout::WriteTotalsFooter(const TContestRec& def, TdbContestBase& listTable,
                                  TdbContestBase& configTable, int width) {
  for (const std::string& line : TotalsFooterLines(def, listTable, configTable, width))
    WriteLine(line, true, true);
}

std::vector<std::string> TAlleRout::TotalsFooterLines(const TContestRec& def,
                                                      TdbContestBase& listTable,
                                                      TdbContestBase& configTable,
                                                      int width) const {
  std::vector<std::string> lines;
  const auto out = [&](const std::string& line) { lines.push_back(EndingAt(line, width)); };
  out(" ");
  const bool multiplied = def.MultiplierKinds.any() && !def.ScorePerBand && !def.ScorePointsOnly;
  std::vector<TBandScore> bands;
  if (def.ScorePerBand) {
    const TContestConfigRec config = configTable.GetConfigRec();
    for (int i = 1; i <= TContestConfigRec::kBands; ++i)
      bands.push_back({config.BandMultipliers(i), config.BandPoints(i)});
  }
  const int64_t score = ContestScore(def, MultiTotal, Points, bands);
  if (multiplied) {
    std::string counts;
    for (int32_t m : {Multi1, Multi2, Multi3}) {
      if (m == 0) continue;
      counts += (counts.empty() ? "" : " + ") + ToStrings::IntToStrPadded(m, 5);
    }
    const std::string times = " x " + ToStrings::IntToStrPadded(Points, 7);
    out(counts.empty() ? times : "(" + counts + ")" + times);
    out(" ");
  }
  out(ToStrings::Int64ToStrPadded(score, 7) + " Punkte");
  if (listTable.GetListRec().Typ() == '5')
    out(ToStrings::IntToStrPadded(MultiTotal, 7) + " PLZ-Bereiche");
  return lines;
}
