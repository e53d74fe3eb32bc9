// The ADIF reader: record texts and field names of a file, the value of a log field under
// the mapping, the mode and band tests, hostile files, and a fixed, seeded set of random
// and mutated files.
#include <gtest/gtest.h>

#include <QFile>
#include <random>

#include "contest/contestrules.h"
#include "foundation/strings.h"
#include "log/adifreader.h"
#include "log/hostileadif.h"
#include "support/testdir.h"

namespace {

using namespace adifimport;

const std::vector<std::string> kSample = {"# x",
                                          "<ADIF_VER:5>3.1.0",
                                          "<EOH>",
                                          "<call:6>dl1abc <qso_date:8>20240315 <time_on:6>141500",
                                          "<mode:3>SSB <band:3>80m<freq:5>3.650 <eor>",
                                          "<CALL:4>DL9Z"};

std::string Joined(const std::vector<std::string>& v) {
  std::string s;
  for (const std::string& x : v) s += x + "|";
  return s;
}

TEST(AdifReader, RecordsOfTheFile) {
  struct Case {
    std::vector<std::string> lines;
    size_t records;
    const char* names;
  } cases[] = {
      {kSample, 1, "CALL|QSO_DATE|TIME_ON|MODE|BAND|FREQ|"},
      // Several records on one line, and one on the header's line.
      {{"<EOH><CALL:1>A<EOR><CALL:1>B<EOR><CALL:1>C<EOR>"}, 3, "CALL|"},
      {{"hdr", "<eoh> <call:1>A<eor>", "<call:1>B<eor> <call:1>C<eor>"}, 3, "CALL|"},
      // Without header the file is records only; the text before the first field belongs
      // to the first record.
      {{"<CALL:1>A", "<MODE:2>CW<EOR>", "", "  ", "<CALL:1>B<EOR>"}, 2, "CALL|MODE|"},
      {{"<PROGRAMID:3>XYZ", "<CALL:1>A<EOR>"}, 1, "PROGRAMID|CALL|"},
      // A record not ended is no record; a comment line never belongs to one.
      {{"<EOH>", "<CALL:1>A", "#<EOR>", "<MODE:2>CW"}, 0, ""},
      // A stray '<' in a value does not hide the next field; "<EOR" is no field.
      {{"<COMMENT:3>a<b<CALL:1>A<EOR>"}, 1, "COMMENT|CALL|"},
      {{"<NAME>X<QTH:2:S>YZ<eor>"}, 1, "NAME|QTH|"},
      // The end tag broken across lines (or reads) still ends the record.
      {{"<EOH>", "<CALL:1>A<E", "OR><CALL:1>B<", "EOR>"}, 2, "CALL|"},
      {{"<EOH><CALL:1>A<EOR", ">"}, 1, "CALL|"},
  };
  for (const Case& c : cases) {
    const auto records = SplitRecords(c.lines);
    EXPECT_EQ(records.size(), c.records) << Joined(c.lines);
    EXPECT_EQ(Joined(FieldNames(records)), c.names) << Joined(c.lines);
  }
  const auto records = SplitRecords({"<call:1>a<eor><call:1>b<eor>"});
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1], "<CALL:1>B<EOR>");
}

