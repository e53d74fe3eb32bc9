#pragma once
// Reading the QSOs of an ADIF file written by another logbook: the file as record texts,
// the field names it uses, the value of one log field in a record under the operator's
// mapping, and the mode and band tests an imported record must pass. Pure text work on
// Windows-1252 strings, so it is tested without a window.

#include <string>
#include <string_view>
#include <vector>

struct TContestRec;

namespace adifimport {

// The record texts of the file's lines, upper-cased, each ending with its "<EOR>". Lines
// starting with '#' are comments; "<EOH>" ends the header (what follows it on that line
// belongs to the records); text after the last "<EOR>" is no record. A line may hold
// several records, and a file without header reads as records only.
std::vector<std::string> SplitRecords(const std::vector<std::string>& lines);

// The field names of the records, each once, in the order they first appear ("EOR" is
// none).
std::vector<std::string> FieldNames(const std::vector<std::string>& records);

// The bytes of a file as lines of Windows-1252 text; a file in UTF-8 is converted, so
// umlauts read the same either way.
std::vector<std::string> AdifLines(std::string_view bytes);
// The lines of the file; false when it cannot be read.
bool LoadAdifLines(const std::string& fileName, std::vector<std::string>& lines);

// The trimmed value of the tag in an upper-cased record: the text after the '>' of the
// first "<TAG:" or "<TAG>" up to the next '<', control characters as blanks. The length
// in the tag is not used, so a value is read whole up to the next tag. Empty when the
// tag is absent.
std::string FindValue(std::string_view record, std::string_view tag);

// The mapped entry of the log list: "CALL (CALL)".
std::string MappedEntry(std::string_view logField, std::string_view adifField);
// The log field name of an entry of the log list ("CALL" of "CALL (CALL)").
std::string LogFieldOfEntry(std::string_view entry);
// The ADIF field of a mapped entry ("CALL" of "CALL (CALL)"); empty when unmapped.
std::string AdifFieldOfEntry(std::string_view entry);

// The value of a log field in a record: read under the ADIF field mapped onto it (the log
// list's entry of the field, compared without regard to case), under its own name when
// the log list has no entry for it, nothing when the entry is unmapped; the default when
// that gives an empty value. A date of eight (YYYYMMDD) or six digits (YYMMDD) of the log
// field QSO_DATE becomes "DD.MM.YYYY" or "DD.MM.YY", a time of six or four digits of
// TIME_ON "HH:MM:SS" or "HH:MM"; other values stay as they are.
std::string GetAdifField(std::string_view record, const std::vector<std::string>& mapping,
                         std::string_view logField, std::string_view defaultText);

// The mode passes when the contest lists it, or lists DIGITAL and it is none of CW, SSB
// and FM. An empty mode is a missing one and never passes.
bool PassesModeCheck(const TContestRec& def, std::string_view mode);
// The band passes when the frequency or, failing that, the band text names one of the
// contest's bands. A frequency text that is no number never passes.
bool PassesBandCheck(const TContestRec& def, std::string_view frequencyText,
                     std::string_view bandText);
// A frequency text in MHz with '.' or ',' as decimal point; false when it is no positive
// number.
bool FrequencyOfText(std::string_view text, double& mhz);

// A report with more behind it: the first three characters are the report, the rest the
// next field, or the two fields around its first '/'. A text of up to three characters is
// the report alone.
struct TReportParts {
  std::string Report, Field2, Field3;
  bool HasSlash = false;  // Field3 was given (perhaps empty)
};
TReportParts SplitReport(std::string_view text);

}  // namespace adifimport
