#include "foundation/messagesform.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "foundation/cp1252.h"

namespace {
struct TButtonDef {
  const char* Name;
  const char* Caption;
  bool Accepts;
};

QStyle::StandardPixmap IconOf(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::Question: return QStyle::SP_MessageBoxQuestion;
    case TMessageKind::Warning: return QStyle::SP_MessageBoxWarning;
    case TMessageKind::Error: return QStyle::SP_MessageBoxCritical;
    default: return QStyle::SP_MessageBoxInformation;
  }
}

std::vector<TButtonDef> ButtonsOf(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::Question: return {{"btnJa", "&Ja", true}, {"btnNein", "&Nein", false}};
    case TMessageKind::Notice: return {{"btnSchliessen", "&Schließen", true}};
    case TMessageKind::NoticeContinue: return {{"btnWeiter", "&Weiter", true}};
    default: return {{"btnOK", "&OK", true}};
  }
}

QLabel* PlainLabel(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  // Texts come from records and files: never read them as markup.
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}
}  // namespace

QString TMessageForm::OwnCaption(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::Question: return Q("Frage");
    case TMessageKind::Warning: return Q("Warnung");
    case TMessageKind::Error: return Q("Fehler");
    default: return Q("Hinweis");
  }
}

TMessageForm::TMessageForm(const TMessage& message, QWidget* parent)
    : QDialog(parent), kind_(message.Kind) {
  setObjectName(QStringLiteral("MessageForm"));
  setWindowTitle(message.Caption.isEmpty() ? OwnCaption(kind_) : message.Caption);
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("imgSymbol"));
  icon->setPixmap(style()->standardIcon(IconOf(kind_)).pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop);

  auto* texts = new QVBoxLayout;
  QLabel* title = PlainLabel(message.Title, "lTitel", this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  title->setVisible(!message.Title.isEmpty());
  texts->addWidget(title);
  texts->addWidget(PlainLabel(message.Text, "lText", this));
  if (kind_ == TMessageKind::Notice) {
    checkBox_ = new QCheckBox(Q("Diesen Hinweis nicht mehr anzeigen"), this);
    checkBox_->setObjectName(QStringLiteral("cbNichtMehrZeigen"));
    checkBox_->setVisible(message.ShowCheckBox);
    texts->addWidget(checkBox_);
  }
  texts->addStretch();

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addLayout(texts, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (const TButtonDef& def : ButtonsOf(kind_)) {
    auto* button = new QPushButton(Q(def.Caption), this);
    button->setObjectName(QLatin1String(def.Name));
    connect(button, &QPushButton::clicked, this, def.Accepts ? &QDialog::accept : &QDialog::reject);
    bool isDefault = kind_ != TMessageKind::Question || def.Accepts == message.DefaultYes;
    button->setDefault(isDefault);
    if (isDefault) button->setFocus();
    buttons->addWidget(button);
  }
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  setMinimumWidth(400);
}

bool TMessageForm::Answer() const {
  switch (kind_) {
    case TMessageKind::Question:
    case TMessageKind::NoticeContinue: return result() == QDialog::Accepted;
    case TMessageKind::Notice: return !checkBox_->isHidden() && checkBox_->isChecked();
    default: return false;
  }
}

bool RunMessageForm(const TMessage& message) {
  TMessageForm form(message, QApplication::activeWindow());
  // This is the real desktop's own message runner, the one place that shows the window.
  form.exec();
  return form.Answer();
}
