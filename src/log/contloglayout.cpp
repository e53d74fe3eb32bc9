// The arrangement of the log window for one contest: the QSO log and its list opened, the
// start band and mode, the entry panel on its character grid with the exchange fields the
// contest has, the multiplier display and the score panel by the multiplier settings.

#include <QLabel>
#include <QListWidget>
#include <algorithm>
#include <cmath>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/grafik.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/kvpanel.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/contlogstd.h"
#include "log/logstate.h"
#include "log/logentrytext.h"
#include "reference/baender.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"
#include "tables/stylemenupanel.h"

namespace {

constexpr int kColumn = 8;  // pixels of one grid column
constexpr int kRow = 17;    // pixels of one grid row

void GridPlace(QWidget* w, int column, int row, int leftOffset, int topOffset) {
  w->move(kColumn * column + leftOffset, kRow * row + topOffset);
}

void GridPlaceSized(QWidget* w, int column, int row, int leftOffset, int topOffset, int units,
                    int extra) {
  GridPlace(w, column, row, leftOffset, topOffset);
  if (units > 0 || extra > 0) w->resize(kColumn * units + extra, w->height());
}

void SetBottom(QWidget* w, int bottom) { w->move(w->x(), bottom - w->height()); }
int Bottom(const QWidget* w) { return w->y() + w->height(); }

void SetFontColor(QWidget* w, TColor color) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, ColorOf(color));
  w->setPalette(pal);
}

void SetFontSize(QWidget* w, int size) {
  QFont f = w->font();
  f.setPointSize(size);
  w->setFont(f);
  if (auto* l = qobject_cast<QLabel*>(w)) l->adjustSize();
}

void SetText(QLabel* l, const std::string& text) {
  l->setText(Q(text));
  l->adjustSize();
}

bool Set(uint8_t b) { return b != 0; }

}  // namespace

