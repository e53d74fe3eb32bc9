#pragma once
// The running state of one open contest log without its window: the tallies (QSOs,
// points and multipliers in total and per band), the worked-multiplier lists, the texts
// of the score panel and the entry panel's statistics, and the operations that change
// the stored log as a whole (delete, renumbering, recalculation of the per-band
// summary). The log window owns one object and shows what it holds.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "contest/contestrec.h"
#include "log/multilists.h"

class TContLogAlle;
class TdbContest;
class TContestQSORec;
class TFortschrittWinCtrl;

// Per-band tallies, indexed by the character code of the band code (1..255).
using TBandTally = TArray1<int32_t, 255>;

// The score panel: seven band columns and the totals.
struct TScorePanel {
  struct TColumn {
    char Band = 0;                     // band code of the column, 0: unused column
    std::string Qsos, Multis, Points;  // each right-aligned in 5
    bool Current = false;              // the column of the entry's band (painted yellow)
  };
  std::array<TColumn, 7> Columns;
  std::string Label19, Label20, Label21, Label28;
  bool Label20Hidden = false;
  int64_t Score = 0;
};

// The labels of the entry panel and the worked-multiplier display.
struct TStatistics {
  std::string lePunkte, lemulti, leqso;        // captions
  std::string lPunkte, lmulti, lqso, lNummer;  // figures
  // Merged display, in order; mark 2 worked before (green), 1 new (red), 0 grey.
  std::vector<TMultiLists::TShown> Multis;
  // Worked marks are always bold; the rest depends on the contest code.
  bool GreyBold = true;           // the "." and unmarked entries; normal for 'H', 'k', 'p'
  bool WorkedUnderlined = false;  // 'H' and 'k'
  bool NewBold = true;            // normal for 'H' and 'k'
  TScorePanel Score;
};

// The figures of one band that the recalculation stores.
struct TBandFigures {
  int32_t Multis = 0;                // A: multipliers of the band
  int32_t Qsos = 0;                  // B: QSOs of the band, band-change lines not counted
  std::array<int16_t, 3> Columns{};  // C, D, E: multipliers of the columns 1..3
};

class TContestLogState {
 public:
  enum class TDeleteResult { kNothing, kCancelled, kDeleted, kFailed };

  // def, logCommon and the tables of the contest list and the configuration belong to
  // the window and outlive this object; the summary is written through them, so that
  // their working copies hold what is stored. The QSO log is opened here.
  TContestLogState(const TContestRec& def, TContLogAlle& logCommon, TdbContest& listTable,
                   TdbContest& configTable, int32_t contestNumber);
  ~TContestLogState();
  TContestLogState(const TContestLogState&) = delete;
  TContestLogState& operator=(const TContestLogState&) = delete;

  // ---- Tallies (the save road of the window raises them QSO by QSO) -----------------
  int32_t PointsTotal = 0;
  int32_t MultiTotal = 0;
  int32_t NextQsoNumber = 1;
  int32_t SessionQsoCount = 0;
  TBandTally BandPoints;
  TBandTally BandQsos;
  TBandTally BandMultis;  // by TallyIndex: the band, or index 1 in band mode 1
  TMultiLists MultiLists;
  char CurrentBand = 0;  // band of the entry; the window sets it on every band switch
  char LastLogBand = 0;  // band of the last line met by the full recount

  // ---- Score and statistics as data --------------------------------------------------
  int64_t Score() const;
  TScorePanel ShowScore() const;
  TStatistics ShowStatistics() const;

  // ---- Recounts and the multipliers of a QSO ----------------------------------------
  void RecountTotals(bool full);
  void CountBandMultipliers(char band);
  // Evaluates the entry's multipliers without changing the stored log: the entry gets
  // the multiplier texts and the lists the marks.
  void RefreshMultiplierStatus(TContestQSORec& entry);
  // Marks the record's multipliers in the lists, counts new ones, writes the texts.
  void RecalcMultipliers(TContestQSORec& rec);
  // Takes back what the entry being typed added to the lists and tallies.
  void ResetPendingMultipliers();
  // Takes back the pending value of one kind (also the band and mode switches).
  void TakeBackPending(int kind);
  // After a save: no marks on the display lists, nothing pending.
  void ClearMarksAndPending();

  // ---- Upkeep of the stored log -----------------------------------------------------
  // Rebuilds the log through the scratch log; false (error shown) when it failed, the
  // log then being as before.
  bool RenumberLog();
  // Writes the per-band summary into the contest list and configuration records.
  bool RecalcLog();
  // The figures that RecalcLog stores, per position 1..100 of the contest's band list.
  std::vector<TBandFigures> CountBandFigures(TFortschrittWinCtrl* progress);
  // Deletes the QSO with this number after the warning and the question; then
  // renumbers, recalculates and recounts.
  TDeleteResult DeleteEntry(int32_t nummer);

  TdbContest& QsoTable() { return *qso_; }
  const TContestRec& Def() const { return def_; }

  // The list kinds the display merges.
  static constexpr std::array<int, 10> kDisplayKinds = {1, 2, 4, 5, 10, 12, 15, 16, 18, 19};

 private:
  // The calls into the multiplier engine and the points pass of the shared log logic.
  bool EngineAccepts(int kind, const std::string& value, const TContestQSORec& rec);
  // Whether a value was worked before on the band (a QSO not marked as a dupe carries it).
  bool EngineWorked(int kind, const std::string& value, char band, const TContestRec& def);
  // The count of a walk over the band (or the whole log in band mode 1).
  int32_t EngineCount(int kind, char band, const TContestRec& def, bool fillLists, bool byColumn,
                      TBandFigures* figures, TFortschrittWinCtrl* progress);
  int32_t EngineWeight(int kind, const TContestQSORec& rec);
  bool EngineColumnMatches(int kind, int column);
  std::string EngineHomeCall(const TContestQSORec& rec);
  void EngineRecountPoints();
  int TallyIndexOf(char band) const;

  char ContestCode() const;
  bool SerialContest() const;
  bool PerBandMultis() const;

  const TContestRec& def_;
  TContLogAlle& logCommon_;
  TdbContest& listTable_;
  TdbContest& configTable_;
  int32_t contestNumber_;
  std::unique_ptr<TdbContest> qso_;
  std::unique_ptr<TdbContest> carrier_;  // hands a QSO record to the engine
  // The tally index whose values the lists hold as the last recount walked them; 0 while
  // they hold anything else.
  int listsBand_ = 0;
};
