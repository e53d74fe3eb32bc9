// The storage layer against SQLite used directly, on a file shaped like the QSO log:
// 216-byte records with 28 keys. Adds are made in groups of 1,000 records (as the import
// and the renumbering write), each group durable when committed; navigation is a search
// followed by 100 steps, and walks backwards through the index without reading records.
// The last line printed is "storage ratio nav=X add=Y" (medians, layer / direct).

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <random>

#include "foundation/keystr.h"
#include "foundation/recordbuf.h"
#include "storage/datbase.h"
#include "storage/dbbase.h"
#include "storage/dbtreiber.h"
#include "storage/ifdriver.h"

namespace {

constexpr int kRecLen = 216;
constexpr int kRecords = 100000;
constexpr int kGroup = 1000;
constexpr int kSteps = 100;

// Key parts: a string field fitted to its width, a number, or a number DESC.
enum TPart { kStr, kNum, kDesc };
struct TKeyPart {
  TPart kind;
  int offset;
  int width;
};
struct TKeySpec {
  std::vector<TKeyPart> parts;
  bool unique = false;
};

// Fields of the record used in keys.
constexpr TKeyPart Call{kStr, 8, 12}, Loc{kStr, 21, 6}, Datum{kNum, 28, 0}, Zeit{kNum, 32, 0},
    Nummer{kNum, 4, 0}, Dxcc{kStr, 77, 6}, Sel{kStr, 115, 1}, Band{kStr, 160, 1},
    BandNr{kNum, 166, 0}, BandNrDesc{kDesc, 166, 0}, Mode{kStr, 36, 6}, ModeNrDesc{kDesc, 170, 0},
    Dok{kStr, 125, 6}, Prefix{kStr, 70, 6}, Zone{kStr, 116, 2}, Call2{kStr, 180, 12},
    WagNr{kNum, 174, 0}, District{kStr, 200, 2};

const std::vector<TKeySpec>& Keys() {
  static const std::vector<TKeySpec> keys = {
      {{Datum, Zeit}},
      {{Call, Datum, Zeit}},
      {{Loc, Datum, Zeit}},
      {{Nummer}, true},
      {{Dxcc}},
      {{Call}},
      {{Sel}},
      {{Band, BandNr}},
      {{Band, Call, Mode}},
      {{Band, Dxcc}},
      {{Band, BandNrDesc}},
      {{Band, BandNrDesc}},
      {{WagNr}},
      {{Band, District}},
      {{Band, Dok}},
      {{District, Dok}},
      {{Band, Sel}},
      {{Dok, Loc}},
      {{Zone}},
      {{Call2}},
      {{Band, Dok, Loc}},
      {{Band, Prefix}},
      {{Band, Loc}},
      {{Mode, ModeNrDesc}},
      {{Band, Zone}},
      {{Zone, Band}},
      {{Band, Call2}},
      {{Prefix}},
  };
  return keys;
}

void BuildKey(const uint8_t* rec, int keyNr, std::string& key) {
  key.clear();
  for (const TKeyPart& p : Keys()[size_t(keyNr - 1)].parts) {
    if (p.kind == kStr) {
      std::string s = recordbuf::GetStr(rec, size_t(p.offset), size_t(p.width));
      s.resize(size_t(p.width), ' ');
      key += s;
    } else {
      int32_t v = recordbuf::GetI32(rec, size_t(p.offset));
      key += keycodec::LongKey(p.kind == kDesc ? 99999999 - v : v);
    }
  }
}

void FillRecord(uint8_t* rec, int i, std::mt19937& rng) {
  std::fill(rec, rec + kRecLen, uint8_t(0));
  static const char* modes[] = {"CW", "SSB", "FM", "RTTY"};
  static const char bands[] = "ABCDEF";
  const std::string call = "D" + std::string(1, char('A' + rng() % 26)) +
                           std::to_string(rng() % 10) + std::string(1, char('A' + rng() % 26)) +
                           std::string(1, char('A' + rng() % 26));
  recordbuf::SetStr(rec, 8, 12, call);
  recordbuf::SetStr(rec, 21, 6, "JN" + std::to_string(10 + rng() % 80) + "AB");
  recordbuf::SetI32(rec, 28, 155000 + i / 2000);
  recordbuf::SetI32(rec, 32, (i * 7) % 86400);
  recordbuf::SetStr(rec, 36, 6, modes[rng() % 4]);
  recordbuf::SetStr(rec, 70, 6, call.substr(0, 3));
  recordbuf::SetStr(rec, 77, 6, "DL");
  recordbuf::SetStr(rec, 115, 1, rng() % 10 == 0 ? "1" : "");
  recordbuf::SetStr(rec, 116, 2, std::to_string(rng() % 40));
  recordbuf::SetStr(rec, 125, 6,
                    std::string(1, char('A' + rng() % 26)) + std::to_string(rng() % 50));
  recordbuf::SetStr(rec, 160, 1, std::string(1, bands[rng() % 6]));
  recordbuf::SetI32(rec, 166, i);
  recordbuf::SetI32(rec, 170, i % 5000);
  recordbuf::SetI32(rec, 174, i);
  recordbuf::SetStr(rec, 180, 12, call + "/P");
  recordbuf::SetStr(rec, 200, 2, std::to_string(rng() % 20));
}

// ---- the storage layer ----

struct TLayerFile {
  TdbTreiber* driver = nullptr;
  explicit TLayerFile(const std::string& dir) {
    ToKeys keys;
    for (const TKeySpec& k : Keys()) keys.Add(60, !k.unique, k.unique ? "Nummer AUTOKEY" : "k");
    ToDatBase::OpenFile(false, driver, keys, false, BuildKey, keys.Count(), dir, "BMLK0001",
                        kRecLen, kRecLen);
    ToDatBase::SetAutoKeyField(driver, 4, false, 4);
  }
  ~TLayerFile() { ToDatBase::CloseFile(false, driver, true); }
};

class TLayerTable : public TdbBase {
 public:
  explicit TLayerTable(TdbTreiber* d) { SetDriver(d); }
  void LoadRecord(bool, bool) override {}  // the benchmark reads the buffer itself
};

void FillLayer(TLayerTable& t, std::mt19937& rng) {
  for (int g = 0; g < kRecords / kGroup; ++g) {
    TWriteGroup group;
    for (int i = 0; i < kGroup; ++i) {
      FillRecord(t.RecordBuffer(), g * kGroup + i, rng);
      if (!t.AddRecord(kRecLen)) std::abort();
    }
    if (!group.Commit()) std::abort();
  }
}

// ---- SQLite directly, same schema and durability ----

struct TDirectFile {
  sqlite3* db = nullptr;
  sqlite3_stmt *insert = nullptr, *maxNr = nullptr, *walk = nullptr, *back = nullptr;
  explicit TDirectFile(const std::string& dir) {
    sqlite3_open((dir + "direct.db").c_str(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL", nullptr, nullptr,
                 nullptr);
    std::string sql =
        "CREATE TABLE IF NOT EXISTS records(ref INTEGER PRIMARY KEY, data BLOB NOT NULL";
    std::string ins = "INSERT INTO records VALUES(NULL, ?1";
    for (size_t k = 1; k <= Keys().size(); ++k) {
      sql += ", k" + std::to_string(k) + " BLOB NOT NULL";
      ins += ", ?" + std::to_string(k + 1);
    }
    sqlite3_exec(db, (sql + ")").c_str(), nullptr, nullptr, nullptr);
    for (size_t k = 1; k <= Keys().size(); ++k) {
      std::string ix = std::string(Keys()[k - 1].unique ? "CREATE UNIQUE INDEX" : "CREATE INDEX") +
                       " IF NOT EXISTS key" + std::to_string(k) + " ON records(k" +
                       std::to_string(k) + ")";
      sqlite3_exec(db, ix.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_prepare_v2(db, (ins + ")").c_str(), -1, &insert, nullptr);
    sqlite3_prepare_v2(db, "SELECT data FROM records ORDER BY k4 DESC LIMIT 1", -1, &maxNr,
                       nullptr);
    sqlite3_prepare_v2(db, "SELECT ref, data FROM records WHERE k2 >= ?1 ORDER BY k2, ref", -1,
                       &walk, nullptr);
    sqlite3_prepare_v2(db, "SELECT ref, k2 FROM records WHERE k2 <= ?1 ORDER BY k2 DESC, ref DESC",
                       -1, &back, nullptr);
  }
  ~TDirectFile() {
    for (auto* s : {insert, maxNr, walk, back}) sqlite3_finalize(s);
    sqlite3_close(db);
  }
};

void FillDirect(TDirectFile& f, std::mt19937& rng) {
  std::vector<uint8_t> rec(kRecLen);
  std::vector<std::string> keys(Keys().size() + 1);
  for (int g = 0; g < kRecords / kGroup; ++g) {
    sqlite3_exec(f.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    for (int i = 0; i < kGroup; ++i) {
      FillRecord(rec.data(), g * kGroup + i, rng);
      int32_t highest = 0;
      if (sqlite3_step(f.maxNr) == SQLITE_ROW)
        highest =
            recordbuf::GetI32(static_cast<const uint8_t*>(sqlite3_column_blob(f.maxNr, 0)), 4);
      sqlite3_reset(f.maxNr);
      recordbuf::SetI32(rec.data(), 4, highest + 1);
      sqlite3_bind_blob(f.insert, 1, rec.data(), kRecLen, SQLITE_STATIC);
      for (size_t k = 1; k < keys.size(); ++k) {
        BuildKey(rec.data(), int(k), keys[k]);
        sqlite3_bind_blob(f.insert, int(k) + 1, keys[k].data(), int(keys[k].size()), SQLITE_STATIC);
      }
      if (sqlite3_step(f.insert) != SQLITE_DONE) std::abort();
      sqlite3_reset(f.insert);
    }
    sqlite3_exec(f.db, "COMMIT", nullptr, nullptr, nullptr);
  }
}

// Search keys: calls drawn the same way as the records'.
std::vector<std::string> Probes() {
  std::mt19937 rng(7);
  std::vector<std::string> out;
  std::vector<uint8_t> rec(kRecLen);
  std::string key;
  for (int i = 0; i < 1000; ++i) {
    FillRecord(rec.data(), i, rng);
    BuildKey(rec.data(), 2, key);
    out.push_back(key.substr(0, 4));
  }
  return out;
}

// One prepared pair of files for the navigation benchmarks.
struct TPrepared {
  QTemporaryDir dir{QDir::currentPath() + QStringLiteral("/bench_storage_XXXXXX")};
  std::unique_ptr<TLayerFile> layer;
  std::unique_ptr<TDirectFile> direct;
  TPrepared() {
    const std::string path = dir.path().toStdString() + "/";
    layer = std::make_unique<TLayerFile>(path);
    direct = std::make_unique<TDirectFile>(path);
    std::mt19937 a(1), b(1);
    TLayerTable t(layer->driver);
    FillLayer(t, a);
    FillDirect(*direct, b);
  }
};

TPrepared& Prepared() {
  static TPrepared p;
  return p;
}

void BM_Add_Layer(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench_storage_XXXXXX"));
    TLayerFile f(dir.path().toStdString() + "/");
    TLayerTable t(f.driver);
    std::mt19937 rng(1);
    FillLayer(t, rng);
  }
}

void BM_Add_Direct(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench_storage_XXXXXX"));
    TDirectFile f(dir.path().toStdString() + "/");
    std::mt19937 rng(1);
    FillDirect(f, rng);
  }
}

void BM_Nav_Layer(benchmark::State& state) {
  TPrepared& p = Prepared();
  const auto probes = Probes();
  TLayerTable t(p.layer->driver);
  size_t i = 0;
  int64_t sum = 0;
  for (auto _ : state) {
    if (!t.SearchKey(probes[i++ % probes.size()], 2)) continue;
    sum += t.RecordBuffer()[8];
    for (int s = 0; s < kSteps && t.NextRecord(2); ++s) sum += t.RecordBuffer()[8];
  }
  benchmark::DoNotOptimize(sum);
}

void BM_Nav_Direct(benchmark::State& state) {
  TPrepared& p = Prepared();
  const auto probes = Probes();
  size_t i = 0;
  int64_t sum = 0;
  std::vector<uint8_t> buf(kRecLen);
  for (auto _ : state) {
    const std::string& k = probes[i++ % probes.size()];
    sqlite3_stmt* st = p.direct->walk;
    sqlite3_bind_blob(st, 1, k.data(), int(k.size()), SQLITE_STATIC);
    for (int s = 0; s <= kSteps && sqlite3_step(st) == SQLITE_ROW; ++s) {
      std::memcpy(buf.data(), sqlite3_column_blob(st, 1), size_t(sqlite3_column_bytes(st, 1)));
      sum += buf[8];
    }
    sqlite3_reset(st);
  }
  benchmark::DoNotOptimize(sum);
}

void BM_PrevKey_Layer(benchmark::State& state) {
  TPrepared& p = Prepared();
  const auto probes = Probes();
  size_t i = 0;
  int64_t sum = 0;
  for (auto _ : state) {
    std::string key = probes[i++ % probes.size()];
    int32_t ref = kEndRef;
    if (!p.layer->driver->SearchKeyRef(2, ref, -1, 50, key)) continue;
    for (int s = 0; s < kSteps && p.layer->driver->PrevKey(2, ref, 50, key); ++s) sum += ref;
  }
  benchmark::DoNotOptimize(sum);
}

void BM_PrevKey_Direct(benchmark::State& state) {
  TPrepared& p = Prepared();
  const auto probes = Probes();
  size_t i = 0;
  int64_t sum = 0;
  std::string key;
  for (auto _ : state) {
    const std::string& k = probes[i++ % probes.size()];
    sqlite3_stmt* st = p.direct->back;
    sqlite3_bind_blob(st, 1, k.data(), int(k.size()), SQLITE_STATIC);
    for (int s = 0; s <= kSteps && sqlite3_step(st) == SQLITE_ROW; ++s) {
      key.assign(static_cast<const char*>(sqlite3_column_blob(st, 1)),
                 size_t(sqlite3_column_bytes(st, 1)));
      sum += sqlite3_column_int(st, 0);
    }
    sqlite3_reset(st);
  }
  benchmark::DoNotOptimize(sum);
}

constexpr int kReps = 5;
BENCHMARK(BM_Add_Layer)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Add_Direct)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Nav_Layer)->Unit(benchmark::kMicrosecond)->Repetitions(kReps);
BENCHMARK(BM_Nav_Direct)->Unit(benchmark::kMicrosecond)->Repetitions(kReps);
BENCHMARK(BM_PrevKey_Layer)->Unit(benchmark::kMicrosecond)->Repetitions(kReps);
BENCHMARK(BM_PrevKey_Direct)->Unit(benchmark::kMicrosecond)->Repetitions(kReps);

// Keeps the medians for the closing line.
class TMedianReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> medians;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.aggregate_name == "median") medians[r.run_name.function_name] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  TMedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto& m = reporter.medians;
  auto ratio = [&](const char* a, const char* b) {
    return m.count(a) && m.count(b) && m[b] > 0 ? m[a] / m[b] : 0.0;
  };
  const double nav = std::max(ratio("BM_Nav_Layer", "BM_Nav_Direct"),
                              ratio("BM_PrevKey_Layer", "BM_PrevKey_Direct"));
  std::printf("storage ratio nav=%.2f add=%.2f\n", nav, ratio("BM_Add_Layer", "BM_Add_Direct"));
  benchmark::Shutdown();
  return 0;
}
