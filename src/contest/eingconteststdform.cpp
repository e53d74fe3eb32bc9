#include "contest/eingconteststdform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "contest/configtotals.h"
#include "contest/contestfkt.h"
#include "contest/contestload.h"
#include "contest/eingconteststd.h"
#include "contest/participantdata.h"
#include "contest/stationfile.h"
#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/help.h"
#include "foundation/inputmark.h"
#include "foundation/kvedit.h"
#include "foundation/messages.h"
#include "foundation/plaintext.h"
#include "foundation/strings.h"
#include "reference/baender.h"
#include "storage/dbbase.h"
#include "tables/calltables.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

using inputmark::MarkPink;
using inputmark::RestoreColour;

namespace {

constexpr uint8_t kTrue = 255;

// Multiplier kinds the dialog asks about.
constexpr int kKindDok = 4;
constexpr int kKindLocator = 5;
constexpr int kKindOwnLocator = 6;
constexpr int kKindArea = 8;
constexpr int kKindLdk = 17;
constexpr int kKindDokDistrict = 18;
constexpr int kMenuCabrillo = 9;

const char* const kDateFormat = "dd.mm.yyyy";
const char* const kTimeFormat = "hh:mm";

std::string Text(const TkvEdit* edit) { return edit->GetValueStr(); }
std::string Trimmed(const TkvEdit* edit) { return ToStrings::Trim(edit->GetValueStr()); }

std::string WithoutBlanks(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != ' ') out += c;
  return out;
}

std::string Cut(std::string_view s, size_t n) { return std::string(s.substr(0, n)); }

uint8_t Flag(bool on) { return on ? kTrue : 0; }

std::string ShortBandName(char band) { return oBaender ? oBaender->BandNameOf(band, true) : ""; }

}  // namespace

TEingContestStdForm::TEingContestStdForm(bool existing, bool review, TContestCode code,
                                         TdbContest& listTable, TdbContest& configTable,
                                         TContestRec& def, QWidget* parent)
    : QDialog(parent),
      existing_(existing),
      review_(review),
      code_(code),
      list_(listTable),
      config_(configTable),
      def_(def) {
  setObjectName(QStringLiteral("EingContestStd"));
  BuildWindow();
  if (code_ == 'A') leDOK->setText(QStringLiteral("LDK"));
  FormCreate();
}

// ---------------------------------------------------------------------------------------
// The window