TEST(AdifReader, ValueOfALogField) {
  const std::string rec =
      "<QSO_DATE_OFF:8>20240316 <QSO_DATE:8>20240315 <TIME_ON:4>0930 <FREQ_RX:3>7.1 "
      "<FREQ:5>3.650 <RST_SENT:6>599012 <NAME:10>HANS  <X>Y <DOK:3>Q05 <SRX:3>012 "
      "<SHORT:2>ABCDEF<EOR>";
  const std::vector<std::string> map = {
      "CALL",        "QSO_DATE (QSO_DATE)", "TIME_ON (TIME_ON)", "RST_SENT",
      "FREQ (FREQ)", "Dok (DOK)",           "MODE (SHORT)",      "BAND"};
  struct Case {
    const char* field;
    const char* def;
    const char* value;
  } cases[] = {
      {"QSO_DATE", "", "15.03.2024"},  // the tag that merely starts with it is not read
      {"TIME_ON", "", "09:30"},
      {"FREQ", "", "3.650"},
      {"DOK", "", "Q05"},  // captions compare without regard to case
      {"dok", "", "Q05"},
      {"MODE", "", "ABCDEF"},  // the length in the tag is not used
      {"NAME", "", "HANS"},    // not in the list: read under its own name
      {"SRX", "", "012"},
      {"X", "", "Y"},            // a field without ':' is found, its value cut at '<'
      {"CALL", "dl1x", "DL1X"},  // unmapped: the default, upper-cased
      {"RST_SENT", "", ""},
      {"BAND", "3,650", "3,650"},
      {"QTH", "", ""},
      {"", "keep", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(GetAdifField(rec, map, c.field, c.def), c.value) << c.field;

  // Dates and times follow the log field whatever ADIF field is mapped onto it; a default
  // that is already a date stays one.
  const std::vector<std::string> m2 = {"QSO_DATE (D)", "TIME_ON (T)"};
  struct Conv {
    const char* rec;
    const char* field;
    const char* def;
    const char* value;
  } conv[] = {
      {"<D:6>240315", "QSO_DATE", "", "15.03.24"}, {"<D:8>19991231", "QSO_DATE", "", "31.12.1999"},
      {"<D:5>12345", "QSO_DATE", "", "12345"},     {"", "QSO_DATE", "15.03.24", "15.03.24"},
      {"<T:6>141500", "TIME_ON", "", "14:15:00"},  {"<T:6>14:15", "TIME_ON", "", "14:15"},
      {"<T:3>930", "TIME_ON", "", "930"}};
  for (const Conv& c : conv) EXPECT_EQ(GetAdifField(c.rec, m2, c.field, c.def), c.value) << c.rec;
}

TEST(AdifReader, ModeAndBandChecks) {
  TContestInputs in;
  in.Code = 'd';
  in.ClassNumber = 1;
  TContestRec def = BuildContestDefinition(in);
  def.Modes.Fill("");
  def.Modes[1] = "CW";
  def.Modes[2] = "SSB";
  def.Bands.Fill(0);
  def.Bands[3] = 'b';  // 80 m
  EXPECT_TRUE(PassesModeCheck(def, "SSB"));
  EXPECT_FALSE(PassesModeCheck(def, "USB"));
  EXPECT_FALSE(PassesModeCheck(def, ""));
  def.Modes[5] = "DIGITAL";
  EXPECT_TRUE(PassesModeCheck(def, "USB"));
  EXPECT_TRUE(PassesModeCheck(def, "RTTY"));
  EXPECT_FALSE(PassesModeCheck(def, "FM"));
  EXPECT_FALSE(PassesModeCheck(def, ""));

  struct Case {
    const char* freq;
    const char* band;
    bool passes;
  } cases[] = {{"3.650", "", true}, {"3,650", "40M", true}, {"7.050", "80M", false},
               {"", "80M", true},   {"", "80m", true},      {"", "80 m", true},
               {"", "40M", false},  {"abc", "80M", false},  {"3.6.5", "", false},
               {"", "", false},     {"-3.6", "", false}};
  for (const Case& c : cases)
    EXPECT_EQ(PassesBandCheck(def, c.freq, c.band), c.passes) << c.freq << " " << c.band;
  double mhz = 0;
  EXPECT_TRUE(FrequencyOfText(" 14,025 ", mhz));
  EXPECT_DOUBLE_EQ(mhz, 14.025);
}

TEST(AdifReader, ReportSplit) {
  struct Case {
    const char* text;
    const char* parts;
  } cases[] = {{"599012", "599|012||"}, {"599012/A", "599|012|A|"}, {"59", "59|||"},
               {"599", "599|||"},       {"599/X", "599||X|"},       {"", "|||"}};
  for (const Case& c : cases) {
    const TReportParts p = SplitReport(c.text);
    EXPECT_EQ(p.Report + "|" + p.Field2 + "|" + p.Field3 + "|", c.parts) << c.text;
  }
}

TEST(AdifReader, UmlautsInEitherEncoding) {
  TTestDir dir;
  for (const char* bytes : {"<EOH><NAME:6>M\xC3\xBCller<EOR>", "<EOH><NAME:6>M\xFCller<EOR>"}) {
    QFile f(QStringLiteral("u.adi"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    std::vector<std::string> lines;
    ASSERT_TRUE(LoadAdifLines("u.adi", lines));
    const auto records = SplitRecords(lines);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(GetAdifField(records[0], {}, "NAME", ""), "M\xDCLLER");
  }
  std::vector<std::string> lines;
  EXPECT_FALSE(LoadAdifLines("missing.adi", lines));
}

// Files no logbook should write, from the disk through the reader: the records that
// end, their values without control characters.
TEST(AdifReader, HostileFiles) {
  TTestDir dir;
  for (const hostileadif::TFile& f : hostileadif::Corpus()) {
    ASSERT_TRUE(hostileadif::Write(QStringLiteral("h.adi"), f.Bytes));
    std::vector<std::string> lines;
    ASSERT_TRUE(LoadAdifLines("h.adi", lines)) << f.Label;
    const auto records = SplitRecords(lines);
    ASSERT_EQ(records.size(), f.Records) << f.Label;
    const std::string names = Joined(FieldNames(records));
    if (records.empty()) continue;
    EXPECT_NE(names.find("CALL|"), std::string::npos) << f.Label;
    EXPECT_EQ(GetAdifField(records[0], {}, "CALL", ""), f.Call) << f.Label;
    EXPECT_EQ(GetAdifField(records[0], {}, "NAME", ""), f.Name) << f.Label;
    for (const char* field : {"QTH", "DOK", "MODE"})
      EXPECT_FALSE(ToStrings::HasControls(GetAdifField(records[0], {}, field, ""))) << f.Label;
  }
}

// Random and mutated files through the reader and every log field: no crash, no hang,
// and every record the reader gives ends a record. The seed fixes the inputs, so a run
// is the same on every machine.
TEST(AdifReader, FuzzBounded) {
  std::mt19937 rng(20240315);
  const std::string alphabet = "<>:/#EORHCALQSO_DTIMNFRBxyz0123456789 .,\t\r\n\xE4\xC3\xBC\xFC";
  const std::string sample =
      "<EOH>\n<call:6>dl1abc <qso_date:8>20240315 <time_on:6>141500 <mode:3>SSB <band:3>80m"
      "<freq:5>3.650 <rst_sent:8>599012/A <name:6>M\xC3\xBCller <eor>\n";
  const std::vector<std::string> map = {
      "CALL (CALL)", "QSO_DATE (QSO_DATE)", "TIME_ON (TIME_ON)", "RST_SENT (RST_SENT)",
      "BAND (BAND)", "FREQ (FREQ)",         "MODE (MODE)",       "DOK"};
  const char* fields[] = {"CALL", "QSO_DATE", "TIME_ON", "RST_SENT", "RST_RCVD", "BAND", "FREQ",
                          "MODE", "NAME",     "QTH",     "SRX",      "DOK",      "<",    ":"};
  TContestInputs in;
  in.Code = 'd';
  const TContestRec def = BuildContestDefinition(in);
  for (int run = 0; run < 3000; ++run) {
    std::string text;
    if (rng() % 2) {
      const size_t n = rng() % 400;
      for (size_t i = 0; i < n; ++i) text += alphabet[rng() % alphabet.size()];
    } else {
      text = sample + sample;
      for (int m = int(rng() % 8); m >= 0; --m) {
        const size_t at = rng() % (text.size() + 1);
        switch (rng() % 3) {
          case 0: text.insert(at, 1, alphabet[rng() % alphabet.size()]); break;
          case 1:
            if (at < text.size()) text.erase(at, 1 + rng() % 10);
            break;
          default:
            if (at < text.size()) text[at] = char(rng() % 256);
        }
      }
    }
    std::vector<std::string> lines;
    size_t start = 0, nl;
    while ((nl = text.find('\n', start)) != std::string::npos) {
      lines.push_back(text.substr(start, nl - start));
      start = nl + 1;
    }
    lines.push_back(text.substr(start));
    const auto records = SplitRecords(lines);
    FieldNames(records);
    for (const std::string& r : records) {
      ASSERT_GE(r.size(), 5u);
      ASSERT_EQ(r.substr(r.size() - 5), "<EOR>");
      for (const char* f : fields) {
        const std::string v = GetAdifField(r, map, f, "");
        ASSERT_EQ(v.find('<'), std::string::npos);
        PassesBandCheck(def, v, v);
        PassesModeCheck(def, v);
        SplitReport(v);
      }
    }
  }
}

}  // namespace
