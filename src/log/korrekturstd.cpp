// The correction list, the call search and the band list of the log: one list window on
// the log's QSOs, with the search and band pick dialogs that narrow it.

#include "log/korrekturstd.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/contlogstd.h"
#include "reference/baender.h"
#include "reference/prefix.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/keyparts.h"

TKorrekturstd* Korrekturstd = nullptr;

namespace {

constexpr int kRowHeight = 18;

}  // namespace

TKorrekturstd::TKorrekturstd(TContestLogStd& owner, int view, char currentBand,
                             TdbContest& listTable, const TContestRec& def)
    : QDialog(&owner),
      owner_(owner),
      view_(view),
      currentBand_(currentBand),
      listTable_(listTable),
      def_(def) {
  setObjectName(QStringLiteral("Korrekturstd"));
  setWindowTitle(Q("QSO - Liste (Ändern mit Eingabetaste oder Doppelklick)"));
  resize(760, 480);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Brow = new TkvBrow(this);
  Brow->setObjectName(QStringLiteral("Brow"));
  layout->addWidget(Brow);
  Brow->OnBuildRow = [this](RowRec& row) { owner_.BrowBuildRow(row); };
  Brow->OnSetHeaderFooter = [this] { owner_.SetListHeader(*Brow); };
  Brow->OnBrowEnter = [this] { BrowBrowEnter(); };
  Brow->OnBrowDoppelKlick = [this] { BrowBrowEnter(); };
  Brow->OnDatensatz_Loeschen = [this] { return BrowDatensatz_Loeschen(); };
  Brow->OnBrowColWidths = [this](int column) { return BrowBrowColWidths(column); };
  // The list's page holds as many rows as the laid-out grid shows.
  layout->activate();
  FormCreate();
}

TKorrekturstd::~TKorrekturstd() { FormDestroy(); }

char TKorrekturstd::PickBand() {
  Tstdband pick(this);
  for (char b : def_.Bands) {
    if (b == 0) continue;
    auto* item = new QListWidgetItem(Q(oBaender->BandNameOf(b, false)), pick.listband);
    item->setData(Qt::UserRole, int(uint8_t(b)));
    if (b == currentBand_) pick.listband->setCurrentItem(item);
  }
  Desktop().ExecDialog(pick);
  // A cancelled pick leaves the band it had selected.
  const QListWidgetItem* chosen = pick.listband->currentItem();
  return chosen ? char(chosen->data(Qt::UserRole).toInt()) : currentBand_;
}

void TKorrekturstd::FormCreate() {
  using namespace contestkeys;
  int key = kWagNummer;
  TKeyStr low = ToStrings::LongToKeyStr(1, true), high = ToStrings::LongToKeyStr(999999999, true);
  if (view_ == kCallSearch) {
    key = kCallDatumZeit;
    low = ToStrings::ShortToKeyStr("A");
    high = ToStrings::ShortToKeyStr("");
  } else if (view_ == kBandList) {
    setWindowTitle(Q("Band - Log (Ändern mit Eingabetaste oder Doppelklick)"));
    const std::string band(1, PickBand());
    key = kBandNrIntern;
    low = high = ToStrings::ShortToKeyStr(band);
  }
  qsoTable_ =
      std::make_unique<TdbContest>(TdbContestBase::kQsoLog, 0, listTable_.GetListRec().Nummer());
  try {
    Brow->Open(0, qsoTable_.get(), high, low, false, false, key);
  } catch (const EConstructorInvalid& e) {
    // A log that cannot be opened shows an empty list, never ends the log window.
    ToMessages::ShowError(e.what());
    return;
  }
  Brow->SetSortSelectorVisible(false);
  Brow->SetViewSelectorVisible(false);
  Brow->SetGridFont("ARIAL", font().pointSize(), false);
  Brow->SetRowHeight(kRowHeight);
  if (view_ == kCallSearch) {
    TSucheQE_ search(*Brow, false, this);
    Desktop().ExecDialog(search);
  }
  // Every view opens at the end of its list.
  Brow->GoLast();
}

void TKorrekturstd::FormDestroy() {
  if (Brow->IsOpen() && owner_.LogCommon)
    owner_.LogCommon->StoreColumnWidths(*Brow, 0, listTable_, false);
}

void TKorrekturstd::BrowBrowEnter() {
  owner_.ChangeEntry(*Brow);
  owner_.Brow->RefreshPage();
}

bool TKorrekturstd::BrowDatensatz_Loeschen() {
  owner_.DeleteListQso(Brow);
  Brow->RefreshAll();
  return true;
}

int TKorrekturstd::BrowBrowColWidths(int column) {
  // The grid counts its columns from 0, the list record from 1.
  return owner_.LogCommon ? owner_.LogCommon->GetColumnWidth(column + 1, *Brow, 0, listTable_, true)
                          : 0;
}

void TKorrekturstd::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    done(2);
    return;
  }
  QDialog::keyPressEvent(event);
}

// --- the search dialog --------------------------------------------------------------------------

TSucheQE_::TSucheQE_(TkvBrow& owner, bool keyFive, QWidget* parent)
    : QDialog(parent), brow_(owner), keyFive_(keyFive) {
  setObjectName(QStringLiteral("SucheQE_"));
  setWindowTitle(Q("Suche"));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* caption = new QLabel(Q("Rufzeichen:"), this);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  layout->addWidget(caption);
  eSuche = new TkvEdit(this);
  eSuche->setObjectName(QStringLiteral("eSuche"));
  eSuche->SetUpperCase(true);
  eSuche->setProperty("HelpContext", 100200003);
  layout->addWidget(eSuche);
  auto* buttons = new QHBoxLayout;
  auto* cancel = new TkvBitBtn(bkCancel, this);
  cancel->setObjectName(QStringLiteral("btnAbbrechen"));
  auto* start = new TkvBitBtn(this);
  start->setObjectName(QStringLiteral("btnendeho3"));
  start->SetCaption("&Suche\nstarten");
  start->setDefault(true);
  buttons->addWidget(cancel);
  buttons->addWidget(start);
  layout->addLayout(buttons);
  connect(start, &QPushButton::clicked, this, [this] { btnendeho3Click(); });
  eSuche->setFocus();
}

void TSucheQE_::btnendeho3Click() {
  const std::string typed = ToStrings::AnsiUpperCase(ToStrings::Trim(S(eSuche->text())));
  // Every form of the call (portable, abroad) is filed under its home part.
  const std::string key = ToStrings::AnsiUpperCase(oPrefix->CountryOfCallDe(typed));
  const std::string keyText = keyparts::Fit(key, keyFive_ ? keyparts::kDxcc : keyparts::kCall);
  brow_.SetKeyNr(keyFive_ ? contestkeys::kDxcc : contestkeys::kCall);
  brow_.SetKeyRange(ToStrings::ShortToKeyStr(keyText), ToStrings::ShortToKeyStr(keyText));
  // Only a record of the log itself may position its list.
  brow_.GotoRecord(0);
  done(1);
}

// --- the band pick -------------------------------------------------------------------------------

Tstdband::Tstdband(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("stdband"));
  setWindowTitle(Q("Band"));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  listband = new QListWidget(this);
  listband->setObjectName(QStringLiteral("listband"));
  listband->setFixedWidth(120);
  layout->addWidget(listband);
  listband->installEventFilter(this);
  connect(listband, &QListWidget::itemDoubleClicked, this, [this] { done(1); });
}

bool Tstdband::eventFilter(QObject* watched, QEvent* event) {
  if (watched == listband && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      done(1);
      return true;
    }
    if (key == Qt::Key_Escape) {
      done(2);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
