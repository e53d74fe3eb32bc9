// Cost of the export files of a 20,000-QSO contest log: STF, Cabrillo, ADIF and EDI, each
// a whole job of the dispatcher (totals, column widths, header, lines, file closed), the
// dialogs answered by the desktop double. Goal: under 1 s each.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include "contest/contestfkt.h"
#include "contest/contestload.h"
#include "foundation/cp1252.h"
#include "foundation/daynumber.h"
#include "foundation/progdir.h"
#include "foundation/testdesktop.h"
#include "output/outputjobs.h"
#include "shell/startup.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablefile.h"

namespace {

constexpr int kQsos = 20000;

struct TBenchLog {
  QTemporaryDir dir;
  std::string path = S(dir.path()) + "/";
  TContestRec def;
  std::unique_ptr<TdbContest> list, config;

  bool Make() {
    SetProgramDirectory(path);
    ToSetupDirs dirs;
    dirs.fill(path);
    Setups().SetDirs(dirs);
    Setups().StoreNow = nullptr;
    Setups().SetOwnCall("DL1ABC");
    if (!dbbase::InitDatabase()) return false;
    list = std::make_unique<TdbContest>(TdbContestBase::kList);
    config = std::make_unique<TdbContest>(TdbContestBase::kConfig);
    TContestListRec r;
    r.SetTyp('d');
    r.SetCategory(1);
    r.SetOwnCall("DL1ABC");
    r.SetName("SAAR 2025");
    list->SetListRec(r);
    if (!list->Add()) return false;
    const int32_t nr = list->GetListRec().Nummer();
    TContestConfigRec c;
    c.SetNummer(nr);
    config->SetConfigRec(c);
    if (!config->Add() || !LoadContestDefinition(def, *list, 'd', true)) return false;
    TdbContest log(TdbContestBase::kQsoLog, 0, nr);
    const char bands[] = "bceik";
    const char* modes[] = {"CW", "SSB", "RTTY", "FM", "PSK31"};
    dbbase::BeginWrites();
    for (int i = 0; i < kQsos; ++i) {
      TContestQSORec q;
      q.SetCall("DL" + std::to_string(i % 10) + "A" + std::string(1, char('A' + i % 26)) +
                std::string(1, char('A' + i / 26 % 26)));
      q.SetDatum(daynumber::FromYMD(2025, 3, 8 + i / 86400));
      q.SetZeit(i % 86400);
      q.SetBandcode(bands[i % 5]);
      q.SetMode(modes[i % 5]);
      oContestFkt->SplitSentExchange("599" + std::to_string(1000 + i), q);
      oContestFkt->SplitReceivedExchange("599Q" + std::to_string(i % 100), q);
      q.SetLoc("JN39LG");
      q.SetDXCC(i % 7 == 0 ? "F" : "DL");
      q.SetDistance(i % 900);
      q.SetPoints(uint16_t(1 + i % 3));
      q.SetFrequency(3.5f + float(i % 100) / 1000);
      log.SetQSORec(q);
      if (!log.Add()) return false;
    }
    return dbbase::CommitWrites();
  }
  ~TBenchLog() {
    list.reset();
    config.reset();
    tablefiles::ReleaseAll();
    dbbase::DoneDatabase();
  }
};

TBenchLog* gLog = nullptr;

void BM_ExportJob(benchmark::State& state) {
  const uint8_t job = uint8_t(state.range(0));
  TTestDesktop desktop;
  int n = 0;
  QString file;
  for (auto _ : state) {
    file = Q(gLog->path + "bench" + std::to_string(n++) + ".out");
    desktop.FilesToSave.push_back(file);
    outputjobs::RunOutputJob(job, gLog->def, *gLog->list, *gLog->config);
  }
  state.counters["bytes"] = double(QFileInfo(file).size());
  state.SetItemsProcessed(state.iterations() * kQsos);
}
// 8 STF, 10 Cabrillo, 9 ADIF, 15 EDI.
BENCHMARK(BM_ExportJob)
    ->Arg(8)
    ->Arg(10)
    ->Arg(9)
    ->Arg(15)
    ->ArgName("job")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir work;
  startup::StartServices(S(work.path()).c_str(), S(work.path()).c_str());
  {
    TBenchLog log;
    if (!log.Make()) return 1;
    gLog = &log;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    gLog = nullptr;
  }
  startup::StopServices();
  return 0;
}
