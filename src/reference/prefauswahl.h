#pragma once
// The choice of one DXCC entity among the entries that share a prefix.

#include <cstdint>
#include <string>

class TdbPrefix;
struct TPrefQso;

namespace prefauswahl {

// Shows "Auswahl DXCC" for the prefix; a row taken becomes table's current record and is
// remembered for the QSO's call in BMPREFEE. 1 taken, 2 cancelled.
uint8_t Run(TdbPrefix& table, const std::string& prefix, int32_t qsoDate, const TPrefQso& qso);

}  // namespace prefauswahl
