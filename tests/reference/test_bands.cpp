#include <gtest/gtest.h>

#include "reference/baender.h"

namespace {

TEST(ToBaender, BandOfFrequencyLowerEdgeExclusiveUpperInclusive) {
  ToBaender b;
  struct Case {
    double mhz;
    char code;
  };
  const Case cases[] = {
      {14.0, 'e'},  {13.9999, ' '}, {14.35, 'e'}, {14.3501, ' '}, {7.2, 'c'},  {7.21, ' '},
      {70.0, 'u'},  {69.7999, ' '}, {0.137, 'r'}, {0.1378, 'r'},  {1.81, 'a'}, {1.809, ' '},
      {2.0, 'a'},   {144.3, 'k'},   {432.2, 'l'}, {2400, 'n'},    {2320, 'n'}, {2319.9999, ' '},
      {47088, 't'}, {47200.1, ' '}, {24.89, 'h'}, {18.0680, 'f'}, {10.1, 'd'}, {10.099, ' '},
      {0, ' '},     {-5, ' '},
  };
  for (const Case& c : cases) EXPECT_EQ(b.BandCodeOfFrequency(c.mhz), c.code) << c.mhz;
}

TEST(ToBaender, EveryRowIsItsOwnFirstFitAtTheNominalFrequency) {
  ToBaender b;
  for (int i = 0; i < ToBaender::kBandCount; ++i) {
    const TBm5Band& r = b.Row(i);
    EXPECT_EQ(b.BandCodeOfFrequency(r.Nominal), r.Code) << r.LongName;
    EXPECT_EQ(b.BandCodeOfFrequency(r.Upper), r.Code) << r.LongName;
    EXPECT_NE(b.BandCodeOfFrequency(r.Lower), r.Code) << r.LongName;
  }
}

TEST(ToBaender, NamesAndDesignators) {
  ToBaender b;
  EXPECT_EQ(b.BandNameOf('k', false), "2 m");
  EXPECT_EQ(b.BandNameOf('k', true), "2m");
  EXPECT_EQ(b.BandNameOf('s', true), "1.25cm");
  EXPECT_EQ(b.BandNameOf('0', false), "all");
  EXPECT_EQ(b.BandNameOf('z', false), "???");
  EXPECT_EQ(b.BandDesignatorOf('g', false), "15M");
  EXPECT_EQ(b.BandDesignatorOf('g', true), "21000");
  EXPECT_EQ(b.BandDesignatorOf('l', true), "432");
  EXPECT_EQ(b.BandDesignatorOf('0', true), "ALL");
  EXPECT_EQ(b.BandDesignatorOf('z', false), "-");
}

TEST(ToBaender, DefaultFrequencies) {
  ToBaender b;
  EXPECT_DOUBLE_EQ(b.DefaultFrequencyOf('b', 'a'), 3.52);
  EXPECT_DOUBLE_EQ(b.DefaultFrequencyOf('b', 'b'), 3.61);
  EXPECT_DOUBLE_EQ(b.DefaultFrequencyOf('e', 'b'), 14.126);
  EXPECT_DOUBLE_EQ(b.DefaultFrequencyOf('e', 'a'), 14);
  EXPECT_DOUBLE_EQ(b.DefaultFrequencyOf('u', 'a'), 70.01);
  EXPECT_DOUBLE_EQ(b.DefaultFrequencyOf('z', 'a'), 0);
}

TEST(ToBaender, BandTexts) {
  ToBaender b;
  struct Case {
    const char* text;
    char code;
  };
  const Case cases[] = {
      {" 2m ", 'k'}, {"2 m", 'k'},   {"145mhz", 'k'}, {"70", ' '},   {"70 cm", 'l'},
      {"70CM", 'l'}, {"6", 'p'},     {"6 m", 'j'},    {"   ", ' '},  {"", ' '},
      {"0,6", 't'},  {"1.25c", 's'}, {"2190", 'r'},   {"160M", 'a'}, {"\t23\n", 'm'},
  };
  for (const Case& c : cases) EXPECT_EQ(b.BandCodeOfText(c.text), c.code) << c.text;
  EXPECT_DOUBLE_EQ(b.FrequencyOfBandText("2m"), 144);
  EXPECT_DOUBLE_EQ(b.FrequencyOfBandText("70"), 0);
  EXPECT_EQ(b.FrequencyTextOfBandText("80"), "3,5");
  EXPECT_EQ(b.FrequencyTextOfBandText("160m"), "1,815");
  EXPECT_EQ(b.FrequencyTextOfBandText("2m"), "144");
  EXPECT_EQ(b.FrequencyTextOfBandText("4m"), "70,01");
  EXPECT_EQ(b.FrequencyTextOfBandText("nix"), "");
}

TEST(ToBaender, BandNameOfFrequencyStyles) {
  ToBaender b;
  EXPECT_EQ(b.BandNameOfFrequency(0, 144.3), "2m");
  EXPECT_EQ(b.BandNameOfFrequency(1, 144.3), "  2 m");
  EXPECT_EQ(b.BandNameOfFrequency(2, 144.3), "  2m");
  EXPECT_EQ(b.BandNameOfFrequency(2, 47100), "0.6c");
  EXPECT_EQ(b.BandNameOfFrequency(1, 1.9), "160 m");
  EXPECT_EQ(b.BandNameOfFrequency(3, 432.1), "70cm");
  EXPECT_EQ(b.BandNameOfFrequency(4, 432.1), "70 cm");
  EXPECT_EQ(b.BandNameOfFrequency(0, 500), "");
  EXPECT_EQ(b.BandNameOfFrequency(1, 500), "     ");
  EXPECT_EQ(b.BandNameOfFrequency(2, 500), "    ");
  EXPECT_EQ(b.BandNameOfFrequency(3, 500), "");
  EXPECT_EQ(b.BandNameOfFrequency(4, 500), "???");
  EXPECT_EQ(b.BandNameOfFrequencyText("14,025", 4), "20 m");
  EXPECT_EQ(b.BandNameOfFrequencyText(" 7.05 ", 3), "40m");
  EXPECT_EQ(b.BandNameOfFrequencyText("7.05MHz", 4), "???");  // not a number: 0
}

TEST(ToBaender, FrequencyToMHzRulesInOrder) {
  ToBaender b;
  struct Case {
    double typed;
    bool shortcuts;
    double mhz;
  };
  const Case cases[] = {
      {0, true, 0},
      {14025, false, 14.025},
      {21289, false, 21.289},
      {3700, false, 3.7},
      {432100, false, 432.1},
      {70150, false, 70150},
      {2, false, 144},
      {23, false, 1240},
      {13, false, 2400},
      {10, true, 10.1},
      {10, false, 28},
      {80, false, 3.5},
      {0.7, false, 430},
      {18, false, 18.1},
      {1.8, false, 1.815},
      {24.8, false, 24.89},
      {24, false, 24.89},
      {1814, false, 1814},
      {1814.5, false, 1.8145},
      {1999, false, 1.999},
      {2000, false, 2000},
      {3499.9, false, 3499.9},
      {69999, false, 69.999},
      {70000, false, 70000},
      {143999, false, 143999},
      {146000, false, 146},
      {320000, false, 320000},
      {320001, false, 320.001},
      {10368100, false, 10368.1},
      {14.2, false, 14.2},
      {2189, false, 0.137},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(b.FrequencyToMHz(c.typed, c.shortcuts), c.mhz) << c.typed;
}

}  // namespace
