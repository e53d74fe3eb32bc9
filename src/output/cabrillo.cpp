#include "output/allerout.h"

// The Cabrillo format is not written yet: no header, no lines.
void TAlleRout::WriteCabrilloHeader(const std::string&, const TContestRec&, TdbContestBase&,
                                    TdbContestBase&) {}
void TAlleRout::WriteCabrilloLine(const TContestRec&, TdbContestBase&, std::string& line,
                                  TdbContestBase&) {
  line.clear();
}
void TAlleRout::WriteCabrilloEnd() {}
