#include <gtest/gtest.h>

#include <QFile>

#include "foundation/testdesktop.h"
#include "prefixfixture.h"
#include "reference/datprefix.h"
#include "reference/modi.h"
#include "reference/prefix.h"
#include "reference/prefixrec.h"
#include "support/testdir.h"
#include "tables/settingshooks.h"

namespace {

// The settings load and save reach the mode table and the suffix rules through the hooks;
// what goes in must come back out unchanged.
TEST(ReferenceSettingsHooks, ModesAndSuffixRulesRoundTrip) {
  settingshooks::THooks& h = settingshooks::Hooks();
  ASSERT_TRUE(h.ApplyModes && h.ReadModes && h.SetSuffixRule && h.GetSuffixRule &&
              h.ResolveOwnCall);
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

namespace {

// The own call is resolved at the settings load even while the prefix files are closed:
// the table opens them for the moment and leaves them closed again.
TEST(ReferenceSettingsHooks, OwnCallResolvesWithClosedFiles) {
  TTestDir dir;
  TTestDesktop desktop;
  prefixtest::UseDataDir(dir.Path());
  ASSERT_EQ(oDatPrefix->Driver(prefixrec::kMain), nullptr);
  settingshooks::Hooks().ResolveOwnCall("DL1ABC");
  EXPECT_EQ(oDatPrefix->Driver(prefixrec::kMain), nullptr);
  EXPECT_EQ(desktop.DialogsRun, 0);
  EXPECT_TRUE(QFile::exists(QStringLiteral("BMPREFIX.db")));
  prefixtest::UseDataDir("");
}

}  // namespace
