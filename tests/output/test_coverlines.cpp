// The lines of the cover sheet from the records and the collected figures.
#include <gtest/gtest.h>

#include <algorithm>

#include "contest/contestscore.h"
#include "coverinput.h"
#include "foundation/dates.h"
#include "foundation/strings.h"

namespace {

using coversheet::CoverSheetLines;

std::vector<std::string> Texts(const TCoverInput& in, const TCoverFigures& f = {}) {
  std::vector<std::string> texts;
  for (const TCoverLine& l : CoverSheetLines(in, f)) texts.push_back(l.Text);
  return texts;
}

// Ten blanks in front, where the band table and the score stand.
std::string Ind(std::string_view s) {
  std::string r(10, ' ');
  r.append(s);
  return r;
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

std::vector<std::string> LinesStartingWith(const std::vector<std::string>& lines,
                                           const std::string& prefix) {
  std::vector<std::string> found;
  for (const std::string& l : lines)
    if (StartsWith(l, prefix)) found.push_back(l);
  return found;
}

size_t IndexOf(const std::vector<std::string>& lines, const std::string& text) {
  return size_t(std::find(lines.begin(), lines.end(), text) - lines.begin());
}

TEST(CoverLines, TimeWindowsOnlyWhenAWindowIsInUse) {
  TCoverInput in = coverinput::Of('d');
  EXPECT_TRUE(LinesStartingWith(Texts(in), "Wertungszeitraum:").empty());
  in.WindowTexts = {"00:00:00 - 01:00:00", "", "10:00:00 - 11:00:00"};
  const std::vector<std::string> lines = Texts(in);
  const size_t first = IndexOf(lines, "Wertungszeitraum: 00:00:00 - 01:00:00");
  ASSERT_LT(first, lines.size());
  EXPECT_EQ(lines[first + 1], "                  10:00:00 - 11:00:00");
}

TEST(CoverLines, EnglishDeclarationPutsTheContestNameOnItsOwnLine) {
  TCoverInput in = coverinput::Of('d', 0, true);
  const std::vector<std::string> lines = Texts(in);
  const size_t at = IndexOf(lines, "I affirm that I have observed all rules of ");
  ASSERT_LT(at + 1, lines.size());
  EXPECT_EQ(lines[at + 1], in.Def.ContestName + ".");
}

TEST(CoverLines, LongDistrictTextGoesInPiecesOf80) {
  TCoverInput in = coverinput::Of('h', 2);
  TCoverFigures f;
  for (int i = 0; i < 85; ++i) f.DistrictText += " A";
  const std::vector<std::string> d = LinesStartingWith(Texts(in, f), "Distrikte: ");
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].size(), 11u + 80u);
  EXPECT_EQ(d[1].size(), 11u + 80u);
  EXPECT_EQ(d[2].size(), 11u + 10u);
}

TEST(CoverLines, ListenerAndAllBandClassesOfTheDokContestShowOnlySpecialCalls) {
  TCoverInput in = coverinput::Of('h', 7);
  TCoverFigures f;
  f.SpecialCallText = " DA0XYZ";
  const std::vector<std::string> lines = Texts(in, f);
  EXPECT_LT(IndexOf(lines, "Sondercall: DA0XYZ"), lines.size());
  for (const char* label : {"Distrikte: ", "DOK:       ", "S-DOK:     ", "Loc:       "})
    EXPECT_TRUE(LinesStartingWith(lines, label).empty()) << label;
}

TEST(CoverLines, LongTownMovesTheCallToItsOwnLine) {
  TCoverInput in = coverinput::Of('d', 0, true);
  in.Station.SetPostcodeTown("66111 Saarbrücken-Sankt Johann am Ufer der Saar, Altstadtviertel");
  const std::vector<std::string> lines = Texts(in);
  // The town field holds 50 characters, so the date still joins; the call moves on.
  in.Paper = true;
  const std::vector<std::string> paper = Texts(in);
  const size_t at =
      IndexOf(paper, ToStrings::FitWidth(" Call DL1ABC", 50, true) + "Sign _______________");
  ASSERT_LT(at, paper.size());
  EXPECT_EQ(paper[at - 1], " ");
  EXPECT_TRUE(StartsWith(paper[at - 2], " City:66111"));
  EXPECT_NE(paper[at - 2].find(" Date 10.01.2026"), std::string::npos);
  EXPECT_EQ(lines[at], ToStrings::FitWidth(" Call DL1ABC", 50, true));
}

