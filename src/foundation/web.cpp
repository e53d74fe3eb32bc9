#include "foundation/web.h"

#include "foundation/cp1252.h"
#include "foundation/desktop.h"

bool TWebSS::OpenLink(std::string_view target) {
  if (target.empty()) return false;
  return Desktop().OpenLink(Q(target));
}
