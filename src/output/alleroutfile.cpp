#include <QFileInfo>

#include "contest/contestrec.h"
#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "output/allerout.h"
#include "output/filemessage.h"
#include "output/textfile.h"
#include "output/wagdatei.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace {

const char* const kNoticeTitle = "Dateiausgabe:";

std::string OwnCallForFileNames() {
  return ToStrings::ReplaceAll(Setups().GetOwnCall(true), "/", "_");
}

// The class name as part of a file name: no characters that separate folders, drives or
// extensions.
std::string ClassForFileNames(std::string_view name) {
  std::string s = ToStrings::ReplaceAll(name, ":", "");
  s = ToStrings::ReplaceAll(s, ".", "-");
  for (const char* c : {"/", "\\", ","}) s = ToStrings::ReplaceAll(s, c, "_");
  return s;
}

// The E-Log cover sheet and list, STF, Cabrillo and EDI files are shown for a last look.
bool ViewedAfterWriting(uint8_t jobKind) {
  return jobKind == 6 || jobKind == 7 || jobKind == 8 || jobKind == 10 || jobKind == 15;
}

}  // namespace

std::string TAlleRout::ProposedFileName(uint8_t jobKind, uint8_t category, const TContestRec& def) {
  std::string name = OwnCallForFileNames();
  if (category > 0 && category <= def.Classes.kSize) {
    std::string cls = ClassForFileNames(def.Classes[category].Name);
    if (!cls.empty()) name += "-" + cls;
  }
  return name + "." + JobInfo(jobKind).Extension;
}

bool TAlleRout::ChooseTargetFile(uint8_t jobKind, TdbContestBase& listTable,
                                 const TContestRec& def) {
  const TJobInfo& info = JobInfo(jobKind);
  if (jobKind < 6 || jobKind > 15 || *info.Title == '\0') return true;
  const std::string title = info.Title;
  const std::string ext = info.Extension;
  if (!English)
    ToMessages::ShowNotice("", kNoticeTitle,
                           "Geben Sie im folgenden Dialog an, wohin die " + title + " " +
                               OwnCallForFileNames() + "." + ext + " gespeichert werden soll.",
                           false);
  const std::string proposed = ProposedFileName(jobKind, listTable.GetListRec().Category(), def);
  QString chosen =
      Desktop().ChooseSaveFile(Q(title), QString(), Q(proposed), Q(title + " (*." + ext + ")"));
  if (chosen.isEmpty()) return false;
  // A new name without extension gets the job's; an existing file is taken as chosen.
  if (QFileInfo(chosen).suffix().isEmpty() && !QFileInfo::exists(chosen)) chosen += Q("." + ext);
  fileName_ = chosen;
  if (!file_->Create(fileName_)) {
    filemessage::Error("Die Datei ", fileName_, " konnte nicht erstellt werden.");
    return false;
  }
  return true;
}

bool TAlleRout::HasTargetFile() const { return file_->IsOpen(); }

bool TAlleRout::CloseTargetFile(bool report) {
  adifDxcc_.reset();  // the job's prefix table closes with its file
  if (!file_->IsOpen()) return true;
  if (!file_->Close()) {
    filemessage::Error("Die Datei ", fileName_, " konnte nicht vollständig geschrieben werden.");
    return false;
  }
  if (report) ReportFileWritten();
  if (ViewedAfterWriting(jobKind_)) wagdat::ShowFile(fileName_);
  return true;
}

void TAlleRout::ReportFileWritten() {
  std::string after = " wurde erstellt.";
  if (mode_ == TOutputMode::ADIF && adifForeignModes_ > 0)
    after += "\n" + std::to_string(adifForeignModes_) +
             " QSO(s) mit einer Betriebsart, die ADIF nicht kennt: ohne MODE, die Betriebsart "
             "steht im Feld APP_ZORSAAR_MODE.";
  filemessage::Notice(kNoticeTitle, "Datei ", fileName_, after);
}
