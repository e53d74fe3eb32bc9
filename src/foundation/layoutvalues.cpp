#include "foundation/layoutvalues.h"

namespace {
TLayoutValues gLayout;
}

const TLayoutValues& LayoutValues() { return gLayout; }
void SetLayoutValues(const TLayoutValues& values) { gLayout = values; }
