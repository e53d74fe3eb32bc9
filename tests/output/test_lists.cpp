// The QSO list, band log and CSV files of whole logs, byte for byte against golden
// files, and the rules every such file keeps.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "output/outputfixture.h"
#include "output/zeitraumeutag.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace {

class ListFiles : public OutputTest {
 protected:
  // Three QSOs on two bands with a band-change line between them, and the tallies the
  // recount leaves in the list and configuration records.
  void FillLog() {
    def_.Bands[1] = 'b';
    def_.Bands[2] = 'c';
    AddQso({.Call = "DL1AAA",
            .Datum = Day("16.07.2016"),
            .Zeit = Time("06:01:00"),
            .Band = 'b',
            .Sent = "599001",
            .Rcvd = "599012Q01",
            .Points = 2,
            .CMulti = "Q01",
            .NameQth = "Hans;Saarbrücken",
            .Loc = "JN39KF",
            .Call2 = "DF9XY"});
    AddQso({.Call = "",
            .Datum = Day("16.07.2016"),
            .Zeit = Time("06:02:00"),
            .Band = 'c',
            .Points = 0,
            .BandChange = 'B'});
    AddQso({.Call = "DK2BB/P",
            .Datum = Day("16.07.2016"),
            .Zeit = Time("06:03:00"),
            .Band = 'c',
            .Mode = "SSB",
            .Sent = "59 002",
            .Rcvd = "57 003",
            .Points = 1,
            .NameQth = "Jö;Bad;Ems",
            .Loc = "JO40AA"});
    AddQso({.Call = "OE3XYZ",
            .Datum = Day("17.07.2016"),
            .Zeit = Time("09:59:00"),
            .Band = 'b',
            .Sent = "599003",
            .Rcvd = "599004Q02",
            .Points = 3,
            .CMulti = "Q02",
            .NameQth = ";"});
    ChangeList([](TContestListRec& r) {
      r.SetRowQsos(1, 2);
      r.SetRowMultipliers(1, 2);
      r.SetRowPoints(1, 5);
      r.SetRowFirstMultiplier(1, 2);
      r.SetRowQsos(2, 1);
      r.SetRowPoints(2, 1);
    });
    TContestConfigRec c = config_->GetConfigRec();
    c.SetBandQsos(2, 3);
    c.SetBandMultipliers(2, 2);
    c.SetBandPoints(2, 6);
    c.SetBandMultiplierN(1, 2, 2);
    config_->SetConfigRec(c);
    ASSERT_TRUE(config_->Modify());
  }
  // Runs the job and checks the rules of every list file: CR LF, the indent of E-Log
  // files, no band-change line.
  std::string Job(uint8_t job, const std::string& name) {
    const std::string bytes = RunJob(job, name);
    EXPECT_FALSE(bytes.empty()) << name;
    for (const std::string& line : CrLfLines(bytes)) {
      if (job != 13) {
        EXPECT_EQ(line.substr(0, 5), "     ") << name << ": " << line;
      }
      EXPECT_EQ(line.find("0602"), std::string::npos) << name << ": band-change line";
    }
    return bytes;
  }
};

TEST_F(ListFiles, SaarContestListBandLogAndCsv) {
  MakeContest('d');
  FillLog();
  def_.Bands[3] = 'k';  // a band without QSOs still has its section
  // Three QSOs (two on 80 m), the stored 2 multipliers x 6 points.
  ExpectGolden("d.ALL", Job(7, "d.ALL"),
               {"         3 170716 0959 OE3XYZ", "(    2) x       6", "12 Punkte"});
  const std::string bnd = Job(11, "d.BND");
  ExpectGolden("d.BND", bnd, {"         2 170716 0959 OE3XYZ", "         1 160716 0603 DK2BB/P"});
  EXPECT_EQ(Occurrences(bnd, "Band-Log"), 3);
  const std::string csv = Job(13, "d.CSV");
  EXPECT_EQ(csv.substr(0, 9), "DATE;UTC;");
  EXPECT_EQ(Occurrences(csv, "\r\n"), 4);
  ExpectGolden("d.CSV", csv);
  // Every written file is reported, the band log too.
  EXPECT_EQ(Notices().filter(QStringLiteral("wurde erstellt")).size(), 3);
}

