#include "output/coverlines.h"

#include <vector>

#include "contest/contestscore.h"
#include "foundation/strings.h"
#include "reference/baender.h"

namespace coversheet {

namespace {

using S = ToStrings;

const std::string kIndent(10, ' ');

void Line(std::vector<TCoverLine>& out, std::string text) { out.push_back({std::move(text)}); }

bool Has(const TCoverInput& in, int which) { return !in.Def.MultiplierName[size_t(which)].empty(); }

// A value column: its separator and the value right-aligned in 7.
std::string Col(const char* separator, int64_t value) {
  return separator + S::Int64ToStrPadded(value, 7);
}

bool ShowsDistricts(const TCoverInput& in) { return in.List.Category() < 4; }

std::vector<TBandScore> BandScores(const TContestConfigRec& config) {
  std::vector<TBandScore> bands(TContestConfigRec::kBands);
  for (int i = 1; i <= TContestConfigRec::kBands; ++i)
    bands[size_t(i - 1)] = {config.BandMultipliers(i), config.BandPoints(i)};
  return bands;
}

void Header(const TCoverInput& in, std::vector<TCoverLine>& out) {
  std::string line =
      kIndent + S::FitWidth("Band", 8, true) + "    QSO  " + in.Lang(" Punkte  ", " Points  ");
  const auto caption = [&](int which, int width) {
    if (Has(in, which)) line += S::PadLeft(in.Def.MultiplierName[size_t(which)], width);
  };
  if (in.List.Typ() == 'h') {
    caption(2, 10);
    caption(3, 10);
    line += ShowsDistricts(in) ? "     DOK   SDOK    Distrikte" : "     DOK   SDOK";
  } else {
    caption(1, 8);
    caption(2, 10);
    caption(3, 10);
  }
  if (in.Def.ScorePerBand) line += "    Gesamt";
  Line(out, line);
}

std::string BandLine(const TCoverInput& in, const TCoverFigures& f, int place) {
  const char band = in.Def.Bands[size_t(place)];
  const size_t b = uint8_t(band);
  std::string line = kIndent;
  if (in.List.TotalsInConfig() == 0) {
    if (place > TContestListRec::kBandRows) return line;
    line += S::FitWidth(oBaender->BandNameOf(band, false), 8, true);
    line += Col("  ", in.List.RowQsos(place)) + Col("  ", in.List.RowPoints(place));
    if (Has(in, 1)) line += Col("   ", in.List.RowFirstMultiplier(place));
    if (Has(in, 2)) line += Col("   ", in.List.RowSecondMultiplier(place));
    return line;
  }
  const TContestConfigRec& config = in.Config;
  line += S::FitWidth(oBaender->BandNameOf(band, false), 8, true);
  const char code = in.List.Typ();
  if (code == 'i') {
    line += Col("  ", f.BandQsoCount[b]) + Col("  ", f.BandPointSum[b]) +
            Col("   ", f.BandMultiplierQsoCount[b]);
    return line;
  }
  line += Col("  ", config.BandQsos(place)) + Col("  ", config.BandPoints(place));
  if (code == 'h') {
    for (int which = 2; which <= 3; ++which)
      if (Has(in, which)) line += Col("   ", config.BandMultiplierN(which, place));
    line += S::IntToStrPadded(f.DokCount[b], 7) + "   " +
            S::IntToStrPadded(f.SpecialDokCount[b], 7) + "   ";
    if (ShowsDistricts(in)) line += S::IntToStrPadded(f.DistrictCount[b], 7) + "   ";
    return line;
  }
  for (int which = 1; which <= 3; ++which)
    if (Has(in, which)) line += Col("   ", config.BandMultiplierN(which, place));
  if (in.Def.ScorePerBand) {
    // The band's share of the final score, by the same rule as the score itself.
    const TBandScore one{config.BandMultipliers(place), config.BandPoints(place)};
    line += "  " + S::Int64ToStrPadded(ContestScore(in.Def, one.Multis, one.Points, {&one, 1}), 6);
  }
  return line;
}

void Rule(const TCoverInput& in, std::vector<TCoverLine>& out) {
  int length = 47;
  if (in.Def.ScorePerBand) length += 8;
  if (in.List.Typ() == 'h') length += 16;
  Line(out, kIndent + std::string(size_t(length), '_'));
}

void Sum(const TCoverInput& in, const TCoverFigures& f, std::vector<TCoverLine>& out) {
  std::string line = kIndent + S::FitWidth("Summe", 8, true) + S::IntToStrPadded(in.QsoCount, 7) +
                     "  " + S::IntToStrPadded(in.Points, 7) + "  ";
  const auto col = [&](int32_t value) { line += S::IntToStrPadded(value, 7) + "   "; };
  const int32_t multis[] = {in.Multi1, in.Multi2, in.Multi3};
  if (in.List.Typ() == 'h') {
    for (int which = 2; which <= 3; ++which)
      if (Has(in, which)) col(multis[which - 1]);
    col(f.DokTotal);
    col(f.SpecialDokTotal);
    if (ShowsDistricts(in)) col(f.DistrictTotal);
  } else {
    for (int which = 1; which <= 3; ++which)
      if (Has(in, which)) col(multis[which - 1]);
  }
  Line(out, line);
}

}  // namespace

int64_t FinalScore(const TCoverInput& in) {
  const std::vector<TBandScore> bands = BandScores(in.Config);
  return ContestScore(in.Def, in.MultiTotal, in.Points, bands);
}

void WriteBandTable(const TCoverInput& in, const TCoverFigures& f, std::vector<TCoverLine>& out) {
  const char code = in.List.Typ();
  const uint8_t mode = in.Def.MultiplierBandMode;
  if (!(mode == 0 || mode == 2 || code == 'i')) return;
  const bool withContestCode = code != '\0';
  if (withContestCode) {
    Header(in, out);
    for (int place = 1; place <= int(in.Def.Bands.kSize); ++place)
      if (in.Def.Bands[size_t(place)] != '\0') Line(out, BandLine(in, f, place));
  }
  Rule(in, out);
  if (!in.Def.ScorePerBand) {
    if (withContestCode) Sum(in, f, out);
    Rule(in, out);
  }
}

void WriteFinalScore(const TCoverInput& in, std::vector<TCoverLine>& out) {
  const char code = in.List.Typ();
  if (code != '\0') {
    Line(out, " ");
    const std::string points = std::to_string(in.Points);
    const std::string multis = std::to_string(in.MultiTotal);
    const std::string score = std::to_string(FinalScore(in));
    const std::string unit = in.Lang(" Punkte", "  Points");
    std::string tail;
    if (in.Def.ScorePerBand)
      tail = "  " + S::Int64ToStrPadded(FinalScore(in), 6);
    else if (in.Def.MultiplierKinds.none())
      tail = "  " + points + unit;
    else if (in.Def.ScorePointsOnly && code == '5')
      tail = "  " + points + in.Lang(" Punkte /  ", " Points /  ") + multis + " PLZ-Bereiche";
    else if (in.Def.ScorePointsOnly && code == 'P')
      tail = "  " + points + in.Lang(" Punkte   ", " Points   ") + multis + " Präfixe";
    else if (in.Def.ScorePointsOnly)
      tail =
          "  " + points + in.Lang(" Punkte (", " Points (") + multis + " Multi) = " + score + unit;
    else
      tail =
          "  " + points + in.Lang(" Punkte x ", " Points x ") + multis + " Multi = " + score + unit;
    Line(out, kIndent + in.Lang("Endergebnis:", "Final Score:") + tail);
  }
  Rule(in, out);
  Line(out, " ");
}

void WriteCoverDetails(const TCoverInput& in, const TCoverFigures& f,
                       std::vector<TCoverLine>& out) {
  const auto stationPart = [&] {
    if (in.StationLines.empty()) return;
    Line(out, " ");
    Line(out, "Angaben zur Station:");
    for (const std::string& l : in.StationLines) Line(out, l);
  };
  // A long text goes in pieces of 80 characters, each on a line of its own.
  const auto pieces = [&](const char* label, const std::string& text) {
    for (size_t at = 0; at < text.size(); at += 80) Line(out, label + text.substr(at, 80));
  };
  switch (in.List.Typ()) {
    case '8':
      Line(out, kIndent + "Anzahl gearbeiteter DXCC: " + std::to_string(f.DxccCount));
      Line(out, kIndent + "Anzahl gearbeiteter Loc : " + std::to_string(f.LocatorFieldCount));
      Line(out, kIndent + "ODX                     : " + f.OdxText);
      Line(out, " ");
      break;
    case 'b': {
      const int32_t kind = in.List.ExtraNumber();
      if (kind == 2 || kind == 3) {
        Line(out, "Im OQRPC habe ich auf dem 80/40/20m-Band");
        Line(out, kind == 2 ? "mit einem von mir selbstgebauten Bausatz teilgenommen."
                            : "mit einem individuellen Unikat teilgenommen.");
        Line(out, " ");
      }
      stationPart();
      Line(out, " ");
      break;
    }
    case 'j':
      stationPart();
      Line(out, " ");
      break;
    case 'h':
      pieces("Distrikte: ", f.DistrictText);
      pieces("DOK:       ", f.DokText);
      pieces("S-DOK:     ", f.SpecialDokText);
      pieces("Loc:       ", f.LocatorText);
      Line(out, "Sondercall:" + f.SpecialCallText);
      Line(out, " ");
      break;
    case 'o':
      Line(out, "Z-DOK: " + f.ZDokText);
      Line(out, " ");
      break;
    default: break;
  }
}

}  // namespace coversheet
