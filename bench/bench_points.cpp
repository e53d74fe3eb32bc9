// The points of every QSO of a 20,000-QSO log under each contest code, as the recount of
// a log computes them: the rules that read the log search the stored log, and the
// DSW-Kurzcontest looks the calls up in a member list of 5,000 lines.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "benchsupport.h"
#include "contest/contestrules.h"
#include "contest/exchangesplit.h"
#include "foundation/cp1252.h"
#include "log/contlogalle.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace {

constexpr char kCodes[] = "VWXtD1nfabvBpH5PEqJFGRhNSTLUKIlZCOAYoQ23c67ij8ms94wdegkru";
constexpr int kQsos = 20000;
constexpr int kDswLines = 5000;
constexpr int32_t kContest = 1;

struct TBenchLog {
  QTemporaryDir dir;
  std::vector<TContestQSORec> qsos;
  std::unique_ptr<TdbContest> list;
  std::unique_ptr<TdbContest> log;
  bool ok = false;

  TBenchLog() {
    const std::string path = S(dir.path()) + "/";
    const bool started = benchsupport::StartServicesIn(path, "");
    ToSetupEigeneStation station = Setups().GetEigeneStation();
    station.SetLocator("JO43AA");
    Setups().SetEigeneStation(station);
    if (!started) return;
    {
      std::ofstream dsw(path + "dsw.csv", std::ios::binary);
      for (int i = 0; i < kDswLines; ++i)
        dsw << Call(i * 3) << ";Name" << i << ";QTH;" << (i % 2 ? "D" + std::to_string(i) : "")
            << ";K" << i << "\r\n";
    }
    list = std::make_unique<TdbContest>(TdbContestBase::kList);
    log = std::make_unique<TdbContest>(TdbContestBase::kQsoLog, 0, kContest);
    static const char kBands[] = "bcklmnsr";
    static const char* const kDxcc[] = {"DL", "OK", "F", "SP", "G", "4X"};
    static const char* const kModes[] = {"CW", "SSB", "FM"};
    TWriteGroup group;
    for (int i = 0; i < kQsos; ++i) {
      TContestQSORec q;
      q.SetCall(Call(i % 9000));
      q.SetDatum(150000);
      q.SetZeit(i);
      q.SetBandcode(kBands[i % 8]);
      q.SetMode(kModes[i % 3]);
      q.SetDXCC(kDxcc[i % 6]);
      q.SetContinent(i % 7 ? "EU" : "NA");
      q.SetDistance(50 + i % 1500);
      const char square[] = {char('I' + i % 8), char('L' + i % 6), char('0' + i % 10),
                             char('0' + i / 10 % 10), 0};
      q.SetLoc(std::string(square) + "AA");
      if (i % 5 == 0) q.SetCMulti(square);
      q.SetDOK(i % 11 == 0 ? "Q01"
                           : std::string(1, char('A' + i % 26)) + std::to_string(10 + i % 90));
      exchangesplit::SplitReceivedExchange("599" + std::to_string(i % 1000) + (i % 3 ? "/A" : ""),
                                           q);
      log->SetQSORec(q);
      if (!log->Add()) return;
      qsos.push_back(log->GetQSORec());
    }
    ok = group.Commit();
  }
  ~TBenchLog() {
    log.reset();
    list.reset();
    benchsupport::StopServices();
  }
  static std::string Call(int n) {
    static const char* const kHeads[] = {"DL", "DK", "DF", "DA", "OK", "F", "DN", "DL0"};
    return std::string(kHeads[n % 8]) + std::to_string(1 + n % 9) + char('A' + n % 26) +
           char('A' + n / 26 % 26) + char('A' + n / 676 % 26);
  }
};

TBenchLog& Log() {
  static TBenchLog log;
  return log;
}

void BM_PointsOfTheLog(benchmark::State& state) {
  TBenchLog& b = Log();
  if (!b.ok) {
    state.SkipWithError("no log");
    return;
  }
  const char code = kCodes[state.range(0)];
  state.SetLabel(std::string("code ") + code);
  TContestListRec r;
  r.SetNummer(kContest);
  r.SetTyp(code);
  r.SetCategory(1);
  r.SetDOK("Q01");
  r.SetOwnCall("DL1ABC");
  b.list->SetListRec(r);
  TContestInputs in;
  in.Code = code;
  in.ClassNumber = 1;
  in.OwnDok = "Q01";
  in.OwnCall = "DL1ABC";
  const TContestRec def = BuildContestDefinition(in);
  int64_t total = 0;
  for (auto _ : state) {
    TContLogAlle window;  // a fresh window loads its member list once
    for (const TContestQSORec& q : b.qsos) {
      b.log->SetQSORec(q);
      total += window.CalcQsoPoints(def, *b.list, *b.log);
    }
  }
  benchmark::DoNotOptimize(total);
  state.SetItemsProcessed(state.iterations() * kQsos);
}
BENCHMARK(BM_PointsOfTheLog)->DenseRange(0, 56)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
