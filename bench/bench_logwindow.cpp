// Opening the log window of a 'd' log of 20,000 QSOs offscreen: the layout with the
// opening of the log and its list, as "Contest starten" opens it.
#include <QTemporaryDir>
#include <memory>

#include "benchsupport.h"
#include "foundation/cp1252.h"
#include "log/contlogstd.h"

namespace {

constexpr int kQsos = 20000;
constexpr int32_t kContest = 1;

struct TSaarLog {
  QTemporaryDir dir;
  std::unique_ptr<TdbContest> list, config;
  TContestRec def;

  TSaarLog() {
    benchsupport::StartServicesIn(S(dir.path()) + "/");
    list = std::make_unique<TdbContest>(TdbContestBase::kList);
    config = std::make_unique<TdbContest>(TdbContestBase::kConfig);
    def = benchsupport::AddSaarLog(kContest, *list, *config, [](TContestListRec&) {});
    benchsupport::AddSaarQsos(kContest, kQsos);
  }
};

TSaarLog& Log() {
  static TSaarLog log;
  return log;
}

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
