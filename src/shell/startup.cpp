#include "shell/startup.h"

#include <functional>
#include <vector>

#include "foundation/progdir.h"
#include "reference/refservices.h"

namespace startup {
namespace {
// Finalisers of the started subsystems, run in reverse order.
std::vector<std::function<void()>> gStops;
}  // namespace

void StartServices(const char* workDir, const char* dataDir) {
  SetProgramDirectory(workDir);
  SetShippedDataDirectory(dataDir);
  refservices::Start();
  gStops.push_back(refservices::Stop);
}

void StopServices() {
  while (!gStops.empty()) {
    gStops.back()();
    gStops.pop_back();
  }
}

}  // namespace startup