void TEingContestStdForm::BuildWindow() {
  auto edit = [this](const char* name, int maxLength, bool upper = false) {
    auto* e = new TkvEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0) e->setMaxLength(maxLength);
    e->SetUpperCase(upper);
    // Editing a field marked by a failed check takes the mark away.
    connect(e, &QLineEdit::textChanged, e, [e] { RestoreColour(e); });
    return e;
  };
  auto label = [this](const char* name, const char* text) {
    auto* l = new QLabel(Q(text), this);
    if (*name) l->setObjectName(QString::fromLatin1(name));
    return l;
  };
  auto check = [this](const char* name, const char* text) {
    auto* c = new QCheckBox(Q(text), this);
    c->setObjectName(QString::fromLatin1(name));
    return c;
  };
  auto radio = [this](const char* name, const char* text) {
    auto* r = new QRadioButton(Q(text), this);
    r->setObjectName(QString::fromLatin1(name));
    return r;
  };
  auto button = [this](const char* name, const char* text) {
    auto* b = new QPushButton(Q(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  auto group = [this](const char* name, const char* caption) {
    auto* g = new QGroupBox(Q(caption), this);
    g->setObjectName(QString::fromLatin1(name));
    return g;
  };

  // Angaben zum Contest
  QGroupBox* gContest = group("groupContest", "Angaben zum Contest");
  eName = edit("eName", 25);
  eDatumvon = edit("eDatumvon", 10);
  eDatumbis = edit("eDatumbis", 10);
  eZeitvon = edit("eZeitvon", 5);
  eZeitbis = edit("eZeitbis", 5);
  for (TkvEdit* e : {eDatumvon, eDatumbis}) {
    e->SetDataType(TkvDataType::Date);
    e->SetPictureMask("DD.MM.YYYY");
  }
  for (TkvEdit* e : {eZeitvon, eZeitbis}) {
    e->SetDataType(TkvDataType::Time);
    e->SetPictureMask("HH:MM");
  }
  btnregeln = button("btnregeln", "Regeln");
  auto* lc = new QGridLayout(gContest);
  lc->addWidget(label("", "Name"), 0, 0);
  lc->addWidget(eName, 0, 1, 1, 3);
  lc->addWidget(label("", "Datum von"), 1, 0);
  lc->addWidget(eDatumvon, 1, 1);
  lc->addWidget(label("", "bis"), 1, 2);
  lc->addWidget(eDatumbis, 1, 3);
  lc->addWidget(label("", "Zeit von"), 2, 0);
  lc->addWidget(eZeitvon, 2, 1);
  lc->addWidget(label("", "bis"), 2, 2);
  lc->addWidget(eZeitbis, 2, 3);
  lc->addWidget(btnregeln, 3, 3);

  // Contest- Teilnehmer
  QGroupBox* gTeilnehmer = group("groupTeilnehmer", "Contest- Teilnehmer");
  eCall = edit("eCall", 12, true);
  eDOK = edit("eDOK", 0, true);
  eSWL = edit("eSWL", 14);
  ecname = edit("ecname", 0);
  eStrasse = edit("eStrasse", 0);
  ePLZ = edit("ePLZ", 5);
  eOrt = edit("eOrt", 0);
  eLand = edit("eLand", 0);
  eEMail = edit("eEMail", 0, true);
  eLoc = edit("eLoc", 6, true);
  leDOK = label("leDOK", "DOK");
  auto* lt = new QGridLayout(gTeilnehmer);
  int row = 0;
  auto line = [&](QWidget* caption, QWidget* field) {
    lt->addWidget(caption, row, 0);
    lt->addWidget(field, row++, 1, 1, 3);
  };
  line(label("", "Rufzeichen"), eCall);
  line(leDOK, eDOK);
  line(label("", "SWL-Nr."), eSWL);
  line(label("", "Name"), ecname);
  line(label("", "Straße"), eStrasse);
  lt->addWidget(label("", "PLZ / Ort"), row, 0);
  lt->addWidget(ePLZ, row, 1);
  lt->addWidget(eOrt, row++, 2, 1, 2);
  line(label("", "Land"), eLand);
  line(label("", "E-Mail"), eEMail);
  line(label("", "Locator"), eLoc);

  // Teilnahme
  eteilnahmeart = group("eteilnahmeart", "Teilnahmeart   ");
  new QGridLayout(eteilnahmeart);
  categories = new QButtonGroup(this);
  connect(categories, &QButtonGroup::idClicked, this, [this] { eteilnahmeartClick(); });

  // Mode
  QGroupBox* gMode = group("groupMode", "Mode");
  rcw = radio("rcw", "CW");
  rssb = radio("rssb", "SSB");
  rFM = radio("rFM", "FM");
  rPR = radio("rPR", "PR");
  auto* lm = new QVBoxLayout(gMode);
  lm->addWidget(label("", "Start mit:"));
  for (QRadioButton* r : {rcw, rssb, rFM, rPR}) lm->addWidget(r);
  rcw->setChecked(true);

  // Programm- Einstellungen
  QGroupBox* gProgramm = group("groupProgramm", "Programm- Einstellungen");
  edatumauto = check("edatumauto", "Datum automatisch setzen");
  ezeitauto = check("ezeitauto", "Zeit automatisch setzen");
  eaktrsts = check("eaktrsts", "RST sent mit 59(9) fest vorgeben");
  eaktrstr = check("eaktrstr", "RST rcvd mit 59(9) fest vorgeben");
  eQSLw = edit("eQSLw", 1, true);
  eqslr = edit("eqslr", 1, true);
  eBandauto = check("eBandauto", "Band automatisch entsprechend der Zeit setzen");
  crstsnichtsperren = check("crstsnichtsperren", "RSTs nicht sperren");
  cdoppelqso = check("cdoppelqso", "nicht gewertete Doppel-QSO in Log eintragen");
  cdoppelqso->setVisible(false);
  cPrefixmenue =
      check("cPrefixmenue", "Menüabfrage, wenn für eine Station mehrere DXCC möglich sind");
  auto* lp = new QVBoxLayout(gProgramm);
  for (QWidget* w : {static_cast<QWidget*>(edatumauto), static_cast<QWidget*>(ezeitauto),
                     static_cast<QWidget*>(eaktrsts), static_cast<QWidget*>(eaktrstr)})
    lp->addWidget(w);
  auto* qsl = new QHBoxLayout;
  qsl->addWidget(label("", "Vorgaben für QSL-Druck:"));
  qsl->addWidget(label("", "QSL s"));
  qsl->addWidget(eQSLw);
  qsl->addWidget(label("", "QSL r"));
  qsl->addWidget(eqslr);
  lp->addLayout(qsl);
  for (QWidget* w : {static_cast<QWidget*>(eBandauto), static_cast<QWidget*>(crstsnichtsperren),
                     static_cast<QWidget*>(cdoppelqso), static_cast<QWidget*>(cPrefixmenue)})
    lp->addWidget(w);
  for (TkvEdit* e : {eQSLw, eqslr}) e->installEventFilter(this);

  // Computerzeit
  groupZeit = group("groupZeit", "Computerzeit");
  rZeitOrt = radio("rZeitOrt", "Computer läuft mit Ortszeit");
  rZeitUTC = radio("rZeitUTC", "Computer läuft mit UTC-Zeit");
  auto* lz = new QVBoxLayout(groupZeit);
  lz->addWidget(rZeitOrt);
  lz->addWidget(rZeitUTC);
  for (QRadioButton* r : {rZeitOrt, rZeitUTC})
    connect(r, &QRadioButton::clicked, this, [this] { RestoreColour(groupZeit); });

  // Auswertung
  QGroupBox* gAuswertung = group("groupAuswertung", "Auswertung");
  auto* la = new QGridLayout(gAuswertung);
  la->addWidget(label("", "QSO"), 0, 1);
  lMultiHeading = label("lMultiHeading", "Multi");
  la->addWidget(lMultiHeading, 0, 2);
  la->addWidget(label("lPunkteHeading", "Punkte"), 0, 3);
  for (int i = 0; i < 7; ++i) {
    const std::string n = std::to_string(i + 1);
    bandCaption[size_t(i)] = label(("lBand" + n).c_str(), "");
    bandQso[size_t(i)] = label(("lQso" + n).c_str(), "");
    bandMulti[size_t(i)] = label(("lMulti" + n).c_str(), "");
    bandPunkte[size_t(i)] = label(("lPunkte" + n).c_str(), "");
    la->addWidget(bandCaption[size_t(i)], i + 1, 0);
    la->addWidget(bandQso[size_t(i)], i + 1, 1);
    la->addWidget(bandMulti[size_t(i)], i + 1, 2);
    la->addWidget(bandPunkte[size_t(i)], i + 1, 3);
  }
  lTotal = label("lTotal", "Total");
  lQsoTotal = label("lQsoTotal", "");
  lMultiTotal = label("lMultiTotal", "");
  lPunkteTotal = label("lPunkteTotal", "");
  lScore = label("lScore", "");
  // The totals stand one under the other, each over the width of the number columns, and
  // the score last, where "... Punkte =" leads the eye: the numbers of a great log then
  // find room in the box without widening the dialog past a small screen.
  la->addWidget(lTotal, 8, 0);
  la->addWidget(lQsoTotal, 8, 1, 1, 3);
  la->addWidget(lMultiTotal, 9, 1, 1, 3);
  la->addWidget(lPunkteTotal, 10, 1, 1, 3);
  la->addWidget(lScore, 11, 1, 1, 3);
  // The band columns have room for the figures of a great log from the start (a QSO
  // count has five, multipliers four, points six), and a figure more for the rounding of
  // the font.
  const QFontMetrics figures = gAuswertung->fontMetrics();
  for (auto [column, digits] : {std::pair{1, "000000"}, {2, "00000"}, {3, "0000000"}})
    la->setColumnMinimumWidth(column, figures.horizontalAdvance(Q(digits)));

  // The per-contest prompts, hidden until a prompt shows one.
  groupZusatz = group("groupZusatz", "");
  Label15 = label("Label15", "");
  Label16 = label("Label16", "");
  eJahre = edit("eJahre", 2, true);
  auto* lzu = new QGridLayout(groupZusatz);
  lzu->addWidget(Label15, 0, 0);
  lzu->addWidget(Label16, 1, 0);
  lzu->addWidget(eJahre, 1, 1);
  GroupFrage = group("GroupFrage", "");
  Label4 = label("Label4", "");
  eHMja = radio("eHMja", "ja");
  eHMnein = radio("eHMnein", "nein");
  auto* lf = new QHBoxLayout(GroupFrage);
  lf->addWidget(Label4);
  lf->addWidget(eHMja);
  lf->addWidget(eHMnein);
  GroupZusatz2 = group("GroupZusatz2", "Wertungsgruppe");
  rZusatz21 = radio("rZusatz21", "S: Single = Single OP");
  rZusatz22 = radio("rZusatz22", "M: Multi = Multi OP");
  rZusatz23 = radio("rZusatz23", "SWL:");
  rZusatz23->setEnabled(false);
  auto* lz2 = new QVBoxLayout(GroupZusatz2);
  for (QRadioButton* r : {rZusatz21, rZusatz22, rZusatz23}) lz2->addWidget(r);
  lz2->addWidget(label("", "SWL nutzen bitte die Excel-"));
  lz2->addWidget(label("", "datei des Ausschreibers."));
  groupzusatz3 = group("groupzusatz3", "");
  memogroupzusatz3 = new QPlainTextEdit(this);
  memogroupzusatz3->setObjectName(QStringLiteral("memogroupzusatz3"));
  connect(memogroupzusatz3, &QPlainTextEdit::textChanged, this,
          [this] { RestoreColour(memogroupzusatz3); });
  checkboxgroupzusatz3 = check("checkboxgroupzusatz3", "selbstgebauter Bausatz");
  checkboxgroupzusatz3_2 = check("checkboxgroupzusatz3_2", "individuelles Unikat");
  checkboxgroupzusatz3_2->setVisible(false);
  lgroupzusatz3 = label("lgroupzusatz3", "");
  egroupzusatz3 = edit("egroupzusatz3", 6, true);
  lgroupzusatz3->setVisible(false);
  egroupzusatz3->setVisible(false);
  auto* lz3 = new QGridLayout(groupzusatz3);
  lz3->addWidget(memogroupzusatz3, 0, 0, 1, 2);
  lz3->addWidget(checkboxgroupzusatz3, 1, 0, 1, 2);
  lz3->addWidget(checkboxgroupzusatz3_2, 2, 0, 1, 2);
  lz3->addWidget(lgroupzusatz3, 3, 0);
  lz3->addWidget(egroupzusatz3, 3, 1);
  groupboxdatum = group("groupboxdatum", "Lizenzdatum");
  edatum = edit("edatum", 10);
  edatum->SetDataType(TkvDataType::Date);
  (new QVBoxLayout(groupboxdatum))->addWidget(edatum);
  for (QGroupBox* g : {groupZusatz, GroupFrage, GroupZusatz2, groupzusatz3, groupboxdatum})
    g->setVisible(false);

  // Buttons
  btnAbbruch = button("btnAbbruch", "Abbrechen");
  btnOK = button("btnOK", "Beenden");
  btnHilfe = button("btnHilfe", "Hilfe");
  btnstart = button("btnstart", "Contest starten");
  btnDruck = button("btnDruck", "Drucken / E-Log");
  btnstart->setDefault(true);
  connect(btnAbbruch, &QPushButton::clicked, this, [this] { done(2); });
  connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(TSender::OK); });
  connect(btnstart, &QPushButton::clicked, this, [this] { btnOKClick(TSender::Start); });
  connect(btnDruck, &QPushButton::clicked, this, [this] {
    // A failed check is shown but does not keep a stored contest from its exports: they
    // read the stored records, taken up again in place of what the dialog left unstored.
    // A contest never stored has nothing to export.
    const bool stored = btnOKClick(TSender::Print);
    if (!stored && !(existing_ && list_.FindNumber(list_.GetListRec().Nummer()))) return;
    if (TEingContestStd::OutputMenu) TEingContestStd::OutputMenu(list_, config_);
  });
  connect(btnHilfe, &QPushButton::clicked, this, [] { hh_funcs::ShowHelp(); });
  connect(btnregeln, &QPushButton::clicked, this, [this] {
    if (oContestFkt) oContestFkt->ShowContestRules(code_);
  });

  // Enter and exit of the date and time fields, the call field and the QSL letters.
  for (TkvEdit* e : {eDatumvon, eDatumbis, eZeitvon, eZeitbis, eCall}) e->installEventFilter(this);
  connect(eDOK, &QLineEdit::textEdited, this, [this] {
    if (code_ != 'U') return;
    TContestListRec rec = list_.GetListRec();
    rec.SetDOK(Cut(Text(eDOK), 6));
    list_.SetListRec(rec);
    ShowDistrictAnswer();
  });

  // Laid out to fit a screen of 1024 x 768: the categories, whose number and length
  // differ most between the contests, take a row of the whole width.
  // Short fields are as wide as their longest text.
  for (TkvEdit* e : {eDatumvon, eDatumbis, eZeitvon, eZeitbis, ePLZ, eLoc})
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 12);
  for (TkvEdit* e : {eQSLw, eqslr})
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 12);
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(4);
  // The dialog keeps the size its contents need, also when a prompt shows up later.
  grid->setSizeConstraint(QLayout::SetFixedSize);
  auto* left = new QVBoxLayout;
  left->addWidget(gContest);
  left->addWidget(gTeilnehmer);
  left->addStretch();
  grid->addLayout(left, 0, 0);
  auto* middle = new QVBoxLayout;
  middle->addWidget(gProgramm);
  middle->addWidget(groupZeit);
  for (QGroupBox* g : {groupZusatz, GroupFrage, GroupZusatz2, groupzusatz3, groupboxdatum})
    middle->addWidget(g);
  middle->addStretch();
  grid->addLayout(middle, 0, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(gMode);
  right->addWidget(gAuswertung);
  right->addStretch();
  grid->addLayout(right, 0, 2);
  grid->addWidget(eteilnahmeart, 1, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {btnAbbruch, btnOK, btnHilfe, btnDruck, btnstart}) buttons->addWidget(b);
  grid->addLayout(buttons, 2, 0, 1, 3);
  for (QGroupBox* g : findChildren<QGroupBox*>()) {
    if (g->layout()) {
      g->layout()->setContentsMargins(6, 4, 6, 4);
      g->layout()->setSpacing(3);
    }
  }
}

