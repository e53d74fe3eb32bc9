// libFuzzer target of the ADIF reader: any bytes as a file, through the lines, the record
// texts, the field names and every log field of every record with the mode and band
// tests. A crash, a hang or a broken promise of the reader is a finding:
//   every record text ends with its "<EOR>";
//   a value holds no '<' and no control character, and has no blank at either end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "contest/contestrec.h"
#include "foundation/strings.h"
#include "log/adifreader.h"
#include "reference/baender.h"

namespace {

void Require(bool promise) {
  if (!promise) std::abort();
}

const std::vector<std::string> kMapping = {
    "CALL (CALL)", "QSO_DATE (QSO_DATE)", "TIME_ON (TIME_ON)", "RST_SENT (RST_SENT)",
    "RST_RCVD",    "BAND (BAND)",         "FREQ (FREQ)",       "MODE (MODE)",
    "DOK (DOK)"};
const char* const kFields[] = {"CALL", "QSO_DATE", "TIME_ON", "RST_SENT", "RST_RCVD", "BAND",
                               "FREQ", "MODE",     "NAME",    "QTH",      "SRX",      "DOK"};

const TContestRec& Definition() {
  static const TContestRec def = [] {
    TContestRec d;
    d.Modes[1] = "CW";
    d.Modes[2] = "SSB";
    d.Modes[3] = "DIGITAL";
    d.Bands[1] = 'b';
    d.Bands[2] = 'c';
    return d;
  }();
  return def;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!oBaender) oBaender = new ToBaender;
  using namespace adifimport;
  const auto records =
      SplitRecords(AdifLines(std::string_view(reinterpret_cast<const char*>(data), size)));
  FieldNames(records);
  for (const std::string& record : records) {
    Require(record.size() >= 5 && record.compare(record.size() - 5, 5, "<EOR>") == 0);
    for (const char* field : kFields) {
      const std::string value = GetAdifField(record, kMapping, field, "");
      Require(value.find('<') == std::string::npos && !ToStrings::HasControls(value));
      Require(value.empty() || (value.front() != ' ' && value.back() != ' '));
      PassesModeCheck(Definition(), value);
      PassesBandCheck(Definition(), value, value);
      double mhz = 0;
      FrequencyOfText(value, mhz);
      SplitReport(value);
    }
  }
  return 0;
}
