// The contest-log operations of the catalogue: configure, make sure of the configuration
// record, delete a log, open the log window and edit the contest notes.

#include <vector>

#include "contest/contestfkt.h"
#include "contest/eingconteststd.h"
#include "contest/stationfile.h"
#include "foundation/dates.h"
#include "foundation/memofile.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "foundation/toolsfkt.h"
#include "tables/contesttables.h"
#include "tables/setupseparat.h"

namespace {

TContestLogRunner& LogRunner() {
  static TContestLogRunner runner;
  return runner;
}

// Where the notes window of a contest was left: four 16-bit values in the list record,
// top, left, width, height.
constexpr size_t kNotesTop = 253;
constexpr size_t kNotesLeft = 255;
constexpr size_t kNotesWidth = 257;
constexpr size_t kNotesHeight = 259;

const char kQuestionTitle[] = "Sicherheitsabfrage";

// Each failure of the delete road stops it: what is left stays consistent, and the
// person learns which step failed.
bool Fail(const std::string& name, std::string_view germanStep, std::string_view englishStep) {
  ToMessages::ShowError(setupseparat::LangText(
      "Das Logbuch " + name + " konnte nicht gelöscht werden: " + std::string(germanStep),
      "The log " + name + " could not be deleted: " + std::string(englishStep)));
  return false;
}

}  // namespace

void TContestFkt::SetContestLogRunner(TContestLogRunner runner) { LogRunner() = std::move(runner); }

int TContestFkt::ConfigureContest(TContestCode code, bool existing, TdbContest& configTable,
                                  TdbContest& listTable, bool review, QWidget* owner) const {
  if (code == '\0') return 0;
  return TEingContestStd::Run(existing, review, code, listTable, configTable, owner);
}

bool TContestFkt::EnsureContestConfig(int32_t listRef, TdbContest& listTable,
                                      TdbContest& configTable) const {
  if (listRef > 0 && !listTable.GotoRecord(listRef)) return false;
  const int32_t number = listTable.GetListRec().Nummer();
  if (configTable.FindNumber(number)) return true;
  TContestConfigRec rec;
  rec.SetNummer(number);
  configTable.ClearRecords();
  configTable.SetConfigRec(rec);
  return configTable.Add();
}

bool TContestFkt::DeleteContest(TdbContest& listTable, TdbContest& configTable,
                                int32_t listRef) const {
  if (!listTable.GotoRecord(listRef)) return false;
  const TContestListRec list = listTable.GetListRec();
  const std::string name = list.Name();
  const int32_t number = list.Nummer();
  if (!ToMessages::AskYesNo("", kQuestionTitle,
                            "Logbuch " + ToStrings::Left(name, 33 - 8) + " löschen?", false))
    return false;
  if (!ToMessages::AskYesNo(
          "", kQuestionTitle,
          "Komplettes Logbuch " + ToStrings::Left(name, 44 - 19) + " unwiederbringlich löschen?",
          false))
    return false;
  if (!EnsureContestConfig(listRef, listTable, configTable))
    return Fail(name, "Der Konfigurationssatz fehlt.", "its configuration record is missing.");

  if (!ToDatContest::OpenFiles(ToDatContest::kQsoLogFile, number))
    return Fail(name,
                "Die QSO-Datei " + ToDatContest::QsoLogName(number) + " ließ sich nicht öffnen.",
                "the QSO file " + ToDatContest::QsoLogName(number) + " could not be opened.");
  bool emptied = false;
  {
    TdbContest qsoLog(TdbContestBase::kQsoLog, 0, number);
    if (qsoLog.IsOpen()) {
      qsoLog.DeleteFiles();
      emptied = qsoLog.RecordCount() == 0;
    }
  }
  ToDatContest::CloseFiles(ToDatContest::kQsoLogFile);
  if (!emptied)
    return Fail(name, "Die QSOs ließen sich nicht löschen.", "its QSOs could not be deleted.");

  if (configTable.FindNumber(number) && !configTable.Delete())
    return Fail(name, "Der Konfigurationssatz ließ sich nicht löschen.",
                "its configuration record could not be deleted.");
  if (!stationfile::Remove(list.Typ(), number))
    return Fail(name, "Die Stationsdatei ließ sich nicht löschen.",
                "its station file could not be deleted.");
  if (!listTable.GotoRecord(listRef) || !listTable.Delete())
    return Fail(name, "Der Listeneintrag ließ sich nicht löschen.",
                "its list entry could not be deleted.");
  return true;
}

void TContestFkt::RunContestLog(QWidget* mainForm, TContestRec& def, TdbContest& configTable,
                                TdbContest& listTable) const {
  const TContestListRec list = listTable.GetListRec();
  if (list.Typ() == '\0' || !LogRunner()) return;
  LogRunner()(mainForm, list.Nummer(), def, configTable, listTable);
}

void TContestFkt::EditContestNotes(const std::string& fileName, TdbContest& listTable,
                                   TdbContest& qsoTable) const {
  std::vector<std::string> lines;
  memofile::LoadLines(fileName, lines);
  lines.insert(lines.begin(), ToDates::TodayUTCString("dd.mm.yyyy") + " " +
                                  ToDates::CurrentTimeUTCString("hh:mm") + " " +
                                  ToStrings::FitWidth(qsoTable.GetCall(), 10, true) + " > ");
  memofile::SaveLines(fileName, lines);

  TContestListRec list = listTable.GetListRec();
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  if (list.I16(kNotesWidth) > 0) {
    top = list.I16(kNotesTop);
    left = list.I16(kNotesLeft);
    right = left + list.I16(kNotesWidth) - 1;
    bottom = top + list.I16(kNotesHeight) - 1;
  }
  std::string text;
  TToolsFkt::EditMemo("Notiz", lines, left, top, right, bottom, "", 0, 0, 0, fileName, text);
  // A window that never got a place keeps none, rather than a one-pixel one.
  if (right < left || bottom < top || (right == 0 && bottom == 0)) return;
  list.SetI16(kNotesTop, int16_t(top));
  list.SetI16(kNotesLeft, int16_t(left));
  list.SetI16(kNotesWidth, int16_t(right - left + 1));
  list.SetI16(kNotesHeight, int16_t(bottom - top + 1));
  listTable.SetListRec(list);
  listTable.Modify();
}
