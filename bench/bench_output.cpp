// Time of the E-Log QSO list (with the file viewer it opens), the E-Log band list and
// the CSV file of a 20,000-QSO log, from the start of the job to the closed file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "contest/contestfkt.h"
#include "contest/contestload.h"
#include "foundation/cp1252.h"
#include "foundation/testdesktop.h"
#include "output/allerout.h"
#include "output/stdrout.h"
#include "shell/startup.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablefile.h"

namespace {

constexpr int kQsos = 20000;

struct TBenchLog {
  TContestRec Def;
  std::unique_ptr<TdbContest> List, Config;
};

// A SAAR log of kQsos QSOs on two bands in a fresh database folder.
bool MakeLog(const std::string& path, TBenchLog& log) {
  ToSetupDirs dirs;
  dirs.fill(path);
  Setups().SetDirs(dirs);
  Setups().StoreNow = nullptr;
  Setups().SetOwnCall("DL1ABC");
  if (!dbbase::InitDatabase()) return false;
  log.List = std::make_unique<TdbContest>(TdbContestBase::kList);
  log.Config = std::make_unique<TdbContest>(TdbContestBase::kConfig);
  TContestListRec r;
  r.SetTyp('d');
  r.SetName("Bench");
  r.SetRowPoints(1, 2 * kQsos);
  r.SetRowMultipliers(1, 50);
  r.SetRowFirstMultiplier(1, 50);
  log.List->SetListRec(r);
  if (!log.List->Add()) return false;
  const int32_t nr = log.List->GetListRec().Nummer();
  TContestConfigRec c;
  c.SetNummer(nr);
  log.Config->SetConfigRec(c);
  if (!log.Config->Add()) return false;
  LoadContestDefinition(log.Def, *log.List, 'd', true);
  log.Def.Bands[1] = 'b';
  log.Def.Bands[2] = 'c';
  TdbContest qsos(TdbContestBase::kQsoLog, 0, nr);
  TWriteGroup group;
  for (int i = 0; i < kQsos; ++i) {
    TContestQSORec q;
    q.SetCall("DL" + std::to_string(i % 10) + "A" + std::string(1, char('A' + i % 26)) + "Z");
    q.SetDatum(150000 + i / 86400);
    q.SetZeit(i % 86400);
    q.SetBandcode(i % 2 ? 'b' : 'c');
    q.SetMode("CW");
    oContestFkt->SplitSentExchange("599" + std::to_string(1000 + i), q);
    oContestFkt->SplitReceivedExchange("599" + std::to_string(i) + "Q" + std::to_string(i % 30), q);
    q.SetCMulti("Q" + std::to_string(i % 30));
    q.SetPoints(2);
    qsos.SetQSORec(q);
    if (!qsos.Add()) return false;
  }
  return group.Commit();
}

void RunJob(benchmark::State& state, uint8_t job, bool perBand) {
  QTemporaryDir dir;
  const std::string path = S(dir.path()) + "/";
  TTestDesktop desktop;
  TBenchLog log;
  if (!MakeLog(path, log)) {
    state.SkipWithError("log not made");
    return;
  }
  TAlleRout out;
  const TZeitraum4Rec periods;
  for (auto _ : state) {
    desktop.FilesToSave.push_back(Q(path + "bench.out"));
    out.BeginJob(job);
    out.ChooseTargetFile(job, *log.List, log.Def);
    if (perBand)
      stdrout::ExportBandLog(out, log.Def, periods, *log.List, *log.Config);
    else
      stdrout::ExportLog(out, log.Def, periods, *log.List, false, TEdiTexts{}, *log.Config);
    if (!out.CloseTargetFile(false)) state.SkipWithError("file not written");
  }
  state.SetItemsProcessed(state.iterations() * kQsos);
  log.List.reset();
  log.Config.reset();
  tablefiles::ReleaseAll();
  dbbase::DoneDatabase();
}

void BM_ELogList(benchmark::State& state) { RunJob(state, 7, false); }
BENCHMARK(BM_ELogList)->Unit(benchmark::kMillisecond);

void BM_ELogBandList(benchmark::State& state) { RunJob(state, 11, true); }
BENCHMARK(BM_ELogBandList)->Unit(benchmark::kMillisecond);

void BM_Csv(benchmark::State& state) { RunJob(state, 13, false); }
BENCHMARK(BM_Csv)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir home;
  startup::StartServices(S(home.path()).c_str(), S(home.path()).c_str());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  startup::StopServices();
  return 0;
}
