#include "contest/stationfile.h"

#include "foundation/filebase.h"
#include "foundation/memofile.h"
#include "foundation/progdir.h"
#include "foundation/strings.h"

namespace stationfile {

std::string PrefixOf(char code) {
  switch (code) {
    case 'b': return "OQRP";
    case 'j': return "mssprint";
    case 'v': return "mrr";
    default: return std::string();
  }
}

std::string FileName(std::string_view prefix, int32_t contestNr) {
  return TFileBaseSS::AddBackslash(ProgramDirectory()) + std::string(prefix) +
         ToStrings::IntToStrPadded(contestNr, 6) + ".STN";
}

bool Load(const std::string& fileName, std::string& text) {
  std::vector<std::string> lines;
  text.clear();
  if (!memofile::LoadLines(fileName, lines)) return false;
  text = memofile::JoinLines(lines, "\n");
  return true;
}

bool Save(const std::string& fileName, std::string_view text) {
  if (text.empty()) return false;
  return memofile::SaveLines(fileName, memofile::SplitLines(text));
}

}  // namespace stationfile
