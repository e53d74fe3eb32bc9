// The contest log window as designed: its components, its life from creation to the close
// path, its keys and buttons, and the modal opening over the main window.

#include "log/contlogstd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/kvpanel.h"
#include "log/contlogalle.h"
#include "log/logstate.h"
#include "tables/contesttables.h"
#include "tables/setupseparat.h"

TContestLogStd* ContestLogStd = nullptr;

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

// Keys the window uses itself; the others reach the focused control.
bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

TContestLogStd::TContestLogStd(int32_t contestNumber, TdbContest& configTable,
                               TdbContest& listTable, const TContestRec& def, QWidget* parent)
    : QDialog(parent),
      ContestNumber(contestNumber),
      ContestDef(def),
      ListTable(&listTable),
      ConfigTable(&configTable) {
  setObjectName(QStringLiteral("ContestLogStd"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setWindowFlag(Qt::WindowMinimizeButtonHint, true);
  BuildComponents();
  WireHandlers();
  // FormCreate.
  LogCommon = std::make_unique<TContLogAlle>();
  LogState = std::make_unique<TContestLogState>(ContestDef, *LogCommon, *ListTable, *ConfigTable,
                                                ContestNumber);
  InitContestLayout();
  radiounten->hide();
  qApp->installEventFilter(this);
}

TContestLogStd::~TContestLogStd() {
  qApp->removeEventFilter(this);
  FormDestroy();
}

TContestCode TContestLogStd::ContestCode() const { return ListTable->GetListRec().Typ(); }

TContestQSORec TContestLogStd::GetQsoRecord() const {
  return QsoTable ? QsoTable->GetQSORec() : TContestQSORec();
}

void TContestLogStd::SetQsoRecord(const TContestQSORec& rec) {
  if (QsoTable) QsoTable->SetQSORec(rec);
}

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
  Brow->OnBrowEnter = [this] { BrowEnter(); };
  Brow->OnBrowDoppelKlick = [this] { btnAendern->click(); };
  Brow->OnDatensatz_Loeschen = [this] { return DeleteListQso(); };
  connect(btnLoeschen, &QPushButton::clicked, this, [this] { DeleteListQso(); });
  Brow->OnBrowColWidths = [this](int column) {
    return LogCommon ? LogCommon->GetColumnWidth(column, *Brow, 0, *ListTable, false) : 0;
  };
  BrowCluster->OnBrowColWidths = [this](int column) {
    return LogCommon ? LogCommon->GetColumnWidth(column, *BrowCluster, 255, *ListTable, false)
                     : 0;
  };
  for (TkvEdit* e : EntryFields()) e->installEventFilter(this);
  WireEntryRoad();
  listband->installEventFilter(this);
  listmode->installEventFilter(this);
}

// --- life -----------------------------------------------------------------------------------

void TContestLogStd::FormShow() {
  FormResize();
  QApplication::processEvents();
  const int panelWidth = panelmulties->x() + panelmulties->width() + 20;
  if (width() > 800 && panelWidth > 0)
    TContLogAlle::ScaleHorizontally(panelEingabe, double(panelEingabe->width()) / panelWidth);
  if (MainWindow) MainWindow->hide();
  ShowStatistics();
  timerzeit->start();
  TimerCATUeberwachung->start();
}

void TContestLogStd::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  FormShow();
}

void TContestLogStd::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FormResize();
}

