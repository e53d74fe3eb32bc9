// The cover sheet of a 20,000-QSO log written as the E-Log file "SUM", and the counting and
// layout of both evaluation charts over the same log.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "benchsupport.h"
#include "contest/contestinputs.h"
#include "contest/contestrules.h"
#include "foundation/cp1252.h"
#include "foundation/testdesktop.h"
#include "output/evalcount.h"
#include "output/outputjobs.h"
#include "output/partyausw.h"
#include "output/wagausw.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"

namespace {

constexpr int kQsos = 20000;
constexpr int32_t kDay = 155000;

struct TBenchLog {
  QTemporaryDir dir;
  std::string path = S(dir.path()) + "/";
  TTestDesktop desk;

  TBenchLog() {
    benchsupport::StartServicesIn(path, "DL1ABC");
    TdbContestBase qsos(TdbContestBase::kQsoLog, 0, 1);
    TWriteGroup group;
    const char* bands = "bdfhj";
    for (int i = 0; i < kQsos; ++i) {
      TContestQSORec q;
      // 20,000 QSOs over the 24 contest hours from 15 UTC on.
      const int32_t second = 15 * 3600 + i * 4;
      q.SetDatum(kDay + second / 86400);
      q.SetZeit(second % 86400);
      q.SetCall("DL" + std::to_string(1000 + i));
      q.SetLoc("JO" + std::to_string(10 + i % 80) + "AB");
      q.SetDXCC(i % 7 == 0 ? "OK" : "DL");
      q.SetBandcode(bands[i % 5]);
      q.SetPoints(uint16_t(1 + i % 300));
      q.SetCMulti(i % 3 == 0 ? "K" + std::to_string(10 + i % 90) : "");
      q.SetRcvdPart1("599" + std::to_string(10 + i % 80));
      qsos.ClearRecords();
      qsos.SetQSORec(q);
      qsos.Add();
    }
    group.Commit();
  }
  ~TBenchLog() {
    benchsupport::StopServices();
  }
};

TBenchLog& Log() {
  static TBenchLog log;
  return log;
}

void BM_CoverSheetSum(benchmark::State& state) {
  TBenchLog& log = Log();
  const char code = char(state.range(0));
  TContestInputs inputs;
  inputs.Code = code;
  inputs.StartDate = kDay;
  inputs.ClassNumber = 1;
  const TContestRec def = BuildContestDefinition(inputs);
  TdbContest list(TdbContestBase::kList), config(TdbContestBase::kConfig);
  TContestListRec rec;
  rec.SetNummer(1);
  rec.SetTyp(code);
  rec.SetCategory(1);
  rec.SetTotalsInConfig(255);
  if (!list.FindNumber(1)) {
    list.SetListRec(rec);
    list.Add();
    TContestConfigRec cfg;
    cfg.SetNummer(1);
    config.SetConfigRec(cfg);
    config.Add();
  } else {
    list.SetListRec(rec);
    list.Modify();
    config.FindNumber(1);
  }
  const QString target = Q(log.path + "bench.SUM");
  for (auto _ : state) {
    log.desk.FilesToSave.push_back(target);
    outputjobs::RunOutputJob(6, def, list, config);
  }
}
BENCHMARK(BM_CoverSheetSum)->Arg('d')->Arg('8')->Arg('h')->Unit(benchmark::kMillisecond);

void BM_MembershipChart(benchmark::State& state) {
  Log();
  TdbContestBase qsos(TdbContestBase::kQsoLog, 0, 1);
  for (auto _ : state)
    benchmark::DoNotOptimize(partyausw::PartyChart(evalcount::CountAges(qsos, 5), 5));
}
BENCHMARK(BM_MembershipChart)->Unit(benchmark::kMillisecond);

void BM_HourChart(benchmark::State& state) {
  Log();
  TdbContestBase qsos(TdbContestBase::kQsoLog, 0, 1);
  for (auto _ : state)
    benchmark::DoNotOptimize(wagausw::HourChart(evalcount::CountHours(qsos, kDay), kDay));
}
BENCHMARK(BM_HourChart)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
