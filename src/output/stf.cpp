#include "output/allerout.h"

// The STF format is not written yet: no header, no lines.
void TAlleRout::WriteSTFHeader(const std::string&, const TContestRec&, TdbContestBase&,
                               TdbContestBase&) {}
void TAlleRout::WriteSTFLine(const TContestRec&, TdbContestBase&, std::string& line,
                             TdbContestBase&) {
  line.clear();
}
void TAlleRout::WriteSTFEnd() {}
