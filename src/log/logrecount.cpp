// The recounts of the tallies and the evaluation of one QSO's multipliers.

#include <algorithm>

#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/logstate.h"
#include "tables/contestrecs.h"

namespace {

// The order in which the recount walks the kinds, and the order of the band counts.
constexpr std::array<int, 10> kRecountKinds = {2, 4, 18, 5, 10, 1, 12, 15, 16, 19};
constexpr std::array<int, 10> kBandKinds = {2, 4, 18, 5, 10, 12, 1, 15, 16, 19};
// The order in which a QSO's multipliers are evaluated.
constexpr std::array<int, 10> kEntryKinds = {2, 1, 12, 15, 16, 19, 4, 18, 10, 5};

bool IsLowerBand(char band) { return band >= 'a' && band <= 'z'; }
bool OneOf(char c, std::string_view set) { return c != 0 && set.find(c) != std::string_view::npos; }
std::string Fit(std::string_view s, int width) { return ToStrings::FitWidth(s, width, true); }

struct TKindValue {
  std::string Value;  // trimmed; empty: the kind has nothing to count in this QSO
  int Width = 8;
};

}  // namespace

int TContestLogState::TallyIndexOf(char band) const {
  return uint8_t(TContLogAlle::TallyIndex(band, def_.MultiplierBandMode, true));
}

int32_t* TContestLogState::BandMultiTally(char band) {
  const int index = TallyIndexOf(band);
  return index == 0 ? nullptr : &BandMultis[size_t(index)];
}

void TContestLogState::RecountTotals(bool full) {
  // The entry being given up (Esc, a band switch, a new call) takes back what it added:
  // the band tallies are not counted again here, and the lists forget its pending values.
  ResetPendingMultipliers();
  MultiLists.Clear();
  MultiTotal = 0;
  for (int kind : kRecountKinds)
    MultiTotal += EngineCount(kind, CurrentBand, def_, true, false, nullptr, nullptr);
  listsBand_ = TallyIndexOf(CurrentBand);
  if (!full) return;
  EngineRecountPoints();
  PointsTotal = 0;
  for (int32_t p : BandPoints) PointsTotal += p;
  BandMultis.Fill(0);
  if (PerBandMultis()) {
    for (char band : def_.Bands)
      if (IsLowerBand(band)) CountBandMultipliers(band);
  } else {
    CountBandMultipliers(def_.Bands[1]);
  }
}

void TContestLogState::CountBandMultipliers(char band) {
  if (band == 0) return;
  int32_t sum = 0;
  for (int kind : kBandKinds) sum += EngineCount(kind, band, def_, false, false, nullptr, nullptr);
  BandMultis[size_t(TallyIndexOf(band))] += sum;
}

void TContestLogState::RecalcMultipliers(TContestQSORec& rec) {
  const char code = ContestCode();
  rec.SetCMulti("");
  rec.SetMulti2("");
  if (!def_.SWLLog && !OneOf(code, "7fwiknp")) rec.SetCall2("");
  if (OneOf(code, "7nif8k") && ToStrings::Trim(rec.Call2()) == "0") rec.SetCall2("");

  const TByteSet& kinds = def_.MultiplierKinds;
  const std::string dok = ToStrings::Trim(rec.DOK());
  for (int kind : kEntryKinds) {
    const bool counted =
        kinds.test(size_t(kind)) || (kind == 4 && (kinds.test(8) || kinds.test(17)));
    if (!counted) continue;
    TKindValue v;
    switch (kind) {
      case 1: v = {rec.Prefix(), 4}; break;
      case 2:
        if (code == 'Z' && !ToStrings::Trim(rec.WAZ_USStaat()).empty()) {
          rec.SetDXCC("");
        } else if (!kinds.test(9) || rec.Continent() == "EU") {
          v = {rec.DXCC(), 8};
        }
        break;
      case 4:
        if (dok != "NM") v = {dok, 8};
        break;
      case 5:
        if (code != 'J' || OneOf(rec.Bandcode(), "kl")) v = {ToStrings::Left(rec.Loc(), 4), 4};
        break;
      case 10: v = {rec.Call(), 14}; break;
      case 12:
      case 15: v = {rec.WAZ_USStaat(), 8}; break;
      case 16:
        if (ToStrings::Trim(rec.Call2()) != "NM") v = {rec.Call2(), 8};
        break;
      case 18: v = {ToStrings::Left(dok, 1), 8}; break;
      case 19: v = {rec.Call2(), 8}; break;
    }
    v.Value = ToStrings::Trim(v.Value);
    // A district is judged by the whole DOK it stands in.
    if (!EngineAccepts(kind, kind == 18 ? dok : v.Value, rec)) continue;

    bool worked = false;
    if (!(code == 'L' && kind == 4)) {
      const std::string sought = kind == 10 ? EngineHomeCall(rec) : v.Value;
      if (PerBandMultis()) {
        worked = EngineWorked(kind, sought, rec.Bandcode(), def_);
      } else {
        for (char band : def_.Bands)
          if (band != 0 && (worked = EngineWorked(kind, sought, band, def_))) break;
      }
      // The search for a value passes over QSOs marked as dupes, the recount's walk counts
      // them: a value that a marked QSO brought is listed by that walk, and counts once.
      if (!worked && listsBand_ != 0 && listsBand_ == TallyIndexOf(rec.Bandcode()))
        worked = MultiLists.Listed(kind, ToStrings::Left(sought, TMultiLists::kTextWidth));
    }
    if (worked) {
      const std::string shown = kind == 10 ? Fit(EngineHomeCall(rec), 14) : Fit(v.Value, 8);
      MultiLists.MarkFirst(kind, shown, TMultiLists::kMarkWorked);
      continue;
    }

    const std::string text = Fit(v.Value, v.Width);
    for (int column = 1; column <= 3; ++column) {
      if (!EngineColumnMatches(kind, column)) continue;
      std::string t = text;
      if (kind == 18 && def_.MultiplierName[size_t(column)] == "DOK") t = dok;
      if (column == 1) rec.SetCMulti(ToStrings::Left(t, 6));
      if (column == 2) rec.SetMulti2(ToStrings::Left(t, 6));
      if (column == 3) rec.SetCall2(ToStrings::Left(t, 12));
    }
    const int32_t added = 1 + EngineWeight(kind, rec);
    const bool entered = MultiLists.Add(kind, text, TMultiLists::kMarkNew);
    // Without a band of the entry (none chosen yet, or the renumbering of a log whose
    // window has none) the value counts on the record's own band.
    const char band = CurrentBand != 0 ? CurrentBand : rec.Bandcode();
    MultiLists.Pending(kind) = {text, band, entered, added};
    MultiTotal += added;
    if (int32_t* tally = BandMultiTally(band)) *tally += added;
  }
}

