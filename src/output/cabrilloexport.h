#pragma once
// The Cabrillo 3.0 file: tag lines, one "QSO:" line per QSO and "END-OF-LOG:". The lines
// are built in mixed case; the line output of Cabrillo files upper-cases them.

#include <string>
#include <string_view>
#include <vector>

struct TExportLog;
class TContestQSORec;

namespace cabrilloexport {

// The category tags the rules leave open, judged from the log's class: its modes, and
// whether its text names low power, QRP or several operators.
struct TCategories {
  std::string Mode = "CW", Band = "ALL", Power = "HIGH", Transmitter = "ONE",
              Assisted = "NON-ASSISTED", Operator = "SINGLE-OP";
};
TCategories CategoriesOf(const TExportLog& log);

// category: the class text to claim; empty takes the log's class.
std::vector<std::string> HeaderLines(const TExportLog& log, std::string_view category);
std::string QsoLine(const TExportLog& log, const TContestQSORec& qso);
constexpr const char* kEndLine = "END-OF-LOG:";

// The Cabrillo mode of a QSO's mode text: the contest word of the mode, PH for AM, DG
// for the other digital modes; empty for no mode at all.
std::string ModeWord(std::string_view modeText);

}  // namespace cabrilloexport
