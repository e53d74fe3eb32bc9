#include <gtest/gtest.h>

#include <QColor>

#include "foundation/grafik.h"

TEST(Grafik, ColourValuesAreBlueGreenRed) {
  // Values as the windows give them, with their red, green and blue parts.
  const struct {
    TColor Value;
    int Red, Green, Blue;
  } cases[] = {
      {0x8080FF, 255, 128, 128},  // the pink of failed input checks
      {0x800000, 0, 0, 128},      // navy
      {255, 255, 0, 0},          {14013951, 255, 213, 213}, {15518376, 168, 202, 236},
      {16750899, 51, 153, 255},  {0xE9E9E9, 233, 233, 233},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorOf(c.Value), QColor(c.Red, c.Green, c.Blue)) << std::hex << c.Value;
    EXPECT_EQ(RGBColor(c.Red, c.Green, c.Blue), c.Value);
    EXPECT_EQ(TColorOf(ColorOf(c.Value)), c.Value);
  }
  // The high byte is no colour part.
  EXPECT_EQ(ColorOf(0x80000005), QColor(5, 0, 0));
}

TEST(Grafik, ContrastTextColourForFills) {
  const struct {
    TColor Fill;
    TColor Text;
  } cases[] = {
      {clWhite, clBlack},
      {clBlack, clWhite},
      {clNavy, clWhite},
      {clPink, clBlack},
      {clRed, clWhite},
      {14013951, clBlack},
      {RGBColor(128, 0, 128), clWhite},  // the purple marker button
      {RGBColor(255, 255, 0), clBlack},  // yellow
      {RGBColor(0, 255, 0), clBlack},    // green is bright
      {RGBColor(0, 0, 255), clWhite},    // blue is dark
      {RGBColor(128, 128, 128), clBlack},
      {RGBColor(127, 127, 127), clWhite},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ToGrafik::ContrastTextColor(c.Fill), c.Text) << std::hex << c.Fill;
}
