// The checks of the log on a 20,000-QSO log: what a new QSO costs when the call field is
// left (the dupe chain, then the prefix preview with its points) as median and 99th
// percentile, and the multiplier walk of one band with the lists filled.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "contest/contestrules.h"
#include "foundation/cp1252.h"
#include "foundation/daynumber.h"
#include "log/contlogalle.h"
#include "reference/datprefix.h"
#include "reference/dbprefix.h"
#include "reference/prefixrec.h"
#include "shell/startup.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablefile.h"

namespace {

constexpr int kQsos = 20000;
constexpr int32_t kContest = 1;
constexpr char kBands[] = "bcklmnsr";

std::string Call(int n) {
  static const char* const kHeads[] = {"DL", "DK", "OK", "F", "SP", "G", "DL/PA", "EA8/DJ"};
  return std::string(kHeads[n % 8]) + std::to_string(1 + n % 9) + char('A' + n % 26) +
         char('A' + n / 26 % 26) + char('A' + n / 676 % 26);
}

// Every letter-letter and letter-digit prefix, as a full prefix list holds them.
void FillPrefixFile() {
  using namespace prefixrec;
  TdbPrefix t;
  auto add = [&t](const std::string& p) {
    TRecord r(kSize);
    r.SetStr(kPrefix, kPrefixLen, p);
    r.SetStr(kDxcc, kDxccLen, p);
    r.SetStr(kContinent, kZoneLen, "EU");
    t.SetWorkRec(r);
    t.Add();
  };
  TWriteGroup group;
  for (char a = 'A'; a <= 'Z'; ++a) {
    for (char b = 'A'; b <= 'Z'; ++b) add(std::string{a, b});
    for (char d = '0'; d <= '9'; ++d) add(std::string{a, d});
  }
  group.Commit();
}

struct TBenchLog {
  QTemporaryDir dir;
  std::unique_ptr<TdbContest> list;
  std::unique_ptr<TdbContest> log;
  bool ok = false;

  TBenchLog() {
    const std::string path = S(dir.path()) + "/";
    startup::StartServices(path.c_str(), path.c_str());
    ToSetupDirs dirs;
    dirs.fill(path);
    Setups().SetDirs(dirs);
    Setups().StoreNow = nullptr;
    if (!dbbase::InitDatabase()) return;
    oDatPrefix->OpenFileSet(7, false);
    FillPrefixFile();
    list = std::make_unique<TdbContest>(TdbContestBase::kList);
    TContestListRec r;
    r.SetNummer(kContest);
    r.SetTyp('d');
    r.SetDOK("Q01");
    r.SetOwnCall("DL1ABC");
    list->SetListRec(r);
    log = std::make_unique<TdbContest>(TdbContestBase::kQsoLog, 0, kContest);
    static const char* const kModes[] = {"CW", "SSB", "FM"};
    TWriteGroup group;
    for (int i = 0; i < kQsos; ++i) {
      TContestQSORec q;
      q.SetCall(Call(i % 12000));
      q.SetDatum(150000);
      q.SetZeit(i);
      q.SetBandcode(kBands[i % 8]);
      q.SetMode(kModes[i % 3]);
      q.SetDXCC("DL");
      q.SetContinent("EU");
      // Districts Q and Z count in this contest, the others do not.
      q.SetDOK(std::string(1, "QZABQZ"[i / 8 % 6]) + std::to_string(10 + i / 48 % 90));
      log->SetQSORec(q);
      if (!log->Add()) return;
    }
    ok = group.Commit();
  }
  ~TBenchLog() {
    log.reset();
    list.reset();
    oDatPrefix->CloseFileSet(7, false, false, true);
    tablefiles::ReleaseAll();
    dbbase::DoneDatabase();
    startup::StopServices();
  }
};

TBenchLog& Log() {
  static TBenchLog log;
  return log;
}

TContestRec Definition(uint8_t dupeScope) {
  TContestInputs in;
  in.Code = 'd';
  in.ClassNumber = 1;
  in.OwnDok = "Q01";
  in.OwnCall = "DL1ABC";
  TContestRec def = BuildContestDefinition(in);
  def.DupeScope = dupeScope;
  return def;
}

// One new QSO per step: a call of the log (a dupe in part) or a new one, on a band and in
// a mode of the log. Reports the median and the 99th percentile of one step.
void BM_DupeChainAndPreview(benchmark::State& state) {
  TBenchLog& b = Log();
  if (!b.ok) {
    state.SkipWithError("no log");
    return;
  }
  const TContestRec def = Definition(uint8_t(state.range(0)));
  state.SetLabel("dupe scope " + std::to_string(state.range(0)));
  TContLogAlle alle;
  const TContLogAlle::TQsoPointsFn points = [&](const TdbContestBase& qso) {
    return alle.CalcQsoPoints(def, *b.list, qso);
  };
  std::mt19937 rng(7);
  std::vector<double> ms;
  int refused = 0, known = 0;
  for (auto _ : state) {
    TContestQSORec q;
    q.SetCall(Call(int(rng() % 16000)));
    q.SetBandcode(kBands[rng() % 8]);
    q.SetMode(rng() % 2 ? "CW" : "SSB");
    q.SetDatum(150000);
    q.SetZeit(int32_t(rng() % 86400));
    q.SetDOK("Q05");
    const auto start = std::chrono::steady_clock::now();
    b.log->SetQSORec(q);
    if (TContLogAlle::CheckDupes(*b.log, 'd', def, true) == TContLogAlle::TDupeAction::kRefuse)
      ++refused;
    else
      known += alle.PreviewQso(*b.log, *b.list, points, def);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  state.counters["p50_ms"] = ms[ms.size() / 2];
  state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
  state.counters["refused%"] = 100.0 * refused / double(ms.size());
  state.counters["known%"] = 100.0 * known / double(ms.size());
}
BENCHMARK(BM_DupeChainAndPreview)->Arg(1)->Arg(3)->Arg(5)->Iterations(3000);

// CountMultipliers of kind 4 over one band (2,500 QSOs of the log) with the lists filled,
// by value jumps as the recount walks, and QSO by QSO as the recalculation counts by column.
void BM_CountDoksOfABand(benchmark::State& state) {
  TBenchLog& b = Log();
  if (!b.ok) {
    state.SkipWithError("no log");
    return;
  }
  const bool byColumn = state.range(0) != 0;
  state.SetLabel(byColumn ? "by column" : "value by value");
  TContestRec def = Definition(1);
  def.MultiplierKinds.reset();
  def.MultiplierKinds.set(4);
  def.MultiplierName[1] = "DOK";
  TContLogAlle alle;
  auto lists = std::make_unique<TContLogAlle::TMultiLists>();
  int count = 0;
  for (auto _ : state) {
    TContLogAlle::TColumnCounts counts;
    count = alle.CountMultipliers(4, 'c', *b.log, *b.list, "", "", def, lists.get(), true, byColumn,
                                  counts, nullptr);
  }
  state.counters["multipliers"] = count;
}
BENCHMARK(BM_CountDoksOfABand)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