void TContestLogStd::InitContestLayout() {
  using setupseparat::LangText;
  const TContestListRec list = ListTable->GetListRec();
  const TContestConfigRec config = ConfigTable->GetConfigRec();
  const TContestCode code = ContestCode();
  const TContestRec& def = ContestDef;
  const bool swl = def.SWLLog;
  const bool slashed = Setups().GetWeitere().SlashedZero();

  // 1-3: the slashed-zero input, empty start values, the log.
  for (TkvEdit* e : {eCall2, eRSTr[0], eRSTs[0]}) e->SetSlashedZero(slashed);
  LastQsoDate = -1;
  LastQsoTime = -1;
  const bool hasLast = LogCommon->OpenQsoLog(QsoTable, ContestNumber);
  // 4-7: band, clock mode; a log whose multiplier texts are missing is renumbered (the
  // renumbering writes them).
  CurrentBand = def.Bands[1];
  AutoTime = Set(list.TimeAuto());
  const TContestQSORec last = QsoTable->GetQSORec();
  LogState->CurrentBand = CurrentBand;
  if (!hasLast || last.CMulti().empty() || last.Multi2().empty()) LogState->RenumberLog();
  QsoTable->ClearRecords();
  // 8: the start band by contest period.
  if (Set(list.BandAuto())) {
    const char band =
        logentry::PeriodBand(def, CurrentBand, ToDates::TodayUTC(), ToDates::CurrentTimeUTC());
    if (band != 0) CurrentBand = band;
  }
  // 9: the band and mode lists.
  listmode->clear();
  for (const std::string& m : def.Modes)
    if (!m.empty()) listmode->addItem(Q(m));
  listband->clear();
  for (char b : def.Bands) {
    if (b == 0) continue;
    auto* item = new QListWidgetItem(Q(oBaender->BandNameOf(b, false)), listband);
    item->setData(Qt::UserRole, int(uint8_t(b)));
  }
  // 10-11: the start mode.
  CurrentMode = logentry::StartMode(def, Set(list.StartSSB()), Set(list.StartFM()),
                                    Set(list.StartPR()));
  emode->hide();
  eCall->SetSlashedZero(slashed);
  // 12: caption, styling, the QSO list.
  const bool english = setupseparat::Language() != setupseparat::kGerman;
  setWindowTitle(Q(logentry::LogCaption(Setups().GetOwnCall(false), list.Name(), english)));
  SetText(lContestCaption, "Contest-Logbuch");
  opcmd::StyleMenuPanel(panelSeite, Image2, lversion);
  if (QsoTable) LogCommon->OpenLogList(*Brow, 47, *QsoTable);
  // 13: colours.
  const ToSetupLayout layout = Setups().GetLayout();
  PanelUnten->SetColor(layout.PanelColor());
  panelObenUntergrund->SetColor(layout.PanelColor());
  panelSeite->SetColor(layout.MenuPanelColor());
  // The own call's three colours are made for the dark of the menu.
  panelButtons->SetColor(layout.MenuPanelColor());
  panelauswertung->SetColor(layout.ScorePanelColor());
  SetFontColor(lContestCaption, clWhite);
  panelEingabe->SetColor(TColorOf(palette().color(QPalette::Button)));
  SetFontColor(lNummer, clRed);
  SetFontColor(lbeam, RGBColor(0, 0, 255));
  panelContLog->move(panelContLog->x(), 10);
  // 14-16: the empty entry record, the Enter hint, the buttons.
  if (QsoTable) {
    QsoTable->ClearRecords();
    TContestQSORec rec = QsoTable->GetQSORec();
    rec.SetDatum(-1);
    rec.SetZeit(-1);
    QsoTable->SetQSORec(rec);
  }
  EnterHint = LangText("<ET> = speichern", "<CR> = save");
  SetText(lenter, EnterHint);
  btnNameqth->show();
  btnBand->setVisible(listband->count() >= 2);
  btnMode->setVisible(listmode->count() >= 2);

  // 17-18: the entry panel on its grid.
  panelEingabe->resize(panelEingabe->width(), 255);
  GridPlace(lenter, 66, 0, 0, 4);
  GridPlace(leNummer, 68, 1, 0, 6);
  GridPlace(lNummer, 72, 0, 0, 0);
  leCall->show();
  GridPlace(leCall, 1, 1, 0, 6);
  GridPlaceSized(eCall, 7, 1, 0, 3, 0, 96);
  GridPlace(lCall, 7, 1, 0, 6);
  GridPlace(leCall2, 1, 3, 0, 0);
  GridPlaceSized(eCall2, 7, 3, 0, -3, 0, 96);
  GridPlace(lersts, 20, 1, 0, 6);
  GridPlaceSized(eRSTs[0], 20, 1, 0, 3, 0, 32);
  GridPlaceSized(eRSTs[1], 24, 1, 0, 3, 0, 48);
  GridPlaceSized(eRSTs[2], 30, 1, 0, 3, 0, 48);
  GridPlaceSized(eRSTs[3], 36, 1, 0, 3, 0, 48);
  GridPlace(lRSTs1, 26, 1, 0, 6);
  GridPlace(lRSTs2, 29, 1, 0, 6);
  GridPlace(lerstr, 45, 1, 0, 6);
  GridPlaceSized(eRSTr[0], 50, 1, 0, 3, 0, 32);
  GridPlaceSized(eRSTr[1], 54, 1, 0, 3, 0, 48);
  GridPlaceSized(eRSTr[2], 60, 1, 0, 3, 0, 48);
  GridPlaceSized(eRSTr[3], 67, 1, 0, 3, 0, 64);
  GridPlace(lRSTr1, 51, 1, 0, 6);
  GridPlace(lRSTr2, 54, 1, 0, 6);
  SetBottom(lNummer, Bottom(leNummer));
  const int hintLine = int(std::lround(lenter->y() + 0.9 * lenter->height()));
  if (lNummer->y() < hintLine) lNummer->move(lNummer->x(), hintLine);
  lebeam->move(leNummer->x(), lebeam->y());
  lbeam->move(lNummer->x() + 4, lbeam->y());
  btnNameqth->setVisible(!swl);
  if (swl) btnKorrektur->move(btnNameqth->x(), btnKorrektur->y());
  leCall2->setVisible(swl);
  eCall2->setVisible(swl);
  lRSTs1->hide();
  lRSTr1->hide();
  lRSTr2->hide();
  lRSTs2->show();

  // 19: the short-wave-listener arrangement: two heard stations, one per row.
  if (swl) {
    auto at = [](QWidget* w, int column, const QWidget* topOf, int width = 0) {
      w->move(kColumn * column, topOf->y());
      if (width > 0) w->resize(width, w->height());
    };
    at(lersts, 20, leCall);
    at(eRSTs[0], 27, leCall);
    at(lRSTs1, 27, leCall);
    at(eRSTs[1], 31, leCall);
    at(lRSTs2, 31, leCall);
    at(eRSTs[2], 40, leCall);
    at(eRSTs[3], 48, leCall);
    at(lerstr, 20, leCall2);
    at(eRSTr[0], 27, eCall2, eRSTs[0]->width());
    at(lRSTr1, 27, leCall2);
    at(eRSTr[1], 31, eCall2, eRSTs[1]->width());
    at(lRSTr2, 31, leCall2);
    at(eRSTr[2], 40, eCall2, eRSTs[1]->width());
    at(eRSTr[3], 48, eCall2, eRSTs[1]->width());
    SetText(lerstr, "RSTs2");
    SetText(lersts, "RSTs");
    int order = 1;
    for (TkvEdit* e : {eRSTs[0], eRSTs[1], eRSTs[2], eRSTs[3], eCall2, eRSTr[0], eRSTr[1],
                       eRSTr[2], eRSTr[3]}) {
      e->setProperty("TabOrder", order);
      e->setProperty("Tag", order + 1);
      ++order;
    }
  }

  // 20: which exchange fields show.
  const bool sentRstEdit = Set(list.RstSentNotFixed());
  eRSTs[0]->setVisible(sentRstEdit);
  lRSTs1->setVisible(!sentRstEdit);
  const bool rcvdRstEdit = Set(list.RstRcvdNotFixed()) && (!swl || sentRstEdit);
  eRSTr[0]->setVisible(rcvdRstEdit);
  lRSTr1->setVisible(!rcvdRstEdit);
  for (size_t i = 1; i <= 3; ++i)
    eRSTs[i]->setVisible(def.SentKinds[i] != 0 && (swl || Set(config.RstNotLocked())));
  lRSTs2->setVisible(!eRSTs[1]->isVisibleTo(panelEingabe));
  if (!swl) {
    int left = eRSTs[1]->x();
    for (size_t i = 1; i <= 3; ++i) {
      if (!eRSTs[i]->isVisibleTo(panelEingabe)) continue;
      eRSTs[i]->setGeometry(left, eRSTs[i]->y(), eRSTr[i]->width(), eRSTs[i]->height());
      left += eRSTs[i]->width() + 2;
    }
  }
  eRSTr[1]->setVisible(def.ReceivedKinds[1] != 0 || !def.SentText[1].empty());
  eRSTr[2]->setVisible(def.ReceivedKinds[2] != 0);
  eRSTr[3]->setVisible(def.ReceivedKinds[3] != 0);
  lRSTr2->hide();

  // 21: the captions of received fields 2 to 4.
  for (QLabel* l : lRSTName) {
    l->clear();
    l->hide();
  }
  auto placeCaption = [&](size_t n, bool condition, const std::string& text) {
    TkvEdit* field = eRSTr[n - 1];
    if (!condition || !field->isVisibleTo(panelEingabe)) return;
    QLabel* l = lRSTName[n - 2];
    SetText(l, text);
    const QWidget* under = swl ? eRSTs[n - 1] : field;
    l->move(field->x(), under->y() - 2 - l->height());
    l->show();
  };
  for (size_t n = 2; n <= 4; ++n) {
    const int32_t kind = def.ReceivedKinds[n - 1];
    placeCaption(n, logentry::KindHasCaption(kind), logentry::KindCaption(kind, code));
  }
  for (size_t n = 2; n <= 4; ++n)
    placeCaption(n, !def.ExchangeCaption[n - 1].empty(), def.ExchangeCaption[n - 1]);
  for (size_t i = 0; i < 3; ++i) {
    QLabel* l = lRSTName[i];
    if (!l->text().isEmpty()) {
      const int bottom = Bottom(l);
      SetText(l, "&" + std::to_string(i + 1) + " : " + S(l->text()));
      SetBottom(l, bottom);
    }
  }

  // 22: a lone second field is wider.
  if (eRSTr[1]->isVisibleTo(panelEingabe) && !eRSTr[2]->isVisibleTo(panelEingabe))
    eRSTr[1]->resize(72, eRSTr[1]->height());
  if (eRSTs[1]->isVisibleTo(panelEingabe) && !eRSTs[2]->isVisibleTo(panelEingabe))
    eRSTs[1]->resize(72, eRSTs[1]->height());

  // 23: frequency, name and QTH (shown on demand).
  leFreq->move(leCall->x(), 51);
  eFreq->setGeometry(eCall->x(), 48, 80, eFreq->height());
  leName->move(lersts->x(), 51);
  eName->setGeometry(eRSTs[1]->x(), 48, 112, eName->height());
  leQTH->move(lerstr->x(), 51);
  eQTH->setGeometry(eRSTr[0]->x(), 48, 128, eQTH->height());

  // 24: mode, band, date, time.
  GridPlace(leMode, 1, 5, 0, 0);
  GridPlace(lMode, 7, 5, 0, 0);
  GridPlace(leBand, 1, 6, 0, 8);
  GridPlace(lband, 7, 6, 0, 8);
  GridPlace(leDatum, 1, 8, 0, 0);
  GridPlaceSized(eDatum, 7, 8, 0, -3, 0, 80);
  GridPlace(lDatum, 7, 8, 0, 0);
  GridPlace(lezeit, 1, 9, 0, 8);
  GridPlaceSized(ezeit, 7, 9, 0, 5, 0, 80);
  GridPlace(lZeit, 7, 9, 0, 8);
  lDatum->hide();
  lZeit->hide();
  eDatum->setVisible(!Set(list.DateAuto()));
  lDatum->setVisible(Set(list.DateAuto()));
  ezeit->setVisible(!Set(list.TimeAuto()));
  lZeit->setVisible(Set(list.TimeAuto()));

  // 25: the QSL flag and the tally labels.
  lQSLs->move(lezeit->x(), lezeit->y() + 25);
  rqsls->move(lezeit->x(), lezeit->y() + 25);
  GridPlace(leqso, 20, 13, 0, 8);
  GridPlace(lqso, 31, 13, 0, 8);
  GridPlace(lemulti, 38, 13, 0, 8);
  GridPlace(lmulti, 49, 13, 0, 8);
  GridPlace(lePunkte, 57, 13, 0, 8);
  GridPlace(lPunkte, 70, 13, 0, 8);
  CurrentBandName = oBaender->BandNameOf(CurrentBand, false);
  ShowStatistics();

  // 26-27: the multiplier display, or the one strip without multipliers.
  ArrangeMultiplierDisplay(code);
  SetBottom(imgLegende, Bottom(lePunkte));
  imgLegende->move(leCall->x(), imgLegende->y());
  if (def.MultiplierKinds.none()) {
    panelmulties->hide();
    Panel2->setGeometry(48, 85, 512, 34);
    Panel2->show();
    struct TStrip {
      QWidget* w;
      int left, top, width;
    };
    const TStrip strip[] = {{lezeit, 8, 11, 0},  {ezeit, 48, 8, 80},   {lZeit, 48, 11, 0},
                            {leMode, 160, 11, 0}, {lMode, 208, 11, 0}, {leBand, 272, 11, 0},
                            {lband, 312, 11, 0},  {leDatum, 384, 11, 0}, {eDatum, 432, 8, 72},
                            {lDatum, 432, 11, 0}};
    for (const TStrip& s : strip) {
      const bool visible = s.w->isVisibleTo(panelEingabe);
      s.w->setParent(Panel2);
      s.w->move(s.left, s.top);
      if (s.width > 0) s.w->resize(s.width, s.w->height());
      s.w->setVisible(visible);
    }
    emode->setParent(Panel2);
    for (QLabel* l : {lemulti, lmulti, leqso, lqso, lePunkte, lPunkte}) l->hide();
    panelEingabe->resize(panelEingabe->width(), 153);
    lQSLs->move(Panel2->x() + 8, Bottom(Panel2) + 8);
    rqsls->move(Panel2->x() + 8, Bottom(Panel2) + 8);
  }
  // 28: the caption above the call.
  lqsopartner->move(eCall->x(), eCall->y() - lqsopartner->height());
  lqsopartner->show();
  lcallname->move(lqsopartner->pos());
  lcallname->hide();

  // 29-31: tallies (a log that ends on another band opens there), the list on the start
  // band, the clock.
  LogState->CurrentBand = CurrentBand;
  LogState->RecountTotals(true);
  if (LogState->LastLogBand != 0 && LogState->LastLogBand != CurrentBand) {
    CurrentBand = LogState->LastLogBand;
    CurrentBandName = oBaender->BandNameOf(CurrentBand, false);
    LogState->CurrentBand = CurrentBand;
    LogState->RecountTotals(false);
  }
  if (QsoTable) LogCommon->GotoLastQsoOfBand(CurrentBand, *Brow, *QsoTable);
  timerzeitTimer();

  // 32-33: the list's buttons, version and own call.
  btnAendern->move(1, btnAendern->y());
  btnLoeschen->move(btnAendern->x() + btnAendern->width() + 8, btnLoeschen->y());
  btnBandliste->move(btnLoeschen->x() + btnLoeschen->width() + 8, btnBandliste->y());
  SetText(lversion, def.VersionNotice);
  const std::string ownCall = Setups().GetOwnCall(false);
  const std::string shown = slashed ? ToStrings::SlashZeros(ownCall) : ownCall;
  for (QLabel* l : {lglobcall1, lglobcall2, lglobcall3}) SetText(l, shown);
  SetFontColor(lglobcall1, clWhite);
  SetFontColor(lglobcall3, RGBColor(172, 196, 244));
  SetFontColor(lglobcall2, RGBColor(85, 134, 234));

  // 34-37: the score panel.
  ArrangeScorePanel();
  btnauswertung->setVisible(def.ShowEvaluationButton);

  // 38-41: last adjustments.
  if (eRSTr[3]->isVisibleTo(panelEingabe) && !swl) {
    SetFontSize(lNummer, 11);
    SetFontSize(lbeam, 11);
    lenter->hide();
    leNummer->move(leNummer->x(), leFreq->y());
    SetBottom(lNummer, Bottom(leNummer));
  }
  const int beamTop = int(std::lround(lNummer->y() + 0.9 * lNummer->height()));
  lbeam->move(lbeam->x(), beamTop);
  lebeam->move(lebeam->x(), beamTop);
  lbeam->clear();
  if ((code == 'I' || code == 'l') && !swl)
    for (QWidget* w : {static_cast<QWidget*>(leFreq), static_cast<QWidget*>(eFreq),
                       static_cast<QWidget*>(leName), static_cast<QWidget*>(eName),
                       static_cast<QWidget*>(leQTH), static_cast<QWidget*>(eQTH)})
      w->show();
  if (Set(list.StartPR()) && logentry::ModeOffered(def, "DIGITAL")) {
    emode->move(lMode->x(), lMode->y() - 4);
    emode->show();
  }
  // The Tab key walks the fields in the order the Enter moves use.
  std::vector<TkvEdit*> fields = EntryFields();
  std::stable_sort(fields.begin(), fields.end(), [](const TkvEdit* a, const TkvEdit* b) {
    return a->property("TabOrder").toInt() < b->property("TabOrder").toInt();
  });
  for (size_t i = 1; i < fields.size(); ++i) QWidget::setTabOrder(fields[i - 1], fields[i]);
}

