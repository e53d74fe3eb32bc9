// The dialog "QSO ändern": its fields, the copy to and from the data record, and the
// handlers of the mode and band lists, the frequency, the DXCC pick and the keys.

#include "log/eingabestd2form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

#include "browser/prefixlists.h"
#include "foundation/cp1252.h"
#include "foundation/inputmark.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/messages.h"
#include "log/eingabestd2ctrl.h"
#include "log/eingcont2alle.h"

namespace {

TkvEdit* MakeEdit(QWidget* parent, const char* name, int maxLength, int width, bool upper = true) {
  auto* e = new TkvEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaxLength(maxLength);
  e->setFixedWidth(width);
  e->SetUpperCase(upper);
  return e;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QWidget* buddy) {
  auto* l = new QLabel(Q(text), parent);
  l->setObjectName(QString::fromLatin1(name));
  if (buddy) l->setBuddy(buddy);
  return l;
}

QComboBox* MakeCombo(QWidget* parent, const char* name) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(false);
  c->setFixedWidth(90);
  return c;
}

std::string Text(const TkvEdit* e) { return S(e->text()); }

std::string OneChar(char c) { return c == 0 ? std::string() : std::string(1, c); }
char FirstChar(const TkvEdit* e) {
  const std::string t = Text(e);
  return t.empty() ? char(0) : t[0];
}

}  // namespace

TContestEingabeStd2Form::TContestEingabeStd2Form(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ContestEingabeStd2Form"));
  setWindowTitle(Q("QSO ändern"));
  QFont f = font();
  f.setFamily(QStringLiteral("Arial"));
  setFont(f);
  Build();
}

TContestEingabeStd2Form::~TContestEingabeStd2Form() = default;

