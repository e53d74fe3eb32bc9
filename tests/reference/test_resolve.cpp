#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <cstdio>

#include "foundation/dates.h"
#include "prefixfixture.h"

namespace prefixtest {
namespace {

using namespace prefixrec;

class Resolution : public PrefixFiles {
 protected:
  void SetUp() override {
    PrefixFiles::SetUp();
    Add({.Prefix = "DL", .Dxcc = "DL", .Country = "Germany", .AdifNr = 230});
    Add({.Prefix = "OE", .Dxcc = "OE", .Country = "Austria", .AdifNr = 206});
    Add({.Prefix = "SV", .Dxcc = "SV", .Country = "Greece"});
    Add({.Prefix = "SV/A", .Dxcc = "SV/A", .Country = "Mount Athos"});
    Add({.Prefix = "9A", .Dxcc = "9A", .Country = "Croatia"});
    Add({.Prefix = "W", .Dxcc = "K", .Country = "United States"});
  }
};

TEST_F(Resolution, LongestPrefixAndTheDistrictDigit) {
  TdbPrefix t;
  struct Case {
    const char* call;
    int result;
    const char* prefix;
    const char* dxcc;
  };
  const Case cases[] = {
      {"DL1ABC", 0, "DL1", "DL"},   {"dl1abc", 0, "DL1", "DL"},
      {"DL1ABC/P", 0, "DL1", "DL"}, {"9A1XY", 0, "9A", "9A"},
      {"W1AW", 0, "W1", "K"},       {"SV2XX/A", 0, "SV/A", "SV/A"},
      {"SV2XX", 0, "SV2", "SV"},    {"OE/DL1ABC", 0, "OE", "OE"},
      {"12345", 1, "", ""},         {"", 1, "", ""},
      {"XZ9ZZ", 1, "", ""},         {"DL1ABC/OE2", 0, "OE2", "OE"},
      {"W1AW/4", 0, "W4", "K"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Resolve(t, c.call), c.result) << c.call;
    EXPECT_EQ(t.GetPrefix(), c.prefix) << c.call;
    EXPECT_EQ(t.GetDXCC(), c.dxcc) << c.call;
  }
}

TEST_F(Resolution, NotFoundLeavesNoOtherEntitysData) {
  TdbPrefix t;
  ASSERT_EQ(Resolve(t, "OE1XYZ"), 0);
  EXPECT_EQ(Resolve(t, "QQ1XYZ"), 1);
  EXPECT_EQ(t.GetDXCC(), "");
  EXPECT_EQ(t.GetCountry(), "");
  EXPECT_EQ(t.GetADIFNr(), 0);
}

TEST_F(Resolution, RangesOfPrefixes) {
  Add({.Prefix = "DR", .Dxcc = "DA", .RangeStart = 'A'});
  Add({.Prefix = "EH9", .Dxcc = "EA9", .RangeStart = '7'});
  TdbPrefix t;
  // DL itself is listed; DM..DR come through the range entry DR.
  EXPECT_EQ(Resolve(t, "DM5XX"), 0);
  EXPECT_EQ(t.GetDXCC(), "DA");
  EXPECT_EQ(t.GetPrefix(), "DM5");  // the range names the call's letter; the digit follows
  EXPECT_EQ(Resolve(t, "DS1XX"), 1);
  EXPECT_EQ(Resolve(t, "EH8ABC"), 0);
  EXPECT_EQ(t.GetPrefix(), "EH8");
  EXPECT_EQ(Resolve(t, "EH6ABC"), 1);
}

TEST_F(Resolution, TheRangeEntryServesEveryPrefixBelowItWithoutOwnEntry) {
  // With DR ranging from A and no entry between, DL resolves through DR; the result prefix
  // takes the call's letter and, as every two-letter prefix, the district digit.
  oDatPrefix->CloseFileSet(7, false, false, true);
  std::remove((dir_.Path() + "BMPREFIX.db").c_str());
  PrefixFiles::SetUp();
  Add({.Prefix = "DR", .Dxcc = "DL", .RangeStart = 'A'});
  TdbPrefix t;
  EXPECT_EQ(Resolve(t, "DL1XX"), 0);
  EXPECT_EQ(t.GetPrefix(), "DL1");
  EXPECT_EQ(t.GetDXCC(), "DL");
  EXPECT_EQ(Resolve(t, "DS1XX"), 1);
}

TEST_F(Resolution, WildcardsTakeTheCallsCharacter) {
  Add({.Prefix = "VP2~", .Dxcc = "VP2E"});
  Add({.Prefix = "KH?", .Dxcc = "KH6"});
  TdbPrefix t;
  EXPECT_EQ(Resolve(t, "VP2EAB"), 0);
  EXPECT_EQ(t.GetPrefix(), "VP2E");
  EXPECT_EQ(t.GetDXCC(), "VP2E");
  EXPECT_EQ(Resolve(t, "KH6XY"), 0);
  EXPECT_EQ(t.GetPrefix(), "KH6");
  EXPECT_EQ(t.GetDXCC(), "KH6");
}

TEST_F(Resolution, CandidateLoopsEndInsteadOfRunningForever) {
  Add({.Prefix = "D~A", .Dxcc = "D2"});
  Add({.Prefix = "XX", .Dxcc = "XX", .WiePref = "XX"});  // like-prefix leads back to itself
  TdbPrefix t;
  EXPECT_EQ(Resolve(t, "D1XYZ"), 1);
  EXPECT_EQ(Resolve(t, "XX1AB"), 1);
}

TEST_F(Resolution, ValidityDates) {
  const int32_t today = ToDates::TodayUTC();
  Add({.Prefix = "Z3", .Dxcc = "Z3", .ValidFrom = Day(1993, 9, 1)});
  Add({.Prefix = "Z6", .Dxcc = "Z6", .ValidFrom = today + 10});
  Add({.Prefix = "Y2", .Dxcc = "Y2", .ValidUntil = Day(1990, 10, 2)});
  TdbPrefix t;
  EXPECT_EQ(Resolve(t, "Z31AB", Day(1992, 1, 1)), 2);
  EXPECT_EQ(Resolve(t, "Z31AB", Day(1993, 9, 1)), 0);
  EXPECT_EQ(Resolve(t, "Z60A", 0), 2);  // date 0: today, before the entry is valid
  EXPECT_EQ(Resolve(t, "Z60A", today + 10), 0);
  EXPECT_EQ(Resolve(t, "Y21AB", Day(1990, 10, 2)), 0);
  EXPECT_EQ(Resolve(t, "Y21AB", Day(1990, 10, 3)), 2);
  EXPECT_EQ(t.GetDXCC(), "Y2");  // an entry out of its dates stays readable
}

TEST_F(Resolution, DatedRedirections) {
  Add({.Prefix = "4N5", .Dxcc = "4N5", .Country = "Macedonia (old)"});
  Add({.Prefix = "Z3",
       .Dxcc = "Z3",
       .Country = "North Macedonia",
       .OldPrefix = "4N5",
       .OldPrefixUntil = Day(1993, 9, 1)});
  Add({.Prefix = "T9", .Dxcc = "T9", .Country = "Bosnia (old)"});
  Add({.Prefix = "E7",
       .Dxcc = "E7",
       .Country = "Bosnia",
       .Dxcc2 = "T9",
       .Dxcc2Until = Day(2007, 1, 1)});
  Add({.Prefix = "P4", .Dxcc = "P4", .OldPrefix = "PJ9", .OldPrefixUntil = Day(1990, 1, 1)});
  TdbPrefix t;
  ASSERT_EQ(Resolve(t, "Z31AB", Day(1993, 1, 1)), 0);
  EXPECT_EQ(t.GetDXCC(), "4N5");
  EXPECT_EQ(t.GetPrefix(), "Z3");  // the call's own prefix is kept
  ASSERT_EQ(Resolve(t, "Z31AB", Day(1994, 1, 1)), 0);
  EXPECT_EQ(t.GetDXCC(), "Z3");
  ASSERT_EQ(Resolve(t, "E71A", Day(2006, 5, 1)), 0);
  EXPECT_EQ(t.GetCountry(), "Bosnia (old)");
  EXPECT_EQ(t.GetPrefix(), "E7");
  ASSERT_EQ(Resolve(t, "E71A", Day(2008, 5, 1)), 0);
  EXPECT_EQ(t.GetCountry(), "Bosnia");
  EXPECT_EQ(Resolve(t, "P40A", Day(1989, 1, 1)), 1);  // the old prefix has no entry
}

TEST_F(Resolution, LikePrefixes) {
  Add({.Prefix = "DA", .Dxcc = "", .WiePref = "DL"});     // same length: the call goes on
  Add({.Prefix = "DA0", .Dxcc = "", .WiePref = "OE"});    // another length: OE's entry
  Add({.Prefix = "4U1V", .Dxcc = "", .WiePref = "OE#"});  // ends in "#": the rest follows
  Add({.Prefix = "ZZ", .Dxcc = "", .WiePref = "QQ"});     // leads nowhere
  Add({.Prefix = "ZY", .Dxcc = "", .WiePref = "-NT"});    // names no prefix at all
  TdbPrefix t;
  ASSERT_EQ(Resolve(t, "DA1ABC"), 0);
  EXPECT_EQ(t.GetDXCC(), "DL");
  EXPECT_EQ(t.GetPrefix(), "DA1");
  ASSERT_EQ(Resolve(t, "DA0ABC"), 0);
  EXPECT_EQ(t.GetDXCC(), "OE");
  EXPECT_EQ(t.GetPrefix(), "DA0");
  ASSERT_EQ(Resolve(t, "4U1VIC"), 0);
  EXPECT_EQ(t.GetDXCC(), "OE");
  EXPECT_EQ(t.GetPrefix(), "4U1V");
  EXPECT_EQ(Resolve(t, "ZZ1AB"), 1);
  EXPECT_EQ(Resolve(t, "ZY1AB"), 1);
}

TEST_F(Resolution, RedirectionFormsAndTheEntityAtADate) {
  Add({.Prefix = "UA", .Dxcc = "UA", .Country = "Russia", .ValidFrom = Day(2000, 1, 1)});
  Add({.Prefix = "XY1", .WiePref = "UA-NT"});  // "-NT": the like-prefix as of today
  Add({.Prefix = "XV1", .WiePref = "UA"});     // without it: as of the QSO date
  Add({.Prefix = "FT?W", .Dxcc = "FT5W", .Country = "Crozet"});
  Add({.Prefix = "XX", .Dxcc = "XX", .OldPrefix = "FT5W", .OldPrefixUntil = Day(2000, 1, 1)});
  Add({.Prefix = "RA9", .Dxcc = "RA9", .Country = "Asiatic Russia"});
  Add({.Prefix = "UA9", .Dxcc = "UA9", .Dxcc2 = "RA", .Dxcc2Until = Day(2000, 1, 1)});
  Add({.Prefix = "KH8-", .Dxcc = "KH8", .Country = "American Samoa"});
  Add({.Prefix = "YY", .Dxcc = "YY", .OldPrefix = "KH8-", .OldPrefixUntil = Day(2000, 1, 1)});
  Add({.Prefix = "TX", .Dxcc = "FK/C", .Menue = "1", .Country = "Chesterfield"});
  Add({.Prefix = "TX", .Dxcc = "FO", .Menue = "2", .Country = "French Polynesia"});
  Add({.Prefix = "FO0", .WiePref = "TX-2"});  // prefix and menu number: no question
  const int32_t y1990 = Day(1990, 1, 1), y2001 = Day(2001, 1, 1);
  struct Case {
    const char* call;
    int32_t date;
    int result;
    const char* prefix;
    const char* country;
  };
  const Case cases[] = {
      {"XY1A", y1990, 0, "XY1", "Russia"},
      {"XV1A", y1990, 2, "XV1", "Russia"},
      {"XX1A", y1990, 0, "XX1", "Crozet"},  // "FT5" is stored as "FT?"
      {"XX1A", y2001, 0, "XX1", ""},
      {"UA9ABC", y1990, 0, "UA9", "Asiatic Russia"},  // "RA" takes the call's digit
      {"YY1A", y1990, 0, "YY1", "American Samoa"},    // the designation drops its "-"
      {"FO0ABC", y1990, 0, "FO0", "French Polynesia"},
  };
  TdbPrefix t;
  for (const Case& c : cases) {
    TPrefQso qso{c.call, "", "", ""};
    uint8_t status = 0;
    EXPECT_EQ(t.ResolveCall(c.call, c.date, false, nullptr, nullptr, status, &qso, true), c.result)
        << c.call;
    EXPECT_EQ(t.GetPrefix(), c.prefix) << c.call;
    EXPECT_EQ(t.GetCountry(), c.country) << c.call;
  }
  EXPECT_EQ(desktop_.DialogsRun, 0);

  // The prefix list's view of an entry: its entity as of a date.
  ASSERT_TRUE(t.SearchKey(PrefixKey("XX"), kKeyPrefix));
  EXPECT_EQ(t.DxccAtDate(y1990), "FT5W");
  EXPECT_EQ(t.DxccAtDate(y2001), "XX");
  t.RefreshAtDate(y1990);
  EXPECT_EQ(t.GetCountry(), "Crozet");
  ASSERT_TRUE(t.SearchKey(PrefixKey("UA"), kKeyPrefix));
  t.RefreshAtDate(y1990);
  EXPECT_EQ(t.GetCountry(), "not current");
}

TEST_F(Resolution, SecondaryFilesAnswerFirst) {
  Add({.Prefix = "DL1ABC", .Dxcc = "OE"}, kSingleCalls);
  Add({.Prefix = "DL0X", .Dxcc = "E5/N", .WholeCall = 'J'}, kCallGroups);
  Add({.Prefix = "DL0LONGC", .Dxcc = "DL", .Zus = "ALL"}, kSingleCalls);
  TdbPrefix t;
  uint8_t status = 9;
  EXPECT_EQ(t.ResolveCall("DL1ABC", 0, true, nullptr, nullptr, status, nullptr, false), 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(t.GetDXCC(), "OE");
  EXPECT_EQ(t.GetADIFNr(), 206);  // the entity number of its DXCC in the built-in list
  // The single-call entry matches only the whole call.
  EXPECT_EQ(t.ResolveCall("DL1ABCD", 0, true, nullptr, nullptr, status, nullptr, false), 0);
  EXPECT_EQ(t.GetDXCC(), "DL");
  TdbPrefix ee(kSingleCalls), es(kCallGroups);
  EXPECT_EQ(t.ResolveCall("DL0XYZ", 0, true, &ee, &es, status, nullptr, false), 0);
  EXPECT_EQ(t.GetDXCC(), "E5/N");
  EXPECT_EQ(t.GetADIFNr(), 191);
  // Without the check the secondary files are not asked.
  EXPECT_EQ(t.ResolveCall("DL0XYZ", 0, false, &ee, &es, status, nullptr, false), 0);
  EXPECT_EQ(t.GetDXCC(), "DL");
}

TEST_F(Resolution, AdifNumberAndOutOfDate) {
  Add({.Prefix = "Y2", .Dxcc = "Y2", .ValidUntil = Day(1990, 10, 2), .AdifNr = 229});
  Add({.Prefix = "FK/C", .Dxcc = "FK/C", .AdifNr = 512}, kCallGroups);
  TdbPrefix t;
  EXPECT_EQ(t.AdifNumberOfDxcc(" DL "), "230");
  EXPECT_EQ(t.AdifNumberOfDxcc("FK/C"), "512");
  EXPECT_EQ(t.AdifNumberOfDxcc("XX"), "");
  EXPECT_EQ(t.AdifNumberOfDxcc(""), "");
  ASSERT_EQ(Resolve(t, "Y21AB", Day(1990, 1, 1)), 0);
  EXPECT_TRUE(t.IsOutOfDate());
  ASSERT_EQ(Resolve(t, "DL1AB"), 0);
  EXPECT_FALSE(t.IsOutOfDate());
}

class Choice : public Resolution {
 protected:
  void SetUp() override {
    Resolution::SetUp();
    Add({.Prefix = "TX", .Dxcc = "FK/C", .Menue = "1", .Country = "Chesterfield"});
    Add({.Prefix = "TX", .Dxcc = "FO", .Menue = "2", .Country = "French Polynesia"});
    Add({.Prefix = "TX", .Dxcc = "FO/M", .Menue = "3", .Country = "Marquesas"});
  }
  int ResolveQso(TdbPrefix& t, const std::string& call, const std::string& dxcc, bool mayAsk,
                 uint8_t& status) {
    TPrefQso qso{call, "Hans", "Papeete", dxcc};
    TdbPrefix ee(kSingleCalls), es(kCallGroups);
    return t.ResolveCall(call, 0, true, &ee, &es, status, &qso, mayAsk);
  }
};

TEST_F(Choice, NoQuestionWhenTheQsoSettlesItOrAskingIsNotAllowed) {
  struct Case {
    const char* qsoDxcc;
    bool mayAsk;
    const char* dxcc;
  };
  // The QSO's DXCC picks its candidate; without leave to ask the first entry stands.
  for (const Case& c :
       {Case{"FO", true, "FO"}, Case{"FO/M", false, "FO/M"}, Case{"", false, "FK/C"}}) {
    TdbPrefix t;
    uint8_t status = 9;
    ASSERT_EQ(ResolveQso(t, "TX5ABC", c.qsoDxcc, c.mayAsk, status), 0) << c.qsoDxcc;
    EXPECT_EQ(t.GetDXCC(), c.dxcc) << c.qsoDxcc;
    EXPECT_EQ(status, 0);
  }
  EXPECT_EQ(desktop_.DialogsRun, 0);
}

TEST_F(Choice, ChosenEntityIsRememberedForTheCall) {
  int shown = 0;
  desktop_.DialogHandler = [&shown](QDialog& d) {
    ++shown;
    auto* take = d.findChild<QWidget*>(QStringLiteral("BtnUebernahme"));
    auto* row = d.findChild<QWidget*>(QStringLiteral("Row3"));
    if (!take || !row) return 2;
    QTest::mouseClick(row, Qt::LeftButton);
    QTest::mouseClick(take, Qt::LeftButton);
    return d.result();
  };
  TdbPrefix t;
  uint8_t status = 0;
  ASSERT_EQ(ResolveQso(t, "TX5ABC", "", true, status), 0);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(t.GetDXCC(), "FO/M");
  // Next time the call is known from the single-call file: no question.
  ASSERT_EQ(ResolveQso(t, "TX5ABC", "", true, status), 0);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(t.GetDXCC(), "FO/M");
  // A call of three characters is not remembered.
  ASSERT_EQ(ResolveQso(t, "TX5", "", true, status), 0);
  ASSERT_EQ(ResolveQso(t, "TX5", "", true, status), 0);
  EXPECT_EQ(shown, 3);
}

TEST_F(Choice, CancelledChoiceKeepsTheEntryFound) {
  desktop_.DialogHandler = [](QDialog&) { return 2; };
  TdbPrefix t;
  uint8_t status = 0;
  ASSERT_EQ(ResolveQso(t, "TX5ABC", "", true, status), 0);
  EXPECT_EQ(status, 2);
  EXPECT_EQ(t.GetDXCC(), "FK/C");
  TdbPrefix ee(kSingleCalls);
  EXPECT_FALSE(ee.FindCallEntry("TX5ABC"));
}

}  // namespace
}  // namespace prefixtest
