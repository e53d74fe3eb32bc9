// The exchange as one text and its four parts in the contest QSO record: cut at
// characters 9, 11, 13 and 20, joined without filling short parts.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "contest/exchangesplit.h"
#include "foundation/recordbuf.h"

namespace {

using Parts = std::array<std::string, 4>;

struct Side {
  const char* name;
  std::array<size_t, 4> offsets;  // parts 1-4 in the 216-byte QSO record
  void (*split)(std::string_view, TRecord&);
  std::string (*compose)(const TRecord&);
};

const Side kSides[] = {
    {"sent",
     {173, 200, 210, 43},
     exchangesplit::SplitSentExchange,
     exchangesplit::SentExchangeText},
    {"received",
     {183, 197, 207, 51},
     exchangesplit::SplitReceivedExchange,
     exchangesplit::ReceivedExchangeText},
};
constexpr std::array<size_t, 4> kCapacity = {9, 2, 2, 7};

Parts Read(const TRecord& qso, const Side& side) {
  Parts parts;
  for (size_t i = 0; i < 4; ++i) parts[i] = qso.Str(side.offsets[i], kCapacity[i]);
  return parts;
}

void Write(TRecord& qso, const Side& side, const Parts& parts) {
  for (size_t i = 0; i < 4; ++i) qso.SetStr(side.offsets[i], kCapacity[i], parts[i]);
}

TEST(ExchangeText, SplitsAroundEachCutPosition) {
  const std::string text = "123456789abcdefghijklmnop";
  const struct {
    size_t length;
    Parts parts;
  } cases[] = {
      {8, {"12345678", "", "", ""}},
      {9, {"123456789", "", "", ""}},
      {10, {"123456789", "a", "", ""}},
      {11, {"123456789", "ab", "", ""}},
      {12, {"123456789", "ab", "c", ""}},
      {13, {"123456789", "ab", "cd", ""}},
      {14, {"123456789", "ab", "cd", "e"}},
      {19, {"123456789", "ab", "cd", "efghij"}},
      {20, {"123456789", "ab", "cd", "efghijk"}},
      {21, {"123456789", "ab", "cd", "efghijk"}},
  };
  for (const Side& side : kSides) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(side.name) + " length " + std::to_string(c.length));
      TRecord qso(216);
      Write(qso, side, {"old", "xx", "yy", "zzz"});
      side.split(text.substr(0, c.length), qso);
      EXPECT_EQ(Read(qso, side), c.parts);
      // Only the four parts of this side change.
      TRecord expected(216);
      Write(expected, side, c.parts);
      EXPECT_TRUE(qso == expected);
      // Full parts compose back to the same text, cut at 20.
      EXPECT_EQ(side.compose(qso), text.substr(0, std::min<size_t>(c.length, 20)));
    }
  }
}

TEST(ExchangeText, ComposesPartsAsStoredWithoutBlanks) {
  for (const Side& side : kSides) {
    SCOPED_TRACE(side.name);
    TRecord qso(216);
    Write(qso, side, {"DL1AB", "59", "", "Q1"});
    EXPECT_EQ(side.compose(qso), "DL1AB59Q1");
    // Split back at the fixed positions, a short part 1 takes everything.
    side.split(side.compose(qso), qso);
    EXPECT_EQ(Read(qso, side), (Parts{"DL1AB59Q1", "", "", ""}));
    Write(qso, side, {"ABCDEFGHI", "JK", "LM", "NOPQRST"});
    EXPECT_EQ(side.compose(qso), "ABCDEFGHIJKLMNOPQRST");
  }
}

}  // namespace