void TContestLogStd::FormResize() {
  if (!panelEingabe) return;
  const TContestQSORec entry = GetQsoRecord();
  const int w = width(), h = height();
  panelSeite->resize(panelSeite->width(), h);
  lversion->move(lversion->x(), h - lversion->height() - 10);
  if (w <= 800) {
    panelEingabe->resize(630, panelEingabe->height());
    PanelUnten->resize(630, PanelUnten->height());
    panelButtons->resize(630, panelButtons->height());
  } else if (w > 950) {
    PanelUnten->move(220, PanelUnten->y());
    PanelUnten->resize(w - 270, PanelUnten->height());
    panelEingabe->move(220, panelEingabe->y());
    panelEingabe->resize(w - 270, panelEingabe->height());
    panelButtons->move(220, panelButtons->y());
    panelButtons->resize(w - 270, panelButtons->height());
    panelContLog->move(220, panelContLog->y());
    panelContLog->resize(w - 270, panelContLog->height());
  }
  panelButtons->move(panelButtons->x(), panelEingabe->y() + panelEingabe->height() + 4);
  const int listTop = panelButtons->y() + panelButtons->height() + 4;
  PanelUnten->setGeometry(PanelUnten->x(), listTop, PanelUnten->width(), std::max(60, h - listTop - 4));
  panelObenUntergrund->setGeometry(panelSeite->width(), 0, w - panelSeite->width(),
                                   panelButtons->y() + panelButtons->height() + 2);
  ArrangeButtonBar();
  // The button bar: the own call at the right, help left of it.
  int right = panelButtons->width() - 10;
  for (QLabel* l : {lglobcall1, lglobcall3, lglobcall2}) {
    l->adjustSize();
    l->move(right - l->width(), l->y());
    right = l->x() - 1;
  }
  btnHilfe->move(right - 5 - btnHilfe->width(), 3);
  Image2->move(Image2->x(), lversion->y() - Image2->height() - 4);
  // The list area: buttons at its foot.
  const int footTop = PanelUnten->height() - 30;
  if (QWidget* area = Brow->parentWidget()) area->setGeometry(0, 0, PanelUnten->width(), footTop - 2);
  Brow->setGeometry(0, 0, PanelUnten->width(), footTop - 2);
  for (TkvBitBtn* b : {btnAendern, btnLoeschen, btnBandliste}) b->move(b->x(), footTop);
  CheckBox1->move(PanelUnten->width() - 150, footTop);
  btnbeenden2->move(CheckBox1->x(), btnAendern->y());
  SetQsoRecord(entry);
}

void TContestLogStd::keyPressEvent(QKeyEvent* event) {
  // Esc belongs to the entry (FormKeyDown), never to closing the window.
  if (event->key() == Qt::Key_Escape) {
    FormKeyDown(event->key(), event->modifiers());
    return;
  }
  QDialog::keyPressEvent(event);
}

void TContestLogStd::done(int result) {
  FormDestroy();
  QDialog::done(result);
}

void TContestLogStd::CloseLog() { done(QDialog::Accepted); }

void TContestLogStd::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  // The clock writes the working record: it must not run into the close.
  timerzeit->stop();
  TimerCAT->stop();
  TimerCATUeberwachung->stop();
  if (LogCommon && Brow->IsOpen()) LogCommon->StoreColumnWidths(*Brow, 0, *ListTable, false);
  // The stored summary and the numbering are right before anyone else sees the log.
  if (LogState) {
    LogState->RecalcLog();
    LogState->RenumberLog();
  }
  if (MainWindow) MainWindow->show();
  QApplication::processEvents();
  if (LogCommon) LogCommon->CloseLogFiles(QsoTable, *ListTable, *ConfigTable);
  LogState.reset();
  LogCommon.reset();
}

// --- keys -----------------------------------------------------------------------------------

