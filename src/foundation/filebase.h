#pragma once
// Files by name. Names are Windows-1252 text like all text of the program; they reach the
// file system as UTF-8. The separator is "/".

#include <string>
#include <string_view>

class TFileBaseSS {
 public:
  // True for an existing file (a folder of that name does not count).
  static bool FileExists(std::string_view name);
  // False when the old file is missing or a file of the new name exists already: a
  // rename never overwrites another file.
  static bool RenameFile(std::string_view oldName, std::string_view newName);
  // The path with a trailing "/" unless it is empty or already ends in "/" or ":".
  static std::string AddBackslash(std::string_view path);
  // The path of the existing file in dir whose name equals name regardless of case (an
  // exact match first); empty when there is none. Used for the files the program ships
  // with names in varying case ("MVPR.RTF", "saar.bmp"). An empty dir is the current one.
  static std::string FindFileNoCase(std::string_view dir, std::string_view name);
};
