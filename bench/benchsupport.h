#pragma once
// What the benchmarks share: the services started on a fresh folder, the records of a
// Saar log ('d', class 1, own DOK Q01) with its QSOs, and a main for Qt offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

#include "contest/contestrules.h"
#include "foundation/cp1252.h"
#include "shell/startup.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablefile.h"

namespace benchsupport {

// The services with every directory of the settings in path (ending in '/'), the settings
// kept in memory only; an empty ownCall leaves the own call unset.
inline bool StartServicesIn(const std::string& path, const std::string& ownCall = "DK2ZZ") {
  startup::StartServices(path.c_str(), path.c_str());
  ToSetupDirs dirs;
  dirs.fill(path);
  Setups().SetDirs(dirs);
  Setups().StoreNow = nullptr;
  if (!ownCall.empty()) Setups().SetOwnCall(ownCall);
  return dbbase::InitDatabase();
}

// The services stopped again, the tables released first.
inline void StopServices() {
  tablefiles::ReleaseAll();
  dbbase::DoneDatabase();
  startup::StopServices();
}

// The definition and the list and configuration records of Saar log number contest;
// tweak may change the list record before it is added.
template <typename Tweak>
TContestRec AddSaarLog(int32_t contest, TdbContest& list, TdbContest& config, Tweak tweak) {
  TContestInputs in;
  in.Code = 'd';
  in.ClassNumber = 1;
  in.OwnDok = "Q01";
  in.OwnCall = "DK2ZZ";
  TContestListRec r;
  r.SetNummer(contest);
  r.SetTyp('d');
  r.SetName("Saar 2026");
  r.SetDOK("Q01");
  r.SetCategory(1);
  tweak(r);
  list.SetListRec(r);
  list.Add();
  TContestConfigRec c;
  c.SetNummer(contest);
  config.SetConfigRec(c);
  config.Add();
  return BuildContestDefinition(in);
}

// A call of its own for each number below 158,184.
inline std::string CallOf(int i) {
  return "DL" + std::to_string(i % 9 + 1) + char('A' + i % 26) + char('A' + i / 26 % 26) +
         char('A' + i / 676 % 26);
}

// count QSOs on 80 m SSB, one a second, each with a district Q DOK as its multiplier.
inline void AddSaarQsos(int32_t contest, int count) {
  TdbContest qsos(TdbContestBase::kQsoLog, 0, contest);
  TWriteGroup group;
  for (int i = 0; i < count; ++i) {
    TContestQSORec q;
    q.SetCall(CallOf(i));
    q.SetDatum(150000 + i / 86400);
    q.SetZeit(i % 86400);
    q.SetMode("SSB");
    q.SetBandcode('b');
    q.SetwagNummer(i + 1);
    q.SetwagBandNr(i + 1);
    q.SetwagBandNrIntern(i + 1);
    q.SetDOK1("Q" + std::to_string(10 + i % 90));
    q.SetCMulti(q.DOK1());
    q.SetRcvdPart1("59 ");
    qsos.SetQSORec(q);
    qsos.Add();
  }
  group.Commit();
}

constexpr int kQsos = 20000;
constexpr int32_t kContest = 1;

// A Saar log of 20,000 QSOs in a fresh data directory, with its list and configuration
// records, for the benchmarks of the log window and its dialogs.
struct TSaarLog {
  QTemporaryDir dir;
  std::unique_ptr<TdbContest> list, config;
  TContestRec def;

  TSaarLog() {
    StartServicesIn(S(dir.path()) + "/");
    list = std::make_unique<TdbContest>(TdbContestBase::kList);
    config = std::make_unique<TdbContest>(TdbContestBase::kConfig);
    def = AddSaarLog(kContest, *list, *config, [](TContestListRec&) {});
    AddSaarQsos(kContest, kQsos);
  }
};

inline TSaarLog& Log() {
  static TSaarLog log;
  return log;
}

// Runs the benchmarks in an offscreen application; atEnd frees what needs Qt.
inline int RunOffscreen(int argc, char** argv, const std::function<void()>& atEnd = {}) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  if (atEnd) atEnd();
  benchmark::Shutdown();
  return 0;
}

}  // namespace benchsupport
