#pragma once
// Creates the program's service objects in the order the subsystems depend on each
// other, and frees them in reverse. The program and every test call the same pair.

namespace startup {

// workDir: the program directory (the current directory at start-up);
// dataDir: the folder of the shipped data files.
void StartServices(const char* workDir, const char* dataDir);
void StopServices();

}  // namespace startup
