#pragma once
// The parts of saving one QSO that need no window: the texts the save completes, the
// insert that steps the time past QSOs already stored at the same second, the checks of
// a finished entry (DOK list, recommended frequency range) and the call-book update.
// The log window runs them in the order of its save road.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "contest/contestrec.h"

class TContLogAlle;
class TContestQSORec;
class TdbContestBase;

namespace saveroad {

// A fourth received field of contest 'q' ("ABC-12" is "ABC/12"): the first '-', then the
// first '+', become '/' when the text holds no '/'; a '/' is put before the first digit
// unless one stands there ("12ABC" is "/12ABC").
std::string NormaliseMemberField(std::string_view text);

// The kinds of the sent and received fields that carry serial numbers.
bool IsSerialKind(int32_t kind);
// An exchange text whose serial part (field 2 when its kind is a serial kind, else field
// 3) is trimmed and, with 1 or 2 characters, zero-filled to 3 ("7" is "007"). The text is
// returned as it came when neither field carries a serial number.
std::string PadSerialExchange(std::string_view text, int32_t kind2, int32_t kind3);

// One second on; 23:59:59 goes to 00:00:00 of the next day.
void NextSecond(int32_t& date, int32_t& time);

// Adds the record to the table. A refusal because a QSO is stored at the same date and
// time is retried with the time one second on, up to attempts in all; any other failure
// ends at once. On success the table's working record is the stored one (with its
// number) and rec holds it; tries receives the attempts made.
bool InsertWithRetries(TdbContestBase& table, TContestQSORec& rec, int attempts, int& tries);
inline constexpr int kInsertAttempts = 11;

// The DOK test of a finished entry: true when the contest lists no DOKs and no districts,
// when DOK1 followed by DOK2 is a listed DOK, or when the DOK's first letter is a listed
// district.
bool PassesDokList(const TContestRec& def, const TContestQSORec& rec);
// Whether the contest lists DOKs or district letters at all.
bool HasDokList(const TContestRec& def);

// Whether a frequency (MHz, as the entry holds it) lies in the range the contest's rules
// recommend for the mode on the band: contest 'W' names the segments to avoid, every
// other code the segment to use on 160, 80 and 20 m; other modes and bands always pass.
bool InRecommendedRange(TContestCode code, float mhz, std::string_view mode, char band);

// What a saved QSO teaches the call book: its DOK, club numbers and, where the fields can
// be used, name and QTH; and the rows of the contest's member lists. received[i] is the
// text of received field i + 1. Only calls of more than 2 characters are looked at; the
// entity part of the call is the call book's key. False when a write failed.
struct TCallBookInput {
  TContestCode Code = 0;
  std::array<std::string, 4> Received;
  std::string Name;  // empty: the name field is hidden or empty
  std::string Qth;
};
bool UpdateCallBook(TContLogAlle& common, const TContestQSORec& rec, const TCallBookInput& in);

}  // namespace saveroad
