#pragma once
// The ADIF file: a banner line, "<EOH>" and one record per QSO. Records keep the case of
// the log; every value is written in ASCII, as ADIF strings are.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct TExportLog;
class TContestQSORec;
class TdbPrefix;

// The ADIF entity numbers of one export job: one prefix table for the whole job, each
// DXCC looked up once.
class TAdifDxccNumbers {
 public:
  TAdifDxccNumbers();
  ~TAdifDxccNumbers();
  // Empty when the prefix table knows no entity of that DXCC.
  std::string NumberOf(const std::string& dxcc);

 private:
  std::unique_ptr<TdbPrefix> table_;
  std::map<std::string, std::string> known_;
};

namespace adifexport {

// The ADIF entity number of a DXCC designation (empty when unknown).
using TDxccNumber = std::function<std::string(const std::string& dxcc)>;

std::vector<std::string> HeaderLines(const TExportLog& log);
// rstOnly: the answer to "Von der Kontrollnummer nur RS(T) exportieren?": the report
// fields get the three RST characters and the numbers go to STX/SRX.
std::string Record(const TExportLog& log, const TContestQSORec& qso, bool rstOnly,
                   const TDxccNumber& dxccNumber);

// MODE and SUBMODE of a mode text: the words the ADIF mode list files as submodes are
// written under their mode; submode empty for the others; both empty for a word that
// is no ADIF mode.
struct TAdifMode {
  std::string Mode, Submode;
};
TAdifMode ModeOf(std::string_view modeText);
// A mode text that no ADIF mode stands for (written as APP_ZORSAAR_MODE, without MODE).
bool IsForeignMode(std::string_view modeText);

}  // namespace adifexport