bool TContestLogStd::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MenueBeenden) {
    if (event->type() == QEvent::MouseButtonRelease) {
      CloseLog();
      return true;
    }
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
      TContLogAlle::HighlightMenuLabel(MenueBeenden, panelSeite);
  }
  // Alt+Q, the accelerator of the flag's label, toggles the flag.
  if (watched == lQSLs && event->type() == QEvent::Shortcut) {
    lQSLsClick();
    return true;
  }
  if (watched == lQSLs && event->type() == QEvent::MouseButtonRelease) {
    lQSLsClick();
    return true;
  }
  if (watched == panelEingabe && event->type() == QEvent::MouseButtonPress) panelEingabeClick();
  if (watched == lContestCaption && event->type() == QEvent::MouseButtonRelease) {
    BrowEnter();
    return true;
  }
  if (event->type() == QEvent::FocusIn && LogCommon) {
    for (TkvEdit* e : EntryFields())
      if (watched == e) {
        // eCallEnter: back to the entry, with the field's labels marked.
        panelEingabeEnter();
        LogCommon->MarkFieldLabels(this, e, false);
      }
    return false;
  }
  if (event->type() == QEvent::ShortcutOverride) {
    // The window's own Alt keys come before the accelerators of the labels.
    auto* key = static_cast<QKeyEvent*>(event);
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && w->window() == this && (key->modifiers() & Qt::AltModifier) &&
        (key->key() == Qt::Key_W || key->key() == Qt::Key_F3 ||
         (key->modifiers() & Qt::KeypadModifier))) {
      event->accept();
      return true;
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w || w->window() != this || !isVisible()) return false;
  // The same key travels up through the parents; the window sees it once, at the
  // control that has the focus.
  QWidget* focus = QApplication::focusWidget();
  if (w != focus && !(focus == nullptr && w == this)) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == eclustertext && key->key() == Qt::Key_Escape) {
    eclustertext->setText(QStringLiteral("ESC "));
    return true;
  }
  if ((watched == listband || watched == listmode) &&
      (IsEnter(key->key()) || key->key() == Qt::Key_Escape)) {
    auto* list = static_cast<QListWidget*>(watched);
    if (IsEnter(key->key()) && list == listband) {
      listbandApply();
    } else if (IsEnter(key->key())) {
      listmodeDblClick();
    } else {
      list->hide();
      if (LastFocused) LastFocused->setFocus();
    }
    return true;
  }
  if (FormKeyDown(key->key(), key->modifiers())) return true;
  if (IsEnter(key->key())) {
    for (TkvEdit* e : EntryFields()) {
      if (watched != e) continue;
      // Enter moves on to the next entry field.
      EnterPressed = true;
      if (!LogCommon->EnterJump(this, e, eDatum, ezeit, eQTH, ContestDef.SWLLog, eRSTr[0],
                                eRSTr[1], eRSTr[2], eRSTr[3]))
        LogCommon->MoveToNextField(e, this, emode, Panel2, panelEingabe);
      return true;
    }
  }
  if (key->text().size() == 1 && (watched == eCall || watched == eCall2 || watched == emode)) {
    char c = S(key->text())[0];
    const char typed = c;
    const bool enter = LogCommon->CallKeyFilter(c, w);
    if (enter || c != typed) {
      auto* edit = static_cast<TkvEdit*>(watched);
      if (c != 0) edit->insert(Q(std::string(1, c)));
      if (enter) {
        EnterPressed = true;
        LogCommon->MoveToNextField(edit, this, emode, Panel2, panelEingabe);
      }
      return true;
    }
  }
  return false;
}

bool TContestLogStd::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
  const bool alt = mods & Qt::AltModifier;
  const bool keypad = mods & Qt::KeypadModifier;
  if (alt && keypad && key >= Qt::Key_1 && key <= Qt::Key_3) {
    TkvEdit* target = eRSTr[size_t(key - Qt::Key_1) + 1];
    if (target->isVisible()) target->setFocus();
    return false;
  }
  if (alt && key == Qt::Key_Q) {
    lQSLsClick();
    return false;
  }
  if (alt && key == Qt::Key_W) {
    btnKorrektur->click();
    return true;
  }
  if (alt && key == Qt::Key_F3) {
    btnBandliste->click();
    return true;
  }
  switch (key) {
    case Qt::Key_Escape:
      // Also from the list, where the entry's buttons are off: Esc leads back.
      if (listband->isVisible())
        listband->hide();
      else
        btnClearClick();
      return true;
    case Qt::Key_F4: btnCallsuche->click(); return true;
    case Qt::Key_F5: btnListe->click(); return true;
    case Qt::Key_F6: btnNotiz->click(); return true;
    case Qt::Key_F7: btnMode->click(); return true;
    case Qt::Key_F8: btnBand->click(); return true;
    case Qt::Key_F9:
      if (btnNameqth->isVisible()) btnNameqth->click();
      return true;
    case Qt::Key_F12: btnKorrektur->click(); return true;
    default: return false;
  }
}

// --- buttons ----------------------------------------------------------------------------------

void TContestLogStd::btnClearClick() {
  listband->hide();
  listmode->hide();
  ClearEntry(false);
}

namespace {

// Places a drop list at its label and selects the current entry; with exactly two entries
// the other one is chosen at once (true), else the list is shown.
bool OpenDropList(QListWidget* list, QListWidget* other, QLabel* at, const QString& current) {
  other->hide();
  list->move(at->x(), at->y());
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->text() == current) list->setCurrentRow(i);
  if (list->count() == 2) {
    list->setCurrentRow(list->currentRow() == 0 ? 1 : 0);
    return true;
  }
  list->show();
  list->raise();
  list->setFocus();
  return false;
}

}  // namespace

