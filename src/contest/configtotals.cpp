#include "contest/configtotals.h"

#include <vector>

#include "contest/contestrec.h"
#include "contest/contestscore.h"
#include "tables/contestrecs.h"

TConfigTotals ComputeConfigTotals(const TContestRec& def, char code, const TContestListRec& list,
                                  const TContestConfigRec& config,
                                  std::string (*bandName)(char band)) {
  TConfigTotals t;
  const bool fromConfig = list.TotalsInConfig() != 0;
  const bool perBandMultis = def.MultiplierBandMode == 0 || def.MultiplierBandMode == 2;
  for (int row = 1; row <= 7; ++row) {
    TConfigBandRow& r = t.Rows[size_t(row - 1)];
    const char band = def.Bands[size_t(row)];
    r.Visible = band != '\0';
    r.MultiVisible = r.Visible && perBandMultis;
    if (r.Visible) r.Caption = bandName(band);
    if (fromConfig) {
      r.Qsos = config.BandQsos(row);
      r.Multis = config.BandMultipliers(row);
      r.Points = config.BandPoints(row);
    } else {
      r.Qsos = list.RowQsos(row);
      r.Multis = list.RowMultipliers(row);
      r.Points = list.RowPoints(row);
    }
  }
  std::vector<TBandScore> bands;
  if (fromConfig) {
    for (int i = 1; i <= TContestConfigRec::kBands; ++i) {
      t.Qsos += config.BandQsos(i);
      t.Multis += config.BandMultipliers(i);
      t.Points += config.BandPoints(i);
      bands.push_back({config.BandMultipliers(i), config.BandPoints(i)});
    }
  } else {
    for (const TConfigBandRow& r : t.Rows) {
      t.Qsos += r.Qsos;
      t.Multis += r.Multis;
      t.Points += r.Points;
      bands.push_back({r.Multis, r.Points});
    }
  }
  if (def.MultiplierBandMode == 1) t.Multis = t.Rows[0].Multis;

  const bool kinds = def.MultiplierKinds.any();
  t.Score = int32_t(ContestScore(def, t.Multis, t.Points, bands));

  t.QsoText = std::to_string(t.Qsos) + " QSO";
  const std::string& word = def.MultiplierName[1];
  if (!def.ScorePointsOnly && !def.ScorePerBand)
    t.MultiText = std::to_string(t.Multis) + " Multi x";
  else
    t.MultiText = std::to_string(t.Multis) + (word == "PLZ"      ? " PLZ"
                                              : word == "Prefix" ? " Prefixe"
                                                                 : " Multi");
  if (kinds) {
    t.PointsText = std::to_string(t.Points) + (def.ScorePerBand ? " Punkte" : " Punkte =");
    t.PointsHidden = def.ScorePerBand;
  }
  t.ScoreText = std::to_string(t.Score) + " Pkt.";
  t.MultiHidden = !kinds;
  if (code == '5' && word == "PLZ") {
    t.ScoreHidden = true;
    t.FirstMultiCell = "    0";
    t.PointsText = std::to_string(t.Points) + " Punkte";
  }
  return t;
}
