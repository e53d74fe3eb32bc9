#include "contest/stationfile.h"

#include <QFile>

#include "foundation/cp1252.h"
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

bool Remove(char code, int32_t contestNr) {
  const std::string prefix = PrefixOf(code);
  if (prefix.empty()) return true;
  const std::string name = FileName(prefix, contestNr);
  return !TFileBaseSS::FileExists(name) || QFile::remove(Q(name));
}

}  // namespace stationfile
