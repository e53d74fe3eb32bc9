// The page buffer on a table of 100,000 records: both ends, a page down, a quick search
// and a jump by the scroll-bar thumb, each the step a list window makes on one key press.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "browser/kbrowser.h"
#include "foundation/keystr.h"
#include "foundation/recordbuf.h"
#include "storage/datbase.h"
#include "storage/dbbase.h"
#include "storage/dbtreiber.h"

namespace {

constexpr int kRecords = 100000;
constexpr int kRows = 30;
constexpr int kRecLen = 32;

class TRowText : public TKBrowserOwner {
 public:
  explicit TRowText(TdbTreiber* d) : d_(d) {}
  void BuildRow(RowRec& row) override { row.Text = recordbuf::GetStr(d_->RecordBuffer(), 0, 12); }

 private:
  TdbTreiber* d_;
};

struct TBigTable {
  QTemporaryDir dir;
  TdbTreiber* driver = nullptr;
  std::unique_ptr<TRowText> owner;
  std::unique_ptr<TKBrowser> page;

  TBigTable() {
    ToKeys keys;
    keys.Add(12, true, "Call");
    auto builder = [](const uint8_t* rec, int, std::string& key) {
      key = recordbuf::GetStr(rec, 0, 12);
      key.resize(12, ' ');
    };
    ToDatBase::OpenFile(false, driver, keys, false, builder, 1, dir.path().toStdString() + "/",
                        "BIG", kRecLen, kRecLen);
    TdbBase table;
    table.SetDriver(driver);
    TWriteGroup group;
    for (int i = 0; i < kRecords; ++i) {
      // Calls in a scrambled order, so that the index and the record order differ.
      const int n = int((int64_t(i) * 7919) % kRecords);
      table.ClearBuffer();
      recordbuf::SetStr(table.RecordBuffer(), 0, 12, "DL" + std::to_string(100000 + n));
      table.AddRecord(kRecLen);
    }
    group.Commit();
    owner = std::make_unique<TRowText>(driver);
    page = std::make_unique<TKBrowser>(driver, false, TKeyStr(), TKeyStr(), 1, 250);
    bool changed = false;
    page->ShrinkPage(*owner, kRows, changed);
  }
  ~TBigTable() { ToDatBase::CloseAll(); }
};

TBigTable& Table() {
  static TBigTable table;
  return table;
}

void FirstPage(benchmark::State& state) {
  auto& t = Table();
  bool changed = false;
  for (auto _ : state) benchmark::DoNotOptimize(t.page->FirstPage(*t.owner, changed));
}

void LastPage(benchmark::State& state) {
  auto& t = Table();
  bool changed = false;
  for (auto _ : state) benchmark::DoNotOptimize(t.page->LastPage(*t.owner, changed));
}

void PageDown(benchmark::State& state) {
  auto& t = Table();
  bool changed = false;
  int moved = 0;
  t.page->FirstPage(*t.owner, changed);
  for (auto _ : state) {
    if (t.page->ScrollForward(*t.owner, kRows, 0, moved, changed) != 0)
      t.page->FirstPage(*t.owner, changed);
  }
}

// The quick search: the first key not below the typed text, then the page around it.
void QuickSearch(benchmark::State& state) {
  auto& t = Table();
  bool changed = false;
  int i = 0;
  for (auto _ : state) {
    TKeyStr typed;
    typed.Assign("DL1" + std::to_string(10000 + (i++ * 3571) % 90000));
    t.driver->SearchKey(1, typed);
    std::string key;
    t.driver->BuildKey(1, key);
    t.page->PositionAt(*t.owner, key, t.driver->CurrentRef(), 0, kRows, 1, changed);
  }
}

// A drag of the thumb on the 0 .. 247 bar of a large table, then the page at the entry.
void ThumbJump(benchmark::State& state) {
  auto& t = Table();
  bool changed = false;
  int i = 0;
  for (auto _ : state) {
    std::string key;
    int32_t ref = 0;
    t.page->ThumbToRecord(1 + (i++ * 37) % 246, 247, key, ref);
    t.page->PositionAt(*t.owner, key, ref, 0, kRows, 1, changed);
    benchmark::DoNotOptimize(t.page->RecordToThumb(key, ref, 247));
  }
}

// The thumb position of the current record, as the scroll bar asks after every move.
void ThumbOfRecord(benchmark::State& state) {
  auto& t = Table();
  bool changed = false;
  t.page->PositionAt(*t.owner, "DL150000", 0, 0, kRows, 1, changed);
  const std::string key = t.page->CurrentKey();
  const int32_t ref = t.page->CurrentRef();
  for (auto _ : state) benchmark::DoNotOptimize(t.page->RecordToThumb(key, ref, 247));
}

BENCHMARK(FirstPage)->Unit(benchmark::kMillisecond);
BENCHMARK(LastPage)->Unit(benchmark::kMillisecond);
BENCHMARK(PageDown)->Unit(benchmark::kMillisecond);
BENCHMARK(QuickSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(ThumbJump)->Unit(benchmark::kMillisecond);
BENCHMARK(ThumbOfRecord)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
