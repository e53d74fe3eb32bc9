#pragma once
// Notes and documents as lines of Windows-1252 text, the way they lie on disk.

#include <string>
#include <string_view>
#include <vector>

namespace memofile {

// Lines end at CR LF, LF or CR; a line end at the very end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
std::string JoinLines(const std::vector<std::string>& lines, std::string_view separator);
// False, and no lines, when the file is missing or unreadable.
bool LoadLines(std::string_view fileName, std::vector<std::string>& lines);
// Each line ended by CR LF. The file is replaced as a whole, so an interrupted save leaves
// the old notes in place.
bool SaveLines(std::string_view fileName, const std::vector<std::string>& lines);

}  // namespace memofile
