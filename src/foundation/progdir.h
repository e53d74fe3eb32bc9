#pragma once
#include <string>

// The program directory: the current directory at start-up followed by the separator.
// Set by the start-up; station files and file dialogs start from it.
const std::string& ProgramDirectory();
void SetProgramDirectory(const std::string& dir);
// The folder of data files shipped with the program (pictures, rules documents, lists).
const std::string& ShippedDataDirectory();
void SetShippedDataDirectory(const std::string& dir);
