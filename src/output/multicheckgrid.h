#pragma once
// The grids of the multiplier check list: one row per multiplier value (a DOK, a DXCC)
// with, per band of the contest, the call of the first QSO that brought it on that band.
// QSOs arrive in the order of the value's key, so equal values follow each other.

#include <array>
#include <functional>
#include <string>
#include <vector>

struct TContestRec;

namespace multicheck {

// The column line: "Multi" and the long name of every band of the contest.
std::string ColumnLine(const TContestRec& def);

class TGrid {
 public:
  using TRowSink = std::function<void(const std::string& row)>;
  TGrid(const TContestRec& def, TRowSink sink);
  // One QSO that counts: its trimmed value, band code and call. An empty value starts
  // no run and fills no cell.
  void Add(const std::string& value, char band, const std::string& call);
  // Writes the row of the last run when any of its cells is filled, and starts over.
  void Finish();

 private:
  void WriteRow();
  std::vector<char> bands_;  // band codes of the contest, in the order of its places
  TRowSink sink_;
  std::string current_;
  std::array<std::string, 256> cells_;
};

}  // namespace multicheck
