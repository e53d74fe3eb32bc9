#include "output/multicheckgrid.h"

#include <algorithm>

#include "contest/contestrec.h"
#include "foundation/strings.h"
#include "reference/baender.h"

namespace multicheck {

std::string ColumnLine(const TContestRec& def) {
  std::string line = ToStrings::FitWidth("Multi", 8, true);
  for (char band : def.Bands)
    if (band != '\0') line += ToStrings::FitWidth(oBaender->BandNameOf(band, false), 13, true);
  return line;
}

TGrid::TGrid(const TContestRec& def, TRowSink sink) : sink_(std::move(sink)) {
  for (char band : def.Bands)
    if (band != '\0') bands_.push_back(band);
}

void TGrid::Add(const std::string& value, char band, const std::string& call) {
  if (value.empty()) return;
  if (value != current_) {
    if (!current_.empty()) WriteRow();
    cells_.fill({});
    current_ = value;
  }
  std::string& cell = cells_[static_cast<unsigned char>(band)];
  if (cell.empty()) cell = ToStrings::Left(ToStrings::Trim(call), 12);
}

void TGrid::Finish() {
  if (std::any_of(cells_.begin(), cells_.end(), [](const std::string& c) { return !c.empty(); }))
    WriteRow();
  cells_.fill({});
  current_.clear();
}

void TGrid::WriteRow() {
  std::string row = ToStrings::FitWidth(current_, 8, true);
  for (char band : bands_)
    row += ToStrings::FitWidth(cells_[static_cast<unsigned char>(band)], 13, true);
  sink_(row);
}

}  // namespace multicheck
