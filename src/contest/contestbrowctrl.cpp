#include "contest/contestbrowctrl.h"

#include <QWidget>

#include "browser/kvbrow.h"
#include "contest/contestfkt.h"
#include "contest/currentdef.h"
#include "foundation/cp1252.h"
#include "foundation/messages.h"
#include "foundation/progdir.h"
#include "reference/datprefix.h"
#include "reference/dbprefix.h"
#include "reference/prefixinstall.h"
#include "storage/dbbase.h"
#include "storage/dberror.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/opcmd.h"
#include "tables/projecttables.h"
#include "tables/setupseparat.h"
#include "tables/setuptables.h"
#include "tables/tablefile.h"

namespace {

// The prefix files: the main file and the two secondary files.
constexpr int kPrefixFileSet = 0x1F;

TKeyStr CodeKey(TContestCode code) {
  TKeyStr key;
  key.Assign(std::string(1, code));
  return key;
}

// Opens the settings record, creating it on a first start, and makes its project the
// current one, which is written back. False when a file cannot be opened or written.
bool SelectSettingsProject() {
  TdbSetupBase setup;
  if (!setup.IsOpen()) return false;
  if (!setup.First(1)) {
    setup.ClearRecords();
    setup.SetSetupRec(TSetupRec());
    if (!setup.Add()) return false;
  }
  TSetupRec rec = setup.GetSetupRec();
  int32_t project = rec.CurrentProject() > 0 ? rec.CurrentProject() : -1;
  if (project <= 0 || !Projecte().SelectProject(project)) {
    // The first project, or a default one in an empty project file.
    project = Projecte().GetProject().GetNumber();
    Projecte().SelectProject(project);
  }
  rec.SetCurrentProject(project);
  setup.SetSetupRec(rec);
  return setup.Modify();
}

}  // namespace

TContestBrowCtrl::TContestBrowCtrl(TkvBrow* browser, QWidget* mainWindow, TContestCode code)
    : TDatenBrowCtrl(browser, nullptr), code_(code), mainWindow_(mainWindow) {
  // A controller without its files would fail on every later road: the program ends.
  const auto fail = [this](const std::string& german, const std::string& english) {
    ToMessages::ShowError(setupseparat::LangText(german, english));
    CloseFiles();
    if (settingsOpen_) ToDatSetup::CloseFiles(ToDatSetup::kSetupFile);
    if (projectsOpen_) ToDatProject::CloseFiles(ToDatProject::kProjectFile);
    throw EContestStart(german);
  };
  settingsOpen_ = ToDatSetup::OpenFiles(ToDatSetup::kSetupFile);
  if (!settingsOpen_)
    fail("Die Einstellungsdatei BMSETUP konnte nicht geöffnet werden. Das Programm wird beendet.",
         "The settings file BMSETUP could not be opened. The program ends.");
  projectsOpen_ = ToDatProject::OpenFiles(ToDatProject::kProjectFile);
  if (!projectsOpen_)
    fail("Die Projektdatei BM5PRO konnte nicht geöffnet werden. Das Programm wird beendet.",
         "The project file BM5PRO could not be opened. The program ends.");
  if (!SelectSettingsProject() || !opcmd::LoadSettings())
    fail("Die Einstellungen konnten nicht gelesen werden. Das Programm wird beendet.",
         "The settings could not be read. The program ends.");

  // A data directory without prefix files gets the ones the program ships.
  prefixinstall::InstallShippedFiles(ShippedDataDirectory(), tablefiles::DataDir());
  prefixOpen_ = oDatPrefix && oDatPrefix->OpenFileSet(kPrefixFileSet, false);
  // A file another running program holds is there, only locked: saying it was missing
  // would send the operator looking for a download.
  const bool prefixInUse = !prefixOpen_ && DriverErrorCode() == kDbCodeLocked;
  if (prefixInUse) {
    ToMessages::ShowError(
        "Achtung: Die Präfixdatei wird von einem anderen Programm benutzt. Ohne diese Datei "
        "kann das Programm nicht korrekt arbeiten!");
  } else {
    TdbPrefix prefixes;
    if (prefixes.RecordCount() <= 0)
      ToMessages::ShowError(
          "Achtung: Die Präfixdatei konnte nicht gefunden werden bzw. ist leer. Ohne diese Datei "
          "kann das Programm nicht korrekt arbeiten! Die aktuelle Präfixdatei steht auf " +
          TContestFkt::HomePage() + " zum Herunterladen bereit.");
  }

  listTable_ = std::make_unique<TdbContest>(TdbContestBase::kList);
  configTable_ = std::make_unique<TdbContest>(TdbContestBase::kConfig);
  if (!listTable_->IsOpen() || !configTable_->IsOpen())
    fail("Die Contestdateien konnten nicht geöffnet werden. Das Programm wird beendet.",
         "The contest files could not be opened. The program ends.");
  def_ = std::make_unique<TContestRec>();
  oContestFkt->LoadContestDefinition(*def_, *listTable_, code_, false);
  SetCurrentContestDef(def_.get());
  rowTable_ = std::make_unique<TdbContest>(TdbContestBase::kList);
  table_ = listTable_.get();

  WireBrowser();
  brow_->Open(0, listTable_.get(), CodeKey(code_), CodeKey(code_), false, false,
              contestkeys::kListTypName);
  PositionOnNewest();
}

