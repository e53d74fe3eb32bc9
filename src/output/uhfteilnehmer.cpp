#include "output/uhfteilnehmer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "foundation/cp1252.h"
#include "foundation/layout.h"

namespace {

const char* const kBands[] = {"50MHz",  "70MHz",  "145MHz", "435MHz", "1,3GHz", "2,3GHz",
                              "3,4GHz", "5,7GHz", "10GHz",  "24GHz",  "47GHz",  "76GHz",
                              "120GHz", "135GHz", "248GHz", ">300GHz"};

// Section number, band and operator kind; the tab at the end is part of each entry.
const char* const kSections[] = {
    "01  144MHz Einmann\t",    "02  144MHz Mehrmann\t",  "03  432MHz Einmann\t",
    "04  432MHz Mehrmann\t",   "05  1,2GHz Einmann\t",   "06  1,2GHz Mehrmann\t",
    "07  2,3GHz Einmann\t",    "08  2,3GHz Mehrmann\t",  "09  3,4GHz Einmann\t",
    "10  3,4GHz Mehrmann\t",   "11  5,7GHz Einmann\t",   "12  5,7GHz Mehrmann\t",
    "13  10GHz Einmann\t",     "14  10GHz Mehrmann\t",   "15  24GHz Einmann\t",
    "16  24GHz Mehrmann\t",    "17  47GHz Einmann\t",    "18  47GHz Mehrmann\t",
    "19  76GHz Einmann\t",     "20  76GHz Mehrmann\t",   "21/1  122GHz Einmann\t",
    "22/1  122GHz Mehrmann\t", "21/2  135GHz Einmann\t", "22/2  135GHz Mehrmann\t",
    "23  245GHz Einmann\t",    "24  245GHz Mehrmann\t",  "25  >300GHz Einmann\t",
    "26  >300GHz Mehrmann\t"};

// A labelled field on a group box; the label stands left of it, on two lines where its
// height asks for them.
template <typename W>
W* Field(QWidget* group, const char* name, const char* label, int y, int labelWidth = 90,
         int width = 150, int x = 8, int labelHeight = 18) {
  auto* l = new QLabel(Q(label), group);
  l->setGeometry(x, labelHeight > 18 ? y - 4 : y + 2, labelWidth, labelHeight);
  l->setWordWrap(labelHeight > 18);
  auto* w = new W(group);
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(x + labelWidth, y, width, 21);
  return w;
}

template <size_t N>
QComboBox* List(QWidget* group, const char* name, const char* label, int y,
                const char* const (&entries)[N], int labelHeight = 18) {
  auto* box = Field<QComboBox>(group, name, label, y, 90, 150, 8, labelHeight);
  box->setEditable(true);
  for (const char* e : entries) box->addItem(Q(e));
  box->setCurrentIndex(-1);
  return box;
}

}  // namespace

Tuhfteilnehmer::Tuhfteilnehmer(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("uhfteilnehmer"));
  setWindowTitle(Q("VHF/UHF-Contest"));
  resize(549, 517);

  auto* part = new QGroupBox(Q("Teilnehmer"), this);
  part->setGeometry(8, 8, 262, 250);
  pcall = Field<QLineEdit>(part, "pcall", "Call", 20);
  ploc = Field<QLineEdit>(part, "ploc", "Locator", 44);
  padr1 = Field<QLineEdit>(part, "padr1", "Adresszeile 1", 68);
  padr2 = Field<QLineEdit>(part, "padr2", "Adresszeile 2", 92);
  psect = List(part, "psect", "Wertungs- gruppe:", 116, kSections, 30);
  pband = List(part, "pband", "Band", 140, kBands);
  pclub1 = Field<QLineEdit>(part, "pclub1", "Club", 164);
  pclub1->setText(Q("DARC"));
  pclub2 = Field<QLineEdit>(part, "pclub2", "DOK", 188);
  remail = Field<QLineEdit>(part, "remail", "EMail", 212);

  auto* resp = new QGroupBox(Q("zuständiger Funkamateur"), this);
  resp->setGeometry(278, 8, 262, 174);
  rname = Field<QLineEdit>(resp, "rname", "Name", 20);
  radr1 = Field<QLineEdit>(resp, "radr1", "Adresszeile 1", 44);
  radr2 = Field<QLineEdit>(resp, "radr2", "Adresszeile 2", 68);
  rpoco = Field<QLineEdit>(resp, "rpoco", "PLZ", 92);
  rcity = Field<QLineEdit>(resp, "rcity", "Stadt", 116);
  rcoun = Field<QLineEdit>(resp, "rcoun", "Land", 140);
  rcoun->setText(Q("DL"));

  auto* multi = new QGroupBox(Q("Mehrmann"), this);
  multi->setGeometry(278, 186, 262, 92);
  auto* hint = new QLabel(Q("Teilnehmer (Rufzeichen mit ; trennen)"), multi);
  hint->setGeometry(8, 18, 246, 18);
  mope1 = Field<QLineEdit>(multi, "mope1", "", 38, 0, 246);
  mope2 = Field<QLineEdit>(multi, "mope2", "", 62, 0, 246);

  auto* station = new QGroupBox(Q("Station"), this);
  station->setGeometry(8, 268, 262, 100);
  rtrx = Field<QLineEdit>(station, "rtrx", "TRX", 20);
  rant = Field<QLineEdit>(station, "rant", "Ant.", 44);
  rpower = Field<QLineEdit>(station, "rpower", "Power", 68);

  auto* remarksLabel = new QLabel(Q("Bemerkungen, Ausrüstung"), this);
  remarksLabel->setGeometry(278, 284, 262, 18);
  rremarks = new QPlainTextEdit(this);
  rremarks->setObjectName(QStringLiteral("rremarks"));
  rremarks->setGeometry(278, 304, 262, 160);

  cspeichern = new QCheckBox(Q("Adresse als eigene Standardadresse speichern"), this);
  cspeichern->setObjectName(QStringLiteral("cspeichern"));
  cspeichern->setGeometry(8, 478, 420, 24);
  btnok = new QPushButton(Q("OK"), this);
  btnok->setObjectName(QStringLiteral("btnok"));
  btnok->setGeometry(440, 476, 100, 28);
  btnok->setDefault(true);
  connect(btnok, &QPushButton::clicked, this, [this] { done(1); });
  FormCreate();
}

void Tuhfteilnehmer::FormCreate() { ToLayout::ScaleForm(this, 1.0, true, 1); }

std::string Tuhfteilnehmer::Text(const QLineEdit* edit) { return S(edit->text()); }
void Tuhfteilnehmer::SetText(QLineEdit* edit, std::string_view text) { edit->setText(Q(text)); }
std::string Tuhfteilnehmer::Text(const QComboBox* box) { return S(box->currentText()); }
void Tuhfteilnehmer::SetText(QComboBox* box, std::string_view text) { box->setEditText(Q(text)); }
