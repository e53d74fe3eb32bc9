#include "tables/tableservices.h"

#include <cassert>

#include "tables/projecttables.h"
#include "tables/setups.h"

namespace {
ToSetups* gSetups = nullptr;
ToProjecte* gProjecte = nullptr;
}  // namespace

ToSetups& Setups() {
  assert(gSetups && "made by the start-up");
  return *gSetups;
}

ToProjecte& Projecte() {
  assert(gProjecte && "made by the start-up");
  return *gProjecte;
}

namespace tableservices {

void Start() {
  if (!gSetups) gSetups = new ToSetups();
  if (!gProjecte) gProjecte = new ToProjecte();
}

void Stop() {
  delete gProjecte;
  gProjecte = nullptr;
  delete gSetups;
  gSetups = nullptr;
}

}  // namespace tableservices
