#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "foundation/cp1252.h"
#include "foundation/progress.h"
#include "foundation/testdesktop.h"

TEST(Progress, TracksTextPositionAndMaximumWithoutAWindow) {
  TTestDesktop desk;
  TFortschrittWinCtrl progress(nullptr, "Neuberechnung", "Zählen", 500, false, false);
  progress.Execute();
  EXPECT_EQ(progress.Window(), nullptr);
  EXPECT_EQ(progress.Text(), "Zählen");
  EXPECT_EQ(progress.Maximum(), 500);

  bool aborted = true;
  progress.UpdateProgress("Band 80m", 120, aborted, 500);
  EXPECT_FALSE(aborted);
  EXPECT_EQ(progress.Text(), "Band 80m");
  EXPECT_EQ(progress.Position(), 120);

  // An empty text and no maximum keep what is there; the position stays on the bar.
  progress.UpdateProgress("", 900, aborted, 0);
  EXPECT_EQ(progress.Text(), "Band 80m");
  EXPECT_EQ(progress.Maximum(), 500);
  EXPECT_EQ(progress.Position(), 500);
  progress.UpdateProgress("", -3, aborted, 1000);
  EXPECT_EQ(progress.Maximum(), 1000);
  EXPECT_EQ(progress.Position(), 0);
}

TEST(Progress, AbortReachesTheJobAndStays) {
  TTestDesktop desk;
  desk.AbortProgressAfter = 3;
  TFortschrittWinCtrl progress(nullptr, "", "Import", 10, true, false);
  bool aborted = false;
  std::vector<bool> seen;
  for (int i = 1; i <= 5; ++i) {
    progress.UpdateProgress("", i, aborted, 10);
    seen.push_back(aborted);
  }
  EXPECT_EQ(seen, (std::vector<bool>{false, false, true, true, true}));
  EXPECT_TRUE(progress.Aborted());
}

TEST(Progress, WithoutAbortButtonTheJobIsNeverStopped) {
  TTestDesktop desk;
  desk.AbortProgressAfter = 1;
  TFortschrittWinCtrl progress(nullptr, "", "Neunummerierung", 10, false, false);
  bool aborted = false;
  for (int i = 0; i < 5; ++i) progress.UpdateProgress("", i, aborted, 10);
  EXPECT_FALSE(aborted);
}

TEST(ProgressWindow, ShowsTheJobAndItsAbortButtonStopsIt) {
  // The real desktop: the window is built and shown offscreen.
  TFortschrittWinCtrl progress(nullptr, "Neuberechnung", "Zählen", 500, true, false);
  QDialog* window = progress.Window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), Q("Neuberechnung"));
  progress.Execute();
  EXPECT_TRUE(window->isVisible());

  bool aborted = false;
  progress.UpdateProgress("Band 40m", 250, aborted, 500);
  auto* bar = window->findChild<QProgressBar*>(QStringLiteral("pbFortschritt"));
  EXPECT_EQ(bar->value(), 250);
  EXPECT_EQ(bar->maximum(), 500);
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lText"))->text(), Q("Band 40m"));
  EXPECT_FALSE(aborted);

  auto* stop = window->findChild<QPushButton*>(QStringLiteral("btnAbbrechen"));
  ASSERT_NE(stop, nullptr);
  QTest::mouseClick(stop, Qt::LeftButton);
  progress.UpdateProgress("", 260, aborted, 0);
  EXPECT_TRUE(aborted);
  // The window stays until its creator frees it: the job may still report.
  EXPECT_TRUE(window->isVisible());
}

TEST(ProgressWindow, WithoutAbortTheWindowCannotBeClosed) {
  TFortschrittWinCtrl progress(nullptr, "", "Neunummerierung", 100, false, false);
  QDialog* window = progress.Window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("btnAbbrechen")), nullptr);
  progress.Execute();
  window->close();
  QTest::keyClick(window, Qt::Key_Escape);
  bool aborted = false;
  progress.UpdateProgress("", 50, aborted, 0);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(aborted);
}

TEST(ProgressWindow, AbortClickArrivesWhileTheJobRuns) {
  TFortschrittWinCtrl progress(nullptr, "", "Import", 1000000, true, false);
  progress.Execute();
  auto* stop = progress.Window()->findChild<QPushButton*>(QStringLiteral("btnAbbrechen"));
  // The click waits in the event queue, as a person's click does, until the job lets
  // events through.
  QTimer::singleShot(0, stop, [stop] { QTest::mouseClick(stop, Qt::LeftButton); });
  bool aborted = false;
  QElapsedTimer clock;
  clock.start();
  int step = 0;
  while (!aborted && clock.elapsed() < 5000) progress.UpdateProgress("", ++step, aborted, 0);
  EXPECT_TRUE(aborted);
}

TEST(ProgressWindow, OwnerClosedBeforeTheJobEnds) {
  auto* owner = new QWidget;
  TFortschrittWinCtrl progress(owner, "", "Neunummerierung", 10, true, false);
  progress.Execute();
  delete owner;  // takes the window with it
  EXPECT_EQ(progress.Window(), nullptr);
  bool aborted = false;
  progress.UpdateProgress("", 5, aborted, 0);
  EXPECT_EQ(progress.Position(), 5);
}
