#include <gtest/gtest.h>

#include "logfixture.h"
#include "tables/setups.h"

namespace {

TEST(LogText, ExchangeSplitAndJoinRoundTrip) {
  struct Case {
    const char* text;
    const char* rst;
    const char* f1;
    const char* f2;
    const char* f3;
  } cases[] = {{"599012/A", "599", "012", "A", ""},
               {"599012/QRO/123", "599", "012", "QRO", "123"},
               {"59", "59", "", "", ""},
               {"599/B", "599", "", "B", ""},
               {"599//X", "599", "", "", "X"},
               {"599B12", "599", "B12", "", ""}};
  for (const Case& c : cases) {
    std::string rst, f1, f2, f3;
    TContLogAlle::SplitExchangeText(c.text, rst, f1, f2, f3);
    EXPECT_EQ(rst + "|" + f1 + "|" + f2 + "|" + f3,
              std::string(c.rst) + "|" + c.f1 + "|" + c.f2 + "|" + c.f3);
    if (rst.size() == 3) {
      EXPECT_EQ(TContLogAlle::JoinExchangeText(rst, f1, f2, f3), c.text);
    }
  }
  EXPECT_EQ(TContLogAlle::JoinExchangeText("59", "12", "", ""), "59 12");
}

TEST(LogText, CallTests) {
  struct Case {
    const char* call;
    uint8_t valid;
  } cases[] = {{"", 1},      {"DL1", 1},  {"DL1A", 0},      {"DL1ABC/P", 0},
               {"9A1XY", 0}, {"K1A", 0},  {"K1", 1},        {"22AB", 2},
               {"ABC1", 2},  {"DLA1", 2}, {"DL/PA1ABC", 0}, {"DLØABC", 0}};
  for (const Case& c : cases) EXPECT_EQ(TContLogAlle::IsCallValid(c.call), c.valid) << c.call;

  for (auto [call, prefix] : {std::pair("9A1XY", "9A1"),
                              {"DL1ABC", "DL1"},
                              {"2E0ABC", "2E0"},
                              {"DL10ABC", "DL10"},
                              {"K", "K"},
                              {"DLABC", "DLABC"}})
    EXPECT_EQ(TContLogAlle::PrefixOfCall(call), prefix);
}

TEST(LogText, UsStatesAndTallies) {
  for (const char* code : {"PA", "DC", "WY"}) EXPECT_EQ(TContLogAlle::UsStateCode(code), code);
  for (const char* text : {"pa", "PA ", "XX", "", "P"})
    EXPECT_EQ(TContLogAlle::UsStateCode(text), "");
  EXPECT_EQ(TContLogAlle::TallyIndex('k', 1, true), char(1));
  EXPECT_EQ(TContLogAlle::TallyIndex('k', 1, false), 'k');
  EXPECT_EQ(TContLogAlle::TallyIndex('k', 0, true), 'k');
  EXPECT_EQ(TContLogAlle::TallyIndex('k', 2, true), 'k');
}

class LogTextFiles : public LogTest {};

TEST_F(LogTextFiles, GermanCallsAndDistance) {
  SetList('X');
  for (const char* call : {"DL1ABC", "DA0X", "DR5S", "DJ"})
    EXPECT_TRUE(TContLogAlle::IsGermanCall(call, *list_)) << call;
  for (const char* call : {"DI1ABC", "DS1ABC", "OK1AA", "D"})
    EXPECT_FALSE(TContLogAlle::IsGermanCall(call, *list_)) << call;
  SetList('K');
  EXPECT_TRUE(TContLogAlle::IsGermanCall("OK1AA", *list_));

  ToSetupEigeneStation station = Setups().GetEigeneStation();
  station.SetLocator("JO43AA");
  Setups().SetEigeneStation(station);
  EXPECT_EQ(TContLogAlle::DistanceFromOwnLocator("JO43AA"), 0);
  const int d = TContLogAlle::DistanceFromOwnLocator("JO53AA");
  EXPECT_GT(d, 120);
  EXPECT_LT(d, 145);  // two degrees of longitude at 53.5 degrees north
  EXPECT_EQ(TContLogAlle::DistanceFromOwnLocator("XX"), 0);
  // Exactly half a kilometre over 1157 rounds up.
  station.SetLocator("JO40HD");
  Setups().SetEigeneStation(station);
  EXPECT_EQ(TContLogAlle::DistanceFromOwnLocator("JM49HR"), 1158);
  station.SetLocator("");
  Setups().SetEigeneStation(station);
  EXPECT_EQ(TContLogAlle::DistanceFromOwnLocator("JO53AA"), 0);
}

}  // namespace
