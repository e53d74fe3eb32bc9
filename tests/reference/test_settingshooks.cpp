#include <gtest/gtest.h>

#include "reference/modi.h"
#include "reference/prefix.h"
#include "tables/settingshooks.h"

namespace {

// The settings load and save reach the mode table and the suffix rules through the hooks;
// what goes in must come back out unchanged.
TEST(ReferenceSettingsHooks, ModesAndSuffixRulesRoundTrip) {
  settingshooks::THooks& h = settingshooks::Hooks();
  ASSERT_TRUE(h.ApplyModes && h.ReadModes && h.SetSuffixRule && h.GetSuffixRule);
  const TModeSettings before = h.ReadModes();
  const TCallSuffixRule ruleBefore = h.GetSuffixRule(9);

  TModeSettings m = before;
  m.Amtor = "AMT";
  m.Fax = "WEFAX";
  m.DigitalModes = "FT8";
  m.Aliases[1] = "sideband";
  m.ExtraModes = {"FT8", "FT4"};
  h.ApplyModes(m);
  EXPECT_EQ(h.ReadModes(), m);
  EXPECT_EQ(oModi->ModeCodeOf("WEFAX"), 'h');
  EXPECT_EQ(oModi->ModeCodeOf("SIDE"), 'b');

  h.SetSuffixRule(9, {"QRP", {0, 1, 2}});
  EXPECT_EQ(h.GetSuffixRule(9).Suffix, "QRP");
  EXPECT_EQ(oPrefix->GetSuffixRule(9).Options[2], 2);

  h.ApplyModes(before);
  h.SetSuffixRule(9, ruleBefore);
  EXPECT_EQ(h.ReadModes(), before);
}

}  // namespace
