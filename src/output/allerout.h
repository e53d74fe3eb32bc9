#pragma once
// The export writer: every printout and export file of a contest log is one job of this
// object. A job kind (0..16) fixes the output mode, the printer font, the save dialog and
// what is written; all writers put their text out through WriteLine, which draws on the
// printed page or writes one line to the text file by the rules of the mode.
//
// One job at a time: BeginJob -> ChooseTargetFile -> the writers -> EndPrintJob ->
// CloseTargetFile. The operations are grouped by what they do, each group implemented
// in files of its own (named at each group).

#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "output/zeitraum.h"

struct TContestRec;
class TContestQSORec;
class TdbContestBase;
class TPageSink;
class TTextTarget;
class TAdifDxccNumbers;
class QPrinter;
class QTemporaryFile;

// Output modes of the job kinds.
enum class TOutputMode : uint8_t {
  Printer = 0,
  ELog = 1,
  STF = 2,
  ADIF = 3,
  Cabrillo = 4,
  CSV = 5,
  EDI = 6
};

// One row of the job table.
struct TJobInfo {
  TOutputMode Mode = TOutputMode::Printer;
  int FontPoints = 0;      // printer jobs
  const char* Title = "";  // save dialog title; empty: the job chooses no file
  const char* Extension = "";
};

// The texts the EDI header puts into the participant form for a log without contest
// code; the output menu passes operator kind 0 and empty texts.
struct TEdiTexts {
  uint8_t OperatorKind = 0;  // 0 one operator, 1 several
  std::string ClubDok, Band, Power, Transceiver, Antenna;
  // The job's periods: the header counts the records that the run will write.
  TZeitraum4Rec Periods;
};

class TAlleRout {
 public:
  static constexpr int kJobCount = 17;  // job kinds 0..16

  TAlleRout();
  ~TAlleRout();
  TAlleRout(const TAlleRout&) = delete;
  TAlleRout& operator=(const TAlleRout&) = delete;

  // ---- Jobs, line output and pages (allerout.cpp) ------------------------------------

  // The row of a job kind; kinds above 16 give the row of 16 (nothing is written).
  static const TJobInfo& JobInfo(uint8_t jobKind);
  // Starts a job; printer jobs run the print dialog first. False when it was cancelled
  // or the printer could not begin.
  bool BeginJob(uint8_t jobKind);
  uint8_t JobKind() const { return jobKind_; }
  TOutputMode Mode() const { return mode_; }
  bool IsPrinter() const { return mode_ == TOutputMode::Printer; }
  // The writers use their English labels while set; the German notice before the save
  // dialog is then left out.
  bool English = false;

  // The one line output of every writer: a control character becomes a blank, in STF
  // and Cabrillo mode the line is upper case, E-Log lines are indented by five blanks;
  // file lines end with CR LF.
  void WriteLine(std::string_view line, bool resetX = true, bool advance = true);
  // The field of a fixed column: in ADIF and CSV mode the trimmed text, in every other
  // mode the text blank-padded or cut to exactly width characters.
  std::string FitField(std::string_view text, int width) const;
  // X to the left margin, Y to the top margin (1 cm).
  void ResetPagePosition();
  // Printer only: X to the left margin; when the next lines (two unless given) do not
  // fit, a new page is started and true returned (the caller writes its page header
  // again).
  bool CheckPageBreak(int lines = 2);
  // Printer only: starts a new page at the top margin (section breaks).
  void NewPage();
  // The printer's current page number (1 when not printing).
  int PageNumber() const;
  void BoldOn();
  void BoldOff();
  // Printer only: ends the document.
  void EndPrintJob();
  int X() const { return x_; }
  int Y() const { return y_; }
  int LineHeight() const { return lineHeight_; }
  int LeftMargin() const { return leftMargin_; }
  double PixelsPerInch() const { return pixelsPerInch_; }

  // ---- Target file (alleroutfile.cpp) ------------------------------------------------

  // For the kinds with a save dialog: the notice, the save dialog with the proposed
  // name OWNCALL[-class].EXT, and the file created. True at once for the other kinds;
  // false when the dialog was cancelled or the file could not be created.
  bool ChooseTargetFile(uint8_t jobKind, TdbContestBase& listTable, const TContestRec& def);
  // The proposed file name of a job: the own call fit for file names ("/" as "_"),
  // "-" and the class name of the list record's category when there is one, the
  // extension of the job.
  static std::string ProposedFileName(uint8_t jobKind, uint8_t category, const TContestRec& def);
  // The system's name of the file, as the save dialog gave it.
  const QString& FileName() const { return fileName_; }
  bool HasTargetFile() const;
  // Closes the text file. When every line reached it and report is set, "Datei ...
  // wurde erstellt." is shown; the E-Log cover sheet and list, STF, Cabrillo and EDI
  // files then open in the file viewer. A failed write is shown as an error and the
  // result is false. Without an open file nothing happens (true).
  bool CloseTargetFile(bool report);
  void ReportFileWritten();

  // ---- Totals, columns and periods (allerouttotals.cpp) ------------------------------

