#pragma once
// The lines of the cover sheet, built from the records of the log and the figures
// collected over it; the writer puts them out one by one. Bold only shows on paper.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contest/contestrec.h"
#include "output/coverfigures.h"
#include "output/zeitraum.h"
#include "tables/contestrecs.h"
#include "tables/setuprecs.h"

struct TCoverLine {
  std::string Text;
  bool Bold = false;
  bool operator==(const TCoverLine&) const = default;
};

// Everything the sheet reads besides the figures.
struct TCoverInput {
  TContestRec Def;
  TContestListRec List;
  TContestConfigRec Config;
  ToSetupEigeneStation Station;
  std::string OwnCall;
  bool English = false;
  bool Paper = false;
  // The totals of the log; the points recounted over the evaluation windows.
  int32_t QsoCount = 0, Points = 0, Multi1 = 0, Multi2 = 0, Multi3 = 0, MultiTotal = 0;
  // One text per evaluation window in use, by window number (empty: not in use).
  std::vector<std::string> WindowTexts;
  std::string Today;  // "dd.mm.yyyy"
  // The lines of the contest's station file ('b', 'j').
  std::vector<std::string> StationLines;
  std::string WebAddress;

  // The label of the writer's language.
  std::string Lang(std::string_view german, std::string_view english) const {
    return std::string(English ? english : german);
  }
};

namespace coversheet {

// The whole sheet in its order.
std::vector<TCoverLine> CoverSheetLines(const TCoverInput& in, const TCoverFigures& f);

// The blocks, each appending its lines.
void WriteCoverAddress(const TCoverInput& in, std::vector<TCoverLine>& out);
void WriteCoverTitle(const TCoverInput& in, std::vector<TCoverLine>& out);
void WriteCoverCall(const TCoverInput& in, std::vector<TCoverLine>& out);
void WriteCoverCategory(const TCoverInput& in, std::vector<TCoverLine>& out);
void WriteCoverStation(const TCoverInput& in, std::vector<TCoverLine>& out);
void WriteCoverTimeWindows(const TCoverInput& in, std::vector<TCoverLine>& out);
void WriteBandTable(const TCoverInput& in, const TCoverFigures& f, std::vector<TCoverLine>& out);
void WriteFinalScore(const TCoverInput& in, std::vector<TCoverLine>& out);
void WriteCoverDetails(const TCoverInput& in, const TCoverFigures& f, std::vector<TCoverLine>& out);
void WriteDeclaration(const TCoverInput& in, std::vector<TCoverLine>& out);

// The text of each evaluation window in use (empty for the others).
std::vector<std::string> WindowTexts(const TZeitraum4Rec& periods);

// The final score the sheet claims, by the one score rule of the contest.
int64_t FinalScore(const TCoverInput& in);

}  // namespace coversheet
