#pragma once
// What the benchmarks of the log share: the services started on a fresh folder, the
// records of a Saar log ('d', class 1, own DOK Q01), and a main for Qt offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>
#include <memory>
#include <string>

#include "contest/contestrules.h"
#include "shell/startup.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace benchsupport {

// The services with every directory of the settings in path (ending in '/').
inline bool StartServicesIn(const std::string& path) {
  startup::StartServices(path.c_str(), path.c_str());
  ToSetupDirs dirs;
  dirs.fill(path);
  Setups().SetDirs(dirs);
  Setups().StoreNow = nullptr;
  Setups().SetOwnCall("DK2ZZ");
  return dbbase::InitDatabase();
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
