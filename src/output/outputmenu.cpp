#include "output/outputmenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>

#include "contest/contestrec.h"
#include "contest/currentdef.h"
#include "contest/eingconteststd.h"
#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/messages.h"
#include "output/allerout.h"
#include "output/outputjobs.h"

namespace outputmenu {
namespace {

struct TItem {
  const char* Name;
  const char* Caption;
  const char* DisabledCaption;  // empty: the caption stays
  uint8_t Job;
  int OutputItem;  // number in the definition's output items; 0: always enabled
  bool SeparatorAfter;
};

const TItem kItems[] = {
    {"DruckCabrillo", "Cabrillo-Datei (empfohlen)", "", 10, 9, false},
    {"DruckSTF", "STF-Datei (empfohlen)", "STF-Datei", 8, 3, false},
    {"DruckEDI", "EDI-Datei (empfohlen)", "EDI-Datei", 15, 13, true},
    {"ELogGesamtdatei1", "E-Log Gesamtdatei", "", 12, 0, false},
    {"DruckELogDeckblatt", "E-Log Deckblatt", "", 6, 1, false},
    {"DruckELogListe", "E-Log QSO-Liste", "", 7, 2, false},
    {"DruckEBandliste", "E-Log Band-Liste", "", 11, 10, false},
    {"DruckEMultiliste", "E-Log Multi-Checkliste", "", 14, 12, true},
    {"DruckADIF", "ADIF- Exportdatei der QSO-Liste", "", 9, 4, false},
    {"DruckCSV", "CSV- Exportdatei der QSO-Liste", "", 13, 0, true},
    {"DruckPapierDeckblatt", "Papierlog - Deckblatt", "", 0, 5, false},
    {"DruckPapierListe", "Papierlog - QSO-Liste", "", 4, 6, false},
    {"DruckPapierBandliste", "Papierlog - Band-Liste", "", 3, 7, false},
    {"DruckPapierMultiListe", "Papierlog - Multi-Checkliste", "", 2, 8, false},
};

// Without a desktop that shows windows (tests) no menu blocks: nothing is chosen.
QAction* ExecMenu(QMenu& menu, const QPoint& at) {
  return Desktop().ShowsWindows() ? menu.exec(at) : nullptr;
}

TMenuRunner gRunner = &ExecMenu;

// The top-left corner of the active dialog's print button, where the menu opens.
QPoint MenuPosition() {
  QWidget* dialog = QApplication::activeModalWidget();
  if (!dialog) dialog = QApplication::activeWindow();
  if (!dialog) return QCursor::pos();
  auto* button = dialog->findChild<QPushButton*>(QStringLiteral("btnDruck"));
  return button ? button->mapToGlobal(QPoint(0, 0)) : dialog->mapToGlobal(QPoint(0, 0));
}

}  // namespace

std::vector<TEntry> Entries(const TContestRec& def) {
  std::vector<TEntry> out;
  for (const TItem& item : kItems) {
    const bool enabled = item.OutputItem == 0 || def.OutputMenuItems.test(size_t(item.OutputItem));
    const char* caption = !enabled && *item.DisabledCaption ? item.DisabledCaption : item.Caption;
    out.push_back({item.Name, caption, item.Job, enabled, item.SeparatorAfter});
  }
  return out;
}

void RunEntryJob(uint8_t job, const TContestRec& def, TdbContest& listTable,
                 TdbContest& configTable) {
  // The job runs whatever the notice returns: it only reminds of the rules.
  if (job == 9)
    ToMessages::ShowNoticeContinue("Contest", "Exportdatei",
                                   "Achtung: Bitte die Ausschreibung beachten, ob ADIF-Dateien "
                                   "erwünscht sind und akzeptiert werden.");
  outputjobs::RunOutputJob(job, def, listTable, configTable);
}

void ShowOutputMenu(TdbContest& listTable, TdbContest& configTable) {
  TContestRec* def = CurrentContestDef();
  if (!def) return;
  QMenu menu;
  menu.setObjectName(QStringLiteral("OutputMenu"));
  for (const TEntry& e : Entries(*def)) {
    QAction* a = menu.addAction(Q(e.Caption));
    a->setObjectName(QString::fromLatin1(e.Name));
    a->setEnabled(e.Enabled);
    a->setData(int(e.Job));
    if (e.SeparatorAfter) menu.addSeparator();
  }
  QAction* chosen = gRunner(menu, MenuPosition());
  if (!chosen || !chosen->isEnabled()) return;
  RunEntryJob(uint8_t(chosen->data().toInt()), *def, listTable, configTable);
}

void SetMenuRunner(TMenuRunner runner) { gRunner = runner ? std::move(runner) : &ExecMenu; }

}  // namespace outputmenu

namespace output {

void Start() {
  oAlleRout = new TAlleRout();
  TEingContestStd::OutputMenu = &outputmenu::ShowOutputMenu;
}

void Stop() {
  TEingContestStd::OutputMenu = nullptr;
  delete oAlleRout;
  oAlleRout = nullptr;
}

}  // namespace output
