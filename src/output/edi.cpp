#include "output/allerout.h"

// The EDI format is not written yet: no header, no records.
void TAlleRout::WriteEDIHeader(const TContestRec&, TdbContestBase&, const TEdiTexts&) {}
void TAlleRout::WriteEDIRecord(const TContestRec&, TdbContestBase&, std::string& line,
                               TdbContestBase&) {
  line.clear();
}
