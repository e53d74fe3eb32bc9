#pragma once
// What the format writers of one export job read besides the QSO being written: the
// contest definition, the log's list and configuration records, the own station, the
// log's totals and the measured call column. Filled once per job.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "tables/contestrecs.h"
#include "tables/setuprecs.h"

struct TContestRec;
class TAlleRout;
class TdbContestBase;

struct TExportTotals {
  int32_t Qsos = 0, Points = 0, Multi1 = 0, Multi2 = 0, Multi3 = 0, MultiTotal = 0;
};

struct TExportLog {
  explicit TExportLog(const TContestRec& def) : Def(def) {}
  const TContestRec& Def;
  TContestListRec List;
  TContestConfigRec Config;
  ToSetupEigeneStation Station;
  std::string SettingsCall;  // the own call of the settings, trimmed
  TExportTotals Totals;
  int CallWidth = 8;

  char Code() const { return List.Typ(); }
  // The list record's call (the call used in the contest), trimmed.
  std::string ContestCall() const;
  // A listener's log names the listener (the settings' call), every other log the call
  // used in the contest.
  std::string HeaderCall() const;
  // The class text of the log's category (empty without one).
  std::string ClassDescription() const;
  // The category argument when given, else the class text.
  std::string CategoryText(std::string_view category) const;
  // The score the log claims, by the contest's one score rule.
  int64_t ClaimedScore() const;
  // The own station's postal code and town field split at its first blank; without a
  // blank the whole field is the town.
  std::string PostalCode() const;
  std::string Town() const;
};

namespace exportsource {
// The log of the running job: the list record, the own station and call of the
// settings, the job's totals and call width, and the configuration record when a
// configuration table is given (the headers' claimed score).
void LoadJobLog(TExportLog& log, const TAlleRout& out, TdbContestBase& listTable,
                TdbContestBase* configTable);
// The QSO's date in the picture; fallback when it has none (day number 0 or less).
std::string QsoDate(int32_t datum, std::string_view picture, std::string_view fallback);
// The text, or the stand-in when it is empty or blank.
std::string Or(const std::string& text, const char* standIn);
// The fields of a QSO line joined by one blank.
std::string Join(std::initializer_list<std::string> fields);
}  // namespace exportsource
