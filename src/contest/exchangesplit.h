#pragma once
// The sent and the received exchange as one text of up to 20 characters, and its four
// parts in the contest QSO record (216 bytes): characters 1-9, 10-11, 12-13 and 14-20.

#include <string>
#include <string_view>

class TRecord;

namespace exchangesplit {

constexpr size_t kQsoRecordSize = 216;
constexpr size_t kMaxExchangeLength = 20;

// The parts joined as they are stored: a part shorter than its capacity is not filled up
// with blanks, so only a text whose parts but the last are full splits back the same.
std::string SentExchangeText(const TRecord& qso);
std::string ReceivedExchangeText(const TRecord& qso);
// Cuts text at the fixed positions; characters after position 20 are dropped.
void SplitSentExchange(std::string_view text, TRecord& qso);
void SplitReceivedExchange(std::string_view text, TRecord& qso);

}  // namespace exchangesplit
