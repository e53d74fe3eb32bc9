// EDI files of VHF/UHF logs: the REG1TEST rules, the participant form and the texts it
// keeps in "editemp.txt".
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "exportfilecheck.h"
#include "exportfixture.h"
#include "foundation/cp1252.h"
#include "foundation/memofile.h"
#include "output/allerout.h"
#include "output/ediparticipant.h"
#include "output/outputfixture.h"
#include "output/uhfteilnehmer.h"
#include "output/zeitraumeutag.h"
#include "support/testdir.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace {

class EdiFiles : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    ToSetupEigeneStation st;
    st.SetName("Jörg Müller");
    st.SetStreet("Hauptstr. 1");
    st.SetPostcodeTown("Saarbrücken");
    st.SetLocator("JN39LG");
    st.SetDOK("Q01");
    Setups().SetEigeneStation(st);
    // The form is answered by the test; the file viewer afterwards is closed.
    desktop_.DialogHandler = [this](QDialog& d) {
      auto* form = dynamic_cast<Tuhfteilnehmer*>(&d);
      if (!form) return 2;
      ++forms_;
      return onForm_ ? onForm_(*form) : 1;
    };
  }
  // Three QSOs on 2 m around a band-change line, and one outside the log's dates.
  void FillLog() {
    const int32_t day = Day("07.03.2025");
    AddQso({.Call = "DK2XY",
            .Datum = day,
            .Zeit = Time("14:01:00"),
            .Band = 'k',
            .Sent = "599001/",
            .Rcvd = "599012/B",
            .Points = 120,
            .Loc = "JO31AB"});
    AddQso({.Call = "", .Datum = day, .Zeit = Time("14:02:00"), .Band = 'l', .BandChange = 'B'});
    AddQso({.Call = "PA3ZZ",
            .Datum = day,
            .Zeit = Time("14:03:00"),
            .Band = 'k',
            .Mode = "SSB",
            .Sent = "59002",
            .Rcvd = "59017",
            .Points = 300,
            .Loc = "JO22XX"});
    AddQso({.Call = "DL1QQ",
            .Datum = Day("08.03.2025"),
            .Zeit = Time("09:00:00"),
            .Band = 'k',
            .Sent = "599003",
            .Rcvd = "599004",
            .Points = 20,
            .Loc = "JN39LG"});
    TdbContest log(TdbContestBase::kQsoLog, 0, contest_);
    for (bool ok = log.First(4); ok; ok = log.NextRecord(4)) {
      TContestQSORec r = log.GetQSORec();
      r.SetDistance(r.Points());  // a kilometre a point
      r.SetDXCC(r.Call() == "PA3ZZ" ? "PA" : "DL");
      log.SetQSORec(r);
      ASSERT_TRUE(log.Modify());
    }
  }
  std::vector<std::string> Edi(const std::string& name) {
    const auto lines = CrLfLines(RunJob(15, name));
    const auto faults = exportcheck::Reg1Test(lines);
    EXPECT_TRUE(faults.empty()) << name << ": " << (faults.empty() ? "" : faults.front());
    return lines;
  }
  int forms_ = 0;
  std::function<int(Tuhfteilnehmer&)> onForm_;
};

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(EdiFiles, VhfLogFollowsTheRules) {
  MakeContest('e', 1);
  ChangeList([](TContestListRec& r) {
    r.SetDatumVon(Day("07.03.2025"));
    r.SetDatumBis(Day("08.03.2025"));
  });
  FillLog();
  onForm_ = [](Tuhfteilnehmer& f) {
    EXPECT_EQ(Tuhfteilnehmer::Text(f.pcall), "DL1ABC");
    EXPECT_EQ(Tuhfteilnehmer::Text(f.psect), "S");  // "Sektion A - 144MHz"
    EXPECT_EQ(Tuhfteilnehmer::Text(f.rpoco), "");
    EXPECT_EQ(Tuhfteilnehmer::Text(f.rcity), "Saarbrücken");
    f.rremarks->setPlainText(QStringLiteral("IC-9700; 10 Elemente"));
    return 1;
  };
  const auto lines = Edi("e.EDI");
  EXPECT_EQ(forms_, 1);
  EXPECT_TRUE(Has(lines, "TDate=20250307;20250308"));
  EXPECT_TRUE(Has(lines, "CQSOs=3;1"));
  EXPECT_TRUE(Has(lines, "CODXC=PA3ZZ;JO22XX;300"));
  EXPECT_TRUE(Has(lines, "250307;1401;DK2XY;2;599;001;599;012;B;JO31AB;120;;;;"));
  EXPECT_TRUE(Has(lines, "PClub=DARC;Q01"));
  const auto remarks = std::find(lines.begin(), lines.end(), "[Remarks]");
  ASSERT_NE(remarks, lines.end());
  EXPECT_EQ(remarks[1], "IC-9700; 10 Elemente");
}

