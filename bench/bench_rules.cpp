// Cost of building a contest definition: once per code for all 57 codes, and for the
// edition's own contest alone; and of loading it for a stored contest log, with and
// without the write-back of the list record.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "contest/contestload.h"
#include "contest/contestrules.h"
#include "foundation/cp1252.h"
#include "foundation/daynumber.h"
#include "shell/startup.h"
#include "storage/dbbase.h"
#include "tables/contestrecs.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablefile.h"

namespace {

const char kCodes[] = "VBDqHEFJR5PGNSTLUIlZCKAfYoOQ123c678swm9a4bdeghijknprWuXtv";

TContestInputs Inputs(TContestCode code) {
  TContestInputs in;
  in.Code = code;
  in.ClassNumber = 1;
  in.StartDate = daynumber::FromYMD(2016, 7, 16);
  in.OwnDok = "Q01";
  in.OwnCall = "DL1ABC";
  in.MemberNumber = 1;
  in.OwnLocator = "JN39LG";
  in.OwnName = "Hans";
  in.Today = in.StartDate;
  return in;
}

void BM_BuildEveryCode(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* c = kCodes; *c; ++c) {
      bool setsByte = false;
      TContestRec def = BuildContestDefinition(Inputs(*c), &setsByte);
      benchmark::DoNotOptimize(def);
    }
  }
  state.SetItemsProcessed(state.iterations() * (sizeof kCodes - 1));
}
BENCHMARK(BM_BuildEveryCode);

void BM_BuildSaar(benchmark::State& state) {
  TContestInputs in = Inputs('d');
  for (auto _ : state) {
    TContestRec def = BuildContestDefinition(in);
    benchmark::DoNotOptimize(def);
  }
}
BENCHMARK(BM_BuildSaar);

void BM_CopyDefinition(benchmark::State& state) {
  TContestRec def = BuildContestDefinition(Inputs('e'));
  for (auto _ : state) {
    TContestRec copy = def;
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(BM_CopyDefinition);

// One stored contest log per code in a fresh database folder.
void BM_LoadEveryCode(benchmark::State& state) {
  const bool existing = state.range(0) != 0;
  QTemporaryDir dir;
  std::string path = S(dir.path()) + "/";
  startup::StartServices(path.c_str(), path.c_str());
  ToSetupDirs dirs;
  dirs.fill(path);
  Setups().SetDirs(dirs);
  Setups().StoreNow = nullptr;
  if (!dbbase::InitDatabase()) {
    state.SkipWithError("no database");
    return;
  }
  {
    TdbContest list(TdbContestBase::kList);
    std::vector<int32_t> numbers;
    for (const char* c = kCodes; *c; ++c) {
      TContestListRec r;
      r.SetTyp(*c);
      r.SetName("Bench");
      r.SetCategory(1);
      r.SetDOK("Q01");
      list.SetListRec(r);
      list.Add();
      numbers.push_back(list.GetListRec().Nummer());
    }
    TContestRec def;
    for (auto _ : state) {
      size_t i = 0;
      for (const char* c = kCodes; *c; ++c, ++i) {
        list.FindNumber(numbers[i]);
        benchmark::DoNotOptimize(LoadContestDefinition(def, list, *c, existing));
      }
    }
    state.SetItemsProcessed(state.iterations() * (sizeof kCodes - 1));
  }
  tablefiles::ReleaseAll();
  dbbase::DoneDatabase();
  startup::StopServices();
}
BENCHMARK(BM_LoadEveryCode)->Arg(0)->Arg(1)->ArgName("written");

}  // namespace

BENCHMARK_MAIN();
