// The contest log window as designed: its panels, fields, labels, buttons and timers
// before the layout arranges them for a contest, and the wiring of their events.

#include "log/contlogstd.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/kvpanel.h"
#include "log/contlogalle.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, int left, int top,
                  int tag = 0) {
  auto* l = new QLabel(Q(text), parent);
  l->setObjectName(QString::fromLatin1(name));
  l->move(left, top);
  l->adjustSize();
  if (tag) l->setProperty("Tag", tag);
  return l;
}

TkvEdit* MakeEdit(QWidget* parent, const char* name, int maxLength, int width, bool upper = true) {
  auto* e = new TkvEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaxLength(maxLength);
  e->resize(width, 21);
  e->SetUpperCase(upper);
  return e;
}

TkvBitBtn* MakeButton(QWidget* parent, const char* name, const char* caption, int width = 100) {
  auto* b = new TkvBitBtn(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->SetCaption(caption);
  b->setFocusPolicy(Qt::NoFocus);
  b->resize(width, 25);
  return b;
}

TkvPanel* MakePanel(QWidget* parent, const char* name, int left, int top, int width, int height) {
  auto* p = new TkvPanel(parent);
  p->setObjectName(QString::fromLatin1(name));
  p->setGeometry(left, top, width, height);
  return p;
}

}  // namespace

// --- components ---------------------------------------------------------------------------

