#include "shell/startup.h"

#include <functional>
#include <vector>

#include "contest/contestfkt.h"
#include "contest/eingconteststd.h"
#include "foundation/desktop.h"
#include "foundation/messagesform.h"
#include "foundation/progdir.h"
#include "log/contlogstd.h"
#include "log/evalhooks.h"
#include "log/kvmouseimage.h"
#include "log/logrecalc.h"
#include "output/outputmenu.h"
#include "output/partyausw.h"
#include "output/wagausw.h"
#include "reference/refservices.h"
#include "shell/qtgerman.h"
#include "tables/tableservices.h"

namespace startup {
namespace {
// Finalisers of the started subsystems, run in reverse order.
std::vector<std::function<void()>> gStops;
}  // namespace

void StartServices(const char* workDir, const char* dataDir) {
  SetProgramDirectory(workDir);
  SetShippedDataDirectory(dataDir);
  TQtDesktop::SetMessageRunner(&RunMessageForm);
  gStops.push_back([] { TQtDesktop::SetMessageRunner(nullptr); });
  // Qt's file and print dialogs in German, like the rest of the program.
  qtgerman::Install();
  gStops.push_back(qtgerman::Remove);
  // Suite tables and settings.
  tableservices::Start();
  gStops.push_back(tableservices::Stop);
  // Radio reference data: modes, bands, locator, prefixes.
  refservices::Start();
  gStops.push_back(refservices::Stop);
  // Contest functions.
  oContestFkt = new TContestFkt();
  // "Contest starten" opens the log window.
  TContestFkt::SetContestLogRunner(&contlogstd_neu::OpenContestLog);
  gStops.push_back([] {
    TContestFkt::SetContestLogRunner(nullptr);
    delete oContestFkt;
    oContestFkt = nullptr;
  });
  // The configuration dialog shows and exports no summary older than its log.
  TEingContestStd::RecalcTotals = &recalcmark::RecalcIfChanged;
  gStops.push_back([] { TEingContestStd::RecalcTotals = nullptr; });
  // The evaluation charts the log window opens.
  evalhooks::Hooks() = {&partyausw::ShowPartyEvaluation, &wagausw::ShowWagEvaluation};
  gStops.push_back([] { evalhooks::Hooks() = {}; });
  // The statistics object of the worked tables.
  oStatistiken = new ToStatistiken();
  gStops.push_back([] {
    delete oStatistiken;
    oStatistiken = nullptr;
  });
  // Export writer and the output menu of the configuration dialog.
  output::Start();
  gStops.push_back(output::Stop);
}

void StopServices() {
  while (!gStops.empty()) {
    gStops.back()();
    gStops.pop_back();
  }
}

}  // namespace startup
