// Qt's own dialogs, which the desktop seam opens for files and printers, speak German
// like the rest of the program.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

// Every text the dialog shows on its buttons, labels and choices, without accelerators.
QStringList TextsOf(const QWidget& dialog) {
  QStringList texts;
  for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) texts << b->text();
  for (const QLabel* l : dialog.findChildren<QLabel*>()) texts << l->text();
  for (const QComboBox* c : dialog.findChildren<QComboBox*>())
    for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
  texts.replaceInStrings(QStringLiteral("&"), QString());
  return texts;
}

TEST(QtDialogs, FileAndPrintDialogsSpeakGerman) {
  QFileDialog save;
  save.setOption(QFileDialog::DontUseNativeDialog);
  save.setAcceptMode(QFileDialog::AcceptSave);
  QFileDialog open;
  open.setOption(QFileDialog::DontUseNativeDialog);
  QPrinter printer;
  QPrintDialog print(&printer);
  const struct {
    const QWidget& Dialog;
    QStringList Texts;
  } rows[] = {
      {save,
       {QStringLiteral("Speichern"), QStringLiteral("Abbrechen"), QStringLiteral("Suchen in:"),
        QStringLiteral("Dateiname:")}},
      {open, {QStringLiteral("\u00d6ffnen"), QStringLiteral("Abbrechen")}},
      {print,
       {QStringLiteral("Drucken"), QStringLiteral("Abbrechen"), QStringLiteral("Eigenschaften"),
        QStringLiteral("Anzahl Exemplare:")}},
  };
  for (const auto& row : rows) {
    const QStringList shown = TextsOf(row.Dialog);
    for (const QString& text : row.Texts)
      EXPECT_TRUE(shown.contains(text))
          << qPrintable(text + QStringLiteral(" in ") + shown.join(QStringLiteral("|")));
  }
  // The question before a file is overwritten.
  EXPECT_EQ(QFileDialog::tr("%1 already exists.\nDo you want to replace it?"),
            QStringLiteral("Die Datei %1 existiert bereits.\nSoll sie \u00fcberschrieben werden?"));
}

}  // namespace