void TContestLogStd::BuildComponents() {
  resize(1006, 700);
  panelSeite = MakePanel(this, "panelSeite", 0, 0, 210, 700);
  // Behind the caption, the entry panel and the button bar.
  panelObenUntergrund = MakePanel(this, "panelObenUntergrund", 210, 0, 796, 330);
  Image2 = MakeLabel(panelSeite, "Image2", "", 10, 600);
  Image2->resize(190, 60);
  MenueBeenden = MakeLabel(panelSeite, "MenueBeenden", "    Contest beenden", 0, 10, 800);
  MenueBeenden->setFixedWidth(210);
  MenueBeenden->setAutoFillBackground(false);
  MenueBeenden->setStyleSheet(QStringLiteral("QLabel { color: white; }"));
  MenueBeenden->setCursor(Qt::PointingHandCursor);
  MenueBeenden->installEventFilter(this);
  MenueBeenden->setMouseTracking(true);
  btnadifimport = MakeButton(panelSeite, "btnadifimport", "Import von ADIF-Dateien", 190);
  btnadifimport->move(10, 34);
  lversion = MakeLabel(panelSeite, "lversion", "", 10, 670);

  panelContLog = MakePanel(this, "panelContLog", 215, 10, 630, 24);
  lContestCaption = MakeLabel(panelContLog, "lContestCaption", "Contest-Logbuch", 8, 4);
  lContestCaption->installEventFilter(this);

  panelEingabe = MakePanel(this, "panelEingabe", 215, 36, 630, 255);
  panelEingabe->SetBorder(TkvBevel::Raised);
  panelEingabe->installEventFilter(this);
  QWidget* p = panelEingabe;
  eCall = MakeEdit(p, "eCall", 14, 96);
  eCall2 = MakeEdit(p, "eCall2", 14, 96);
  const char* sentNames[4] = {"eRSTs1", "eRSTs2", "eRSTs3", "eRSTs4"};
  const char* rcvdNames[4] = {"eRSTr1", "eRSTr2", "eRSTr3", "eRSTr4"};
  for (int i = 0; i < 4; ++i) {
    eRSTs[size_t(i)] = MakeEdit(p, sentNames[i], i == 0 ? 3 : 10, i == 0 ? 32 : 48);
    eRSTr[size_t(i)] = MakeEdit(p, rcvdNames[i], i == 0 ? 3 : 21, i == 0 ? 32 : 48);
  }
  eDatum = MakeEdit(p, "eDatum", 10, 80, false);
  ezeit = MakeEdit(p, "ezeit", 8, 80, false);
  eFreq = MakeEdit(p, "eFreq", 10, 80, false);
  eName = MakeEdit(p, "eName", 25, 112, false);
  eQTH = MakeEdit(p, "eQTH", 25, 128, false);
  emode = MakeEdit(p, "emode", 6, 64);
  for (QWidget* w : {static_cast<QWidget*>(eFreq), static_cast<QWidget*>(eName),
                     static_cast<QWidget*>(eQTH), static_cast<QWidget*>(emode)})
    w->hide();
  // Tab order and tags: call first, then the sent and received exchange, second call,
  // date and time.
  int order = 0;
  for (TkvEdit* e : {eCall, eRSTs[0], eRSTs[1], eRSTs[2], eRSTs[3], eCall2, eRSTr[0], eRSTr[1],
                     eRSTr[2], eRSTr[3], eFreq, eName, eQTH, eDatum, ezeit}) {
    e->setProperty("TabOrder", order);
    e->setProperty("Tag", order);
    ++order;
  }

  leCall = MakeLabel(p, "leCall", "&Call", 0, 0, 1);
  leCall->setBuddy(eCall);
  leCall2 = MakeLabel(p, "leCall2", "Call &2", 0, 0, 1);
  leCall2->setBuddy(eCall2);
  lersts = MakeLabel(p, "lersts", "RST&s", 0, 0, 1);
  lersts->setBuddy(eRSTs[0]);
  lerstr = MakeLabel(p, "lerstr", "RST&r", 0, 0, 1);
  lerstr->setBuddy(eRSTr[0]);
  lqsopartner = MakeLabel(p, "lqsopartner", "QSO-Partner", 0, 0);
  lcallname = MakeLabel(p, "lcallname", "", 0, 0);
  leDatum = MakeLabel(p, "leDatum", "&Datum", 0, 0, 1);
  leDatum->setBuddy(eDatum);
  lezeit = MakeLabel(p, "lezeit", "&Zeit", 0, 0, 1);
  lezeit->setBuddy(ezeit);
  leFreq = MakeLabel(p, "leFreq", "&Freq.", 0, 0, 1);
  leFreq->setBuddy(eFreq);
  leName = MakeLabel(p, "leName", "&Name", 0, 0, 1);
  leName->setBuddy(eName);
  leQTH = MakeLabel(p, "leQTH", "&QTH", 0, 0, 1);
  leQTH->setBuddy(eQTH);
  for (QLabel* l : {leFreq, leName, leQTH}) l->hide();
  lCall = MakeLabel(p, "lCall", "", 0, 0, 97);
  lDatum = MakeLabel(p, "lDatum", "", 0, 0, 97);
  lZeit = MakeLabel(p, "lZeit", "", 0, 0, 97);
  lRSTs1 = MakeLabel(p, "lRSTs1", "", 0, 0, 97);
  lRSTr1 = MakeLabel(p, "lRSTr1", "", 0, 0, 97);
  lRSTs2 = MakeLabel(p, "lRSTs2", "", 0, 0, 97);
  lRSTr2 = MakeLabel(p, "lRSTr2", "", 0, 0, 97);
  lCall->hide();
  const char* captionNames[3] = {"lRST2Name", "lRST3Name", "lRST4Name"};
  for (int i = 0; i < 3; ++i) {
    lRSTName[size_t(i)] = MakeLabel(p, captionNames[i], "", 0, 0, 1);
    lRSTName[size_t(i)]->setBuddy(eRSTr[size_t(i) + 1]);
    lRSTName[size_t(i)]->hide();
  }
  leNummer = MakeLabel(p, "leNummer", "Nr.", 0, 0);
  lNummer = MakeLabel(p, "lNummer", "1", 0, 0);
  QFont big = lNummer->font();
  big.setPointSize(14);
  big.setBold(true);
  lNummer->setFont(big);
  lNummer->adjustSize();
  lenter = MakeLabel(p, "lenter", "", 0, 0);
  lebeam = MakeLabel(p, "lebeam", "Beam", 0, 0);
  lbeam = MakeLabel(p, "lbeam", "", 0, 0);
  lebeam->hide();
  leMode = MakeLabel(p, "leMode", "Mode", 0, 0);
  lMode = MakeLabel(p, "lMode", "", 0, 0);
  leBand = MakeLabel(p, "leBand", "Band", 0, 0);
  lband = MakeLabel(p, "lband", "", 0, 0);
  lQSLs = MakeLabel(p, "lQSLs", "&QSL senden: nein", 0, 0);
  lQSLs->installEventFilter(this);
  rqsls = MakeLabel(p, "rqsls", "", 0, 0);
  // The accelerator of the flag is Alt+Q of the window's keys; the buddy only underlines it.
  lQSLs->setBuddy(rqsls);
  leqso = MakeLabel(p, "leqso", "QSO", 0, 0);
  lqso = MakeLabel(p, "lqso", "0", 0, 0);
  lemulti = MakeLabel(p, "lemulti", "Multi", 0, 0);
  lmulti = MakeLabel(p, "lmulti", "0", 0, 0);
  lePunkte = MakeLabel(p, "lePunkte", "Punkte", 0, 0);
  lPunkte = MakeLabel(p, "lPunkte", "0", 0, 0);
  imgLegende = MakeLabel(p, "imgLegende", "", 0, 0);
  panelmulties = MakePanel(p, "panelmulties", 152, 85, 456, 136);
  panelmulties->SetBorder(TkvBevel::Lowered);
  Panel2 = MakePanel(p, "Panel2", 48, 85, 512, 34);
  Panel2->hide();
  listband = new QListWidget(p);
  listband->setObjectName(QStringLiteral("listband"));
  listband->resize(90, 120);
  listband->hide();
  listmode = new QListWidget(p);
  listmode->setObjectName(QStringLiteral("listmode"));
  listmode->resize(90, 120);
  listmode->hide();

  BuildButtons();
  BuildScorePanel();

  PanelUnten = MakePanel(this, "PanelUnten", 215, 330, 630, 360);
  auto* listArea = new QWidget(PanelUnten);
  listArea->setObjectName(QStringLiteral("panelListe"));
  listArea->setGeometry(0, 0, 630, 325);
  Brow = new TkvBrow(listArea);
  Brow->setObjectName(QStringLiteral("Brow"));
  btnAendern = MakeButton(PanelUnten, "btnAendern", "Ändern [ET]");
  btnLoeschen = MakeButton(PanelUnten, "btnLoeschen", "Löschen [Entf]");
  btnBandliste = MakeButton(PanelUnten, "btnBandliste", "Bandlog [F3]");
  btnbeenden2 = MakeButton(PanelUnten, "btnbeenden2", "Contest beenden", 130);
  CheckBox1 = new QWidget(PanelUnten);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setGeometry(490, 330, 10, 10);

  // The DX cluster and the radio control are present but do nothing here.
  panelcluster = MakePanel(this, "panelcluster", 0, 0, 10, 10);
  panelcluster->hide();
  BrowCluster = new TkvBrow(panelcluster);
  BrowCluster->setObjectName(QStringLiteral("BrowCluster"));
  panelclustertext = MakePanel(panelcluster, "panelclustertext", 0, 0, 10, 10);
  eclustertext = MakeEdit(panelclustertext, "eclustertext", 80, 100, false);
  eclustertext->installEventFilter(this);
  btnClustertextsenden = MakeButton(panelclustertext, "btnClustertextsenden", "Senden");
  btnDXSpot = MakeButton(panelcluster, "btnDXSpot", "DX-Spot");
  btnTX = MakeButton(panelcluster, "btnTX", "TX");
  btnStart = MakeButton(panelcluster, "btnStart", "Start");
  btnStop = MakeButton(panelcluster, "btnStop", "Stop");
  btnMonitor = MakeButton(panelcluster, "btnMonitor", "Monitor");
  btndxalarm = MakeButton(panelcluster, "btndxalarm", "DX-Alarm");
  btndxeinstellung = MakeButton(panelcluster, "btndxeinstellung", "Einstellungen");
  btnkarte = MakeButton(panelcluster, "btnkarte", "Karte");
  radiounten = new QWidget(this);
  radiounten->setObjectName(QStringLiteral("radiounten"));

  timerzeit = new QTimer(this);
  timerzeit->setObjectName(QStringLiteral("timerzeit"));
  timerzeit->setInterval(1000);
  TimerCAT = new QTimer(this);
  TimerCAT->setObjectName(QStringLiteral("TimerCAT"));
  TimerCATUeberwachung = new QTimer(this);
  TimerCATUeberwachung->setObjectName(QStringLiteral("TimerCATUeberwachung"));
  TimerCATUeberwachung->setInterval(200);
  TimerCATUeberwachung->setSingleShot(true);
  connect(TimerCATUeberwachung, &QTimer::timeout, this, [this] { TimerCAT->stop(); });
}

