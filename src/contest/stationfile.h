#pragma once
// The station files: a free description of the station (or rig) that three contests
// keep beside the program, one file per contest log, read into and written from the
// configuration dialog's station text.

#include <cstdint>
#include <string>
#include <string_view>

namespace stationfile {

// The name prefix of the contest code's station file; empty when the code keeps none.
std::string PrefixOf(char code);
// Program directory + prefix + the contest number right-aligned in six places padded
// with blanks + ".STN" (the names earlier versions wrote, blanks included).
std::string FileName(std::string_view prefix, int32_t contestNr);
// The file's lines joined by line ends of the memo ("\n"); false when there is no file.
bool Load(const std::string& fileName, std::string& text);
// Writes the text's lines; a text without any character writes nothing, so that an
// empty memo never wipes a stored description. False when nothing was written.
bool Save(const std::string& fileName, std::string_view text);
// Removes the station file of a contest being deleted, so that a later contest given the
// same number starts without its text. True when no such file is left.
bool Remove(char code, int32_t contestNr);

}  // namespace stationfile
