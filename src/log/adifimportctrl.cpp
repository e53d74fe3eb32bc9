#include "log/adifimportctrl.h"

#include <QCheckBox>
#include <QFileInfo>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/messages.h"
#include "foundation/progress.h"
#include "foundation/strings.h"
#include "log/adifimportform.h"
#include "log/adifreader.h"

TContestAdifimportCtrl::TContestAdifimportCtrl(QWidget* logWindow, const TContestRec& def)
    : LogWindow(logWindow), ContestDef(def) {}

bool TContestAdifimportCtrl::ReadAdifFile(const std::string& fileName,
                                          std::vector<std::string>& names) {
  names.clear();
  std::vector<std::string> lines;
  bool read = QFileInfo(Q(fileName)).isFile();
  if (read) {
    // A file of many megabytes takes a moment: the window tells so from the start.
    TFortschrittWinCtrl progress(LogWindow, "ADIF-Import", "ADIF-Datei wird gelesen ...", 3, false,
                                 true);
    progress.Execute();
    bool aborted = false;
    read = adifimport::LoadAdifLines(fileName, lines);
    progress.UpdateProgress("", 1, aborted, 0);
    if (read) {
      Records = adifimport::SplitRecords(lines);
      progress.UpdateProgress("", 2, aborted, 0);
      names = adifimport::FieldNames(*Records);
      progress.UpdateProgress("", 3, aborted, 0);
    }
  }
  if (!read) ToMessages::ShowNotice("", "", "Datei existiert nicht", false);
  return read;
}

bool TContestAdifimportCtrl::Execute() {
  TContestAdifimportForm form(LogWindow);
  Form = &form;
  // The received exchange fields of the contest, as their captions name them.
  const auto& caption = ContestDef.ExchangeCaption;
  for (const std::string& field :
       {caption[2], caption[3], caption[1].empty() ? std::string("SRX") : caption[1]})
    if (!field.empty()) form.AddLogField(field);
  form.OnChooseFile = [this, &form] {
    const QString file = Desktop().ChooseOpenFile(
        QStringLiteral("ADIF-Datei auswählen"), QString(),
        QStringLiteral("ADIF-Datei (*.[aA][dD][iI] *.[aA][dD][iI][fF]);;Alle Dateien (*)"));
    if (file.isEmpty()) return;
    std::vector<std::string> names;
    // A file that could not be read leaves the window as it was.
    if (!ReadAdifFile(S(file), names)) return;
    form.SetFileFields(S(file), names);
  };
  const int result = Desktop().ExecDialog(form);
  Form = nullptr;
  if (result != 1) return false;
  Check = !form.checkkeincheck->isChecked();
  Mapping = form.LogEntries();
  return Records.has_value();
}

namespace adifimport {

std::string ImportSummary(const TImportCounts& c) {
  std::string text = ToStrings::IntToStrPadded(c.Saved, 0) + " Datensätze importiert";
  const auto line = [&text](int32_t n, const char* what) {
    if (n > 0) text += "\r\n" + ToStrings::IntToStrPadded(n, 0) + what;
  };
  line(c.Dupes, " Calls doppelt");
  line(c.Invalid, " ungültige QSOs (Call, Datum, Zeit oder DOK)");
  line(c.BadBand, " fehlende oder falsche Bandangaben");
  line(c.BadMode, " fehlende oder falsche Modeangaben");
  line(c.Refused, " QSOs konnten nicht gespeichert werden");
  line(c.Untried, " Datensätze nicht mehr versucht");
  if (c.Aborted) text += "\r\nDer Import wurde abgebrochen.";
  for (const auto& [message, count] : c.Messages)
    text += "\r\n" + message + (count > 1 ? " (" + ToStrings::IntToStrPadded(count, 0) + "x)" : "");
  return text;
}

}  // namespace adifimport
