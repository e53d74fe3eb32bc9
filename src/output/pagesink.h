#pragma once
// Where printed output goes: a sequence of pages on which text is drawn at pixel
// positions. The printer job draws on a QPrinter (a real printer, or a PDF file when the
// print dialog chose one); the writers see only this interface.

#include <functional>
#include <memory>
#include <string_view>

class QPrinter;
class QString;

class TPageSink {
 public:
  virtual ~TPageSink() = default;
  // Pixels per inch of the device, horizontally.
  virtual double PixelsPerInch() const = 0;
  // Width and height of the printable page in pixels.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  // Sets the mono font of the job in points; bold or normal.
  virtual void SetFont(int points) = 0;
  virtual void SetBold(bool bold) = 0;
  // Width and height in pixels of the text in the current font.
  virtual int TextWidth(std::string_view text) const = 0;
  virtual int TextHeight(std::string_view text) const = 0;
  // Draws the Windows-1252 text with its top-left corner at (x, y).
  virtual void DrawText(int x, int y, std::string_view text) = 0;
  virtual void NewPage() = 0;
  // 1 for the first page.
  virtual int PageNumber() const = 0;
  // Ends the document; false when the device failed.
  virtual bool End() = 0;
};

// A sink on a printer the print dialog set up; the sink owns the printer. Null when the
// printer cannot begin a document.
std::unique_ptr<TPageSink> MakePrinterSink(std::unique_ptr<QPrinter> printer);

// Runs the print dialog and begins a document of that title on the printer chosen. Null
// when the dialog was cancelled, or, after an error shown, when the printer failed.
// `chosen`, when given, sees the printer before the document begins (a paper job sends a
// print into a file through a copy there); its false ends the job, its message shown.
std::unique_ptr<TPageSink> ChoosePrinterSink(const QString& docName,
                                             const std::function<bool(QPrinter&)>& chosen = {});
// Ends the document; a device that failed is reported as an error. False then.
bool EndPrinterSink(TPageSink& page);

// The page rules every printout shares.
namespace pagerules {
// Left margin 1.4 cm, top margin 1 cm.
int LeftMargin(double pixelsPerInch);
int TopMargin(double pixelsPerInch);
// Lines stand 1.1 text heights apart, in the sink's current font.
int LineHeight(const TPageSink& page);
// True when lines more lines from y on still fit on the page.
bool HasRoom(const TPageSink& page, int y, int lines, int lineHeight);
}  // namespace pagerules