void TContestLogStd::ArrangeMultiplierDisplay(TContestCode code) {
  panelmulties->setGeometry(152, 85, 456, 136);
  const bool wide = code == 'H' || code == 'k' || code == 'p';
  const int columns = code == 'p' ? 11 : 14;
  const int step = code == 'p' ? 40 : 32;
  const QColor background = panelEingabe->palette().color(QPalette::Window);
  int tag = 1000;
  for (int r = 1; r <= 8; ++r)
    for (int c = 1; c <= columns; ++c) {
      auto* l = new QLabel(QStringLiteral("."), panelmulties);
      l->setObjectName(QStringLiteral("MultiDisplayLabel%1").arg(tag));
      l->setGeometry(8 + step * (c - 1), 16 * r - 13, wide ? 36 : 28, 16);
      l->setAutoFillBackground(true);
      QPalette pal = l->palette();
      pal.setColor(QPalette::Window, background);
      pal.setColor(QPalette::WindowText, QColor(128, 128, 128));
      l->setPalette(pal);
      QFont f = l->font();
      f.setPointSize(8);
      f.setBold(!wide);
      l->setFont(f);
      l->setProperty("Tag", tag++);
      MultiDisplayLabels.push_back(l);
    }
}

void TContestLogStd::ArrangeScorePanel() {
  const TContestRec& def = ContestDef;
  const bool perBand = def.MultiplierBandMode == 0 || def.MultiplierBandMode == 2;
  for (size_t i = 0; i < 7; ++i) {
    const char b = def.Bands[i + 1];
    const std::string name = b ? oBaender->BandNameOf(b, false) : std::string();
    for (QLabel* l : {lQSO[i], lPunkteN[i]}) SetText(l, name);
    lQSO[i]->setVisible(b != 0);
    leQSO[i]->setVisible(b != 0);
    lPunkteN[i]->setVisible(b != 0);
    lePunkteN[i]->setVisible(b != 0);
    SetText(lMulti[i], name);
    lMulti[i]->setVisible(perBand && b != 0);
    leMulti[i]->setVisible(perBand && b != 0);
  }
  const bool noMultis = def.MultiplierKinds.none();
  if (!noMultis && !perBand) {
    Label11->hide();
    Label24->hide();
    std::vector<QWidget*> moved = {Label27, Label30, Label22, Label28, Label19, Label20, Label21};
    for (size_t i = 0; i < 7; ++i) {
      moved.push_back(lPunkteN[i]);
      moved.push_back(lePunkteN[i]);
    }
    for (QWidget* w : moved) w->move(w->x(), w->y() - 115);
    panelauswertung->resize(panelauswertung->width(), panelauswertung->height() - 115);
  }
  if (noMultis) {
    for (QWidget* w : {static_cast<QWidget*>(Label11), static_cast<QWidget*>(Label24)}) w->hide();
    for (size_t i = 0; i < 7; ++i) {
      lMulti[i]->hide();
      leMulti[i]->hide();
    }
    Label27->move(Label27->x(), Label11->y());
    Label30->move(Label30->x(), Label24->y());
    Label22->move(Label22->x(), lPunkteN[1]->y());
    Label28->move(Label28->x(), lPunkteN[2]->y());
    Label19->move(Label19->x(), lPunkteN[3]->y());
    Label20->move(Label20->x(), lPunkteN[4]->y());
    if (panelauswertung->height() > 140)
      panelauswertung->resize(panelauswertung->width(),
                              panelauswertung->height() - 10 * Label20->height());
    for (size_t i = 0; i < 7; ++i) {
      lePunkteN[i]->move(lePunkteN[i]->x(), leMulti[i]->y());
      lPunkteN[i]->move(lPunkteN[i]->x(), lMulti[i]->y());
    }
    for (QLabel* l : {Label22, Label28}) {
      l->setGeometry(5, l->y(), panelauswertung->contentsRect().width() - 10, l->height());
      l->setAlignment(Qt::AlignHCenter);
    }
  }
}
