// Call-sign resolution against a prefix file of a few thousand entries: 10,000 calls per
// iteration, reported per call.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <random>
#include <string>
#include <vector>

#include "foundation/daynumber.h"
#include "reference/datprefix.h"
#include "reference/dbprefix.h"
#include "shell/startup.h"
#include "tables/setups.h"

namespace {

using namespace prefixrec;

constexpr int kCalls = 10000;

void AddEntry(TdbPrefix& t, const std::string& prefix, const std::string& dxcc, char rangeStart = 0,
              const std::string& wiePref = "") {
  TRecord r(kSize);
  r.SetStr(kPrefix, kPrefixLen, prefix);
  r.SetStr(kDxcc, kDxccLen, dxcc);
  r.SetStr(kCountry, kCountryLen, "Country of " + dxcc);
  r.SetByte(kRangeStart, uint8_t(rangeStart));
  r.SetStr(kWiePref, kPrefixLen, wiePref);
  t.SetWorkRec(r);
  t.Add();
}

// About 4,400 entries: every letter-letter prefix, letter-digit prefixes, ranges and a few
// like-prefixes and wildcards, as a full prefix list holds them.
int FillPrefixFile() {
  TdbPrefix t;
  int n = 0;
  for (char a = 'A'; a <= 'Z'; ++a) {
    for (char b = 'A'; b <= 'Z'; b += 1) {
      const std::string p{a, b};
      if (b % 5 == 0)
        AddEntry(t, p, p, char(b - 3));  // a range over the letters below
      else
        AddEntry(t, p, p);
      for (char d = '0'; d <= '3'; ++d) AddEntry(t, p + d, p + d);
      n += 5;
    }
    for (char d = '0'; d <= '9'; ++d) {
      const std::string p{a, d};
      AddEntry(t, p, p);
      AddEntry(t, p + "A", p + "A", 0, d % 3 == 0 ? p : "");
      AddEntry(t, p + "~", p + "X");
      n += 3;
    }
    for (char d = '2'; d <= '9'; ++d) {
      AddEntry(t, std::string{d, a}, std::string{d, a});
      ++n;
    }
  }
  return n;
}

std::vector<std::string> MakeCalls() {
  std::mt19937 rng(42);
  auto letter = [&] { return char('A' + rng() % 26); };
  auto digit = [&] { return char('0' + rng() % 10); };
  std::vector<std::string> calls;
  for (int i = 0; i < kCalls; ++i) {
    std::string c;
    switch (rng() % 4) {
      case 0: c = {letter(), letter(), digit(), letter(), letter(), letter()}; break;
      case 1: c = {letter(), digit(), letter(), letter()}; break;
      case 2: c = {digit(), letter(), digit(), letter(), letter()}; break;
      default: c = {letter(), letter(), digit(), letter(), letter(), '/', 'P'}; break;
    }
    calls.push_back(c);
  }
  return calls;
}

void BM_ResolveCall(benchmark::State& state) {
  QTemporaryDir dir;
  ToSetupDirs dirs = Setups().GetDirs();
  dirs[setupdirs::kData] = dir.path().toStdString() + "/";
  Setups().SetDirs(dirs);
  oDatPrefix->OpenFileSet(
      ToDatPrefix::kBitMain | ToDatPrefix::kBitSingleCalls | ToDatPrefix::kBitCallGroups, false);
  const int entries = FillPrefixFile();
  const std::vector<std::string> calls = MakeCalls();
  const bool secondary = state.range(0) != 0;
  const int32_t date = daynumber::FromYMD(2026, 1, 10);
  TdbPrefix t, ee(kSingleCalls), es(kCallGroups);
  int found = 0;
  for (auto _ : state) {
    for (const std::string& call : calls) {
      uint8_t status = 0;
      found += t.ResolveCall(call, date, secondary, &ee, &es, status, nullptr, false) == 0;
    }
  }
  state.counters["entries"] = entries;
  state.counters["found%"] = 100.0 * found / (double(state.iterations()) * kCalls);
  state.counters["per_call"] =
      benchmark::Counter(double(state.iterations()) * kCalls,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  oDatPrefix->CloseFileSet(7, false, false, true);
}
BENCHMARK(BM_ResolveCall)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

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
