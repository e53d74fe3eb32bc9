#pragma once
// The STF file: a keyword header, one fixed-column line per QSO and "EndQSOList". The
// lines are built in mixed case; the line output of STF files upper-cases them.

#include <string>
#include <string_view>
#include <vector>

struct TExportLog;
class TContestQSORec;

namespace stfexport {

// category: the class text to claim; empty takes the log's class.
std::vector<std::string> HeaderLines(const TExportLog& log, std::string_view category);
std::string QsoLine(const TExportLog& log, const TContestQSORec& qso);
constexpr const char* kEndLine = "EndQSOList";

}  // namespace stfexport