bool TEingContestStdForm::IsLdk() const { return def_.MultiplierKinds.test(kKindLdk); }
bool TEingContestStdForm::IsArea() const { return def_.MultiplierKinds.test(kKindArea); }

// ---------------------------------------------------------------------------------------
// Creation

void TEingContestStdForm::FormCreate() {
  TContestListRec rec;
  ToSetupEigeneStation station = Setups().GetEigeneStation();
  if (!existing_) {
    list_.ClearRecords();
    config_.ClearRecords();
    rec.SetCreationLocator(station.Locator());
    rec.SetOwnCall(Cut(Setups().GetOwnCall(false), 12));
    rec.SetOneOperator(kTrue);
    rec.SetPointsPerKm(1);
    rec.SetTyp(code_);
    rec.SetDateAuto(kTrue);
    rec.SetTimeAuto(kTrue);
    rec.SetConstant('D');
    rec.SetStartValue(kTrue);
    rec.SetRstSentNotFixed(0);
    rec.SetRstRcvdNotFixed(0);
    rec.SetEntryLock(0);
  } else {
    rec = list_.GetListRec();
    // The boxes of the configuration record show what is stored, so that a store keeps it.
    if (config_.FindNumber(rec.Nummer())) {
      const TContestConfigRec cfg = config_.GetConfigRec();
      crstsnichtsperren->setChecked(cfg.RstNotLocked() != 0);
      cdoppelqso->setChecked(cfg.LogUncountedDupes() != 0);
    }
  }

  // Dates and times the contest has not yet got come from its rules.
  if (rec.DatumVon() == 0) rec.SetDatumVon(ToDates::DateStringToDate(def_.DateFrom, kDateFormat));
  if (rec.DatumBis() == 0) rec.SetDatumBis(ToDates::DateStringToDate(def_.DateTo, kDateFormat));
  if (rec.ZeitVon() == 0) rec.SetZeitVon(ToDates::TimeStringToTime(def_.TimeFrom, "hh:mm:ss"));
  if (rec.ZeitBis() == 0) rec.SetZeitBis(ToDates::TimeStringToTime(def_.TimeTo, "hh:mm:ss"));
  list_.SetListRec(rec);

  eName->SetValueStr(rec.Name());
  eCall->SetValueStr(rec.OwnCall());
  eCall->setEnabled(true);
  eCall->setReadOnly(false);

  if (existing_) (UtcOffsetHours != 0 ? rZeitOrt : rZeitUTC)->setChecked(true);

  if (IsArea()) leDOK->setText(QStringLiteral("Area"));
  if (IsLdk()) leDOK->setText(QStringLiteral("LDK"));
  eDOK->SetValueStr(code_ == 'A' || IsLdk() ? rec.LDK() : WithoutBlanks(rec.DOK()));

  eSWL->SetValueStr(station.SwlNumber());
  auto showDate = [](TkvEdit* e, int32_t v) {
    e->SetValueStr(v > 0 ? ToDates::DateToDateString(v, kDateFormat) : std::string());
  };
  auto showTime = [](TkvEdit* e, int32_t v) {
    e->SetValueStr(v > 0 ? ToDates::TimeToTimeString(v, kTimeFormat) : std::string());
  };
  showDate(eDatumvon, rec.DatumVon());
  showDate(eDatumbis, rec.DatumBis());
  showTime(eZeitvon, rec.ZeitVon());
  showTime(eZeitbis, rec.ZeitBis());

  ezeitauto->setChecked(rec.TimeAuto() != 0);
  edatumauto->setChecked(rec.DateAuto() != 0);
  eBandauto->setChecked(def_.AutoBandOffered && rec.BandAuto() != 0);
  eaktrstr->setChecked(rec.RstRcvdNotFixed() == 0);
  eaktrsts->setChecked(rec.RstSentNotFixed() == 0);
  cPrefixmenue->setChecked(rec.DxccMenu() != 0);
  auto letter = [](char c) { return c > ' ' ? std::string(1, c) : std::string(); };
  eQSLw->SetValueStr(letter(rec.QslSentDefault()));
  eqslr->SetValueStr(letter(rec.QslRcvdDefault()));

  // The categories; a stored one cannot be changed any more.
  filling_ = true;
  std::vector<const TContestClass*> names;
  classNumbers_.clear();
  for (size_t k = 1; k <= TArray1<TContestClass, 20>::kSize; ++k) {
    if (def_.Classes[k].Description.empty()) continue;
    names.push_back(&def_.Classes[k]);
    classNumbers_.push_back(int(k));
  }
  auto* layout = static_cast<QGridLayout*>(eteilnahmeart->layout());
  const int perColumn = names.size() > 7 ? int(names.size() + 1) / 2 : 7;
  for (int i = 0; i < int(names.size()); ++i) {
    auto* r = new QRadioButton(Q(names[size_t(i)]->Description), eteilnahmeart);
    r->setObjectName(QStringLiteral("category%1").arg(i + 1));
    categories->addButton(r, i);
    // At their own width: a radio button reacts to clicks on its text only.
    layout->addWidget(r, i % perColumn, i / perColumn, Qt::AlignLeft);
  }
  if (rec.Category() > 0) {
    if (QAbstractButton* b = categories->button(rec.Category() - 1)) b->setChecked(true);
    eteilnahmeart->setEnabled(false);
  }
  filling_ = false;

  if (rec.EntryLock() != 0) {
    for (QWidget* w : {edatumauto, ezeitauto, eBandauto}) w->setEnabled(false);
    for (QWidget* w : {eaktrsts, eaktrstr}) w->setEnabled(true);
  }
  if (rec.StartSSB()) rssb->setChecked(true);
  if (rec.StartFM()) rFM->setChecked(true);
  if (rec.StartPR()) rPR->setChecked(true);
  // A stored class allows only its modes, in review as on the category road.
  if (rec.Category() > 0) EnableClassModes();

  ShowTotals();

  ecname->SetValueStr(station.Name());
  const std::string plzOrt = station.PostcodeTown();
  const size_t blank = plzOrt.find(' ');
  ePLZ->SetValueStr(blank == std::string::npos ? plzOrt : plzOrt.substr(0, blank));
  eOrt->SetValueStr(blank == std::string::npos ? std::string() : plzOrt.substr(blank + 1));
  eStrasse->SetValueStr(station.Street());
  eLand->SetValueStr(station.Country());
  eEMail->SetValueStr(station.Email());
  eLoc->SetValueStr(station.Locator());
  eDOK->SetValueStr(code_ == '4' || code_ == 'A' || IsLdk() ? station.ShortDOK()
                                                            : WithoutBlanks(station.DOK()));

  ShowPrompt();

  const QString name = QLatin1Char('"') + Q(rec.Name()) + QLatin1Char('"');
  if (review_) {
    setWindowTitle(name);
    btnOK->setDefault(true);
    btnOK->setFocus();
    btnstart->setVisible(false);
    btnAbbruch->setVisible(false);
  } else {
    setWindowTitle(name + QStringLiteral("  Contest-Konfiguration"));
  }
  eBandauto->setVisible(def_.AutoBandOffered);
}

