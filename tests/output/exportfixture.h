#pragma once
// A contest log as the export writers see it, built without files: the definition of a
// contest code and class, the list record, the own station and QSO records.

#include <algorithm>
#include <string>
#include <vector>

#include "contest/contestrec.h"
#include "output/exportsource.h"
#include "tables/contestrecs.h"

namespace exporttest {

struct TLog {
  // code and class number (1 = first class) of a log used with the call DL1ABC.
  TLog(char code, uint8_t classNumber, const std::string& call = "DL1ABC");
  TContestRec Def;
  TExportLog Log{Def};
};

struct TQso {
  std::string Call = "DK2XY", Mode = "CW", Sent = "599001", Rcvd = "599012";
  char Band = 'b';
  int Year = 2025, Month = 3, Day = 8;
  int Seconds = 12 * 3600 + 34 * 60;
};
TContestQSORec Qso(const TQso& q);

inline bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace exporttest
