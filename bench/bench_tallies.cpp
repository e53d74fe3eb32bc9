// The upkeep of a 20,000-QSO contest log: the recalculation and the renumbering that run
// at every close of the log window, and the recount of the multiplier total that runs
// for every new entry.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "contest/contestrules.h"
#include "foundation/cp1252.h"
#include "foundation/daynumber.h"
#include "foundation/testdesktop.h"
#include "log/contlogalle.h"
#include "log/logstate.h"
#include "shell/startup.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablefile.h"

namespace {

constexpr int kQsos = 20000;

// A 'd' log: calls of every kind, DOKs of 26 districts, a few dupes and band changes.
struct TBenchLog {
  QTemporaryDir dir;
  TTestDesktop desktop;
  std::unique_ptr<TdbContest> list, config;
  TContestRec def;
  std::unique_ptr<TContLogAlle> common;
  std::unique_ptr<TContestLogState> state;

  TBenchLog() {
    const std::string path = S(dir.path()) + "/";
    startup::StartServices(path.c_str(), path.c_str());
    ToSetupDirs dirs;
    dirs.fill(path);
    Setups().SetDirs(dirs);
    Setups().StoreNow = nullptr;
    dbbase::InitDatabase();
    list = std::make_unique<TdbContest>(TdbContestBase::kList);
    TContestListRec l;
    l.SetTyp('d');
    l.SetName("Bench");
    l.SetCategory(1);
    l.SetDOK("Q01");
    l.SetOwnCall("DK2ZZ");
    list->SetListRec(l);
    list->Add();
    const int32_t number = list->GetListRec().Nummer();
    list->FindNumber(number);
    config = std::make_unique<TdbContest>(TdbContestBase::kConfig);
    TContestConfigRec c;
    c.SetNummer(number);
    config->SetConfigRec(c);
    config->Add();
    TContestInputs in;
    in.Code = 'd';
    in.ClassNumber = 1;
    in.OwnDok = "Q01";
    in.OwnCall = "DK2ZZ";
    def = BuildContestDefinition(in);
    {
      TdbContest qsos(TdbContestBase::kQsoLog, 0, number);
      TWriteGroup group;
      for (int i = 0; i < kQsos; ++i) {
        TContestQSORec r;
        r.SetCall("DL" + std::to_string(i % 9 + 1) + char('A' + i % 26) + char('A' + i / 26 % 26) +
                  char('A' + i / 676 % 26));
        r.SetBandcode('b');
        r.SetMode(i % 3 ? "SSB" : "CW");
        r.SetDatum(daynumber::FromYMD(2026, 3, 18) + i / 10000);
        r.SetZeit(i % 10000 * 8);
        r.SetDOK(std::string(1, char('A' + i % 26)) + std::to_string(10 + i / 26 % 90));
        r.SetPoints(1);
        if (i % 997 == 0) r.SetZeroPoints(255);
        qsos.SetQSORec(r);
        qsos.Add();
      }
      group.Commit();
    }
    common = std::make_unique<TContLogAlle>();
    state = std::make_unique<TContestLogState>(def, *common, *list, *config, number);
    state->CurrentBand = 'b';
    state->RecountTotals(true);
  }
  ~TBenchLog() {
    state.reset();
    common.reset();
    config.reset();
    list.reset();
    tablefiles::ReleaseAll();
    dbbase::DoneDatabase();
    startup::StopServices();
  }
};

TBenchLog* gLog = nullptr;
TBenchLog& Log() { return *gLog; }

void BM_RecalcAndRenumber(benchmark::State& state) {
  TBenchLog& log = Log();
  for (auto _ : state) {
    benchmark::DoNotOptimize(log.state->RecalcLog());
    benchmark::DoNotOptimize(log.state->RenumberLog());
  }
  state.counters["multis"] = log.state->MultiTotal;
}
BENCHMARK(BM_RecalcAndRenumber)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RecalcLog(benchmark::State& state) {
  TBenchLog& log = Log();
  for (auto _ : state) benchmark::DoNotOptimize(log.state->RecalcLog());
}
BENCHMARK(BM_RecalcLog)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RenumberLog(benchmark::State& state) {
  TBenchLog& log = Log();
  for (auto _ : state) benchmark::DoNotOptimize(log.state->RenumberLog());
}
BENCHMARK(BM_RenumberLog)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RecountTotals(benchmark::State& state) {
  TBenchLog& log = Log();
  for (auto _ : state) log.state->RecountTotals(false);
  state.counters["multis"] = log.state->MultiTotal;
}
BENCHMARK(BM_RecountTotals)->Unit(benchmark::kMillisecond);

void BM_RecountTotalsFull(benchmark::State& state) {
  TBenchLog& log = Log();
  for (auto _ : state) log.state->RecountTotals(true);
  state.counters["points"] = log.state->PointsTotal;
}
BENCHMARK(BM_RecountTotalsFull)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  {
    TBenchLog log;
    gLog = &log;
    benchmark::RunSpecifiedBenchmarks();
    gLog = nullptr;
  }
  benchmark::Shutdown();
  return 0;
}