void TEingContestStdForm::ShowTotals() {
  const TConfigTotals t =
      ComputeConfigTotals(def_, code_, list_.GetListRec(), config_.GetConfigRec(), &ShortBandName);
  for (size_t i = 0; i < 7; ++i) {
    const TConfigBandRow& r = t.Rows[i];
    bandCaption[i]->setText(Q(r.Caption));
    bandQso[i]->setText(QString::number(r.Qsos));
    bandMulti[i]->setText(QString::number(r.Multis));
    bandPunkte[i]->setText(QString::number(r.Points));
    bandCaption[i]->setVisible(r.Visible);
    bandQso[i]->setVisible(r.Visible);
    bandPunkte[i]->setVisible(r.Visible);
    bandMulti[i]->setVisible(r.MultiVisible && !t.MultiHidden);
  }
  lMultiHeading->setVisible(def_.MultiplierBandMode == 0 || def_.MultiplierBandMode == 2);
  if (!t.FirstMultiCell.empty()) bandMulti[0]->setText(Q(t.FirstMultiCell));
  lQsoTotal->setText(Q(t.QsoText));
  lMultiTotal->setText(Q(t.MultiText));
  lMultiTotal->setVisible(!t.MultiHidden);
  lPunkteTotal->setText(Q(t.PointsText));
  lPunkteTotal->setVisible(!t.PointsHidden);
  lScore->setText(Q(t.ScoreText));
  lScore->setVisible(!t.ScoreHidden);
}

