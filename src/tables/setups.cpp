#include "tables/setups.h"

#include <algorithm>

#include "foundation/layoutvalues.h"
#include "foundation/strings.h"
#include "tables/setupseparat.h"

ToSetups::ToSetups() { setup2_.SetLanguage(setupseparat::kGerman); }

std::string ToSetups::DataDir() const { return GetDirs()[setupdirs::kData]; }

void ToSetups::SetLayout(const ToSetupLayout& layout) {
  setup2_.SetLayout(layout);
  SetLayoutValues(layout.Values());
  Stored();
}

void ToSetups::SetWeitere(const ToSetupWeitere& weitere) {
  setup_.SetWeitere(weitere);
  // The string helpers slash the zeros of calls by this option.
  ToStrings::SetSlashZeroOption(weitere.SlashedZero());
}

std::string ToSetups::GetOwnCall(bool fileNameSafe) const {
  std::string call = ToStrings::Trim(setup_.OwnCall());
  if (!fileNameSafe) return call;
  std::string out;
  for (char c : ToStrings::UnslashZeros(call)) {
    if (std::string_view("\\:*?\"<>|").find(c) != std::string_view::npos) continue;
    if (static_cast<unsigned char>(c) < ' ') continue;
    out += c;
  }
  return out;
}

void ToSetups::SetEigeneStation(const ToSetupEigeneStation& station) {
  setup_.SetOwnStation(station);
  Stored();
}

void ToSetups::SetRecords(const TSetupRec& setup, const TSetup2Rec& setup2) {
  setup_ = setup;
  setup2_ = setup2;
  // The string helpers and the layout service take their options from here.
  ToStrings::SetSlashZeroOption(setup_.Weitere().SlashedZero());
  SetLayoutValues(setup2_.Layout().Values());
}

void ToSetups::Stored() const {
  if (StoreNow) StoreNow();
}

TSetup2Rec ToSetups::DefaultSetup2(const std::string& programDir, const std::string& dataDir) {
  TSetup2Rec rec;
  ToSetupDirs dirs;
  dirs.fill(programDir);
  dirs[setupdirs::kPictures] = dataDir;
  rec.SetDirs(dirs);
  rec.SetLayout(ToSetupLayout::Defaults());
  rec.SetLanguage(setupseparat::kGerman);
  return rec;
}
