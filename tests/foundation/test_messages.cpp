#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "foundation/cp1252.h"
#include "foundation/messages.h"
#include "foundation/messagesform.h"
#include "foundation/testdesktop.h"

namespace {
QPushButton* Button(QWidget& w, const char* name) {
  return w.findChild<QPushButton*>(QLatin1String(name));
}
QLabel* Label(QWidget& w, const char* name) { return w.findChild<QLabel*>(QLatin1String(name)); }
}  // namespace

TEST(ToMessages, EachCallRecordsKindTextsAndDefault) {
  TTestDesktop desk;
  ToMessages::AskYesNo("", "Sicherheitsabfrage", " Löschen \"DL1ABC\"", false);
  ToMessages::ShowWarning("", "Fehler bei DOK-Angabe");
  ToMessages::ShowError("Fehler beim Aufbau der temporären Datenbank");
  ToMessages::ShowNotice("Contest", "DOK-Check", "Station muß aus Distrikt K sein.", true);
  ToMessages::ShowNoticeContinue("Contest", "Exportdatei", "Achtung");

  struct Want {
    TMessageKind kind;
    const char* caption;
    const char* title;
    const char* text;
    bool defaultYes;
    bool checkBox;
  };
  const Want want[] = {
      {TMessageKind::Question, "", "Sicherheitsabfrage", " Löschen \"DL1ABC\"", false, false},
      {TMessageKind::Warning, "", "", "Fehler bei DOK-Angabe", true, false},
      {TMessageKind::Error, "", "", "Fehler beim Aufbau der temporären Datenbank", true, false},
      {TMessageKind::Notice, "Contest", "DOK-Check", "Station muß aus Distrikt K sein.", true,
       true},
      {TMessageKind::NoticeContinue, "Contest", "Exportdatei", "Achtung", true, false},
  };
  ASSERT_EQ(desk.Messages.size(), std::size(want));
  for (size_t i = 0; i < std::size(want); ++i) {
    const TMessage& m = desk.Messages[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(m.Kind, want[i].kind);
    EXPECT_EQ(m.Caption, Q(want[i].caption));
    EXPECT_EQ(m.Title, Q(want[i].title));
    EXPECT_EQ(m.Text, Q(want[i].text));
    EXPECT_EQ(m.DefaultYes, want[i].defaultYes);
    EXPECT_EQ(m.ShowCheckBox, want[i].checkBox);
  }
  // The umlauts arrive as the characters they stand for.
  EXPECT_TRUE(desk.Messages[2].Text.contains(QStringLiteral(u"temporären")));
}

TEST(ToMessages, AnswersOfQuestionsAndNotices) {
  TTestDesktop desk;
  desk.Answers = {true, false};
  EXPECT_TRUE(ToMessages::AskYesNo("", "", "eins?", true));
  EXPECT_FALSE(ToMessages::AskYesNo("", "", "zwei?", true));
  desk.NoticeChecked = true;
  EXPECT_TRUE(ToMessages::ShowNotice("", "", "mit Box", true));
  // A hidden check box is never reported ticked.
  EXPECT_FALSE(ToMessages::ShowNotice("", "", "ohne Box", false));
  EXPECT_TRUE(ToMessages::ShowNoticeContinue("", "", "weiter"));

  EXPECT_EQ(desk.Beeps, 0);
  SystemBeep();
  EXPECT_EQ(desk.Beeps, 1);
}

TEST(MessageForm, QuestionButtonsFollowTheDefault) {
  for (bool defaultYes : {true, false}) {
    TMessage m;
    m.Kind = TMessageKind::Question;
    m.Text = Q("Änderungen übernehmen?");
    m.DefaultYes = defaultYes;
    TMessageForm form(m);
    QPushButton* yes = Button(form, "btnJa");
    QPushButton* no = Button(form, "btnNein");
    ASSERT_TRUE(yes && no);
    EXPECT_EQ(yes->text(), Q("&Ja"));
    EXPECT_EQ(no->text(), Q("&Nein"));
    EXPECT_EQ(yes->isDefault(), defaultYes);
    EXPECT_EQ(no->isDefault(), !defaultYes);
    EXPECT_EQ(form.windowTitle(), Q("Frage"));  // no caption given: the window's own
    EXPECT_EQ(Label(form, "lText")->text(), Q("Änderungen übernehmen?"));
    EXPECT_TRUE(Label(form, "lTitel")->isHidden());
  }
}

TEST(MessageForm, EachKindHasItsButtonAndOwnCaption) {
  struct Want {
    TMessageKind kind;
    const char* button;
    const char* text;
    const char* caption;
  };
  const Want want[] = {
      {TMessageKind::Warning, "btnOK", "&OK", "Warnung"},
      {TMessageKind::Error, "btnOK", "&OK", "Fehler"},
      {TMessageKind::Notice, "btnSchliessen", "&Schließen", "Hinweis"},
      {TMessageKind::NoticeContinue, "btnWeiter", "&Weiter", "Hinweis"},
  };
  for (const Want& w : want) {
    TMessage m;
    m.Kind = w.kind;
    m.Text = Q("Text");
    TMessageForm form(m);
    QList<QPushButton*> buttons = form.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1) << w.button;
    EXPECT_EQ(buttons[0]->objectName(), QLatin1String(w.button));
    EXPECT_EQ(buttons[0]->text(), Q(w.text));
    EXPECT_TRUE(buttons[0]->isDefault());
    EXPECT_EQ(form.windowTitle(), Q(w.caption));
  }
}