// ---------------------------------------------------------------------------------------
// The per-contest prompts

void TEingContestStdForm::ShowPrompt() {
  using participant::TPromptKind;
  const participant::TPrompt& p = participant::PromptOf(code_);
  const TContestListRec rec = list_.GetListRec();
  switch (p.Kind) {
    case TPromptKind::None: break;
    case TPromptKind::Number:
    case TPromptKind::Text:
      groupZusatz->setVisible(true);
      Label15->setText(Q(p.Label15));
      Label16->setText(Q(p.Label16));
      if (p.MaxLength > 0) eJahre->setMaxLength(p.MaxLength);
      eJahre->SetPictureMask(std::string());
      eJahre->SetValueStr(p.Kind == TPromptKind::Text
                              ? rec.ExtraText()
                              : participant::NumberText(p, rec.ExtraNumber()));
      if (code_ == 'P') rPR->setText(QStringLiteral("DIGI"));
      break;
    case TPromptKind::Date:
      groupboxdatum->setVisible(true);
      if (rec.ExtraNumber() > 0)
        edatum->SetValueStr(ToDates::DateToDateString(rec.ExtraNumber(), kDateFormat));
      break;
    case TPromptKind::Class:
      GroupZusatz2->setVisible(true);
      if (rec.ExtraNumber() == 0) rZusatz21->setChecked(true);
      if (rec.ExtraNumber() == 1) rZusatz22->setChecked(true);
      if (rec.ExtraNumber() == 2) rZusatz23->setChecked(true);
      break;
    case TPromptKind::Question:
      GroupFrage->setVisible(true);
      GroupFrage->setTitle(Q(p.Label15));
      Label4->setText(Q(p.Label16));
      groupZusatz->setVisible(false);
      ShowDistrictAnswer();
      break;
    case TPromptKind::Station: {
      groupzusatz3->setVisible(true);
      groupzusatz3->setTitle(Q(p.Label15));
      std::string text;
      if (stationfile::Load(stationfile::FileName(stationfile::PrefixOf(code_), rec.Nummer()),
                            text))
        memogroupzusatz3->setPlainText(Q(text));
      if (code_ == 'b') {
        checkboxgroupzusatz3->setChecked(rec.ExtraNumber() == 2);
        checkboxgroupzusatz3_2->setVisible(true);
        checkboxgroupzusatz3_2->setChecked(rec.ExtraNumber() == 3);
      } else {
        checkboxgroupzusatz3->setVisible(false);
      }
      if (code_ == 'j') {
        for (QCheckBox* c : {eaktrsts, eaktrstr}) {
          c->setChecked(false);
          c->setVisible(false);
        }
        crstsnichtsperren->setChecked(true);
        crstsnichtsperren->setVisible(false);
      }
      if (code_ == 'v') {
        lgroupzusatz3->setText(Q(p.Label16));
        lgroupzusatz3->setVisible(true);
        egroupzusatz3->setVisible(true);
        egroupzusatz3->SetValueStr(rec.ExtraText());
      }
      break;
    }
  }
}

