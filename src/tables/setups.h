#pragma once
// The settings object: what the program keeps of the two settings files while it runs.
// Loaded and saved by opcmd::LoadSettings / SaveSettings; the windows read it through
// the getters. Setters change the object only; the settings files are written by the
// save (and at once for the own station and the layout, see opcmd).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "tables/setuprecs.h"

class ToSetups {
 public:
  ToSetups();

  ToSetupDirs GetDirs() const { return setup2_.Dirs(); }
  void SetDirs(const ToSetupDirs& dirs) { setup2_.SetDirs(dirs); }
  // The directory of the database files, with its trailing separator.
  std::string DataDir() const;

  ToSetupLayout GetLayout() const { return setup2_.Layout(); }
  void SetLayout(const ToSetupLayout& layout);
  ToSetupFlags GetFlags() const { return setup_.Flags(); }
  void SetFlags(const ToSetupFlags& flags) { setup_.SetFlags(flags); }
  ToSetupWeitere GetWeitere() const { return setup_.Weitere(); }
  void SetWeitere(const ToSetupWeitere& weitere);

  // The own call, trimmed. fileNameSafe: slashed zeros become '0' and characters that no
  // file name may hold are dropped ("/" stays: callers replace it themselves).
  std::string GetOwnCall(bool fileNameSafe) const;
  void SetOwnCall(std::string_view call) { setup_.SetOwnCall(call); }
  // Applied to a typed name and QTH; the text stays as it is.
  std::string EntryTextHook(std::string_view text) const { return std::string(text); }

  ToSetupEigeneStation GetEigeneStation() const { return setup_.OwnStation(); }
  void SetEigeneStation(const ToSetupEigeneStation& station);

  int32_t CurrentProject() const { return setup_.CurrentProject(); }
  void SetCurrentProject(int32_t n) { setup_.SetCurrentProject(n); }

  // The raw records, for the settings load and save.
  const TSetupRec& SetupRec() const { return setup_; }
  const TSetup2Rec& Setup2Rec() const { return setup2_; }
  void SetRecords(const TSetupRec& setup, const TSetup2Rec& setup2);

  // Called after the own station or the layout changed, so that they are stored at once.
  std::function<void()> StoreNow;

  // The settings of a first start: directories, layout, language.
  static TSetup2Rec DefaultSetup2(const std::string& programDir, const std::string& dataDir);

 private:
  void Stored() const;
  TSetupRec setup_;
  TSetup2Rec setup2_;
};

// The settings object of the program, made and freed by the start-up.
ToSetups& Setups();