void TContestLogStd::BuildButtons() {
  panelButtons = MakePanel(this, "panelButtons", 215, 295, 630, 31);
  QWidget* b = panelButtons;
  btnClear = MakeButton(b, "btnClear", "Neu [ESC]", 80);
  btnSpeichern = MakeButton(b, "btnSpeichern", "Speichern [F10]");
  btnSpeichern->hide();
  btnCallsuche = MakeButton(b, "btnCallsuche", "Call [F4]", 70);
  btnListe = MakeButton(b, "btnListe", "Liste [F5]", 70);
  btnNotiz = MakeButton(b, "btnNotiz", "Notiz [F6]", 70);
  btnMode = MakeButton(b, "btnMode", "Mode [F7]", 70);
  btnBand = MakeButton(b, "btnBand", "Band [F8]", 70);
  btnNameqth = MakeButton(b, "btnNameqth", "Name [F9]", 75);
  btnKorrektur = MakeButton(b, "btnKorrektur", "Korr. [F12]", 75);
  btnauswertung = MakeButton(b, "btnauswertung", "Auswertung", 80);
  btnauswertung->hide();
  btnbeenden = MakeButton(b, "btnbeenden", "Beenden", 70);
  btnbeenden->hide();
  btnHilfe = MakeButton(b, "btnHilfe", "Hilfe", 50);
  btndefault = MakeButton(b, "btndefault", "", 1);
  btndefault->hide();
  lglobcall1 = MakeLabel(b, "lglobcall1", "", 0, 6);
  lglobcall3 = MakeLabel(b, "lglobcall3", "", 0, 6);
  lglobcall2 = MakeLabel(b, "lglobcall2", "", 0, 6);
  btncat = MakeButton(b, "btncat", "CAT", 40);
  btncat->hide();
}