// The answer of the district / membership question. For 'U' a DOK of district U (or one
// of the stations counted with it) presets "ja".
void TEingContestStdForm::ShowDistrictAnswer() {
  TContestListRec rec = list_.GetListRec();
  if (code_ == 'U' && participant::IsDistrictU(rec.DOK())) {
    rec.SetMemberAnswer(kTrue);
    list_.SetListRec(rec);
  }
  (rec.MemberAnswer() > 0 ? eHMja : eHMnein)->setChecked(true);
}

bool TEingContestStdForm::CheckPrompt(TContestListRec& rec, bool checks) {
  using participant::TPromptKind;
  const participant::TPrompt& p = participant::PromptOf(code_);
  auto warn = [&](QWidget* control) {
    if (!checks) return true;
    ToMessages::ShowWarning("", p.Warning);
    if (!p.Stops) return true;
    MarkPink(control);
    control->setFocus();
    return false;
  };
  switch (p.Kind) {
    case TPromptKind::None: return true;
    case TPromptKind::Number: {
      int32_t value = rec.ExtraNumber();
      const bool given = participant::ReadNumber(p, Text(eJahre), value);
      rec.SetExtraNumber(value);
      return given || warn(eJahre);
    }
    case TPromptKind::Text:
      rec.SetExtraText(Cut(Text(eJahre), 6));
      if (code_ == 'i' && Trimmed(eJahre).empty() && rec.Category() != 6) return warn(eJahre);
      return true;
    case TPromptKind::Date:
      rec.SetExtraNumber(ToDates::DateStringToDate(Trimmed(edatum), kDateFormat));
      return true;
    case TPromptKind::Class:
      rec.SetExtraNumber(rZusatz22->isChecked() ? 1 : rZusatz23->isChecked() ? 2 : 0);
      return true;
    case TPromptKind::Question: rec.SetMemberAnswer(Flag(eHMja->isChecked())); return true;
    case TPromptKind::Station:
      if (code_ == 'b')
        rec.SetExtraNumber(checkboxgroupzusatz3_2->isChecked() ? 3
                           : checkboxgroupzusatz3->isChecked() ? 2
                                                               : 0);
      if (code_ == 'v') rec.SetExtraText(Cut(Text(egroupzusatz3), 6));
      if (ExactPlainText(memogroupzusatz3).isEmpty()) return warn(memogroupzusatz3);
      return true;
  }
  return true;
}

// ---------------------------------------------------------------------------------------
// Storing

void TEingContestStdForm::Fail(QWidget* control, const char* text) {
  MarkPink(control);
  ToMessages::ShowWarning("", text);
  if (control->focusPolicy() != Qt::NoFocus) return control->setFocus();
  // A group takes the focus on its first control that can hold it.
  for (QWidget* child : control->findChildren<QWidget*>())
    if (child->focusPolicy() != Qt::NoFocus && child->isEnabled() && child->isVisible())
      return child->setFocus();
}

