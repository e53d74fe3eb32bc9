// Cost of building a contest definition: once per code for all 57 codes, and for the
// edition's own contest alone.
#include <benchmark/benchmark.h>

#include "contest/contestrules.h"
#include "foundation/daynumber.h"

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

}  // namespace

BENCHMARK_MAIN();
