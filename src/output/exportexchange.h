#pragma once
// The two exchange columns of an STF or Cabrillo QSO line: the report and the rest of
// the exchange as fixed columns, with the "-" stand-ins organisers' checkers expect
// where a part is missing.

#include <string>
#include <string_view>

namespace exportexchange {

enum class TFormat { Stf, Cabrillo };

// One side of the exchange: RST (3) + " " + the rest (17). exchange: the side's text as
// the QSO keeps it (RST first). code: the contest code. germanSender: the station that
// sent this side is German (its call begins with "D"), which the Christmas and Easter
// contests' plain numbers are dropped for.
std::string Side(std::string_view exchange, char code, bool germanSender, TFormat format);

}  // namespace exportexchange
