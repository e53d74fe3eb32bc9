#pragma once
// A 'd' log of 20,000 QSOs on 80 m in a fresh data directory, with its list and
// configuration records, for the benchmarks of the log window and its dialogs.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "contest/contestrules.h"
#include "foundation/cp1252.h"
#include "shell/startup.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablefile.h"

namespace benchlog {

constexpr int kQsos = 20000;
constexpr int32_t kContest = 1;

struct TSaarLog {
  QTemporaryDir dir;
  std::unique_ptr<TdbContest> list, config;
  TContestRec def;

  TSaarLog() {
    const std::string path = S(dir.path()) + "/";
    startup::StartServices(path.c_str(), path.c_str());
    ToSetupDirs dirs;
    dirs.fill(path);
    Setups().SetDirs(dirs);
    Setups().StoreNow = nullptr;
    Setups().SetOwnCall("DK2ZZ");
    dbbase::InitDatabase();
    TContestInputs in;
    in.Code = 'd';
    in.ClassNumber = 1;
    in.OwnDok = "Q01";
    in.OwnCall = "DK2ZZ";
    def = BuildContestDefinition(in);
    list = std::make_unique<TdbContest>(TdbContestBase::kList);
    config = std::make_unique<TdbContest>(TdbContestBase::kConfig);
    TContestListRec r;
    r.SetNummer(kContest);
    r.SetTyp('d');
    r.SetName("Saar 2026");
    r.SetDOK("Q01");
    r.SetCategory(1);
    list->SetListRec(r);
    list->Add();
    TContestConfigRec c;
    c.SetNummer(kContest);
    config->SetConfigRec(c);
    config->Add();
    TdbContest qsos(TdbContestBase::kQsoLog, 0, kContest);
    TWriteGroup group;
    for (int i = 0; i < kQsos; ++i) {
      TContestQSORec q;
      q.SetCall("DL" + std::to_string(i % 9 + 1) + "A" + std::string(1, char('A' + i % 26)) +
                std::string(1, char('A' + i / 26 % 26)));
      q.SetDatum(150000 + i / 86400);
      q.SetZeit(i % 86400);
      q.SetMode("SSB");
      q.SetBandcode('b');
      q.SetwagNummer(i + 1);
      q.SetwagBandNrIntern(i + 1);
      q.SetCMulti("Q" + std::to_string(10 + i % 90));
      q.SetDOK1(q.CMulti());
      q.SetRcvdPart1("59 ");
      qsos.SetQSORec(q);
      qsos.Add();
    }
    group.Commit();
  }
};

inline TSaarLog& Log() {
  static TSaarLog log;
  return log;
}

// Runs the registered benchmarks offscreen; atEnd runs before the application ends.
inline int RunOffscreen(int argc, char** argv, const std::function<void()>& atEnd = {}) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  if (atEnd) atEnd();
  benchmark::Shutdown();
  return 0;
}

}  // namespace benchlog
