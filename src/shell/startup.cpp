#include "shell/startup.h"

#include <functional>
#include <vector>

#include "foundation/progdir.h"
#include "tables/projecttables.h"
#include "tables/setups.h"

namespace startup {
namespace {
// Finalisers of the started subsystems, run in reverse order.
std::vector<std::function<void()>> gStops;
}  // namespace

void StartServices(const char* workDir, const char* dataDir) {
  SetProgramDirectory(workDir);
  SetShippedDataDirectory(dataDir);
  // Suite tables and settings.
  tableservices::StartSettings();
  tableservices::StartProjects();
  gStops.push_back([] {
    tableservices::StopProjects();
    tableservices::StopSettings();
  });
}

void StopServices() {
  while (!gStops.empty()) {
    gStops.back()();
    gStops.pop_back();
  }
}

}  // namespace startup