bool TEingContestStdForm::btnOKClick(TSender sender) {
  const bool checks = sender != TSender::None;
  // Everything is gathered into copies first: a check that fails leaves the records and
  // the settings as they were.
  TContestListRec rec = list_.GetListRec();
  ToSetupEigeneStation station = Setups().GetEigeneStation();

  if (checks) {
    if (Trimmed(eName).empty())
      return Fail(eName, "Eingabe eines Contest-Namens notwendig."), false;
    if (Trimmed(ePLZ).empty())
      return Fail(ePLZ, "Angabe der Postleitzahl und des Ortes notwendig."), false;
    if (Trimmed(eEMail).empty() && def_.OutputMenuItems.test(kMenuCabrillo))
      return Fail(eEMail, "Angabe der EMail-Adresse notwendig."), false;
    if (Trimmed(eLoc).empty() &&
        (def_.MultiplierKinds.test(kKindLocator) || def_.MultiplierKinds.test(kKindOwnLocator)))
      return Fail(eLoc, "Angabe des Standortlocators notwendig."), false;
  }
  rec.SetName(Text(eName));
  rec.SetOwnCall(Cut(Trimmed(eCall), 12));
  const std::string ownCall = Cut(Trimmed(eCall), 17);
  const bool shortDok = code_ == 'A' || IsLdk();
  if (!shortDok)
    rec.SetDOK(WithoutBlanks(Text(eDOK)));
  else
    rec.SetLDK(Text(eDOK));
  if (checks) {
    const bool dokKind =
        def_.MultiplierKinds.test(kKindDok) || def_.MultiplierKinds.test(kKindDokDistrict);
    if (!shortDok && !IsArea() && !review_ && dokKind && ToStrings::Trim(rec.DOK()).empty() &&
        !ToMessages::AskYesNo("", "", "Kein DOK angegeben. Trotzdem weiter?", false)) {
      MarkPink(eDOK);
      eDOK->setFocus();
      return false;
    }
    if (shortDok && ToStrings::Trim(rec.LDK()).empty() &&
        !ToMessages::AskYesNo("", "", "Kein LDK angegeben. Trotzdem weiter?", false)) {
      MarkPink(eDOK);
      eDOK->setFocus();
      return false;
    }
    if (Trimmed(eCall).empty() && Trimmed(eSWL).empty())
      return Fail(eCall, "Eingabe des Rufzeichens notwendig."), false;
  }

  station.SetLocator(Trimmed(eLoc));
  station.SetLocatorCopy(Trimmed(eLoc));
  station.SetSwlNumber(Text(eSWL));
  station.SetName(Text(ecname));
  const std::string plzOrt = Cut(Trimmed(ePLZ) + " " + Trimmed(eOrt), 50);
  station.SetPostcodeTown(plzOrt);
  station.SetStreet(Text(eStrasse));
  station.SetCountry(Text(eLand));
  if (code_ == '4' || shortDok)
    station.SetShortDOK(Cut(Text(eDOK), 3));
  else
    station.SetDOK(WithoutBlanks(Text(eDOK)));
  station.SetEmail(Text(eEMail));
  rec.SetPLZ(Cut(plzOrt.substr(0, plzOrt.find(' ')), 5));
  if (sender == TSender::Print &&
      (Trimmed(ecname).empty() || Trimmed(eStrasse).empty() || ToStrings::Trim(plzOrt).empty()))
    ToMessages::ShowWarning("", "Die Adress-Angaben sind nicht vollständig.");

  for (TkvEdit* e : {eDatumvon, eDatumbis}) e->CompleteDate();
  for (TkvEdit* e : {eZeitvon, eZeitbis}) e->CompleteTime();
  rec.SetDatumVon(ToDates::DateStringToDate(Trimmed(eDatumvon), kDateFormat));
  rec.SetDatumBis(ToDates::DateStringToDate(Trimmed(eDatumbis), kDateFormat));
  rec.SetZeitVon(ToDates::TimeStringToTime(Trimmed(eZeitvon), kTimeFormat));
  rec.SetZeitBis(ToDates::TimeStringToTime(Trimmed(eZeitbis), kTimeFormat));
  if (checks) {
    if (rec.DatumVon() < 1)
      return Fail(eDatumvon, "Eingabe eines Contest-Datums notwendig."), false;
    if (rec.DatumBis() < 1)
      return Fail(eDatumbis, "Eingabe eines Contest-Datums notwendig."), false;
    if (rZeitOrt->isEnabled() && rZeitUTC->isEnabled() && !rZeitOrt->isChecked() &&
        !rZeitUTC->isChecked())
      return Fail(groupZeit, "Es wurde nicht bestimmt, ob der Computer mit Ortszeit läuft."), false;
  }

  rec.SetConstant('D');
  rec.SetTimeAuto(Flag(ezeitauto->isChecked()));
  rec.SetDateAuto(Flag(edatumauto->isChecked()));
  rec.SetBandAuto(Flag(eBandauto->isChecked()));
  rec.SetRstSentNotFixed(Flag(!eaktrsts->isChecked()));
  rec.SetRstRcvdNotFixed(Flag(!eaktrstr->isChecked()));
  rec.SetDxccMenu(Flag(cPrefixmenue->isChecked()));
  auto letter = [](const TkvEdit* e) {
    const std::string s = Text(e);
    return s.empty() ? '\0' : s[0];
  };
  rec.SetQslSentDefault(letter(eQSLw));
  rec.SetQslRcvdDefault(letter(eqslr));

  const int category = categories->checkedId();
  if (checks && category < 0 && eteilnahmeart->isEnabled())
    return Fail(eteilnahmeart, "Sie haben keine Teilnahmeart angegeben."), false;
  if (category >= 0) rec.SetCategory(uint8_t(category + 1));
  const int32_t utcOffset = rZeitUTC->isChecked() ? 0 : def_.ClockUtcShiftHours;
  rec.SetStartSSB(Flag(rssb->isChecked()));
  rec.SetStartFM(Flag(rFM->isChecked()));
  rec.SetStartPR(Flag(rPR->isChecked()));

  if (!CheckPrompt(rec, checks)) return false;
  if (sender == TSender::Start && code_ == 'p' && rec.Category() != 0 && rec.Category() != 4 &&
      ToStrings::Trim(rec.ExtraText()).empty() &&
      !ToMessages::AskYesNo("Contest", "",
                            "Sie haben keine DSW- bzw. Paddel-Nummer eingegeben. Trotzdem "
                            "fortsetzen?",
                            true)) {
    eJahre->setFocus();
    return false;
  }

  // Every check passed: now the settings and the records.
  Setups().SetOwnCall(ownCall);
  Setups().SetEigeneStation(station);
  UtcOffsetHours = utcOffset;
  list_.SetListRec(rec);
  if (!WriteRecords()) return false;

  if (sender == TSender::Start) done(1);
  if (sender == TSender::OK) done(2);
  const std::string prefix = stationfile::PrefixOf(code_);
  if (!prefix.empty())
    stationfile::Save(stationfile::FileName(prefix, list_.GetListRec().Nummer()),
                      S(ExactPlainText(memogroupzusatz3)));
  Reload();
  return true;
}

bool TEingContestStdForm::WriteRecords() {
  const char* const kListFailed = "Fehler bei Dateneingabe. Datensatz evtl. schon vorhanden.";
  const char* const kConfigFailed = "Fehler beim Speichern der Contest-Konfiguration.";
  auto withFlags = [this](TContestConfigRec cfg) {
    cfg.SetRstNotLocked(Flag(crstsnichtsperren->isChecked()));
    cfg.SetLogUncountedDupes(Flag(cdoppelqso->isChecked()));
    return cfg;
  };
  if (existing_) {
    if (!list_.Modify()) {
      ToMessages::ShowError(kListFailed);
      return false;
    }
    const int32_t nummer = list_.GetListRec().Nummer();
    bool ok;
    if (config_.FindNumber(nummer)) {
      config_.SetConfigRec(withFlags(config_.GetConfigRec()));
      ok = config_.Modify();
    } else {
      // A contest whose configuration record went missing gets a new one.
      TContestConfigRec cfg;
      cfg.SetNummer(nummer);
      config_.SetConfigRec(withFlags(cfg));
      ok = config_.Add();
    }
    if (!ok) ToMessages::ShowError(kConfigFailed);
    return ok;
  }
  // A new contest: both records or neither, so that a half-made contest never remains
  // and a refused name never touches the record of another contest.
  TWriteGroup group;
  if (!list_.Add()) {
    group.Rollback();
    ToMessages::ShowError(kListFailed);
    return false;
  }
  TContestConfigRec cfg;
  cfg.SetNummer(list_.GetListRec().Nummer());
  config_.SetConfigRec(withFlags(cfg));
  if (!config_.Add() || !group.Commit()) {
    ToMessages::ShowError(kConfigFailed);
    return false;
  }
  existing_ = true;
  return true;
}