TEST_F(EdiFiles, LogWithoutDatesAndTheKeptTexts) {
  MakeContest('e', 2);
  FillLog();
  ASSERT_TRUE(
      memofile::SaveLines("editemp.txt", {"VFDB", "Z11", "a@b.de", "750 W", "IC-9700", "GW4CQT"}));
  onForm_ = [](Tuhfteilnehmer& f) {
    EXPECT_EQ(Tuhfteilnehmer::Text(f.pclub1), "VFDB");
    EXPECT_EQ(Tuhfteilnehmer::Text(f.pclub2), "Z11");
    EXPECT_EQ(Tuhfteilnehmer::Text(f.remail), "a@b.de");
    EXPECT_EQ(Tuhfteilnehmer::Text(f.rpower), "750 W");
    EXPECT_EQ(Tuhfteilnehmer::Text(f.rtrx), "IC-9700");
    EXPECT_EQ(Tuhfteilnehmer::Text(f.rant), "GW4CQT");
    f.rpower->setText(QStringLiteral("100 W"));
    return 2;  // closed without OK: the header takes the texts all the same
  };
  const auto lines = Edi("e2.EDI");
  EXPECT_TRUE(Has(lines, "TDate=0;0"));
  EXPECT_TRUE(Has(lines, "SPowe=100 W"));
  std::vector<std::string> kept;
  ASSERT_TRUE(memofile::LoadLines("editemp.txt", kept));
  EXPECT_EQ(kept,
            (std::vector<std::string>{"VFDB", "Z11", "a@b.de", "100 W", "IC-9700", "GW4CQT"}));
  // A file of another length is ignored.
  ASSERT_TRUE(memofile::SaveLines("editemp.txt", {"VFDB"}));
  onForm_ = [](Tuhfteilnehmer& f) {
    EXPECT_EQ(Tuhfteilnehmer::Text(f.pclub1), "DARC");
    EXPECT_EQ(Tuhfteilnehmer::Text(f.pclub2), "Q01");
    return 1;
  };
  Edi("e3.EDI");
}

TEST_F(EdiFiles, CountsOnlyTheRecordsOfTheChosenHour) {
  MakeContest('E', 1);
  FillLog();
  desktop_.DialogHandler = [](QDialog& d) {
    if (dynamic_cast<Tuhfteilnehmer*>(&d)) return 1;
    auto* f = dynamic_cast<TzeitraumeutagForm*>(&d);
    if (!f) return 2;  // the file viewer
    f->show();
    f->evon->setText(QStringLiteral("14:00"));
    f->ebis->setText(QStringLiteral("14:59"));
    f->btnOKClick();
    return f->result();
  };
  const auto lines = Edi("E.EDI");
  EXPECT_TRUE(Has(lines, "CQSOs=2;1"));
  EXPECT_EQ(lines.back().substr(0, 11), "250307;1403");
}

TEST_F(EdiFiles, LocatorLogNamesTheBandOfMostQsosAndNoNumbers) {
  MakeContest('N');
  for (const auto& [band, time] :
       {std::pair{'k', "17:01:00"}, {'l', "17:02:00"}, {'l', "17:03:00"}})
    AddQso({.Call = "SM5ZZ",
            .Datum = Day("07.03.2025"),
            .Zeit = Time(time),
            .Band = band,
            .Sent = "599JN39LG",
            .Rcvd = "599JO89AB",
            .Loc = "JO89AB"});
  onForm_ = [](Tuhfteilnehmer& f) {
    f.rremarks->setPlainText(QStringLiteral("[Antenne]\n10 Elemente"));
    return 1;
  };
  const auto lines = Edi("N.EDI");
  EXPECT_TRUE(Has(lines, "PBand=432 MHz"));
  EXPECT_TRUE(Has(lines, "250307;1702;SM5ZZ;2;599;;599;;;JO89AB;0;;;;"));
  const auto remarks = std::find(lines.begin(), lines.end(), "[Remarks]");
  ASSERT_NE(remarks, lines.end());
  EXPECT_EQ(remarks[1], "Antenne]");
  EXPECT_EQ(remarks[3], def_.VersionTitle);  // the banner, no section of its own
}

}  // namespace

namespace {

TEST(EdiParticipant, LogWithoutCodeTakesTheDispatcherTexts) {
  TTestDir dir;
  ASSERT_TRUE(
      memofile::SaveLines("editemp.txt", {"VFDB", "Z11", "a@b.de", "750 W", "IC-9700", "GW4CQT"}));
  exporttest::TLog log('\0', 0);
  log.Log.Station.SetPostcodeTown("66111 Saarbrücken");
  Tuhfteilnehmer form;
  TEdiTexts texts;
  texts.OperatorKind = 1;
  texts.Band = "432MHz";
  ediparticipant::Fill(form, log.Log, texts);
  // The empty texts clear what the kept file filled in.
  EXPECT_EQ(Tuhfteilnehmer::Text(form.pclub1), "VFDB");
  EXPECT_EQ(Tuhfteilnehmer::Text(form.pclub2), "");
  EXPECT_EQ(Tuhfteilnehmer::Text(form.rpower), "");
  EXPECT_EQ(Tuhfteilnehmer::Text(form.pband), "432MHz");
  EXPECT_EQ(Tuhfteilnehmer::Text(form.psect), "04  432MHz Mehrmann\t");
  EXPECT_EQ(Tuhfteilnehmer::Text(form.rpoco), "66111");
  EXPECT_EQ(Tuhfteilnehmer::Text(form.rcity), "Saarbrücken");

  form.rcity->setText(QStringLiteral("Homburg"));
  ToSetupEigeneStation station;
  ediparticipant::TakeAddress(form, station);
  EXPECT_EQ(station.PostcodeTown(), "66111 Homburg");
  EXPECT_EQ(station.Street(), "Hauptstr. 1");
}

}  // namespace