void TContestLogState::RefreshMultiplierStatus(TContestQSORec& entry) {
  ResetPendingMultipliers();
  TContestQSORec copy = entry;
  RecalcMultipliers(copy);
  entry = copy;
}

void TContestLogState::TakeBackPending(int kind) {
  TMultiLists::TPending& p = MultiLists.Pending(kind);
  if (p.Value.empty()) return;
  // Only a value this entry put into the list leaves it; what it added is taken from the
  // tally it was added to, whatever band the entry shows now.
  if (p.Entered) MultiLists.Remove(kind, p.Value);
  MultiTotal = std::max(0, MultiTotal - p.Added);
  if (int32_t* tally = BandMultiTally(p.Band == 0 ? CurrentBand : p.Band))
    *tally = std::max(0, *tally - p.Added);
  p = {};
}

void TContestLogState::ResetPendingMultipliers() {
  for (int kind : kDisplayKinds) MultiLists.ClearMarks(kind);
  // DXCC first, then DOK, then the other display kinds.
  TakeBackPending(2);
  TakeBackPending(4);
  for (int kind : kDisplayKinds) TakeBackPending(kind);
}

void TContestLogState::ClearMarksAndPending() {
  for (int kind : kDisplayKinds) MultiLists.ClearMarks(kind);
  MultiLists.ClearPending();
}

std::vector<TBandFigures> TContestLogState::CountBandFigures(TFortschrittWinCtrl* progress) {
  std::vector<TBandFigures> figures(TContestConfigRec::kBands);
  // Counting by column counts a DOK once per mode in band mode 2, the recount once per
  // band: the band's multipliers follow the recount, so that the stored score is the one
  // the log window shows.
  const bool modesApart = def_.MultiplierBandMode == 2;
  auto count = [&](const TContestRec& def, char band, TBandFigures& f, bool onlyQsos) {
    f = {};
    for (int kind : kBandKinds) {
      if (onlyQsos && kind != 2) continue;
      f.Multis += EngineCount(kind, band, def, false, true, &f, progress);
    }
    if (modesApart && !onlyQsos) {
      f.Multis = 0;
      for (int kind : kBandKinds)
        f.Multis += EngineCount(kind, band, def, false, false, nullptr, nullptr);
    }
  };
  if (PerBandMultis()) {
    for (size_t i = 1; i <= figures.size(); ++i)
      if (IsLowerBand(def_.Bands[i])) count(def_, def_.Bands[i], figures[i - 1], false);
    return figures;
  }
  // One tally for all bands: the multipliers once over the whole log, the QSOs per band.
  if (IsLowerBand(def_.Bands[1])) count(def_, def_.Bands[1], figures[0], false);
  figures[0].Qsos = 0;
  TContestRec perBand = def_;
  perBand.MultiplierBandMode = 0;
  for (size_t i = 1; i <= figures.size(); ++i) {
    if (!IsLowerBand(def_.Bands[i])) continue;
    TBandFigures qsos;
    count(perBand, def_.Bands[i], qsos, true);
    figures[i - 1].Qsos = qsos.Qsos;
  }
  return figures;
}
