#pragma once
// Builds the prefix files from the country file (cty.csv of Debian's hamradio-files): a
// BMPREFIX record per prefix of every current entity and WAE area, records of the deleted
// entities of the built-in list, and a BMPREFEE record per exact call that fits the
// 6-character field.
// The records are written through the prefix tables, so their keys are the program's own.

#include <istream>
#include <string>

namespace prefixgen {

struct TGenReport {
  int Entities = 0;             // DXCC entities read from the country file
  int WaeAreas = 0;             // WAE areas of their own within a DXCC entity
  int Prefixes = 0;             // BMPREFIX records of current entities
  int DeletedEntities = 0;      // BMPREFIX records of deleted entities
  int DeletedWithoutDate = 0;   // of those, how many have no known last day
  int ExactCalls = 0;           // BMPREFEE records
  int LongCallsLeftOut = 0;     // exact calls longer than the field
  int LongPrefixesLeftOut = 0;  // prefixes longer than the field
  std::string Error;            // why the files could not be written
};

// Writes into the prefix files, which must be open (all three) and empty. False with
// report.Error set when the country file holds no entity or a write fails.
bool WritePrefixFiles(std::istream& countryFile, TGenReport& report);

// The report as the generator prints it.
std::string ReportText(const TGenReport& report);

}  // namespace prefixgen
