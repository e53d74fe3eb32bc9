#pragma once
// A text file on paper, as the paper jobs print their lists: every line whole on one
// printed line, in the fixed-pitch font of the jobs made as small as the longest line
// needs to fit the page, and the block that closes the text (the totals of a list) never
// split by a page break.

#include <cstddef>
#include <string>
#include <vector>

class TPageSink;

namespace textprint {

// The largest font of a printed text, the size the paper jobs print their pages in.
constexpr int kMaxPoints = 9;

// Prints the lines on the sink's pages, from the top and left margin on.
void PrintLines(TPageSink& page, const std::vector<std::string>& lines);

// Where the closing block of the lines begins (lines.size() for none). A list closes with
// its totals: lines set apart by blank lines. Walking back from the end, every blank line
// and every line next to a blank line (or the end) belongs to the block; the first line
// between two lines of text ends it.
size_t ClosingBlockStart(const std::vector<std::string>& lines);

}  // namespace textprint
