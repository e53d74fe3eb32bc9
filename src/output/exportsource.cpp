#include "output/exportsource.h"

#include <vector>

#include "contest/contestrec.h"
#include "contest/contestscore.h"
#include "foundation/dates.h"
#include "foundation/strings.h"
#include "output/allerout.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

std::string TExportLog::ContestCall() const { return ToStrings::Trim(List.OwnCall()); }

std::string TExportLog::HeaderCall() const { return Def.SWLLog ? SettingsCall : ContestCall(); }

std::string TExportLog::ClassDescription() const {
  const size_t category = List.Category();
  if (category < 1 || category > Def.Classes.kSize) return {};
  return Def.Classes[category].Description;
}

std::string TExportLog::CategoryText(std::string_view category) const {
  return category.empty() ? ClassDescription() : std::string(category);
}

int64_t TExportLog::ClaimedScore() const {
  std::vector<TBandScore> bands;
  for (int i = 1; i <= TContestConfigRec::kBands; ++i)
    bands.push_back({Config.BandMultipliers(i), Config.BandPoints(i)});
  return ContestScore(Def, Totals.MultiTotal, Totals.Points, bands);
}

std::string TExportLog::PostalCode() const {
  return ToStrings::Trim(ToStrings::TextBefore(ToStrings::Trim(Station.PostcodeTown()), " "));
}

std::string TExportLog::Town() const {
  return ToStrings::Trim(ToStrings::TextAfter(ToStrings::Trim(Station.PostcodeTown()), " "));
}

namespace exportsource {

void LoadJobLog(TExportLog& log, const TAlleRout& out, TdbContestBase& listTable,
                TdbContestBase* configTable) {
  log.List = listTable.GetListRec();
  if (configTable) log.Config = configTable->GetConfigRec();
  log.Station = Setups().GetEigeneStation();
  log.SettingsCall = Setups().GetOwnCall(false);
  log.Totals = {out.QsoCount, out.Points, out.Multi1, out.Multi2, out.Multi3, out.MultiTotal};
  log.CallWidth = out.WidthCall;
}

std::string QsoDate(int32_t datum, std::string_view picture, std::string_view fallback) {
  return datum <= 0 ? std::string(fallback) : ToDates::DateToDateString(datum, picture);
}

std::string Or(const std::string& text, const char* standIn) {
  return ToStrings::Trim(text).empty() ? std::string(standIn) : text;
}

std::string Join(std::initializer_list<std::string> fields) {
  std::string line;
  for (const std::string& f : fields) {
    if (!line.empty()) line += ' ';
    line += f;
  }
  return line;
}

}  // namespace exportsource
