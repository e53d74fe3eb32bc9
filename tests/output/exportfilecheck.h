#pragma once
// Format checks of written export files, as the organisers' checkers read them: each
// returns the faults found, empty for a sound file.

#include <string>
#include <vector>

namespace exportcheck {

// Cabrillo 3.0: START-OF-LOG first, END-OF-LOG last, every other line a "TAG: value"
// line; QSO lines with a known mode, a real date and as many sent as received tokens.
// Unknown tags are allowed.
std::vector<std::string> Cabrillo(const std::vector<std::string>& lines);
// STF: "STF1" first, a HEADER ... ENDHEADER block of keyword lines, then QSOLIST ...
// ENDQSOLIST last, each QSO line starting with a real date and time.
std::vector<std::string> Stf(const std::vector<std::string>& lines);
// REG1TEST: the first line, no line in brackets but the sections, a band in "PBand=",
// 15 fields a record with digits or nothing in the number fields, the record count in
// "[QSORecords;N]" and "CQSOs=", record dates within "TDate=", "CODXC=" naming the
// record of the greatest distance.
std::vector<std::string> Reg1Test(const std::vector<std::string>& lines);

}  // namespace exportcheck
