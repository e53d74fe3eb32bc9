#include <gtest/gtest.h>

#include "fieldcheck.h"
#include "foundation/layoutvalues.h"
#include "foundation/strings.h"
#include "tables/setuprecs.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"

namespace {

using E = ToSetupEigeneStation;

TEST(SetupRecords, OwnStationFieldsLieAtTheirOffsets) {
  std::vector<TFieldCheck<E>> f = {
      StrField<E>("Locator", 0, 6, &E::SetLocator, &E::Locator),
      StrField<E>("Name", 528, 255, &E::SetName, &E::Name),
      StrField<E>("SwlNumber", 784, 14, &E::SetSwlNumber, &E::SwlNumber),
      StrField<E>("Street", 1106, 50, &E::SetStreet, &E::Street),
      StrField<E>("PostcodeTown", 1157, 50, &E::SetPostcodeTown, &E::PostcodeTown),
      StrField<E>("Country", 1208, 50, &E::SetCountry, &E::Country),
      StrField<E>("DOK", 1259, 10, &E::SetDOK, &E::DOK),
      StrField<E>("Email", 1283, 50, &E::SetEmail, &E::Email),
      StrField<E>("ShortDOK", 1693, 3, &E::SetShortDOK, &E::ShortDOK),
      StrField<E>("LocatorCopy", 1697, 6, &E::SetLocatorCopy, &E::LocatorCopy),
  };
  ExpectFieldsInPlace(f);
  EXPECT_EQ(E().Size(), 1704u);
}

TEST(SetupRecords, SettingsRecordKeepsProjectAndStationApart) {
  TSetupRec rec;
  EXPECT_EQ(rec.Size(), 3530u);
  E station;
  station.SetLocator("JN39AB");
  station.SetLocatorCopy("JN39AB");
  rec.SetCurrentProject(-7);
  rec.SetOwnStation(station);
  rec.SetOwnCall("DL1ABC/P");
  ToSetupWeitere w;
  w.SetSlashedZero(true);
  rec.SetWeitere(w);
  ToSetupFlags flags{};
  flags[setupflags::kRowMarking] = 255;
  flags[15] = 3;
  rec.SetFlags(flags);

  EXPECT_EQ(rec.I32(786), -7);
  EXPECT_EQ(rec.CurrentProject(), -7);
  EXPECT_EQ(rec.OwnStation(), station);
  EXPECT_EQ(rec.OwnCall(), "DL1ABC/P");
  EXPECT_TRUE(rec.Weitere().SlashedZero());
  EXPECT_EQ(rec.Weitere().Byte(7), 255);
  EXPECT_EQ(rec.Flags(), flags);
}

TEST(SetupRecords, LayoutHoldsClusterWidthsOfEveryKey) {
  ToSetupLayout l;
  l.SetClusterWidth(28, 10, 0x1234);
  l.SetClusterWidth(1, 1, 77);
  EXPECT_EQ(l.U16(1893 + 20 * 28 + 2 * 10), 0x1234);
  EXPECT_EQ(l.U16(1893 + 20 + 2), 77);
  EXPECT_EQ(l.ClusterWidth(28, 10), 0x1234);
  // Outside the table: nothing is written, nothing is read.
  l.SetClusterWidth(29, 1, 5);
  l.SetClusterWidth(1, 11, 5);
  EXPECT_EQ(l.ClusterWidth(29, 1), 0);
  EXPECT_EQ(ToSetupLayout::Defaults().Values().FontName, TLayoutValues().FontName);
}

TEST(SetupRecords, SecondSettingsRecordRoundTrips) {
  TSetup2Rec rec;
  ToSetupDirs dirs;
  for (size_t i = 0; i < dirs.size(); ++i) dirs[i] = "/dir" + std::to_string(i) + "/";
  dirs[19] = std::string(300, 'x');  // cut to its capacity
  rec.SetDirs(dirs);
  ToSetupLayout layout = ToSetupLayout::Defaults();
  layout.SetClusterWidth(5, 3, 99);
  rec.SetLayout(layout);
  rec.SetLanguage(0);
  TCallSuffixRule rule{"QRP", {0, 1, 2}};
  rec.SetSuffixRule(18, rule);
  rec.SetSuffixRule(1, {"A", {255, 0, 0}});
  TModeSettings m;
  m.DigitalModes = "RTTY, HELL";
  m.Amtor = "AMT";
  m.Fax = "FAKS";
  m.Aliases[0] = "TELEGRAFIE";
  m.Aliases[12] = "ZZ";
  for (int i = 0; i < 25; ++i) m.ExtraModes.push_back("X" + std::to_string(i));
  rec.SetModes(m);

  TSetup2Rec copy;
  copy.Assign(rec.Data(), rec.Size());
  ToSetupDirs back = copy.Dirs();
  EXPECT_EQ(back[0], "/dir0/");
  EXPECT_EQ(back[18], "/dir18/");
  EXPECT_EQ(back[19], std::string(255, 'x'));
  EXPECT_EQ(copy.Layout(), layout);
  EXPECT_EQ(copy.Language(), 0);
  EXPECT_EQ(copy.SuffixRule(18), rule);
  EXPECT_EQ(copy.SuffixRule(1).Suffix, "A");
  TModeSettings mb = copy.Modes();
  EXPECT_EQ(mb.DigitalModes, m.DigitalModes);
  EXPECT_EQ(mb.Amtor, "AMT");
  EXPECT_EQ(mb.Fax, "FAKS");
  EXPECT_EQ(mb.Aliases, m.Aliases);
  ASSERT_EQ(mb.ExtraModes.size(), 20u);  // the room holds 20 names
  EXPECT_EQ(mb.ExtraModes[19], "X19");
  EXPECT_THROW(copy.SuffixRule(19), std::out_of_range);
}

TEST(Settings, OwnCallIsTrimmedAndCanBeMadeSafeForFileNames) {
  ToSetups s;
  s.SetOwnCall("  DL\xD8XYZ/P?  ");
  EXPECT_EQ(s.GetOwnCall(false), "DL\xD8XYZ/P?");
  EXPECT_EQ(s.GetOwnCall(true), "DL0XYZ/P");
  EXPECT_EQ(s.EntryTextHook("Hans;Köln"), "Hans;Köln");
}

TEST(Settings, LayoutValuesRoundTripAndReachTheLayoutService) {
  TLayoutValues v;
  v.PanelColor = RGBColor(1, 2, 3);
  v.GridSelectedTextColor = RGBColor(9, 8, 7);
  v.MenuSelectedTextColor = RGBColor(4, 5, 6);
  v.GridFontName = "Liberation Mono";
  v.ButtonFontSize = 11;
  v.ButtonFontBold = true;
  ToSetupLayout l = ToSetupLayout::Defaults();
  l.SetValues(v);
  l.SetClusterWidth(1, 1, 50);  // the widths lie behind the values
  TLayoutValues back = l.Values();
  EXPECT_EQ(back.PanelColor, v.PanelColor);
  EXPECT_EQ(back.GridSelectedTextColor, v.GridSelectedTextColor);
  EXPECT_EQ(back.MenuSelectedTextColor, v.MenuSelectedTextColor);
  EXPECT_EQ(back.GridFontName, "Liberation Mono");
  EXPECT_EQ(back.FontName, TLayoutValues().FontName);
  EXPECT_EQ(back.ButtonFontSize, 11);
  EXPECT_TRUE(back.ButtonFontBold);
  EXPECT_EQ(l.PanelColor(), RGBColor(1, 2, 3));
  EXPECT_EQ(l.MenuPanelColor(), ToSetupLayout::Defaults().MenuPanelColor());

  const TLayoutValues before = LayoutValues();
  ToSetups s;
  s.SetLayout(l);
  EXPECT_EQ(LayoutValues().PanelColor, RGBColor(1, 2, 3));
  EXPECT_EQ(LayoutValues().GridFontName, "Liberation Mono");
  SetLayoutValues(before);
}

TEST(Settings, OwnStationAndLayoutChangesAreStoredAtOnce) {
  ToSetups s;
  int stores = 0;
  s.StoreNow = [&] { ++stores; };
  E station;
  station.SetName("Hans");
  s.SetEigeneStation(station);
  s.SetLayout(ToSetupLayout::Defaults());
  EXPECT_EQ(stores, 2);
  EXPECT_EQ(s.GetEigeneStation().Name(), "Hans");
}

TEST(LanguageText, FollowsTheLanguageFlag) {
  setupseparat::SetLanguage(1);
  EXPECT_EQ(setupseparat::LangText("Beenden", "Finish"), "Beenden");
  setupseparat::SetLanguage(0);
  EXPECT_EQ(setupseparat::LangText("Beenden", "Finish"), "Finish");
  setupseparat::SetLanguage(2);
  EXPECT_EQ(setupseparat::LangText("Beenden", "Finish"), "Finish");
  setupseparat::SetLanguage(1);
}

TEST(CompareFormatted, ComparesTheFormattedTexts) {
  using setupseparat::CompareFormatted;
  // Equal once rounded to the decimals shown.
  EXPECT_TRUE(CompareFormatted(3, 2, '=', 1.004, 1.0));
  EXPECT_FALSE(CompareFormatted(3, 2, '!', 1.004, 1.0));
  EXPECT_TRUE(CompareFormatted(3, 2, '!', 1.01, 1.0));
  // Right-aligned, so texts order like the numbers while they fit the places.
  EXPECT_TRUE(CompareFormatted(3, 1, '<', 9.5, 10.0));
  EXPECT_TRUE(CompareFormatted(3, 0, '>', 100, 99));
  EXPECT_FALSE(CompareFormatted(3, 0, '>', 99, 99));
  EXPECT_FALSE(CompareFormatted(3, 0, '#', 1, 2));
}

}  // namespace

namespace {

TEST(Settings, SlashedZeroOptionReachesTheStringHelpers) {
  ToSetups s;
  ToSetupWeitere w;
  w.SetSlashedZero(true);
  s.SetWeitere(w);
  EXPECT_EQ(ToStrings::SlashZeros("DL0AB"),
            "DL\xD8"
            "AB");
  TSetupRec plain;
  s.SetRecords(plain, TSetup2Rec());
  EXPECT_EQ(ToStrings::SlashZeros("DL0AB"), "DL0AB");
}

}  // namespace