void TEingContestStdForm::Reload() {
  if (oContestFkt)
    oContestFkt->LoadContestDefinition(def_, list_, list_.GetListRec().Typ(), existing_);
  else
    LoadContestDefinition(def_, list_, list_.GetListRec().Typ(), existing_);
  ShowTotals();
}

// ---------------------------------------------------------------------------------------
// Category, keys, enter and exit

void TEingContestStdForm::eteilnahmeartClick() {
  if (!filling_) btnOKClick(TSender::None);
  RestoreColour(eteilnahmeart);
  Reload();
  if (code_ == 'W' && def_.SWLLog)
    ToMessages::ShowNotice("WAG-Contest", "SWL-Mode",
                           "Bei diesem Contest können SWL-QSOs geloggt werden. Die "
                           "Multiplikator-Berechnung erfolgt jedoch nicht mit dem Programm, "
                           "sondern durch die Auswertesoftware des Veranstalters.",
                           false);
  EnableClassModes();
  ShowCategoryPeriod();
}

void TEingContestStdForm::EnableClassModes() {
  for (QRadioButton* r : {rcw, rssb, rFM, rPR}) r->setEnabled(false);
  for (const std::string& mode : def_.Modes) {
    if (mode == "CW") rcw->setEnabled(true);
    if (mode == "SSB") rssb->setEnabled(true);
    if (mode == "FM") rFM->setEnabled(true);
    if (mode == "PR") rPR->setEnabled(true);
    if (mode == "DIGITAL" || mode == "FSK441" || mode == "RTTY") {
      rPR->setEnabled(true);
      rPR->setText(mode == "DIGITAL" ? QStringLiteral("DIGI") : Q(mode));
    }
  }
  QRadioButton* firstEnabled = nullptr;
  bool enabledChecked = false;
  for (QRadioButton* r : {rcw, rssb, rFM, rPR}) {
    if (r->isEnabled()) {
      if (!firstEnabled) firstEnabled = r;
      enabledChecked = enabledChecked || r->isChecked();
      continue;
    }
    // An exclusive group cannot uncheck its checked button directly.
    const bool exclusive = r->autoExclusive();
    r->setAutoExclusive(false);
    r->setChecked(false);
    r->setAutoExclusive(exclusive);
  }
  if (!enabledChecked && firstEnabled) firstEnabled->setChecked(true);
}

// A category tied to a contest period brings the period's dates and times, except into
// the fields the user typed by hand.
void TEingContestStdForm::ShowCategoryPeriod() {
  const int item = categories->checkedId();
  if (item < 0 || item >= int(classNumbers_.size())) return;
  const uint8_t group = def_.Classes[size_t(classNumbers_[size_t(item)])].Group;
  if (group < 1 || group > TArray1<TContestPeriod, 10>::kSize) return;
  const TContestPeriod& period = def_.Periods[group];
  if (period.Date.empty()) return;
  const uint8_t edited = list_.GetListRec().EditedBits();
  auto time = [](const std::string& text) {
    return ToDates::TimeToTimeString(ToDates::TimeStringToTime(text, "hh:mm:ss"), kTimeFormat);
  };
  if (!(edited & 1)) eDatumvon->SetValueStr(period.Date);
  if (!(edited & 2)) eDatumbis->SetValueStr(period.DateTo.empty() ? period.Date : period.DateTo);
  if (!(edited & 4)) eZeitvon->SetValueStr(time(period.TimeFrom));
  if (!(edited & 8)) eZeitbis->SetValueStr(time(period.TimeTo));
}

void TEingContestStdForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return QDialog::keyPressEvent(event);
  event->accept();
  if (ToMessages::AskYesNo("", "", "Änderungen übernehmen?", true))
    btnOK->click();
  else
    done(2);
}

bool TEingContestStdForm::eventFilter(QObject* watched, QEvent* event) {
  const std::array<TkvEdit*, 4> dates = {eDatumvon, eDatumbis, eZeitvon, eZeitbis};
  for (int i = 0; i < 4; ++i) {
    if (watched != dates[size_t(i)]) continue;
    if (event->type() == QEvent::FocusIn) DateEntered(i);
    if (event->type() == QEvent::FocusOut) DateLeft(i);
  }
  if (watched == eCall && event->type() == QEvent::FocusOut) LookUpMemberNumber();
  if ((watched == eQSLw || watched == eqslr) && event->type() == QEvent::MouseButtonRelease)
    static_cast<TkvEdit*>(watched)->selectAll();
  return QDialog::eventFilter(watched, event);
}

void TEingContestStdForm::DateEntered(int which) {
  const std::array<TkvEdit*, 4> dates = {eDatumvon, eDatumbis, eZeitvon, eZeitbis};
  remembered_[size_t(which)] = Text(dates[size_t(which)]);
}

void TEingContestStdForm::DateLeft(int which) {
  const std::array<TkvEdit*, 4> dates = {eDatumvon, eDatumbis, eZeitvon, eZeitbis};
  TkvEdit* e = dates[size_t(which)];
  if (which < 2)
    e->CompleteDate();
  else
    e->CompleteTime();
  if (Text(e) == remembered_[size_t(which)]) return;
  TContestListRec rec = list_.GetListRec();
  rec.SetEditedBits(uint8_t(rec.EditedBits() | (1 << which)));
  list_.SetListRec(rec);
}

// The membership number of a new contest comes from the call book when the call has one.
void TEingContestStdForm::LookUpMemberNumber() {
  if (code_ != '7' && code_ != 'f' && code_ != 'w') return;
  if (list_.GetListRec().ExtraNumber() != 0) return;
  std::string number = "0";
  TdbCall book(TdbCallBase::kCallBook);
  if (book.IsOpen() && book.FindCall(Trimmed(eCall))) {
    const std::string found = ToStrings::Trim(code_ == '7' ? book.GetDIG() : book.GetAGCW());
    if (!found.empty() && found != "NM") number = found;
  }
  if (Trimmed(eJahre) == "0") eJahre->SetValueStr(number);
}
