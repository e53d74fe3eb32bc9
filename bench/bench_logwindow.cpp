// Opening the log window of a 'd' log of 20,000 QSOs offscreen: the layout with the
// opening of the log and its list, as "Contest starten" opens it.
#include <benchmark/benchmark.h>

#include "benchsupport.h"
#include "log/contlogstd.h"

namespace {

using benchsupport::kContest;
using benchsupport::Log;
using benchsupport::TSaarLog;

void BM_OpenSaarLog(benchmark::State& state) {
  TSaarLog& log = Log();
  for (auto _ : state) {
    auto window = std::make_unique<TContestLogStd>(kContest, *log.config, *log.list, log.def);
    window->ClearEntry(false);
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenSaarLog)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return benchsupport::RunOffscreen(argc, argv); }