TEST(CoverLines, FinalScoreForms) {
  struct TCase {
    char Code;
    bool PointsOnly;
    bool English;
    const char* Tail;
  };
  const TCase cases[] = {
      {'5', true, false, "Endergebnis:  120 Punkte /  7 PLZ-Bereiche"},
      {'P', true, false, "Endergebnis:  120 Punkte   7 Präfixe"},
      {'d', true, false, "Endergebnis:  120 Punkte (7 Multi) = 120 Punkte"},
      {'d', true, true, "Final Score:  120 Points (7 Multi) = 120  Points"},
      {'d', false, false, "Endergebnis:  120 Punkte x 7 Multi = 840 Punkte"},
  };
  for (const TCase& c : cases) {
    TCoverInput in = coverinput::Of(c.Code, 0, c.English);
    in.Def.MultiplierKinds.set(4);
    in.Def.ScorePerBand = false;
    in.Def.ScorePointsOnly = c.PointsOnly;
    in.Points = 120;
    in.MultiTotal = 7;
    const std::vector<std::string> lines = Texts(in);
    EXPECT_LT(IndexOf(lines, Ind(c.Tail)), lines.size()) << c.Tail;
  }
}

TEST(CoverLines, ScorePerBandClaimsTheOneScore) {
  TCoverInput in = coverinput::Of('d');
  in.Def.MultiplierKinds.set(4);
  in.Def.ScorePerBand = true;
  in.List.SetTotalsInConfig(255);
  in.Config.SetBandPoints(1, 10);
  in.Config.SetBandMultipliers(1, 3);
  in.Config.SetBandPoints(2, 7);  // no multiplier: its points alone
  in.Def.Bands[1] = 'b';
  in.Def.Bands[2] = 'c';
  const std::vector<std::string> lines = Texts(in);
  EXPECT_EQ(coversheet::FinalScore(in), 37);
  // The band column "Gesamt" adds up to the claimed score.
  const std::vector<std::string> bands = LinesStartingWith(lines, Ind("80 m"));
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_EQ(bands[0].substr(bands[0].size() - 6), "    30");
  const std::vector<std::string> forty = LinesStartingWith(lines, Ind("40 m"));
  ASSERT_EQ(forty.size(), 1u);
  EXPECT_EQ(forty[0].substr(forty[0].size() - 6), "     7");
  EXPECT_LT(IndexOf(lines, Ind("Endergebnis:      37")), lines.size());
  EXPECT_TRUE(LinesStartingWith(lines, Ind("Summe")).empty());
}

TEST(CoverLines, ListRecordTotalsFillBandPlacesOneToSeven) {
  TCoverInput in = coverinput::Of('d');
  in.Def.Bands.Fill('\0');
  const char bands[] = "bcdefghi";  // eight places
  for (int i = 0; i < 8; ++i) in.Def.Bands[size_t(i + 1)] = bands[i];
  for (int row = 1; row <= 7; ++row) in.List.SetRowQsos(row, uint16_t(row * 11));
  const std::vector<std::string> lines = Texts(in);
  const size_t header =
      size_t(std::find_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return StartsWith(l, Ind("Band")); }) -
             lines.begin());
  ASSERT_LT(header + 8, lines.size());
  for (int row = 1; row <= 7; ++row)
    EXPECT_EQ(lines[header + size_t(row)].substr(18, 9),
              "  " + ToStrings::IntToStrPadded(row * 11, 7));
  EXPECT_EQ(lines[header + 8], Ind(""));
}

TEST(CoverLines, LogWithoutContestCodeShowsTheVhfTableAndOnlyRules) {
  TCoverInput in = coverinput::Of('d');
  in.List.SetTyp('\0');
  in.List.SetPointsPerKm(2);
  in.List.SetTotalDistance(1234);
  in.List.SetBandText("2m");
  const std::vector<std::string> lines = Texts(in);
  EXPECT_LT(IndexOf(lines, "Gesamtpunktzahl    : 2468"), lines.size());
  EXPECT_TRUE(LinesStartingWith(lines, Ind("Band")).empty());
  EXPECT_TRUE(LinesStartingWith(lines, Ind("Endergebnis")).empty());
  EXPECT_EQ(LinesStartingWith(lines, Ind("____")).size(), 3u);
  const std::vector<std::string> call = LinesStartingWith(lines, "Call: DL1ABC");
  ASSERT_EQ(call.size(), 1u);
  EXPECT_TRUE(call[0].find("Band: 2m") != std::string::npos);
}

}  // namespace

namespace {

TEST(CoverLines, WindowTextsOfTheWindowsInUse) {
  TZeitraum4Rec periods;
  periods.SetTimeWindow(1, 0, 3599);  // from midnight: printed like any other window
  periods.SetTimeWindow(3, 10 * 3600, 11 * 3600);
  periods.DateFrom[2] = 155000;
  periods.DateTo[2] = 155001;
  const std::vector<std::string> texts = coversheet::WindowTexts(periods);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], "00:00:00 - 00:59:59");
  EXPECT_EQ(texts[1], "");
  EXPECT_EQ(texts[2], ToDates::DateToDateString(155000, "dd.mm.yyyy") + " 10:00:00 - " +
                          ToDates::DateToDateString(155001, "dd.mm.yyyy") + " 11:00:00");
  EXPECT_EQ(texts[3], "");
}

}  // namespace
