// The correction list and the QSO edit on a 'd' log of 20,000 QSOs offscreen: opening the
// correction list (its table, list and last page), and an edit that needs no recount
// (load, rewrite of the QSO with its preview and points).
#include <benchmark/benchmark.h>

#include "benchsupport.h"
#include "browser/kvbrow.h"
#include "log/contlogalle.h"
#include "log/contlogstd.h"
#include "log/eingabestd2ctrl.h"
#include "log/korrekturstd.h"

namespace {

using benchsupport::kContest;
using benchsupport::Log;

// Freed before the application ends.
std::unique_ptr<TContestLogStd> gWindow;

TContestLogStd& Window() {
  if (!gWindow) {
    gWindow = std::make_unique<TContestLogStd>(kContest, *Log().config, *Log().list, Log().def);
    gWindow->ClearEntry(false);
  }
  return *gWindow;
}

void BM_OpenCorrectionList(benchmark::State& state) {
  TContestLogStd& w = Window();
  for (auto _ : state) {
    auto list = std::make_unique<TKorrekturstd>(w, TKorrekturstd::kCorrection, 'b', *w.ListTable,
                                                w.ContestDef);
    benchmark::DoNotOptimize(list->Brow->CurrentRef());
    state.PauseTiming();
    list.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenCorrectionList)->Unit(benchmark::kMillisecond)->Iterations(10);

// A new name for a QSO in the middle of the log, and back.
void BM_EditWithoutRecount(benchmark::State& state) {
  TContestLogStd& w = Window();
  TdbContest& qsos = *w.QsoTable;
  const TContLogAlle::TQsoPointsFn points = [&w](const TdbContestBase& t) {
    return w.LogCommon->CalcQsoPoints(w.ContestDef, *w.ListTable, t);
  };
  int round = 0;
  const auto editName = [&] {
    qsos.FindNumber(10000);
    TContestEingabeStd2Ctrl edit(&w, points, *w.LogCommon, {true, true, true}, *w.ListTable, qsos,
                                 w.ContestDef);
    TEingabeStd2Data data = edit.Load();
    data.Name = ++round % 2 ? "Hans" : "Fritz";
    return edit.Apply(data) && !edit.RecountNeeded();
  };
  // The first edit gives the generated QSO its entity, as the save road would have.
  editName();
  for (auto _ : state)
    if (!editName()) state.SkipWithError("edit failed or recounts");
}
BENCHMARK(BM_EditWithoutRecount)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char** argv) {
  return benchsupport::RunOffscreen(argc, argv, [] { gWindow.reset(); });
}
