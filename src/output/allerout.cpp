#include "output/allerout.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QString>
#include <QTemporaryFile>
#include <array>

#include "foundation/strings.h"
#include "output/filemessage.h"
#include "output/pagesink.h"
#include "output/textfile.h"

TAlleRout* oAlleRout = nullptr;

namespace {

using M = TOutputMode;
const std::array<TJobInfo, TAlleRout::kJobCount> kJobs = {{
    {M::Printer, 9, "", ""},   // 0 cover sheet
    {M::Printer, 9, "", ""},   // 1 an empty document
    {M::Printer, 10, "", ""},  // 2 multiplier check list
    {M::Printer, 8, "", ""},   // 3 band log
    {M::Printer, 8, "", ""},   // 4 QSO list
    {M::Printer, 9, "", ""},   // 5 everything
    {M::ELog, 0, "E-Log - Deckblattdatei", "SUM"},
    {M::ELog, 0, "E-Log - Liste", "ALL"},
    {M::STF, 0, "STF - Datei", "STF"},
    {M::ADIF, 0, "ADIF - Datei", "ADI"},
    {M::Cabrillo, 0, "Cabrillo - Datei", "CBR"},
    {M::ELog, 0, "E-Log - Bandliste", "BND"},
    {M::ELog, 0, "E-Log - Gesamtdatei", "TXT"},
    {M::CSV, 0, "CSV - Datei", "CSV"},
    {M::ELog, 0, "E-Log - Multicheckliste", "MUL"},
    {M::EDI, 0, "EDI - Datei", "EDI"},
    {M::ELog, 0, "", ""},  // 16 nothing
}};

}  // namespace

TAlleRout::TAlleRout() : file_(std::make_unique<TTextTarget>()) {}

TAlleRout::~TAlleRout() = default;

const TJobInfo& TAlleRout::JobInfo(uint8_t jobKind) {
  return kJobs[jobKind < kJobCount ? jobKind : kJobCount - 1];
}

bool TAlleRout::BeginJob(uint8_t jobKind) {
  pixelsPerInch_ = 1.0;
  leftMargin_ = 1;
  lineHeight_ = 1;
  jobKind_ = jobKind < kJobCount ? jobKind : kJobCount - 1;
  mode_ = JobInfo(jobKind_).Mode;
  page_.reset();
  if (mode_ == TOutputMode::Printer) {
    page_ = ChoosePrinterSink(QStringLiteral("Contest"),
                              [this](QPrinter& printer) { return PrintIntoCopy(printer); });
    if (!page_) {
      printCopy_.reset();
      return false;
    }
    page_->SetFont(JobInfo(jobKind_).FontPoints);
    pixelsPerInch_ = page_->PixelsPerInch();
    leftMargin_ = pagerules::LeftMargin(pixelsPerInch_);
    lineHeight_ = pagerules::LineHeight(*page_);
  }
  ResetPagePosition();
  return true;
}

void TAlleRout::WriteLine(std::string_view line, bool resetX, bool advance) {
  if (resetX) x_ = leftMargin_;
  // A control character that an old log holds would end the line inside a QSO; a blank
  // keeps the columns and the lengths the ADIF tags give.
  std::string text = ToStrings::BlankControls(line);
  if (mode_ == TOutputMode::STF || mode_ == TOutputMode::Cabrillo)
    text = ToStrings::AnsiUpperCase(text);
  if (mode_ == TOutputMode::Printer) {
    if (page_) page_->DrawText(x_, y_, text);
  } else if (mode_ == TOutputMode::ELog) {
    file_->WriteLine("     " + text);
  } else {
    file_->WriteLine(text);
  }
  if (advance) y_ += lineHeight_;
}

std::string TAlleRout::FitField(std::string_view text, int width) const {
  if (mode_ == TOutputMode::ADIF || mode_ == TOutputMode::CSV) return ToStrings::Trim(text);
  return ToStrings::FitWidth(text, width, true);
}

void TAlleRout::ResetPagePosition() {
  x_ = leftMargin_;
  y_ = pagerules::TopMargin(pixelsPerInch_);
}

bool TAlleRout::CheckPageBreak(int lines) {
  if (mode_ != TOutputMode::Printer || !page_) return false;
  x_ = leftMargin_;
  if (pagerules::HasRoom(*page_, y_, lines, lineHeight_)) return false;
  NewPage();
  return true;
}

void TAlleRout::NewPage() {
  if (mode_ != TOutputMode::Printer || !page_) return;
  page_->NewPage();
  ResetPagePosition();
}

int TAlleRout::PageNumber() const { return page_ ? page_->PageNumber() : 1; }

void TAlleRout::BoldOn() {
  if (mode_ == TOutputMode::Printer && page_) page_->SetBold(true);
}

void TAlleRout::BoldOff() {
  if (mode_ == TOutputMode::Printer && page_) page_->SetBold(false);
}

bool TAlleRout::PrintIntoCopy(QPrinter& printer) {
  printTarget_ = printer.outputFileName();
  printCopy_.reset();
  if (printTarget_.isEmpty()) return true;
  printCopy_ = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                QStringLiteral("/zorsaar-print-XXXXXX.pdf"));
  if (!printCopy_->open()) {
    filemessage::Error("Die Datei ", printTarget_, " konnte nicht erstellt werden.");
    printCopy_.reset();
    return false;
  }
  printCopy_->close();
  printer.setOutputFileName(printCopy_->fileName());
  return true;
}

void TAlleRout::DeliverPrintFile() {
  QFile copy(printCopy_->fileName());
  const QByteArray bytes = copy.open(QIODevice::ReadOnly) ? copy.readAll() : QByteArray();
  copy.close();
  printCopy_.reset();  // gone before any message waits for the operator
  bool created = false;
  if (!textfile::WriteWhole(printTarget_, std::string_view(bytes.constData(), size_t(bytes.size())),
                            created))
    filemessage::Error("Die Datei ", printTarget_,
                       created ? " konnte nicht vollständig geschrieben werden."
                               : " konnte nicht erstellt werden.");
}

void TAlleRout::EndPrintJob() {
  if (mode_ != TOutputMode::Printer || !page_) return;
  BoldOff();
  const bool ok = EndPrinterSink(*page_);
  page_.reset();
  if (ok && printCopy_) DeliverPrintFile();
  printCopy_.reset();
}
