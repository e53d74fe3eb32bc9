// Call resolution with the prefix files the program ships (all three files open): 10,000
// calls made from the country file's prefixes and exact calls, reported per call.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "foundation/daynumber.h"
#include "reference/ctyfile.h"
#include "reference/datprefix.h"
#include "reference/dbprefix.h"
#include "reference/prefixinstall.h"
#include "shell/startup.h"
#include "tables/setups.h"

namespace {

using namespace prefixrec;

constexpr int kCalls = 10000;

// A call for each draw: a prefix of the file with a district digit where it ends in a
// letter and a suffix of one to three letters, or one of the file's exact calls.
std::vector<std::string> MakeCalls() {
  std::vector<std::string> prefixes, exact;
  std::ifstream in(ZOR_COUNTRY_FILE);
  for (std::string line; std::getline(in, line);) {
    ctyfile::TCtyEntity e;
    if (!ctyfile::ParseLine(line, e) || !e.DxccEntity) continue;
    for (const ctyfile::TCtyPrefix& p : e.Prefixes)
      (p.ExactCall ? exact : prefixes).push_back(p.Text);
  }
  std::vector<std::string> calls;
  if (prefixes.empty()) return calls;
  std::mt19937 rng(42);
  auto letter = [&] { return char('A' + rng() % 26); };
  for (int i = 0; i < kCalls; ++i) {
    if (!exact.empty() && rng() % 10 == 0) {
      calls.push_back(exact[rng() % exact.size()]);
      continue;
    }
    std::string c = prefixes[rng() % prefixes.size()];
    if (c.back() < '0' || c.back() > '9') c += char('0' + rng() % 10);
    for (unsigned n = 1 + rng() % 3; n > 0; --n) c += letter();
    calls.push_back(c);
  }
  return calls;
}

void BM_ResolveShippedFiles(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/";
  if (!prefixinstall::InstallShippedFiles(ZOR_BUILD_DATA_DIR, path)) {
    state.SkipWithError("no shipped prefix files in " ZOR_BUILD_DATA_DIR);
    return;
  }
  ToSetupDirs dirs = Setups().GetDirs();
  dirs[setupdirs::kData] = path;
  Setups().SetDirs(dirs);
  oDatPrefix->OpenFileSet(
      ToDatPrefix::kBitMain | ToDatPrefix::kBitSingleCalls | ToDatPrefix::kBitCallGroups, false);
  const std::vector<std::string> calls = MakeCalls();
  const int32_t date = daynumber::FromYMD(2026, 1, 10);
  int found = 0;
  {
    TdbPrefix t, ee(kSingleCalls), es(kCallGroups);
    for (auto _ : state) {
      for (const std::string& call : calls) {
        uint8_t status = 0;
        found += t.ResolveCall(call, date, true, &ee, &es, status, nullptr, false) == 0;
      }
    }
    state.counters["entries"] = t.RecordCount();
  }
  state.counters["found%"] = 100.0 * found / (double(state.iterations()) * kCalls);
  state.counters["per_call"] =
      benchmark::Counter(double(state.iterations()) * kCalls,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  oDatPrefix->CloseFileSet(7, false, false, true);
}
BENCHMARK(BM_ResolveShippedFiles)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  startup::StartServices(QDir::currentPath().toStdString().c_str(), "");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  startup::StopServices();
  return 0;
}
