#include "output/textprint.h"

#include <algorithm>

#include "foundation/strings.h"
#include "output/pagesink.h"

namespace textprint {
namespace {

bool IsBlank(const std::string& line) { return ToStrings::Trim(line).empty(); }

std::string TrimRight(const std::string& line) {
  const size_t end = line.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

// The largest size up to kMaxPoints at which the longest line fits between the left
// margin and the right edge of the printable page; the font is left set to it.
void FitFont(TPageSink& page, const std::vector<std::string>& lines) {
  std::string longest;
  for (const std::string& line : lines) {
    std::string text = TrimRight(line);
    if (text.size() > longest.size()) longest = std::move(text);
  }
  const int room = page.PageWidth() - pagerules::LeftMargin(page.PixelsPerInch());
  for (int points = kMaxPoints; points >= 1; --points) {
    page.SetFont(points);
    if (page.TextWidth(longest) <= room) return;
  }
}

}  // namespace

size_t ClosingBlockStart(const std::vector<std::string>& lines) {
  size_t start = lines.size();
  while (start > 0) {
    const size_t i = start - 1;
    const bool blankBefore = i > 0 && IsBlank(lines[i - 1]);
    const bool blankAfter = i + 1 == lines.size() || IsBlank(lines[i + 1]);
    if (!IsBlank(lines[i]) && !blankBefore && !blankAfter) break;
    start = i;
  }
  return start;
}

void PrintLines(TPageSink& page, const std::vector<std::string>& lines) {
  FitFont(page, lines);
  const int left = pagerules::LeftMargin(page.PixelsPerInch());
  const int top = pagerules::TopMargin(page.PixelsPerInch());
  const int lineHeight = pagerules::LineHeight(page);
  const size_t closing = ClosingBlockStart(lines);
  const int closingLines = int(lines.size() - closing);
  // A block longer than a page has to break somewhere: it breaks like the other lines.
  const bool keepClosing = pagerules::HasRoom(page, top, closingLines, lineHeight);
  int y = top;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int needed = i == closing && keepClosing ? closingLines : 1;
    if (y > top && !pagerules::HasRoom(page, y, needed, lineHeight)) {
      page.NewPage();
      y = top;
    }
    page.DrawText(left, y, lines[i]);
    y += lineHeight;
  }
}

}  // namespace textprint
