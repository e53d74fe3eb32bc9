#pragma once
// The summary the configuration dialog shows under "Auswertung": QSOs, multipliers and
// points of the seven band rows and the totals with the score, as the log window stored
// them in the contest list and configuration records.

#include <array>
#include <cstdint>
#include <string>

struct TContestRec;
class TContestListRec;
class TContestConfigRec;

struct TConfigBandRow {
  bool Visible = false;       // band code 0: the row is hidden in every column
  bool MultiVisible = false;  // the multiplier column is shown per band
  std::string Caption;        // short band name
  int32_t Qsos = 0, Multis = 0, Points = 0;
};

struct TConfigTotals {
  std::array<TConfigBandRow, 7> Rows;
  int32_t Qsos = 0, Multis = 0, Points = 0, Score = 0;
  std::string QsoText, MultiText, PointsText, ScoreText;
  bool MultiHidden = false;   // no multiplier kinds: every multiplier label is hidden
  bool PointsHidden = false;  // per-band formula: the points total is not shown
  bool ScoreHidden = false;
  std::string FirstMultiCell;  // replaces the first row's multiplier value when not empty
};

// bandName gives the short name of a band code.
TConfigTotals ComputeConfigTotals(const TContestRec& def, char code, const TContestListRec& list,
                                  const TContestConfigRec& config,
                                  std::string (*bandName)(char band));
