// The road of one QSO on a 'd' log of 20,000 QSOs, offscreen, with the durable writes the
// program uses: Enter in the last field to the next empty entry (the whole save road with
// the new entry and the list), and leaving the call field (dupe chain, preview, call book,
// member lists, display). Each Enter is timed alone; p50, p99 and the worst are reported,
// with the durable syncs (fsync, fdatasync) it cost on average.
#include <sys/syscall.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <vector>

#include "benchsupport.h"
#include "foundation/cp1252.h"
#include "foundation/kvedit.h"
#include "foundation/testdesktop.h"
#include "log/contlogstd.h"
#include "storage/dbbase.h"
#include "tables/calltables.h"
#include "tables/contesttables.h"

// Every durable sync of the process, the engine's included: these definitions stand in
// front of the C library's.
namespace {
long gSyncs = 0;
}  // namespace
extern "C" int fsync(int fd) {
  ++gSyncs;
  return int(syscall(SYS_fsync, fd));
}
extern "C" int fdatasync(int fd) {
  ++gSyncs;
  return int(syscall(SYS_fdatasync, fd));
}

namespace {

constexpr int kLogSize = 20000;
constexpr int32_t kContest = 1;

// Keys as the keyboard sends them, through the application's event filters.
void Key(QWidget* w, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &release);
}
void Type(QWidget* w, const std::string& text) {
  for (char c : text) Key(w, c >= 'a' && c <= 'z' ? c - 32 : c, Q(std::string(1, c)));
}
void Enter(QWidget* w) { Key(w, Qt::Key_Return, QStringLiteral("\r")); }

// A Saar log of 20,000 QSOs on 80 m SSB and its window, shown and ready for the next QSO.
struct TRoad {
  QTemporaryDir dir;
  TTestDesktop desk;
  std::unique_ptr<TdbContest> list, config;
  TContestRec def;
  std::unique_ptr<TContestLogStd> window;
  int next = kLogSize;

  TRoad() {
    benchsupport::StartServicesIn(S(dir.path()) + "/");
    list = std::make_unique<TdbContest>(TdbContestBase::kList);
    config = std::make_unique<TdbContest>(TdbContestBase::kConfig);
    def = benchsupport::AddSaarLog(kContest, *list, *config, [](TContestListRec& r) {
      r.SetDateAuto(255);
      r.SetTimeAuto(255);
    });
    benchsupport::AddSaarQsos(kContest, kLogSize);
    window = std::make_unique<TContestLogStd>(kContest, *config, *list, def);
    window->ClearEntry(false);
    window->show();
    window->activateWindow();
    for (int i = 0; i < 20 && !window->isActiveWindow(); ++i) QApplication::processEvents();
  }

  // The clock one second on, and the entry's time with it.
  void Tick() {
    desk.Now = desk.Now.addSecs(1);
    window->timerzeitTimer();
  }
};

// Made after the application and freed before it: the window must not outlive Qt.
std::unique_ptr<TRoad> gRoad;
TRoad& Road() {
  if (!gRoad) gRoad = std::make_unique<TRoad>();
  return *gRoad;
}

void Report(benchmark::State& state, std::vector<double>& ms, long syncs) {
  std::sort(ms.begin(), ms.end());
  if (ms.empty()) return;
  state.counters["syncs"] = double(syncs) / double(ms.size());
  state.counters["p50_ms"] = ms[ms.size() / 2];
  state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
  state.counters["max_ms"] = ms.back();
}

// Times act alone, after an untimed prepare, once per iteration; reports p50, p99, max
// and the syncs of an act.
template <typename Prepare, typename Act>
void Measure(benchmark::State& state, Prepare prepare, Act act) {
  std::vector<double> ms;
  long syncs = 0;
  int i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    QWidget* target = prepare(i);
    state.ResumeTiming();
    const long before = gSyncs;
    QElapsedTimer t;
    t.start();
    act(target, i++);
    ms.push_back(double(t.nsecsElapsed()) / 1e6);
    syncs += gSyncs - before;
  }
  Report(state, ms, syncs);
}

// Enter in the DOK field of a complete entry: stored, scored, counted, the call book
// updated, the list on the new QSO, the next entry ready.
void BM_EnterSavesTheQso(benchmark::State& state) {
  TRoad& road = Road();
  TContestLogStd& w = *road.window;
  Measure(
      state,
      [&](int) {
        road.Tick();
        w.eCall->setFocus();
        Type(w.eCall, benchsupport::CallOf(road.next++));
        Enter(w.eCall);
        Type(QApplication::focusWidget(), "Q05");
        return QApplication::focusWidget();
      },
      [](QWidget* last, int) { Enter(last); });
}
BENCHMARK(BM_EnterSavesTheQso)->Unit(benchmark::kMillisecond)->Iterations(300);

// Enter in the call field of a new call: the dupe chain, the preview, the call book and
// member lists, the multiplier status and the display.
void BM_LeavingTheCallField(benchmark::State& state) {
  TContestLogStd& w = *Road().window;
  Measure(
      state,
      [&](int i) {
        w.btnClearClick();
        w.eCall->setFocus();
        Type(w.eCall, benchsupport::CallOf(60000 + i));
        return w.eCall;
      },
      [](QWidget* call, int) { Enter(call); });
}
BENCHMARK(BM_LeavingTheCallField)->Unit(benchmark::kMillisecond)->Iterations(300);

// One key typed into the call field: the call previewed with its entity and points, the
// multiplier status, the entry shown again.
void BM_KeyInTheCallField(benchmark::State& state) {
  TContestLogStd& w = *Road().window;
  Measure(
      state,
      [&](int i) {
        if (i % 5 == 0) {
          w.btnClearClick();
          w.eCall->setFocus();
          Type(w.eCall, "DL");
        }
        return w.eCall;
      },
      [](QWidget* call, int i) {
        const char key = char('A' + i % 26);
        Key(call, key, Q(std::string(1, key)));
      });
}
BENCHMARK(BM_KeyInTheCallField)->Unit(benchmark::kMillisecond)->Iterations(300);

// The writes of one save alone, as the road groups them: the QSO added and written
// again, the call book's record added and given its DOK; one commit over both files.
void BM_WritesOfOneSave(benchmark::State& state) {
  Road();
  TdbContest qsos(TdbContestBase::kQsoLog, 0, kContest);
  TdbCall book(TdbCallBase::kCallBook);
  Measure(
      state, [](int) { return nullptr; },
      [&](QWidget*, int i) {
        TWriteGroup group;
        TContestQSORec q;
        q.SetCall(benchsupport::CallOf(90000 + i));
        q.SetDatum(160000);
        q.SetZeit(i);
        q.SetBandcode('b');
        qsos.SetQSORec(q);
        qsos.Add();
        q = qsos.GetQSORec();
        q.SetPoints(2);
        qsos.SetQSORec(q);
        qsos.Modify();
        book.ClearRecords();
        book.SetCall(q.Call());
        book.Add();
        book.SetDOK("Q05");
        book.Modify();
        group.Commit();
      });
}
BENCHMARK(BM_WritesOfOneSave)->Unit(benchmark::kMillisecond)->Iterations(300);

}  // namespace

int main(int argc, char** argv) {
  return benchsupport::RunOffscreen(argc, argv, [] { gRoad.reset(); });
}
