#include "contest/exchangesplit.h"

#include <algorithm>
#include <array>

#include "foundation/recordbuf.h"

namespace exchangesplit {
namespace {

struct TPart {
  size_t Offset;
  size_t Capacity;
};
using TParts = std::array<TPart, 4>;

// Offsets of the four parts in the QSO record; the capacities are the same on both sides
// and add up to the 20 characters of an exchange.
constexpr TParts kSentParts{{{173, 9}, {200, 2}, {210, 2}, {43, 7}}};
constexpr TParts kReceivedParts{{{183, 9}, {197, 2}, {207, 2}, {51, 7}}};

std::string Compose(const TRecord& qso, const TParts& parts) {
  std::string text;
  size_t limit = 0;
  for (const TPart& part : parts) {
    limit += part.Capacity;
    text += qso.Str(part.Offset, part.Capacity);
    if (text.size() > limit) text.resize(limit);
  }
  return text;
}

void Split(std::string_view text, TRecord& qso, const TParts& parts) {
  size_t start = 0;
  for (const TPart& part : parts) {
    std::string_view piece = start < text.size() ? text.substr(start, part.Capacity) : "";
    qso.SetStr(part.Offset, part.Capacity, piece);
    start += part.Capacity;
  }
}

}  // namespace

std::string SentExchangeText(const TRecord& qso) { return Compose(qso, kSentParts); }
std::string ReceivedExchangeText(const TRecord& qso) { return Compose(qso, kReceivedParts); }
void SplitSentExchange(std::string_view text, TRecord& qso) { Split(text, qso, kSentParts); }
void SplitReceivedExchange(std::string_view text, TRecord& qso) {
  Split(text, qso, kReceivedParts);
}

}  // namespace exchangesplit
