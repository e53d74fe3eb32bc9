#include <gtest/gtest.h>

#include "contest/contestfkt.h"
#include "contest/exchangesplit.h"
#include "foundation/recordbuf.h"

using namespace exchangesplit;

namespace {

struct TSide {
  const char* Name;
  void (*Split)(std::string_view, TRecord&);
  std::string (*Compose)(const TRecord&);
  size_t Offsets[4];
};

const TSide kSides[] = {
    {"sent", SplitSentExchange, SentExchangeText, {173, 200, 210, 43}},
    {"received", SplitReceivedExchange, ReceivedExchangeText, {183, 197, 207, 51}},
};
constexpr size_t kCapacity[4] = {9, 2, 2, 7};

std::vector<std::string> Parts(const TRecord& qso, const TSide& side) {
  std::vector<std::string> parts;
  for (int i = 0; i < 4; ++i) parts.push_back(qso.Str(side.Offsets[i], kCapacity[i]));
  return parts;
}

}  // namespace

TEST(ExchangeSplit, CutsAtPositionsNineElevenThirteenTwenty) {
  const std::string text = "ABCDEFGHIJKLMNOPQRSTUVWXY";  // 25 characters
  for (const TSide& side : kSides) {
    SCOPED_TRACE(side.Name);
    struct {
      size_t Length;
      std::vector<std::string> Parts;
    } cases[] = {
        {0, {"", "", "", ""}},
        {6, {"ABCDEF", "", "", ""}},
        {9, {"ABCDEFGHI", "", "", ""}},
        {10, {"ABCDEFGHI", "J", "", ""}},
        {11, {"ABCDEFGHI", "JK", "", ""}},
        {12, {"ABCDEFGHI", "JK", "L", ""}},
        {13, {"ABCDEFGHI", "JK", "LM", ""}},
        {14, {"ABCDEFGHI", "JK", "LM", "N"}},
        {20, {"ABCDEFGHI", "JK", "LM", "NOPQRST"}},
        {25, {"ABCDEFGHI", "JK", "LM", "NOPQRST"}},
    };
    for (const auto& c : cases) {
      TRecord qso(kQsoRecordSize);
      side.Split(text.substr(0, c.Length), qso);
      EXPECT_EQ(Parts(qso, side), c.Parts) << "length " << c.Length;
      EXPECT_EQ(side.Compose(qso), text.substr(0, std::min<size_t>(c.Length, 20)));
    }
  }
}

TEST(ExchangeSplit, SplittingAgainReplacesEveryPart) {
  for (const TSide& side : kSides) {
    TRecord qso(kQsoRecordSize);
    side.Split("599001DL1AB", qso);
    side.Split("59", qso);
    EXPECT_EQ(Parts(qso, side), (std::vector<std::string>{"59", "", "", ""})) << side.Name;
  }
}

TEST(ExchangeSplit, WritesOnlyItsOwnParts) {
  TRecord qso(kQsoRecordSize);
  for (size_t i = 0; i < qso.Size(); ++i) qso.SetByte(i, 'x');
  SplitSentExchange("599001Q01ABCDEFGHIJKL", qso);
  SplitReceivedExchange("579123K32ZYXWVUTSRQPO", qso);
  EXPECT_EQ(SentExchangeText(qso), "599001Q01ABCDEFGHIJK");
  EXPECT_EQ(ReceivedExchangeText(qso), "579123K32ZYXWVUTSRQP");
  std::vector<bool> inPart(qso.Size(), false);
  for (const TSide& side : kSides)
    for (int i = 0; i < 4; ++i)
      for (size_t b = 0; b <= kCapacity[i]; ++b) inPart[side.Offsets[i] + b] = true;
  for (size_t i = 0; i < qso.Size(); ++i) {
    if (inPart[i]) continue;
    EXPECT_EQ(qso.Byte(i), 'x') << "byte " << i;
  }
}

TEST(ExchangeSplit, ShortPartsFollowEachOtherWithoutBlanks) {
  for (const TSide& side : kSides) {
    TRecord qso(kQsoRecordSize);
    qso.SetStr(side.Offsets[0], 9, "599Q0");
    qso.SetStr(side.Offsets[1], 2, "12");
    qso.SetStr(side.Offsets[3], 7, "AB");
    EXPECT_EQ(side.Compose(qso), "599Q012AB") << side.Name;
  }
}

TEST(ExchangeSplit, ReachedThroughTheContestFunctionsOfTheStartUp) {
  ASSERT_NE(oContestFkt, nullptr);
  TRecord qso(kQsoRecordSize);
  oContestFkt->SplitSentExchange("599001Q01", qso);
  oContestFkt->SplitReceivedExchange("579012K32AB", qso);
  EXPECT_EQ(oContestFkt->SentExchangeText(qso), "599001Q01");
  EXPECT_EQ(oContestFkt->ReceivedExchangeText(qso), "579012K32AB");
  EXPECT_EQ(qso.Str(197, 2), "AB");
}
