#pragma once
// The entity prefix of every ADIF DXCC entity number (1..522); deleted entities keep their
// numbers and prefixes, unused numbers are empty.

namespace prefixtable {
constexpr int kEntityCount = 522;
extern const char* const kEntityPrefix[kEntityCount + 1];
}  // namespace prefixtable
