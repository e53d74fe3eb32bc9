#include "log/adifimportform.h"

#include <QCheckBox>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTabWidget>

#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "foundation/layout.h"
#include "log/adifreader.h"

namespace {

constexpr int kWidth = 521;
constexpr int kHeight = 426;
// The log field an entry of the right list stands for, and whether it is mapped.
constexpr int kFieldRole = Qt::UserRole;
constexpr int kMappedRole = Qt::UserRole + 1;

// The right list takes drops from the left one only, onto its entries; dropping never
// moves or copies items by itself.
class TDropList : public QListWidget {
 public:
  TDropList(QWidget* parent, QListWidget* source, std::function<void(int)> onDrop)
      : QListWidget(parent), source_(source), onDrop_(std::move(onDrop)) {
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
  }

 protected:
  void dragEnterEvent(QDragEnterEvent* e) override { e->acceptProposedAction(); }
  void dragMoveEvent(QDragMoveEvent* e) override { e->acceptProposedAction(); }
  void dropEvent(QDropEvent* e) override {
    if (e->source() == source_) onDrop_(row(itemAt(e->position().toPoint())));
    e->setDropAction(Qt::IgnoreAction);
    e->accept();
  }

 private:
  QListWidget* source_;
  std::function<void(int)> onDrop_;
};

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, int x, int y) {
  auto* l = new QLabel(Q(text), parent);
  l->setObjectName(QString::fromLatin1(name));
  l->move(x, y);
  l->adjustSize();
  return l;
}

}  // namespace

TContestAdifimportForm::TContestAdifimportForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ContestAdifimportForm"));
  setWindowTitle(QStringLiteral("ADIF-Import"));
  setFont(QFont(QStringLiteral("Arial"), 9));
  setFixedSize(kWidth, kHeight);

  ldatei = MakeLabel(this, "ldatei", "", 176, 42);
  ldatei->setFixedWidth(kWidth - 184);
  Label2 = MakeLabel(this, "Label2",
                     "Mit dieser Funktion können ADIF-Dateien anderer Logbücher eingelesen werden.",
                     8, 10);
  btndatei = new TkvBitBtn(this);
  btndatei->setObjectName(QStringLiteral("btndatei"));
  btndatei->SetCaption("ADIF-Datei auswählen");
  btndatei->setGeometry(8, 36, 160, 27);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(8, 72, kWidth - 16, 290);
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet1"));
  PageControl1->addTab(page, Q("Feldzuordnung"));
  Label1 = MakeLabel(page, "Label1",
                     "Ziehen Sie mit der Maus die gewünschten Einträge aus der linken in die "
                     "rechte Liste.",
                     8, 8);
  Label3 = MakeLabel(page, "Label3", "Felder der ADIF-Datei", 8, 32);
  Label4 = MakeLabel(page, "Label4", "Felder im Log", 256, 32);
  ListeLinks = new QListWidget(page);
  ListeLinks->setObjectName(QStringLiteral("ListeLinks"));
  ListeLinks->setGeometry(8, 50, 232, 200);
  ListeLinks->setProperty("HelpContext", 100190002);
  ListeLinks->setDragEnabled(true);
  ListeLinks->setDragDropMode(QAbstractItemView::DragOnly);
  ListeLinks->setSelectionMode(QAbstractItemView::SingleSelection);
  ListeRechtsLB = new TDropList(page, ListeLinks, [this](int row) { DropOnRow(row); });
  ListeRechtsLB->setObjectName(QStringLiteral("ListeRechtsLB"));
  ListeRechtsLB->setGeometry(256, 50, 233, 200);
  ListeRechtsLB->setProperty("HelpContext", 100190003);
  for (const char* field :
       {"CALL", "QSO_DATE", "TIME_ON", "RST_SENT", "RST_RCVD", "BAND", "FREQ", "MODE"}) {
    auto* item = new QListWidgetItem(Q(field), ListeRechtsLB);
    item->setData(kFieldRole, Q(field));
  }

  checkkeincheck = new QCheckBox(Q("keine Mode/Band-Überprüfung"), this);
  checkkeincheck->setObjectName(QStringLiteral("checkkeincheck"));
  checkkeincheck->setGeometry(8, 372, 300, 20);

  btnimportstart = new TkvBitBtn(this);
  btnimportstart->setObjectName(QStringLiteral("btnimportstart"));
  btnimportstart->SetCaption("Start");
  btnimportstart->SetModalResult(1);
  btnimportstart->setDefault(true);
  btnimportstart->setEnabled(false);
  btnimportstart->setGeometry(kWidth - 200, kHeight - 35, 92, 27);
  BitBtn1 = new TkvBitBtn(bkCancel, this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->SetCaption("Abbruch");
  BitBtn1->setGeometry(kWidth - 100, kHeight - 35, 92, 27);

  // Tab order as the window lists its controls.
  setTabOrder(btndatei, PageControl1);
  setTabOrder(PageControl1, ListeLinks);
  setTabOrder(ListeLinks, ListeRechtsLB);
  setTabOrder(ListeRechtsLB, checkkeincheck);
  setTabOrder(checkkeincheck, btnimportstart);
  setTabOrder(btnimportstart, BitBtn1);

  connect(btndatei, &QPushButton::clicked, this, [this] {
    if (OnChooseFile) OnChooseFile();
  });
  ToLayout::StyleForm(this, false);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TContestAdifimportForm::SetFileFields(const std::string& fileName,
                                           const std::vector<std::string>& names) {
  ldatei->setText(Q(fileName));
  ListeLinks->clear();
  for (const std::string& n : names) ListeLinks->addItem(Q(n));
  if (ListeLinks->count() > 0) ListeLinks->setCurrentRow(0);
}

void TContestAdifimportForm::AddLogField(const std::string& field) {
  const QString name = Q(field);
  for (int i = 0; i < ListeRechtsLB->count(); ++i)
    if (ListeRechtsLB->item(i)->data(kFieldRole).toString().compare(name, Qt::CaseInsensitive) == 0)
      return;
  auto* item = new QListWidgetItem(name, ListeRechtsLB);
  item->setData(kFieldRole, name);
}

std::vector<std::string> TContestAdifimportForm::LogEntries() const {
  std::vector<std::string> entries;
  for (int i = 0; i < ListeRechtsLB->count(); ++i)
    entries.push_back(S(ListeRechtsLB->item(i)->text()));
  return entries;
}

bool TContestAdifimportForm::DropOnRow(int row) {
  QListWidgetItem* target = ListeRechtsLB->item(row);
  QListWidgetItem* source = ListeLinks->currentItem();
  if (!target || !source || target->data(kMappedRole).toBool()) return false;
  target->setText(
      Q(adifimport::MappedEntry(S(target->data(kFieldRole).toString()), S(source->text()))));
  target->setData(kMappedRole, true);
  btnimportstart->setEnabled(true);
  delete source;
  return true;
}

bool TContestAdifimportForm::MapField(const std::string& logField, const std::string& adifField) {
  const auto left = ListeLinks->findItems(Q(adifField), Qt::MatchExactly);
  if (left.isEmpty()) return false;
  ListeLinks->setCurrentItem(left.front());
  for (int i = 0; i < ListeRechtsLB->count(); ++i)
    if (S(ListeRechtsLB->item(i)->data(kFieldRole).toString()) == logField) return DropOnRow(i);
  return false;
}
