#include "contest/contestload.h"

#include "contest/contestrules.h"
#include "foundation/dates.h"
#include "tables/contestrecs.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

TContestInputs ContestInputsOf(const TContestListRec& list, TContestCode code,
                               const std::string& ownLocator, const std::string& ownName,
                               int32_t utcShiftMinutes, int32_t today) {
  TContestInputs in;
  in.Code = code;
  in.StartDate = list.DatumVon();
  in.OwnDok = list.DOK();
  in.OwnCall = list.OwnCall();
  in.ClassNumber = list.Category();
  in.MemberNumber = list.ExtraNumber();
  in.MemberText = list.ExtraText();
  in.StationText = list.PLZ();
  in.OwnLocator = ownLocator;
  in.OwnName = ownName;
  in.UtcShiftMinutes = utcShiftMinutes;
  in.Today = today;
  return in;
}

bool LoadContestDefinition(TContestRec& def, TdbContest& contestTable, TContestCode code,
                           bool existing) {
  TContestListRec list = contestTable.GetListRec();
  ToSetupEigeneStation station = Setups().GetEigeneStation();
  TContestInputs in = ContestInputsOf(list, code, station.Locator(), station.Name(),
                                      ToDates::UtcShiftMinutes(), ToDates::Today());
  bool totalsInConfig = false;
  def = BuildContestDefinition(in, &totalsInConfig);
  if (totalsInConfig) list.SetTotalsInConfig(255);
  contestTable.SetListRec(list);
  return !existing || contestTable.Modify();
}
