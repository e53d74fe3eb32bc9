#include "output/pagesink.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/messages.h"

namespace {

class TPrinterSink : public TPageSink {
 public:
  explicit TPrinterSink(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}
  ~TPrinterSink() override {
    if (painter_.isActive()) painter_.end();
  }
  bool Begin() { return painter_.begin(printer_.get()); }

  double PixelsPerInch() const override { return printer_->logicalDpiX(); }
  int PageWidth() const override { return printer_->width(); }
  int PageHeight() const override { return printer_->height(); }
  void SetFont(int points) override {
    // fonts-liberation gives "Courier New" its metric twin, so columns stay where the
    // layout of the pages expects them.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(points);
    painter_.setFont(font);
  }
  void SetBold(bool bold) override {
    QFont font = painter_.font();
    font.setBold(bold);
    painter_.setFont(font);
  }
  int TextWidth(std::string_view text) const override {
    return painter_.fontMetrics().horizontalAdvance(Q(text));
  }
  int TextHeight(std::string_view) const override { return painter_.fontMetrics().height(); }
  void DrawText(int x, int y, std::string_view text) override {
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), Q(text));
  }
  void NewPage() override {
    printer_->newPage();
    ++page_;
  }
  int PageNumber() const override { return page_; }
  bool End() override { return painter_.isActive() ? painter_.end() : true; }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  int page_ = 1;
};

int Round(double v) { return int(std::lround(v)); }

}  // namespace

std::unique_ptr<TPageSink> MakePrinterSink(std::unique_ptr<QPrinter> printer) {
  auto sink = std::make_unique<TPrinterSink>(std::move(printer));
  if (!sink->Begin()) return nullptr;
  return sink;
}

std::unique_ptr<TPageSink> ChoosePrinterSink(const QString& docName,
                                             const std::function<bool(QPrinter&)>& chosen) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setDocName(docName);
  if (!Desktop().ChoosePrinter(*printer)) return nullptr;
  if (chosen && !chosen(*printer)) return nullptr;
  std::unique_ptr<TPageSink> page = MakePrinterSink(std::move(printer));
  if (!page) ToMessages::ShowError("Der Drucker konnte nicht gestartet werden.");
  return page;
}

bool EndPrinterSink(TPageSink& page) {
  if (page.End()) return true;
  ToMessages::ShowError("Der Ausdruck konnte nicht abgeschlossen werden.");
  return false;
}

namespace pagerules {

int LeftMargin(double pixelsPerInch) { return Round(1.4 * pixelsPerInch / 2.54); }

int TopMargin(double pixelsPerInch) { return Round(pixelsPerInch * 1.0 / 2.54); }

int LineHeight(const TPageSink& page) { return Round(page.TextHeight("XygW") * 1.1); }

bool HasRoom(const TPageSink& page, int y, int lines, int lineHeight) {
  return page.PageHeight() >= y + lines * lineHeight;
}

}  // namespace pagerules
