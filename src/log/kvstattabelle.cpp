#include "log/kvstattabelle.h"

#include <QColor>
#include <QCursor>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <iterator>

#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "log/kvmouseimage.h"

namespace {

struct TTab {
  const char* Name;
  const char* Caption;
};
constexpr TTab kTabList[] = {
    {"ptabCall", "Call"},     {"ptabDXCC", "DXCC"},       {"ptabDOK", "DOK/Gebiet1"},
    {"ptabWAE", "WAE"},       {"ptabCQ", "WAZ"},          {"ptabIOTA", "IOTA"},
    {"ptabUSStaat", "State"}, {"ptabLocator", "Locator"}, {"ptabSpecial", "Special"},
    {"ptabCounty", "County"}, {"ptabLDK", "LDK/Gebiet2"}, {"ptabITU", "ITU"},
    {"ptabLog1", "Log1"},     {"ptabLog2", "Log2"},       {"ptabLog3", "Log3"},
    {"ptabLog4", "Log4"},     {"ptabLog5", "Log5"},       {"ptabLog6", "Log6"},
    {"ptabLog7", "Log7"},     {"ptabLog8", "Log8"},       {"ptabLog9", "Log9"},
    {"ptabLog10", "Log10"},
};
static_assert(std::size(kTabList) == TkvStatTabelle::kTabs);

constexpr TColor clGreen = 0x008000;
constexpr TColor clPurple = RGBColor(128, 0, 128);
constexpr int kBottomHeight = 86;

TkvPanel* Square(QWidget* parent, TColor color, int x, int y, int size) {
  auto* p = new TkvPanel(parent);
  p->SetColor(color);
  p->SetBorder(TkvBevel::Lowered);
  p->setGeometry(x, y, size, size);
  return p;
}

QLabel* Text(QWidget* parent, const char* text, int x, int y) {
  auto* l = new QLabel(Q(text), parent);
  l->setAttribute(Qt::WA_TranslucentBackground);
  l->move(x, y);
  return l;
}

}  // namespace

