#pragma once
// The help road and the shell "open" with parameters. On this platform there is no
// Windows folder and no HH.EXE: the help is a compiled help file shown by a help viewer
// when both are found, and nothing visible happens when one is missing.

#include <string>
#include <string_view>

namespace hh_funcs {

// The folder that stands for the Windows folder, without a trailing separator:
// $WINDIR when it is set, else the folder of the system's programs.
void GetWindowsFolder(std::string& dir);
// file + "::/" + topic + ">" + window (topic and window when given); prefixKind 2 puts
// "ms-its:" in front.
std::string MakeHelpPath(std::string_view file, std::string_view topic, std::string_view window,
                         int prefixKind);
// Shell "open" of a file, address or program with its parameters; shows an error text and
// returns false when it fails.
bool ShellOpen(std::string_view file, std::string_view params);

// A help viewer installed on this machine, empty when there is none.
std::string FindHelpViewer();
// The help file in the program directory or the shipped data folder, found without regard
// to case; empty when there is none.
std::string FindHelpFile(std::string_view name = "zorcont.chm");
// Opens the help file in the viewer when both are there; false, and nothing shown,
// otherwise. The viewers of this platform take no context number: the help opens at its
// start page.
bool ShowHelp();

}  // namespace hh_funcs
