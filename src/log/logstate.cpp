#include "log/logstate.h"

#include "contest/contestscore.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "reference/baender.h"
#include "tables/contesttables.h"
#include "tables/setupseparat.h"

TContestLogState::TContestLogState(const TContestRec& def, TContLogAlle& logCommon,
                                   TdbContest& listTable, TdbContest& configTable,
                                   int32_t contestNumber)
    : def_(def),
      logCommon_(logCommon),
      listTable_(listTable),
      configTable_(configTable),
      contestNumber_(contestNumber),
      qso_(std::make_unique<TdbContest>(TdbContestBase::kQsoLog, 0, contestNumber)) {}

TContestLogState::~TContestLogState() = default;

char TContestLogState::ContestCode() const { return listTable_.GetListRec().Typ(); }

bool TContestLogState::SerialContest() const {
  for (int32_t k : def_.SentKinds)
    if (k == exchangekind::kSerial) return true;
  return false;
}

bool TContestLogState::PerBandMultis() const {
  return def_.MultiplierBandMode == 0 || def_.MultiplierBandMode == 2;
}

namespace {

std::string Num(int64_t v) { return std::to_string(v); }
std::string Col(int32_t v) { return ToStrings::IntToStrPadded(v, 5); }
std::string BandName(char band) { return oBaender ? oBaender->BandNameOf(band, true) : ""; }

}  // namespace

int64_t TContestLogState::Score() const {
  int64_t m = 0, p = 0;
  std::array<TBandScore, TBandTally::kSize> bands;
  for (size_t b = 1; b <= TBandTally::kSize; ++b) {
    m += BandMultis[b];
    p += BandPoints[b];
    bands[b - 1] = {BandMultis[b], BandPoints[b]};
  }
  return ContestScore(def_, m, p, bands);
}

TScorePanel TContestLogState::ShowScore() const {
  TScorePanel s;
  for (size_t i = 1; i <= s.Columns.size(); ++i) {
    TScorePanel::TColumn& c = s.Columns[i - 1];
    c.Band = def_.Bands[i];
    if (c.Band == 0) continue;
    const size_t b = uint8_t(c.Band);
    c.Qsos = Col(BandQsos[b]);
    c.Multis = Col(BandMultis[b]);
    c.Points = Col(BandPoints[b]);
    c.Current = c.Band == CurrentBand;
  }
  int64_t m = 0, p = 0, q = 0;
  for (size_t b = 1; b <= TBandTally::kSize; ++b) {
    m += BandMultis[b];
    p += BandPoints[b];
    q += BandQsos[b];
  }
  s.Score = Score();
  const bool kinds = def_.MultiplierKinds.any();
  s.Label28 = Num(q) + " QSO";
  if (kinds) {
    const std::string& caption = def_.MultiplierName[1];
    const char* word = !def_.ScorePointsOnly && !def_.ScorePerBand ? " Multi x"
                       : caption == "PLZ"                          ? " PLZ"
                       : caption == "Prefix"                       ? " Prefixe"
                                                                   : " Multi";
    s.Label19 = Num(m) + word;
  }
  if (def_.ScorePerBand) {
    s.Label20 = Num(p) + " Punkte";
    s.Label20Hidden = true;
  } else if (kinds) {
    s.Label20 = Num(p) + " Punkte =";
  }
  s.Label21 = Num(s.Score) + " Pkt.";
  return s;
}

TStatistics TContestLogState::ShowStatistics() const {
  TStatistics st;
  const char code = ContestCode();
  const std::string band = BandName(CurrentBand);
  st.lePunkte = setupseparat::LangText("Punkte ", "Score ") + band;
  st.lemulti = (code == '5' || code == 'P') ? "Präfixe " : "Multi ";
  if (PerBandMultis()) st.lemulti += band;
  st.leqso = "QSO " + band;
  st.lPunkte = Num(PointsTotal);
  st.lmulti = Num(MultiTotal);
  st.lqso = Num(SessionQsoCount);
  st.lNummer = Num(NextQsoNumber);
  st.Multis = MultiLists.Merged(kDisplayKinds);
  std::erase_if(st.Multis,
                [](const TMultiLists::TShown& e) { return ToStrings::Trim(e.Text).empty(); });
  const bool hk = code == 'H' || code == 'k';
  st.GreyBold = !hk && code != 'p';
  st.WorkedUnderlined = hk;
  st.NewBold = !hk;
  st.Score = ShowScore();
  return st;
}