// The column of each caption of the header line holds that column's data: a caption
// starts where its column starts, the points caption ends where the points end.
TEST_F(ListFiles, HeaderCaptionsStandOverTheirColumns) {
  struct {
    bool Listener;
    std::vector<std::pair<const char*, const char*>> Columns;  // caption, data
  } const cases[] = {
      {false, {{"CALL", "DL1AAA"}, {"SENT", "599 001"}, {"RCVD", "599 012Q01"}, {"DOK", "Q01  "}}},
      {true, {{"SENT ", "599 012Q01"}, {"CALL2", "DF9XY"}, {"SENT2", "599 001"}, {"DOK", "Q01  "}}},
  };
  for (const auto& k : cases) {
    MakeContest('d');
    ChangeList([&](TContestListRec& r) { r.SetName(k.Listener ? "Listener" : "Station"); });
    def_.SWLLog = k.Listener;
    FillLog();
    const std::vector<std::string> lines = CrLfLines(Job(7, k.Listener ? "l.ALL" : "s.ALL"));
    ASSERT_GE(lines.size(), 4u);
    const std::string& header = lines[2];
    const std::string& first = lines[3];
    for (const auto& [caption, data] : k.Columns)
      EXPECT_EQ(first.substr(header.find(caption), std::string(data).size()), data)
          << caption << "\n"
          << header << "\n"
          << first;
    EXPECT_EQ(header.find_last_not_of(' '), first.find_last_not_of(' ')) << "points";
  }
}

TEST_F(ListFiles, ListenerLogShowsTheSecondCallBetweenTheExchanges) {
  MakeContest('d');
  def_.SWLLog = true;
  ToSetupEigeneStation station;
  station.SetSwlNumber("DE-1234");
  Setups().SetEigeneStation(station);
  FillLog();
  ExpectGolden(
      "swl.ALL", Job(7, "swl.ALL"),
      {"SWL : DE-1234", "         3 170716 0959 OE3XYZ", "(    2) x       6", "12 Punkte"});
  ExpectGolden("swl.BND", Job(11, "swl.BND"));
  ExpectGolden("swl.CSV", Job(13, "swl.CSV"));
}

TEST_F(ListFiles, SerialContestTakesItsTotalsFromTheConfiguration) {
  MakeContest('C');
  FillLog();
  ExpectGolden("C.ALL", Job(7, "C.ALL"),
               {"         3 170716 0959 OE3XYZ", "(    2) x       6", "12 Punkte"});
  ExpectGolden("C.BND", Job(11, "C.BND"), {"         2 170716 0959 OE3XYZ"});
  ExpectGolden("C.CSV", Job(13, "C.CSV"));
}

TEST_F(ListFiles, NameAndQthColumnIsQuotedInCsvWhenItHoldsTheSeparator) {
  MakeContest('I');
  FillLog();
  ExpectGolden("I.ALL", Job(7, "I.ALL"),
               {"         3 170716 0959 OE3XYZ", "(    2) x       6", "12 Punkte"});
  ExpectGolden("I.BND", Job(11, "I.BND"));
  const std::string csv = Job(13, "I.CSV");
  EXPECT_NE(csv.find(";\"J\xF6/Bad;Ems\"\r\n"), std::string::npos);
  ExpectGolden("I.CSV", csv);
}

TEST_F(ListFiles, EuDayLogListsOnlyTheChosenHour) {
  MakeContest('E');
  FillLog();
  desktop_.DialogHandler = [](QDialog& d) {
    auto* f = dynamic_cast<TzeitraumeutagForm*>(&d);
    if (!f) return 2;  // the file viewer
    f->show();
    f->evon->setText(QStringLiteral("06:00"));
    f->ebis->setText(QStringLiteral("06:59"));
    f->btnOKClick();
    return f->result();
  };
  const std::string all = Job(7, "E.ALL");
  EXPECT_EQ(all.find("OE3XYZ"), std::string::npos);
  // The two QSOs of the hour: 2 stored multipliers x their 3 points.
  ExpectGolden("E.ALL", all, {"         2 160716 0603 DK2BB/P", "(    2) x       3", "6 Punkte"});
}

}  // namespace