void TContestEingabeStd2Form::Build() {
  auto* grid = new QGridLayout(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  eCall = MakeEdit(this, "eCall", 14, 110);
  eDatum = MakeEdit(this, "eDatum", 10, 85, false);
  eDatum->SetDataType(TkvDataType::Date);
  ezeit = MakeEdit(this, "ezeit", 14, 70, false);
  ezeit->SetDataType(TkvDataType::Time);
  lnummer = MakeLabel(this, "lnummer", "Nummer:   ", nullptr);
  const char* sNames[4] = {"eRSTs1", "eRSTs2", "eRSTs3", "eRSTs4"};
  const char* rNames[4] = {"eRSTr1", "eRSTr2", "eRSTr3", "eRSTr4"};
  for (size_t i = 0; i < 4; ++i) {
    eRSTs[i] = MakeEdit(this, sNames[i], i == 0 ? 3 : 21, i == 0 ? 40 : 100);
    eRSTr[i] = MakeEdit(this, rNames[i], i == 0 ? 12 : 21, i == 0 ? 40 : 100);
  }
  eQSLw = MakeEdit(this, "eQSLw", 1, 24);
  eqslr = MakeEdit(this, "eqslr", 1, 24);
  combomode = MakeCombo(this, "combomode");
  emode = MakeEdit(this, "emode", 10, 90);
  emode->hide();
  eMulti = MakeEdit(this, "eMulti", 6, 70);
  btnHoleDXCC = new TkvBitBtn(this);
  btnHoleDXCC->setObjectName(QStringLiteral("btnHoleDXCC"));
  btnHoleDXCC->SetCaption("...");
  btnHoleDXCC->setToolTip(Q("DXCC aus der DXCC-Liste auswählen"));
  btnHoleDXCC->setFocusPolicy(Qt::NoFocus);
  btnHoleDXCC->setFixedWidth(28);
  comboband = MakeCombo(this, "comboband");
  eFreq = MakeEdit(this, "eFreq", 25, 90, false);
  eFreq->SetDataType(TkvDataType::Single);
  eFreq->SetPictureMask("#####,####");
  eName = MakeEdit(this, "eName", 25, 180, false);
  eQTH = MakeEdit(this, "eQTH", 25, 180, false);
  eCall2 = MakeEdit(this, "eCall2", 14, 110);
  BitBtn1 = new TkvBitBtn(this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->SetCaption("Beenden [ESC]");
  BitBtn1->setFocusPolicy(Qt::NoFocus);

  lerstr = MakeLabel(this, "lerstr", "RSTr", eRSTr[0]);
  lemulti = MakeLabel(this, "lemulti", "DXCC", eMulti);
  lcall2 = MakeLabel(this, "lcall2", "Call2", eCall2);

  // Row by row: the caption of the row's first field in the first column, the fields
  // with their own captions side by side after it.
  int row = 0;
  const auto addRow = [&](QLabel* caption, std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    for (QWidget* w : widgets) line->addWidget(w);
    line->addStretch(1);
    grid->addWidget(caption, row, 0);
    grid->addLayout(line, row++, 1);
  };
  addRow(MakeLabel(this, "lCall", "Call", eCall),
         {eCall, MakeLabel(this, "lDatum", "Datum", eDatum), eDatum,
          MakeLabel(this, "lZeit", "UTC", ezeit), ezeit, lnummer});
  addRow(MakeLabel(this, "lersts", "RSTs", eRSTs[0]), {eRSTs[0], eRSTs[1], eRSTs[2], eRSTs[3]});
  addRow(lerstr, {eRSTr[0], eRSTr[1], eRSTr[2], eRSTr[3]});
  addRow(MakeLabel(this, "lQSLw", "&QSL s", eQSLw),
         {eQSLw, MakeLabel(this, "lqslr", "QSL r", eqslr), eqslr,
          MakeLabel(this, "lmode", "Mode", combomode), combomode, emode, lemulti, eMulti,
          btnHoleDXCC});
  addRow(MakeLabel(this, "lband", "Band", comboband),
         {comboband, MakeLabel(this, "lfreq", "Freq", eFreq), eFreq});
  addRow(MakeLabel(this, "lname", "Name", eName),
         {eName, MakeLabel(this, "lqth", "QTH", eQTH), eQTH});
  addRow(lcall2, {eCall2});
  grid->addWidget(BitBtn1, row, 1, Qt::AlignRight);
  lnummer->setMinimumWidth(110);

  // Tab order: the order the fields are walked by Enter.
  int order = 0;
  for (QWidget* w : std::initializer_list<QWidget*>{
           eCall,    eDatum,   ezeit,     eRSTs[0], eRSTs[1], eRSTs[2], eRSTs[3],
           eRSTr[0], eRSTr[1], eRSTr[2],  eRSTr[3], eQSLw,    eqslr,    combomode,
           emode,    eMulti,   comboband, eFreq,    eName,    eQTH,     eCall2}) {
    w->setProperty("TabOrder", order++);
    w->installEventFilter(this);
  }

  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
  connect(btnHoleDXCC, &QPushButton::clicked, this, [this] { btnHoleDXCCClick(); });
  connect(combomode, &QComboBox::currentIndexChanged, this, [this] { combomodeChange(); });
  connect(comboband, &QComboBox::currentIndexChanged, this, [this] { combobandChange(); });
  connect(eqslr, &QLineEdit::textChanged, this, [this] { Teingcont2alle::SelectFieldText(eqslr); });
}

void TContestEingabeStd2Form::DataToFields(const TEingabeStd2Data& d) {
  loaded_ = std::make_unique<TEingabeStd2Data>(d);
  eCall->setText(Q(d.Call));
  eDatum->setText(Q(d.Datum));
  ezeit->setText(Q(d.Zeit));
  lnummer->setText(Q(d.NumberLabel));
  for (size_t i = 0; i < 4; ++i) {
    eRSTs[i]->setText(Q(d.Row1[i]));
    eRSTr[i]->setText(Q(d.Row2[i]));
  }
  lerstr->setText(Q(d.RstrCaption));
  eQSLw->setText(Q(OneChar(d.QslSent)));
  {
    const QSignalBlocker block(eqslr);
    eqslr->setText(Q(OneChar(d.QslRcvd)));
  }
  lemulti->setText(Q(d.MultiCaption));
  eMulti->setText(Q(d.Multi));
  btnHoleDXCC->setVisible(d.MultiCaption == "DXCC");
  eName->setText(Q(d.Name));
  eQTH->setText(Q(d.Qth));
  eCall2->setText(Q(d.Call2));
  eCall2->setVisible(d.Call2Visible);
  lcall2->setVisible(d.Call2Visible);
  {
    // Filling the lists is no change of mode or band by the operator.
    const QSignalBlocker blockMode(combomode), blockBand(comboband);
    combomode->clear();
    for (const std::string& m : d.Modes) combomode->addItem(Q(m));
    combomode->setCurrentIndex(d.ModeIndex);
    comboband->clear();
    for (const std::string& b : d.Bands) comboband->addItem(Q(b));
    comboband->setCurrentIndex(d.BandIndex);
  }
  emode->setText(Q(d.ModeText));
  emode->setVisible(d.Digital);
  combomode->setVisible(!d.Digital);
  loadedFrequency_ = d.Frequency;
  if (d.Frequency > 0)
    eFreq->SetValueSingle(d.Frequency);
  else
    eFreq->clear();
  shownFrequency_ = eFreq->text();
  for (size_t i = 1; i < 4; ++i) eRSTr[i]->setEnabled(d.Enabled[i - 1]);
  // A disabled field shows on the window's background in the text colour of the call.
  for (TkvEdit* e : findChildren<TkvEdit*>()) {
    if (e->isEnabled()) continue;
    QPalette pal = e->palette();
    pal.setColor(QPalette::Disabled, QPalette::Base, palette().color(QPalette::Button));
    pal.setColor(QPalette::Disabled, QPalette::Text, eCall->palette().color(QPalette::Text));
    e->setPalette(pal);
  }
}

void TContestEingabeStd2Form::FieldsToData(TEingabeStd2Data& d) {
  if (focusWidget() == eFreq) eFreqExit();
  eDatum->CompleteDate();
  ezeit->CompleteTime();
  d.Call = Text(eCall);
  d.Datum = Text(eDatum);
  d.Zeit = Text(ezeit);
  for (size_t i = 0; i < 4; ++i) {
    d.Row1[i] = Text(eRSTs[i]);
    d.Row2[i] = Text(eRSTr[i]);
  }
  d.QslSent = FirstChar(eQSLw);
  d.QslRcvd = FirstChar(eqslr);
  d.Multi = Text(eMulti);
  d.Name = Text(eName);
  d.Qth = Text(eQTH);
  d.Call2 = Text(eCall2);
  if (!emode->isHidden()) d.ModeText = Text(emode);
  d.ChosenMode = S(combomode->currentText());
  d.ChosenBand = S(comboband->currentText());
  d.ModeIndex = combomode->currentIndex();
  d.BandIndex = comboband->currentIndex();
  d.Frequency = eFreq->text() == shownFrequency_ ? loadedFrequency_ : eFreq->GetValueSingle();
}

void TContestEingabeStd2Form::combomodeChange() {
  const int mode = Teingcont2alle::ReportModeOf(S(combomode->currentText()));
  if (mode >= 0) Teingcont2alle::AdjustRstForMode(mode == 1, eRSTs[0], eRSTr[0]);
}

void TContestEingabeStd2Form::combobandChange() {
  Teingcont2alle::BandChanged(comboband, eFreq, bandBusy_);
}

void TContestEingabeStd2Form::eFreqExit() {
  Teingcont2alle::FrequencyToBand(comboband, eFreq, bandBusy_);
}

void TContestEingabeStd2Form::btnHoleDXCCClick() {
  std::string dxcc = S(eMulti->text()), prefix;
  if (TDatenPrefixFkt::PickPrefix(dxcc, dxcc, prefix, this)) eMulti->setText(Q(dxcc));
}

// There is no cancel: every way of closing takes the edit over, so a call, date or time
// that cannot be stored keeps the dialog open on its field.
void TContestEingabeStd2Form::done(int /*result*/) {
  if (loaded_) {
    TEingabeStd2Data edited = *loaded_;
    FieldsToData(edited);
    if (const TEditFault fault = EditFault(edited, *loaded_); fault != TEditFault::kNone) {
      TkvEdit* field = fault == TEditFault::kCall   ? eCall
                       : fault == TEditFault::kDate ? eDatum
                                                    : ezeit;
      SystemBeep();
      inputmark::Refuse(field, EditFaultText(fault));
      return;
    }
  }
  QDialog::done(QDialog::Accepted);
}

void TContestEingabeStd2Form::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (focusWidget() == eFreq) eFreqExit();
    done(QDialog::Accepted);
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TContestEingabeStd2Form::eventFilter(QObject* watched, QEvent* event) {
  auto* w = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::KeyPress && w) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
      keyPressEvent(const_cast<QKeyEvent*>(key));
      return true;
    }
    if (Teingcont2alle::EnterToNextField(this, w, *key)) return true;
  }
  if (watched == eFreq && event->type() == QEvent::FocusOut) eFreqExit();
  return QDialog::eventFilter(watched, event);
}
