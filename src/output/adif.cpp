#include "output/allerout.h"

// The ADIF format is not written yet: no header, no records.
void TAlleRout::WriteADIFHeader(const TContestRec&) {}
void TAlleRout::WriteADIFRecord(bool, const TContestRec&, std::string& line, TdbContestBase&,
                                TdbContestBase&) {
  line.clear();
}
