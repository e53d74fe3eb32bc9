#pragma once
// A received exchange field into the QSO record, for the kinds that the entry panel and the
// QSO edit read alike: DOK, US state, postcode, club and list member.

#include <cstdint>
#include <string>

class TContestQSORec;
class TdbContestBase;

namespace logentry {

// Stores the trimmed text of a received field of kind into rec; false for a kind it does not
// read (the caller reads those itself). A DOK is kept only for a German call: an unknown
// one clears it, a "J" + digit DOK is refused with a warning when warn is set.
bool StoreReceivedField(int32_t kind, const std::string& text, const TdbContestBase& listTable,
                       bool warn, TContestQSORec& rec);

}  // namespace logentry