TkvStatTabelle::TkvStatTabelle(QWidget* owner) : TkvPanel(owner) {
  setObjectName(QStringLiteral("kvStatTabelle"));
  QFont f = font();
  f.setFamily(QStringLiteral("Arial"));
  setFont(f);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  pcStat = new QTabWidget(this);
  pcStat->setObjectName(QStringLiteral("pcStat"));
  pcStat->setFixedHeight(25);
  pcStat->setUsesScrollButtons(true);
  pcStat->setStyleSheet(QStringLiteral("QTabBar::tab { height: 20px; }"));
  for (const TTab& t : kTabList) {
    auto* page = new QWidget(pcStat);
    page->setObjectName(Q(t.Name));
    pcStat->addTab(page, Q(t.Caption));
  }
  connect(pcStat, &QTabWidget::currentChanged, this, [this] { pcStatChange(); });
  layout->addWidget(pcStat);

  auto* header = new TkvPanel(this);
  header->setObjectName(QStringLiteral("panelStatKopf"));
  header->setFixedHeight(17);
  lblHeader = new QLabel(header);
  lblHeader->setObjectName(QStringLiteral("lblStatKopf"));
  lblHeader->setAlignment(Qt::AlignCenter);
  lblHeader->setGeometry(0, 1, 0, 15);
  header->installEventFilter(this);
  lblHeader->installEventFilter(this);
  layout->addWidget(header);

  paintpanel = new TkvPanel(this);
  paintpanel->setObjectName(QStringLiteral("paintpanel"));
  paintpanel->SetColor(clWhite);
  auto* imageLayout = new QVBoxLayout(paintpanel);
  imageLayout->setContentsMargins(0, 0, 0, 0);
  image = new TkvMouseImage(paintpanel);
  image->setObjectName(QStringLiteral("imgStat"));
  image->setMouseTracking(true);
  QPalette white = image->palette();
  white.setColor(QPalette::Window, Qt::white);
  image->setPalette(white);
  image->installEventFilter(this);
  image->OnMouseEnter = [this] {
    btnAktBandMode->show();
    if (OnMouseEnter) OnMouseEnter();
  };
  image->OnMouseLeave = [this] { LeaveImage(); };
  imageLayout->addWidget(image);
  paintpanel->installEventFilter(this);
  layout->addWidget(paintpanel, 1);

  panelStatUnten = new TkvPanel(this);
  panelStatUnten->setObjectName(QStringLiteral("panelStatUnten"));
  panelStatUnten->setFixedHeight(kBottomHeight);
  panelStatUnten->installEventFilter(this);
  legend_ = new TkvPanel(panelStatUnten);
  legend_->setObjectName(QStringLiteral("panelLegende"));
  legend_->setGeometry(0, 0, 0, 18);
  Square(legend_, clGreen, 4, 3, 12);
  Text(legend_, "= gearbeitet", 20, 2);
  Square(legend_, clRed, 104, 3, 12);
  Text(legend_, "= bestätigt", 120, 2);
  swatches_ = new TkvPanel(panelStatUnten);
  swatches_->setObjectName(QStringLiteral("panelFarben"));
  swatches_->setGeometry(0, 18, 0, 18);
  for (int i = 0; i < 6; ++i) {
    Square(swatches_, i == 0 ? clGreen : clRed, 4 + 60 * i, 3, 12);
    Text(swatches_, i == 0 ? "gearb." : "best.", 20 + 60 * i, 2);
  }
  auto* settings = new QGroupBox(Q("Einstellungen"), panelStatUnten);
  settings->setGeometry(0, 36, 404, 48);
  const char* captions[] = {"Log alle", "Log Bnd/Mod", "Optionen", ""};
  for (int i = 0; i < 4; ++i) {
    buttons[size_t(i)] = new TkvBitBtn(settings);
    buttons[size_t(i)]->SetCaption(captions[i]);
    buttons[size_t(i)]->setGeometry(4 + 100 * i, 18, 96, 25);
  }
  buttons[0]->setObjectName(QStringLiteral("btnLogAlle"));
  buttons[1]->setObjectName(QStringLiteral("btnLogListeHo3"));
  buttons[2]->setObjectName(QStringLiteral("btnOptionen"));
  buttons[3]->setObjectName(QStringLiteral("btnStatSchliessen"));
  buttons[3]->setToolTip(Q("Statistik schließen"));
  buttons[3]->SetGlyph("close");
  const auto notify = [this](size_t which) {
    return [this, which] {
      if (OnNotify[which]) OnNotify[which]();
    };
  };
  connect(buttons[0], &QPushButton::clicked, this, notify(0));
  connect(buttons[1], &QPushButton::clicked, this, [this] { btnLogListeHo3Click(); });
  connect(buttons[2], &QPushButton::clicked, this, notify(1));
  connect(buttons[3], &QPushButton::clicked, this, notify(2));
  layout->addWidget(panelStatUnten);

  btnAktBandMode = new TkvBitBtn(image);
  btnAktBandMode->setObjectName(QStringLiteral("btnAktBandMode"));
  btnAktBandMode->setFixedSize(10, 10);
  btnAktBandMode->setCursor(Qt::PointingHandCursor);
  btnAktBandMode->setFlat(true);
  btnAktBandMode->setAutoFillBackground(true);
  btnAktBandMode->setStyleSheet(
      QStringLiteral("background-color: %1; border: none;").arg(ColorOf(clPurple).name()));
  btnAktBandMode->setProperty("Tag", 0);
  btnAktBandMode->installEventFilter(this);
  btnAktBandMode->hide();

  const QFontMetrics metrics(font());
  Geometry.CharWidth = metrics.horizontalAdvance(QLatin1Char('0'));
  Geometry.RowHeight = metrics.height() + Geometry.InnerMargin;
}

void TkvStatTabelle::panelStatUntenResize() {
  const int w = panelStatUnten->width();
  legend_->resize(w, legend_->height());
  swatches_->resize(w, swatches_->height());
}

void TkvStatTabelle::MoveMarker(const QPoint& at) {
  if (const std::optional<TMarkerPlace> place = Geometry.MarkerAt(at.x(), at.y())) {
    btnAktBandMode->move(place->Left, place->Top);
    btnAktBandMode->setProperty("Tag", place->Tag);
  }
}

void TkvStatTabelle::LeaveImage() {
  // Moving onto the marker itself does not leave the table.
  if (!btnAktBandMode->underMouse() &&
      !btnAktBandMode->rect().contains(btnAktBandMode->mapFromGlobal(QCursor::pos())))
    btnAktBandMode->hide();
  if (OnMouseLeave) OnMouseLeave();
}

bool TkvStatTabelle::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseMove:
      if (watched == image) MoveMarker(static_cast<QMouseEvent*>(event)->position().toPoint());
      break;
    case QEvent::MouseButtonPress:
      if ((watched == image || watched == lblHeader || watched == btnAktBandMode) && OnMouseDown)
        OnMouseDown(static_cast<QMouseEvent*>(event));
      break;
    case QEvent::Resize:
      if (watched == paintpanel) paintpanelresize();
      if (watched == panelStatUnten) panelStatUntenResize();
      if (watched == lblHeader->parent()) lblHeader->resize(lblHeader->parentWidget()->width(), 15);
      break;
    default: break;
  }
  return TkvPanel::eventFilter(watched, event);
}