TContestBrowCtrl::~TContestBrowCtrl() {
  if (brow_) {
    brow_->OnBuildRow = nullptr;
    brow_->OnSetHeaderFooter = nullptr;
    brow_->OnInitSortList = nullptr;
    brow_->OnSortList2Key = nullptr;
    brow_->OnDatensatz_Loeschen = nullptr;
  }
  if (CurrentContestDef() == def_.get()) SetCurrentContestDef(nullptr);
  CloseFiles();
  if (settingsOpen_) opcmd::SaveSettings();
  if (settingsOpen_) ToDatSetup::CloseFiles(ToDatSetup::kSetupFile);
  if (projectsOpen_) ToDatProject::CloseFiles(ToDatProject::kProjectFile);
  dbbase::DoneDatabase();
}

void TContestBrowCtrl::CloseFiles() {
  rowTable_.reset();
  listTable_.reset();
  configTable_.reset();
  if (prefixOpen_ && oDatPrefix) oDatPrefix->CloseFileSet(kPrefixFileSet, true, false, false);
  prefixOpen_ = false;
}

void TContestBrowCtrl::WireBrowser() {
  brow_->OnBuildRow = [this](RowRec& row) { BuildRow(row); };
  brow_->OnSetHeaderFooter = [this] { SetHeaderFooter(); };
  brow_->OnInitSortList = [this] { InitSortList(); };
  brow_->OnSortList2Key = [this](int i, TKeyStr& low, TKeyStr& high) {
    return SortList2Key(i, low, high);
  };
  // The Delete key takes the same road as the delete button, with its own two questions.
  brow_->OnDatensatz_Loeschen = [this] { return DeleteContest(brow_->CurrentRef()); };
}

// The highest number of this edition's code: a list file shared with another edition may
// end on a contest that this list never shows.
void TContestBrowCtrl::PositionOnNewest() {
  bool found = listTable_->Last(contestkeys::kListNummer);
  while (found && listTable_->GetListRec().Typ() != code_)
    found = listTable_->PrevRecord(contestkeys::kListNummer);
  if (found) brow_->GotoRecord(listTable_->CurrentRef());
}

TdbContest& TContestBrowCtrl::RowTable() {
  if (!rowTable_) rowTable_ = std::make_unique<TdbContest>(TdbContestBase::kList);
  return *rowTable_;
}

// --- the roads of the main window ----------------------------------------------------------

int TContestBrowCtrl::NewContest() {
  const std::string installed = mainWindow_ ? S(mainWindow_->windowTitle()) : std::string();
  ToMessages::ShowNotice("Contest", setupseparat::LangText("Versionsprüfung", "Version"),
                         TContestFkt::UpdateNotes(installed), false);
  const int position =
      oContestFkt->ConfigureContest(code_, false, *configTable_, *listTable_, false, mainWindow_);
  return position > 0 ? position : 0;
}

bool TContestBrowCtrl::EditContest(int32_t position) {
  if (!oContestFkt->EnsureContestConfig(position, *listTable_, *configTable_)) return false;
  oContestFkt->LoadContestDefinition(*def_, *listTable_, code_, true);
  return oContestFkt->ConfigureContest(code_, true, *configTable_, *listTable_, false) > 0;
}

bool TContestBrowCtrl::StartContest(int32_t position) {
  if (position <= 0 || !listTable_->GotoRecord(position)) return false;
  if (!oContestFkt->EnsureContestConfig(position, *listTable_, *configTable_)) {
    ToMessages::ShowError(setupseparat::LangText(
        "Der Konfigurationssatz des Contests konnte nicht angelegt werden. Der Contest wird "
        "nicht gestartet.",
        "The configuration record of the contest could not be created. The contest is not "
        "started."));
    return false;
  }
  oContestFkt->RunContestLog(mainWindow_, *def_, *configTable_, *listTable_);
  // The log window wrote its totals into both records.
  listTable_->LoadRecord(true, true);
  configTable_->LoadRecord(true, true);
  return true;
}

void TContestBrowCtrl::ReviewContest() {
  oContestFkt->ConfigureContest(code_, true, *configTable_, *listTable_, true, mainWindow_);
}

void TContestBrowCtrl::ShowOtherPrograms() {}

bool TContestBrowCtrl::DeleteContest(int32_t position) {
  if (position <= 0) return false;
  const bool deleted = oContestFkt->DeleteContest(*listTable_, *configTable_, position);
  AfterDelete(deleted);
  return deleted;
}
