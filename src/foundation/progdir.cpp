#include "foundation/progdir.h"

namespace {
std::string gProgramDirectory;
std::string gDataDirectory;

std::string WithSeparator(const std::string& dir) {
  if (dir.empty() || dir.back() == '/') return dir;
  return dir + '/';
}
}  // namespace

const std::string& ProgramDirectory() { return gProgramDirectory; }
void SetProgramDirectory(const std::string& dir) { gProgramDirectory = WithSeparator(dir); }
const std::string& ShippedDataDirectory() { return gDataDirectory; }
void SetShippedDataDirectory(const std::string& dir) { gDataDirectory = WithSeparator(dir); }
