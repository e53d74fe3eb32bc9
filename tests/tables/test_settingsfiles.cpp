#include <gtest/gtest.h>

#include "foundation/progdir.h"
#include "tables/opcmd.h"
#include "tables/projecttables.h"
#include "tables/settingshooks.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"
#include "tables/setuptables.h"
#include "tablesfixture.h"

namespace {

// Stands in for the mode table and the call-sign service: holds what the settings
// hand down, starting from the services' own defaults.
struct TServices {
  TModeSettings Modes;
  std::array<TCallSuffixRule, 19> Rules;
  std::vector<std::string> Resolved;

  TServices() {
    Modes.DigitalModes = "RTTY, HELL, MFSK";
    Modes.Amtor = "AMTOR";
    Modes.Fax = "FAX";
    Rules[1] = {"A", {255, 0, 0}};
    Rules[2] = {"AM", {0, 0, 0}};
    auto& h = settingshooks::Hooks();
    h.ApplyModes = [this](const TModeSettings& m) { Modes = m; };
    h.ReadModes = [this] { return Modes; };
    h.SetSuffixRule = [this](int i, const TCallSuffixRule& r) { Rules[size_t(i)] = r; };
    h.GetSuffixRule = [this](int i) { return Rules[size_t(i)]; };
    h.ResolveOwnCall = [this](const std::string& call) { Resolved.push_back(call); };
  }
};

class SettingsFiles : public TablesTest {};

TEST_F(SettingsFiles, FirstStartCreatesTheFilesWithDefaultsAndAProject) {
  SetShippedDataDirectory(dir_.Path() + "data");
  TServices services;
  ASSERT_TRUE(ToDatSetup::OpenFiles(ToDatSetup::kSetupFile | ToDatSetup::kSetup2File));
  ASSERT_TRUE(ToDatProject::OpenFiles(ToDatProject::kProjectFile));
  ASSERT_TRUE(opcmd::LoadSettings());
  EXPECT_TRUE(FileExists("BMSETUP.db"));
  EXPECT_TRUE(FileExists("BMSETUP2.db"));

  ToSetupDirs dirs = Setups().GetDirs();
  EXPECT_EQ(dirs[setupdirs::kData], dir_.Path());
  EXPECT_EQ(dirs[setupdirs::kPictures], dir_.Path() + "data/");
  EXPECT_EQ(Setups().GetLayout(), ToSetupLayout::Defaults());
  EXPECT_EQ(setupseparat::Language(), setupseparat::kGerman);
  EXPECT_EQ(Setups().GetOwnCall(false), "");
  EXPECT_TRUE(services.Resolved.empty());  // no own call yet
  // The services keep their defaults: an empty record does not wipe them.
  EXPECT_EQ(services.Modes.Amtor, "AMTOR");
  EXPECT_EQ(services.Rules[2].Suffix, "AM");

  TdbProject& project = Projecte().GetProject();
  EXPECT_EQ(project.GetNumber(), 1);
  EXPECT_EQ(project.GetProjectRec().Name(), "Standard");
  EXPECT_EQ(project.RecordCount(), 1);
  EXPECT_TRUE(FileExists("BM5PRO.db"));
  // Asked again, the same project, no second one.
  EXPECT_EQ(Projecte().GetProject().GetNumber(), 1);
  EXPECT_EQ(project.RecordCount(), 1);

  TdbSetupBase setup;
  ASSERT_TRUE(setup.First(1));
  EXPECT_EQ(setup.RecordCount(), 1);
  EXPECT_EQ(setup.GetSetupRec(), TSetupRec());  // zero-filled
  TdbSetup2 setup2;
  ASSERT_TRUE(setup2.First(1));
  EXPECT_EQ(setup2.GetSetup2Rec().Modes().Amtor, "AMTOR");
  EXPECT_EQ(setup2.GetSetup2Rec().SuffixRule(1).Suffix, "A");
}

TEST_F(SettingsFiles, SaveAndLoadRoundTrip) {
  {
    TServices services;
    ASSERT_TRUE(opcmd::LoadSettings());
    ToSetupEigeneStation station;
    station.SetLocator("JN39AB");
    station.SetName("Hans Muster");
    station.SetStreet("Hauptstraße 1");
    Setups().SetEigeneStation(station);
    ToSetupLayout layout = Setups().GetLayout();
    layout.SetClusterWidth(12, 4, 88);
    Setups().SetLayout(layout);
    Setups().SetOwnCall("DL0ABC");
    Setups().SetCurrentProject(3);
    ToSetupWeitere w;
    w.SetSlashedZero(true);
    Setups().SetWeitere(w);
    ToSetupFlags flags{};
    flags[setupflags::kRowMarking] = 255;
    Setups().SetFlags(flags);
    setupseparat::SetLanguage(0);
    services.Modes.Aliases[3] = "PACKET";
    services.Modes.ExtraModes = {"JT65", "FT8"};
    services.Rules[18] = {"QRP", {255, 1, 2}};
    ASSERT_TRUE(opcmd::SaveSettings());
  }
  settingshooks::Reset();
  Setups().SetRecords(TSetupRec(), TSetup2Rec());
  setupseparat::SetLanguage(1);

  TServices fresh;
  ASSERT_TRUE(opcmd::LoadSettings());
  EXPECT_EQ(Setups().GetEigeneStation().Street(), "Hauptstraße 1");
  EXPECT_EQ(Setups().GetEigeneStation().Locator(), "JN39AB");
  EXPECT_EQ(Setups().GetLayout().ClusterWidth(12, 4), 88);
  EXPECT_EQ(Setups().GetOwnCall(false), "DL0ABC");
  EXPECT_EQ(Setups().CurrentProject(), 3);
  EXPECT_TRUE(Setups().GetWeitere().SlashedZero());
  EXPECT_EQ(Setups().GetFlags()[setupflags::kRowMarking], 255);
  EXPECT_EQ(setupseparat::Language(), 0);
  EXPECT_EQ(fresh.Modes.Aliases[3], "PACKET");
  EXPECT_EQ(fresh.Modes.ExtraModes, (std::vector<std::string>{"JT65", "FT8"}));
  EXPECT_EQ(fresh.Rules[18], (TCallSuffixRule{"QRP", {255, 1, 2}}));
  EXPECT_EQ(fresh.Resolved, std::vector<std::string>{"DL0ABC"});

  TdbSetupBase setup;
  ASSERT_TRUE(setup.First(1));
  EXPECT_EQ(setup.RecordCount(), 1);  // rewritten, not added again
  EXPECT_EQ(setup.GetSetupRec().I32(786), 3);
}

TEST_F(SettingsFiles, OwnStationIsStoredWhenSet) {
  ASSERT_TRUE(opcmd::LoadSettings());
  ToSetupEigeneStation station;
  station.SetEmail("dl1abc@example.org");
  Setups().SetEigeneStation(station);
  TdbSetupBase setup;
  ASSERT_TRUE(setup.First(1));
  EXPECT_EQ(setup.GetSetupRec().OwnStation().Email(), "dl1abc@example.org");
}

TEST_F(SettingsFiles, ProjectsAreSelectedByNumber) {
  {
    TdbProject t;
    for (const char* name : {"Contest", "Urlaub"}) {
      TProjectRec r;
      r.SetName(name);
      t.SetProjectRec(r);
      ASSERT_TRUE(t.Add());
    }
  }
  EXPECT_FALSE(Projecte().SelectProject(5));
  EXPECT_FALSE(Projecte().SelectProject(-1));
  EXPECT_EQ(Projecte().GetProject().GetNumber(), 1);  // none selected: the first
  EXPECT_TRUE(Projecte().SelectProject(2));
  EXPECT_EQ(Projecte().GetProject().GetProjectRec().Name(), "Urlaub");
  EXPECT_EQ(Projecte().GetProject().RecordCount(), 2);   // no default project added
  ToDatProject::CloseFiles(ToDatProject::kProjectFile);  // frees the current table
}

}  // namespace