void TContestLogStd::BuildScorePanel() {
  panelauswertung = MakePanel(this, "panelauswertung", 55, 66, 101, 489);
  panelauswertung->SetBorder(TkvBevel::Lowered);
  QWidget* s = panelauswertung;
  Label10 = MakeLabel(s, "Label10", "QSO", 2, 16);
  Label23 = MakeLabel(s, "Label23", "", 48, 16);
  Label11 = MakeLabel(s, "Label11", "Multi", 2, 144);
  Label24 = MakeLabel(s, "Label24", "", 48, 144);
  Label27 = MakeLabel(s, "Label27", "Punkte", 2, 272);
  Label30 = MakeLabel(s, "Label30", "", 48, 272);
  for (int i = 0; i < 7; ++i) {
    const std::string n = std::to_string(i + 1);
    const auto name = [&](const char* base) { return std::string(base) + n; };
    const size_t k = size_t(i);
    lQSO[k] = MakeLabel(s, name("lQSO").c_str(), "", 2, 32 + 16 * i);
    leQSO[k] = MakeLabel(s, name("leQSO").c_str(), "", 48, 32 + 16 * i);
    lMulti[k] = MakeLabel(s, (i == 6 ? std::string("lmulti7") : name("lMulti")).c_str(), "", 2,
                          160 + 16 * i);
    leMulti[k] = MakeLabel(s, name("leMulti").c_str(), "", 48, 160 + 16 * i);
    lPunkteN[k] = MakeLabel(s, name("lPunkte").c_str(), "", 2, 288 + 16 * i);
    lePunkteN[k] = MakeLabel(s, name("lePunkte").c_str(), "", 48, 288 + 16 * i);
  }
  // The values stand right-aligned in their column, on the band's colour.
  for (size_t i = 0; i < 7; ++i)
    for (QLabel* l : {leQSO[i], leMulti[i], lePunkteN[i]}) {
      l->setGeometry(l->x(), l->y(), 46, 15);
      l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  Label22 = MakeLabel(s, "Label22", "", 2, 408);
  Label28 = MakeLabel(s, "Label28", "", 2, 424);
  Label19 = MakeLabel(s, "Label19", "", 2, 440);
  Label20 = MakeLabel(s, "Label20", "", 2, 456);
  Label21 = MakeLabel(s, "Label21", "", 2, 470);
  for (QLabel* l : {Label22, Label28, Label19, Label20, Label21}) l->resize(97, 14);
}

// The buttons that show stand side by side from the left.
void TContestLogStd::ArrangeButtonBar() {
  int left = 3;
  for (TkvBitBtn* btn : {btnClear, btnCallsuche, btnListe, btnNotiz, btnMode, btnBand,
                         btnNameqth, btnKorrektur, btnauswertung}) {
    if (!btn->isVisibleTo(panelButtons)) continue;
    btn->move(left, 3);
    left += btn->width() + 2;
  }
}

std::vector<TkvEdit*> TContestLogStd::EntryFields() const {
  return {eCall,    eRSTs[0], eRSTs[1], eRSTs[2], eRSTs[3], eCall2, eRSTr[0], eRSTr[1],
          eRSTr[2], eRSTr[3], eFreq,    eName,    eQTH,     eDatum, ezeit};
}

void TContestLogStd::WireHandlers() {
  connect(btnClear, &QPushButton::clicked, this, [this] { btnClearClick(); });
  connect(btnBand, &QPushButton::clicked, this, [this] { btnBandClick(); });
  connect(btnMode, &QPushButton::clicked, this, [this] { btnModeClick(); });
  connect(btnListe, &QPushButton::clicked, this, [this] { btnListeClick(); });
  connect(btnNameqth, &QPushButton::clicked, this, [this] { btnNameqthClick(); });
  connect(btnNotiz, &QPushButton::clicked, this, [this] { btnNotizClick(); });
  connect(btnHilfe, &QPushButton::clicked, this, [this] { btnHilfeClick(); });
  connect(btndefault, &QPushButton::clicked, this, [this] { btndefaultClick(); });
  connect(btnadifimport, &QPushButton::clicked, this, [this] { btnadifimportClick(); });
  for (TkvBitBtn* b : {btnbeenden, btnbeenden2}) connect(b, &QPushButton::clicked, this, [this] { CloseLog(); });
  connect(listband, &QListWidget::itemDoubleClicked, this, [this] { listbandApply(); });
  connect(timerzeit, &QTimer::timeout, this, [this] { timerzeitTimer(); });
  Brow->OnSetHeaderFooter = [this] { BrowSetHeaderFooter(); };
  Brow->OnBuildRow = [this](RowRec& row) { BrowBuildRow(row); };
  Brow->OnSortList2Key = [this](int i, TKeyStr& low, TKeyStr& high) {
    return BrowSortList2Key(i, low, high);
  };
  Brow->OnDatensatz_Loeschen = [this] { return DeleteListQso(); };
  connect(btnLoeschen, &QPushButton::clicked, this, [this] { DeleteListQso(); });
  Brow->OnBrowColWidths = [this](int column) {
    // The grid counts its columns from 0, the list record from 1.
    return LogCommon ? LogCommon->GetColumnWidth(column + 1, *Brow, 0, *ListTable, false) : 0;
  };
  BrowCluster->OnBrowColWidths = [this](int column) {
    return LogCommon ? LogCommon->GetColumnWidth(column, *BrowCluster, 255, *ListTable, false)
                     : 0;
  };
  WireEditHandlers();
  for (TkvEdit* e : EntryFields()) e->installEventFilter(this);
  WireEntryRoad();
  listband->installEventFilter(this);
  listmode->installEventFilter(this);
}