  // Totals of the log as the last recount stored them: from the configuration record's
  // band arrays when the list record says so, else from the list record's band rows.
  void LoadTotals(TdbContestBase& listTable, TdbContestBase& configTable);
  // Column widths of the list lines over every QSO of the log.
  void MeasureColumns(const TContestRec& def, TdbContestBase& qsoTable);
  // Points := the sum of the points of the QSOs inside the periods.
  void RecountPointsInPeriods(const TZeitraum4Rec& periods, TdbContestBase& qsoTable);
  // True when no window is in use, or when one window in use admits the QSO (a window
  // with dates runs from DateFrom/TimeFrom to DateTo/TimeTo; without dates it is a time
  // of day on every date; both ends belong to it).
  static bool InAnyPeriod(int32_t time, int32_t date, const TZeitraum4Rec& periods);
  // The footer of the printed and E-Log lists: multipliers x points and the score, each
  // line ending at column width.
  void WriteTotalsFooter(const TContestRec& def, TdbContestBase& listTable,
                         TdbContestBase& configTable, int width);
  // The lines of that footer, so that a page can be checked for room for all of them.
  std::vector<std::string> TotalsFooterLines(const TContestRec& def, TdbContestBase& listTable,
                                             TdbContestBase& configTable, int width) const;

  int32_t Multi1 = 0, Multi2 = 0, Multi3 = 0, MultiTotal = 0, Points = 0, QsoCount = 0;
  int32_t WidthSent = 0, WidthRcvd = 0, WidthCall = 0, WidthPoints = 0, WidthMulti = 0,
          WidthMulti2 = 0, WidthCall2 = 0;

  // ---- QSO list, band log and CSV lines (listline.cpp) -------------------------------

  // Page header of the QSO list (band '\0') or of one band section: title and call
  // lines (not in CSV), then the column header.
  void WriteListHeader(const TContestRec& def, TdbContestBase& listTable, char band);
  // The list line of the QSO table's current record (printer, E-Log, CSV).
  void WriteListLine(int runningNumber, const TContestRec& def, std::string& line,
                     TdbContestBase& qsoTable, TdbContestBase& listTable);
  // The band column of the lists and of STF: the long band name without its last
  // character in 4 places, "cm" bands without their "c"; with stfRule the 6 cm band is
  // "5".
  static std::string BandColumn(char bandCode, bool stfRule);
  // True when the call, cut before its first "/", is one of the definition's special
  // calls, or when the definition lists none.
  static bool IsSpecialStationCall(std::string_view call, const TContestRec& def);
  // The exchange texts of the QSO table's current record, report first.
  static std::string SentExchangeOfCurrent(TdbContestBase& qsoTable);
  static std::string ReceivedExchangeOfCurrent(TdbContestBase& qsoTable);

  // ---- STF and Cabrillo (stf.cpp, cabrillo.cpp) --------------------------------------

  // category empty: taken from the definition.
  void WriteSTFHeader(const std::string& category, const TContestRec& def,
                      TdbContestBase& listTable, TdbContestBase& configTable);
  void WriteSTFLine(const TContestRec& def, TdbContestBase& listTable, std::string& line,
                    TdbContestBase& qsoTable);
  void WriteSTFEnd();
  void WriteCabrilloHeader(const std::string& category, const TContestRec& def,
                           TdbContestBase& listTable, TdbContestBase& configTable);
  void WriteCabrilloLine(const TContestRec& def, TdbContestBase& listTable, std::string& line,
                         TdbContestBase& qsoTable);
  void WriteCabrilloEnd();

  // ---- ADIF and EDI (adif.cpp, edi.cpp) ----------------------------------------------

  void WriteADIFHeader(const TContestRec& def);
  // rstOnly: the answer to "Von der Kontrollnummer nur RS(T) exportieren?".
  void WriteADIFRecord(bool rstOnly, const TContestRec& def, std::string& line,
                       TdbContestBase& qsoTable, TdbContestBase& listTable);
  void WriteEDIHeader(const TContestRec& def, TdbContestBase& listTable, const TEdiTexts& texts);
  void WriteEDIRecord(const TContestRec& def, TdbContestBase& listTable, std::string& line,
                      TdbContestBase& qsoTable);

  // ---- Cover sheet (coversheet*.cpp) -------------------------------------------------

  // ---- Multiplier check list (multichecklist.cpp) ------------------------------------

 private:
  // ---- State of the job and the page -------------------------------------------------
  uint8_t jobKind_ = 16;
  TOutputMode mode_ = TOutputMode::ELog;
  double pixelsPerInch_ = 1.0;
  int leftMargin_ = 1;
  int lineHeight_ = 1;
  int x_ = 0;
  int y_ = 0;
  std::unique_ptr<TPageSink> page_;
  // A print into a file goes to a copy first and is written under the chosen name as a
  // whole at the end, so that a target that cannot take it is reported as file jobs
  // report theirs.
  QString printTarget_;
  std::unique_ptr<QTemporaryFile> printCopy_;
  bool PrintIntoCopy(QPrinter& printer);
  void DeliverPrintFile();

  // ---- State of the target file ------------------------------------------------------
  QString fileName_;
  std::unique_ptr<TTextTarget> file_;

  // ---- State of the ADIF writer ------------------------------------------------------
  // The DXCC numbers of the job, from one prefix table opened by the header.
  std::shared_ptr<TAdifDxccNumbers> adifDxcc_;
  // QSOs whose mode word is no ADIF mode; the report of the file names their number.
  int adifForeignModes_ = 0;

  // ---- State of the cover sheet ------------------------------------------------------

  // ---- State of the multiplier check list --------------------------------------------
};

// The one export writer of the program, made by the output subsystem's start.
extern TAlleRout* oAlleRout;