void TContestLogStd::btnBandClick() {
  if (listband->isVisible()) {
    listband->hide();
    return;
  }
  LastFocused = QApplication::focusWidget();
  if (OpenDropList(listband, listmode, lband, Q(CurrentBandName))) listbandApply();
}

void TContestLogStd::btnModeClick() {
  if (listmode->isVisible()) {
    listmode->hide();
    return;
  }
  LastFocused = QApplication::focusWidget();
  if (OpenDropList(listmode, listband, lMode, Q(CurrentMode))) listmodeDblClick();
}

void TContestLogStd::listbandApply() {
  if (QListWidgetItem* item = listband->currentItem()) {
    FieldsToRecord();
    const char band = char(item->data(Qt::UserRole).toInt());
    if (band != 0 && band != CurrentBand) SwitchBand(band, false);
    RecordToFields();
    if (LastFocused) LastFocused->setFocus();
  }
  listband->hide();
}

void TContestLogStd::btnListeClick() {
  SwitchPanels(false);
  if (Brow->isVisible()) Brow->setFocus();
}

void TContestLogStd::BrowEnter() {
  if (!eCall->text().isEmpty()) {
    eCall->clear();
    if (QsoTable) QsoTable->ClearRecords();
    LogState->RecountTotals(false);
  }
  SwitchPanels(false);
}

void TContestLogStd::panelEingabeEnter() { SwitchPanels(true); }

void TContestLogStd::panelEingabeClick() {
  const bool wasList = !btnClear->isEnabled();
  SwitchPanels(true);
  if (wasList) ClearEntry(false);
}

// The caption and the buttons of the side that has the operator's attention.
void TContestLogStd::SwitchPanels(bool entry) {
  if (!LogCommon) return;
  LogCommon->SetLogCaption(entry, lContestCaption, panelContLog, !PanelUnten->isVisible(), false,
                           {btnClear, btnMode, btnBand, btnCallsuche, btnNotiz, btnNameqth,
                            btnKorrektur},
                           {btnAendern, btnLoeschen, btnBandliste});
}

void TContestLogStd::btnNameqthClick() {
  listband->hide();
  listmode->hide();
  const bool show = !eName->isVisible();
  for (QWidget* w : {static_cast<QWidget*>(leFreq), static_cast<QWidget*>(eFreq),
                     static_cast<QWidget*>(leName), static_cast<QWidget*>(eName),
                     static_cast<QWidget*>(leQTH), static_cast<QWidget*>(eQTH)})
    w->setVisible(show);
}

void TContestLogStd::btnNotizClick() {
  timerzeit->stop();
  const bool edited = QsoTable && LogCommon->NotesFileName(*ListTable, *QsoTable);
  timerzeit->start();
  if (edited) btnClear->click();
}

bool TContestLogStd::DeleteListQso() {
  if (!rowTable_ || Brow->CurrentRef() <= 0 || !rowTable_->GotoRecord(Brow->CurrentRef()))
    return true;
  // The question is modal; the clock would write the entry meanwhile.
  timerzeit->stop();
  LogState->DeleteEntry(rowTable_->GetQSORec().Nummer());
  timerzeit->start();
  Brow->RefreshAll();
  ClearEntry(false);
  return true;
}

void TContestLogStd::btnHilfeClick() { TContLogAlle::ShowHelp(); }

void TContestLogStd::btndefaultClick() { TContLogAlle::SimulateEnter(this); }

void TContestLogStd::lQSLsClick() { TContLogAlle::ToggleQsl(QslSendFlag, lQSLs); }

// --- opening ----------------------------------------------------------------------------------

namespace contlogstd_neu {

void OpenContestLog(QWidget* mainWindow, int32_t contestNumber, TContestRec& def,
                    TdbContest& configTable, TdbContest& listTable) {
  auto form = std::make_unique<TContestLogStd>(contestNumber, configTable, listTable, def);
  ContestLogStd = form.get();
  form->MainWindow = mainWindow;
  if (mainWindow) {
    if (mainWindow->isMaximized()) {
      form->move(0, 0);
      form->setWindowState(Qt::WindowMaximized);
    } else {
      form->setWindowState(mainWindow->windowState());
      form->setGeometry(mainWindow->geometry());
    }
  }
  form->ClearEntry(false);
  Desktop().ExecDialog(*form);
  form->FormDestroy();
  form.reset();
  ContestLogStd = nullptr;
}

}  // namespace contlogstd_neu
