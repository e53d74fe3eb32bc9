#pragma once
// The prefix files shipped with the program go into a data directory that has none, so a
// first start resolves calls without the user fetching anything.

#include <string>

namespace prefixinstall {

// When the data directory holds no BMPREFIX, copies every shipped prefix file it lacks.
// Each copy is made under a temporary name and renamed when complete. True when BMPREFIX
// was copied.
bool InstallShippedFiles(const std::string& shippedDir, const std::string& dataDir);

}  // namespace prefixinstall
