#pragma once
// The prefix files as the build ships them, made once per test program from the country
// file of Debian's hamradio-files into a folder of their own.

#include <string>

#include "reference/prefixgen.h"

namespace shippedprefix {

// The folder with the three files; empty when the country file is not installed.
const std::string& Dir();
const prefixgen::TGenReport& Report();
// The country file the files were made from.
const char* CountryFile();

}  // namespace shippedprefix
