#pragma once
// The output job dispatcher of the configuration dialog's "Drucken / E-Log" menu: one
// job number starts one printout or export file of the contest log in the list table's
// current record.

#include <cstdint>

struct TContestRec;
class TdbContest;

namespace outputjobs {

// Asks the time window of an EU-day log (code 'E') first, then begins the job, chooses
// its target and runs the writers of the job; the print job is ended and the file closed
// in every case, and a file is reported only when it was written whole.
void RunOutputJob(uint8_t job, const TContestRec& def, TdbContest& listTable,
                  TdbContest& configTable);

// Whether the job reports its file when its writers wrote it (the file jobs 7 to 15).
bool ReportsFile(uint8_t job);

}  // namespace outputjobs
