#pragma once
// The ADIF import of the log window: the controller that reads the file and runs the
// mapping window, and the run that puts every record through the window's entry fields
// and its save road like a typed QSO.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "contest/contestrec.h"

class QWidget;
class TContestAdifimportForm;
class TContestLogStd;

class TContestAdifimportCtrl {
 public:
  // Create: the log window owns the import window; the definition is copied.
  TContestAdifimportCtrl(QWidget* logWindow, const TContestRec& def);

  // Shows the import window modally; true when it was closed with Start after a file
  // was read. The mapping and the check flag are then taken from it.
  bool Execute();
  // Reads the file into the record list and returns the field names found. A missing
  // file gives the notice "Datei existiert nicht" and leaves the lists as they were
  // (false).
  bool ReadAdifFile(const std::string& fileName, std::vector<std::string>& names);

  QWidget* LogWindow = nullptr;
  TContestRec ContestDef;
  std::optional<std::vector<std::string>> Records;  // absent until a file was read
  std::vector<std::string> Mapping;
  bool Check = true;
  // The open window while Execute runs (tests drive it through the desktop's dialog run).
  TContestAdifimportForm* Form = nullptr;
};

namespace adifimport {

// What the run did with the records of the file.
struct TImportCounts {
  int32_t Saved = 0;    // stored by the save road
  int32_t Dupes = 0;    // refused as worked before
  int32_t Invalid = 0;  // refused by the validity check for another reason
  int32_t BadBand = 0;
  int32_t BadMode = 0;
  int32_t Refused = 0;   // valid, but the save failed
  int32_t Untried = 0;   // left when the run stopped
  bool Aborted = false;  // the operator stopped the run
  // The messages the run's checks and saves gave, each once, with how often.
  std::vector<std::pair<std::string, int32_t>> Messages;
};

// The notice at the end of the run: the saved QSOs, then a line for each kind of
// refusal that happened, then the messages.
std::string ImportSummary(const TImportCounts& counts);

enum class TImportOutcome { kFilled, kSaved, kDupe, kInvalid, kBadBand, kBadMode, kRefused };

// Puts one record into the window's entry fields, in the order and with the handlers of
// typing, after the entry recount of its band: kFilled, or the refusal of the mode or
// band test (check) with the entry fields left as they were.
TImportOutcome FillEntry(TContestLogStd& window, const std::string& record,
                         const std::vector<std::string>& mapping, bool check);
// The validity check and the save road with the import button as sender: kSaved,
// kDupe, kInvalid or kRefused (the save failed).
TImportOutcome StoreEntry(TContestLogStd& window);

// The records through the window's entry, in file order; progress and cancel on the
// way. The QSOs are stored in write groups of at most groupSize, so a run that is killed
// loses at most the open group, never part of a QSO.
TImportCounts RunImport(TContestLogStd& window, const std::vector<std::string>& records,
                        const std::vector<std::string>& mapping, bool check, int groupSize = 500);

}  // namespace adifimport
