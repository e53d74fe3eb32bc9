// The ADIF import of 20,000 generated QSOs into an empty 'd' log through the log window
// offscreen: every record through the entry fields, the checks and the save road, with
// durable writes. Reported: the whole run, QSOs a second, and the first and the last
// 1,000 QSOs (the import must not slow down as the log grows).
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "benchsupport.h"
#include "foundation/cp1252.h"
#include "foundation/strings.h"
#include "foundation/testdesktop.h"
#include "log/adifimportctrl.h"
#include "log/adifreader.h"
#include "log/contlogstd.h"

namespace {

constexpr int kQsos = 20000;
constexpr int kChunk = 1000;
constexpr int32_t kContest = 1;

// The lines of an ADIF file of n QSOs of class A (80 m SSB), six a minute, with DOKs.
std::vector<std::string> GeneratedFile(int n) {
  std::vector<std::string> lines = {"Generated", "<ADIF_VER:5>3.1.4 <EOH>"};
  for (int i = 0; i < n; ++i) {
    const std::string call = benchsupport::CallOf(i);
    const int minute = i / 6;
    char date[16], time[16], freq[16];
    std::snprintf(date, sizeof date, "202601%02d", 10 + minute / 1440);
    std::snprintf(time, sizeof time, "%02d%02d%02d", minute / 60 % 24, minute % 60, i % 6 * 10);
    std::snprintf(freq, sizeof freq, "3.%03d", 600 + i % 200);
    lines.push_back(ToStrings::AdifField("CALL", call) + ToStrings::AdifField("QSO_DATE", date) +
                    ToStrings::AdifField("TIME_ON", time) + ToStrings::AdifField("MODE", "SSB") +
                    ToStrings::AdifField("FREQ", freq) + ToStrings::AdifField("RST_SENT", "59") +
                    ToStrings::AdifField("RST_RCVD", "59") +
                    ToStrings::AdifField("DOK", "Q" + std::to_string(10 + i % 90)) + "<EOR>");
  }
  return lines;
}

struct TEmptySaarLog {
  QTemporaryDir dir;
  std::unique_ptr<TdbContest> list, config;
  TContestRec def;

  TEmptySaarLog() {
    benchsupport::StartServicesIn(S(dir.path()) + "/");
    list = std::make_unique<TdbContest>(TdbContestBase::kList);
    config = std::make_unique<TdbContest>(TdbContestBase::kConfig);
    def = benchsupport::AddSaarLog(kContest, *list, *config, [](TContestListRec&) {});
  }
};

void BM_ImportSaar20000(benchmark::State& state) {
  // ZOR_BENCH_QSOS: a smaller file for a quick look.
  const int qsos = qEnvironmentVariableIsSet("ZOR_BENCH_QSOS")
                       ? qEnvironmentVariableIntValue("ZOR_BENCH_QSOS")
                       : kQsos;
  const auto records = adifimport::SplitRecords(GeneratedFile(qsos));
  const std::vector<std::string> mapping = {
      "CALL (CALL)",         "QSO_DATE (QSO_DATE)", "TIME_ON (TIME_ON)",
      "RST_SENT (RST_SENT)", "RST_RCVD (RST_RCVD)", "BAND",
      "FREQ (FREQ)",         "MODE (MODE)",         "DOK (DOK)"};
  for (auto _ : state) {
    state.PauseTiming();
    auto log = std::make_unique<TEmptySaarLog>();
    TTestDesktop desk;
    auto window = std::make_unique<TContestLogStd>(kContest, *log->config, *log->list, log->def);
    window->ClearEntry(false);
    state.ResumeTiming();
    using clock = std::chrono::steady_clock;
    std::vector<double> chunks;
    int32_t saved = 0;
    const auto start = clock::now();
    for (size_t from = 0; from < records.size(); from += kChunk) {
      const std::vector<std::string> part(
          records.begin() + long(from),
          records.begin() + long(std::min(records.size(), from + kChunk)));
      const auto t0 = clock::now();
      saved += adifimport::RunImport(*window, part, mapping, true).Saved;
      chunks.push_back(std::chrono::duration<double>(clock::now() - t0).count());
    }
    const double total = std::chrono::duration<double>(clock::now() - start).count();
    state.counters["saved"] = saved;
    state.counters["total_s"] = total;
    state.counters["qsos_per_s"] = saved / total;
    state.counters["first1000_s"] = chunks.front();
    state.counters["last1000_s"] = chunks.back();
    state.counters["last_to_first"] = chunks.back() / chunks.front();
    state.PauseTiming();
    window.reset();
    log.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ImportSaar20000)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return benchsupport::RunOffscreen(argc, argv); }
