#include "foundation/kvbitbtn.h"

#include <QDialog>
#include <QPixmap>
#include <iterator>

#include "foundation/bildressourcen.h"
#include "foundation/cp1252.h"
#include "foundation/grafik.h"

namespace {
// Indexed by TBitBtnKind.
const TBitBtnKindInfo kKinds[] = {
    {"", "", 0},
    {"OK", "ok", 1},
    {"&Abbrechen", "cancel", 2},
    {"&Hilfe", "help", 0},
    {"&Schließen", "close", 0},
    {"&Übernehmen", "uebernahme", 0},
    {"&Hilfe", "help", 0},
    {"&Neu", "neu", 0},
    {"&Starten", "start", 0},
    {"&Löschen", "loeschen", 0},
    {"&Beenden", "beenden", 0},
};
static_assert(std::size(kKinds) == bkGClose + 1);
}  // namespace

const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind) {
  return kKinds[kind >= bkCustom && kind <= bkGClose ? kind : bkCustom];
}

TkvBitBtn::TkvBitBtn(QWidget* parent) : TkvBitBtn(bkCustom, parent) {}

TkvBitBtn::TkvBitBtn(TBitBtnKind kind, QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, &TkvBitBtn::Clicked);
  SetKind(kind);
}

void TkvBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  const TBitBtnKindInfo& info = BitBtnKindInfo(kind);
  if (kind == bkCustom) return;
  SetCaption(info.Caption);
  SetGlyph(info.Glyph);
  modalResult_ = info.ModalResult;
}

void TkvBitBtn::SetCaption(const std::string& caption) { setText(Q(caption)); }

std::string TkvBitBtn::Caption() const { return S(text()); }

void TkvBitBtn::SetGlyph(const std::string& name) {
  glyph_ = name;
  const QImage picture = name.empty() ? QImage() : TFormBildressourcen::Glyph(name);
  setIcon(picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture)));
  if (!picture.isNull()) setIconSize(picture.size());
}

void TkvBitBtn::SetFontColor(uint32_t color) {
  // A disabled button keeps the style's greyed text, so it looks disabled.
  QPalette p = palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    p.setColor(group, QPalette::ButtonText, ColorOf(color));
  setPalette(p);
}

void TkvBitBtn::Clicked() {
  auto* dialog = qobject_cast<QDialog*>(window());
  if (modalResult_ != 0) {
    if (dialog) dialog->done(modalResult_);
  } else if (kind_ == bkClose) {
    // Closing a modal dialog is its Cancel.
    if (dialog)
      dialog->done(2);
    else
      window()->close();
  }
}
