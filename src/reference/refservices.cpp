#include "reference/refservices.h"

#include "reference/baender.h"
#include "reference/locator.h"
#include "reference/modi.h"
#include "reference/prefix.h"

namespace refservices {

void Start() {
  oModi = new ToModi;
  oBaender = new ToBaender;
  oLocator = new ToLocator;
  oPrefix = new ToPrefix;
}

void Stop() {
  delete oPrefix;
  oPrefix = nullptr;
  delete oLocator;
  oLocator = nullptr;
  delete oBaender;
  oBaender = nullptr;
  delete oModi;
  oModi = nullptr;
}

}  // namespace refservices