TEST(MessageForm, CaptionTitleAndCheckBox) {
  TMessage m;
  m.Kind = TMessageKind::Notice;
  m.Caption = Q("WAG-Contest");
  m.Title = Q("SWL-Mode");
  m.Text = Q("<b>nicht fett</b>");
  m.ShowCheckBox = true;
  TMessageForm form(m);
  EXPECT_EQ(form.windowTitle(), Q("WAG-Contest"));
  EXPECT_EQ(Label(form, "lTitel")->text(), Q("SWL-Mode"));
  EXPECT_FALSE(Label(form, "lTitel")->isHidden());
  // Texts from records are shown as they stand, never as markup.
  EXPECT_EQ(Label(form, "lText")->textFormat(), Qt::PlainText);
  auto* box = form.findChild<QCheckBox*>(QStringLiteral("cbNichtMehrZeigen"));
  ASSERT_TRUE(box);
  EXPECT_FALSE(box->isHidden());
  EXPECT_FALSE(form.Answer());
  box->setChecked(true);
  Button(form, "btnSchliessen")->click();
  EXPECT_TRUE(form.Answer());

  m.ShowCheckBox = false;
  TMessageForm plain(m);
  auto* hidden = plain.findChild<QCheckBox*>(QStringLiteral("cbNichtMehrZeigen"));
  EXPECT_TRUE(hidden->isHidden());
  hidden->setChecked(true);
  EXPECT_FALSE(plain.Answer());
}

TEST(MessageForm, AnswersOfTheButtonsAndEscape) {
  TMessage m;
  m.Kind = TMessageKind::Question;
  {
    TMessageForm form(m);
    Button(form, "btnJa")->click();
    EXPECT_TRUE(form.Answer());
  }
  {
    TMessageForm form(m);
    Button(form, "btnNein")->click();
    EXPECT_FALSE(form.Answer());
  }
  {
    // Escape answers No even when Yes is the default.
    TMessageForm form(m);
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.Answer());
  }
}

TEST(MessageForm, RealDesktopRunsTheRegisteredWindow) {
  // No test double: the start-up registered the program's own message windows.
  bool sawOurWindow = false;
  bool yesIsDefault = false;
  QTimer poll;
  int tries = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog && ++tries < 200) return;
    poll.stop();
    auto* form = qobject_cast<TMessageForm*>(dialog);
    if (form) {
      sawOurWindow = form->windowTitle() == Q("Contest");
      yesIsDefault = Button(*form, "btnJa")->isDefault();
      Button(*form, "btnNein")->click();
    } else if (dialog) {
      dialog->reject();  // some other window: do not let the test hang
    }
  });
  poll.start(10);
  EXPECT_FALSE(ToMessages::AskYesNo("Contest", "", "Trotzdem fortsetzen?", true));
  EXPECT_TRUE(sawOurWindow);
  EXPECT_TRUE(yesIsDefault);
}
