#pragma once
// The columns of the prefix list: captions in the program language, widths, the key a
// header click sorts by, and the text of one row built from a prefix entry.

#include <cstdint>
#include <string>
#include <string_view>

class TdbPrefix;

namespace prefixlist {

// Sort keys of BMPREFIX the list walks.
constexpr int kKeyCountry = 7;  // Country,Prefix
constexpr int kKeyDxcc = 14;    // sel,DXCC

int ColumnCount();
// Captions separated by ";" in the language of the settings.
std::string HeaderText();
// Per column the key number (as one byte) a click on its header sorts by; 0 for none.
std::string ColumnKeys();
// Width of a column in characters for the list's mode byte; 0 leaves the width to the
// caption.
int ColumnChars(int col, uint8_t mode);

// The cells of the entry the table has loaded, separated by ";". Heading and distance are
// measured from ownLocator.
std::string RowText(const TdbPrefix& entry, std::string_view ownLocator);

}  // namespace prefixlist
