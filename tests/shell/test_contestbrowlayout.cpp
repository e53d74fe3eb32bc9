#include <gtest/gtest.h>

#include "shell/contestbrowlayout.h"

namespace {

// The design sizes of the window's parts as the window hands them to the layout.
TContestBrowGeometry Design(int screenWidth) {
  TContestBrowGeometry g;
  g.ClientWidth = 1006;
  g.ClientHeight = 600;
  g.ScreenWidth = screenWidth;
  g.StripWidth = 170;
  g.TitleBitmap = QRect(100, 135, 105, 105);
  g.TitleText = QRect(300, 95, 400, 34);
  g.DefTitle = QRect(300, 20, 400, 52);
  g.MoreButton = QRect(10, 530, 160, 25);
  g.UpdateNote = QRect(180, 530, 600, 28);
  g.UpdateNote2 = QRect(180, 500, 500, 16);
  g.MakerLabel = QRect(10, 500, 300, 16);
  return g;
}

TEST(ContestBrowLayout, WideScreenPutsTheListBesideTheTitleBitmap) {
  TContestBrowGeometry g = Design(1280);
  contestbrowlayout::Arrange(g);
  EXPECT_EQ(g.TitleBitmap.topLeft(), QPoint(100, 135));
  // The title text stands on the bitmap, both titles centred over the list.
  EXPECT_EQ(g.TitleText.bottom() + 1, 135);
  EXPECT_EQ(g.Panel.left(), 100 + 105 + 30);
  EXPECT_EQ(g.Panel.width(), 1006 - 235 - 120);
  EXPECT_EQ(g.Panel.top(), 135);
  EXPECT_EQ(g.Panel.height(), 600 - 135 - 60);
  EXPECT_NEAR(g.TitleText.center().x(), g.Panel.center().x(), 1);
  EXPECT_NEAR(g.DefTitle.center().x(), g.Panel.center().x(), 1);
  EXPECT_EQ(g.DefTitle.top(), 20);  // only centred, not moved down
}

TEST(ContestBrowLayout, NarrowScreenStacksTheTitlesAboveTheList) {
  TContestBrowGeometry g = Design(900);
  contestbrowlayout::Arrange(g);
  EXPECT_EQ(g.TitleBitmap.top(), 52);
  EXPECT_EQ(g.TitleBitmap.left(), 100);
  EXPECT_EQ(g.Panel.left(), 205 + 10);
  EXPECT_EQ(g.Panel.width(), 1006 - 215 - 30);
  EXPECT_EQ(g.DefTitle.topLeft(), QPoint(215, 0));
  EXPECT_EQ(g.TitleText.top(), 52);  // right under the definition's title
  EXPECT_NEAR(g.TitleText.center().x(), g.Panel.center().x(), 1);
  EXPECT_EQ(g.Panel.top(), 52 + 34 + 10);
  EXPECT_EQ(g.Panel.height(), 600 - 96 - 60);
}

TEST(ContestBrowLayout, FootNotesFollowTheClientHeight) {
  for (int height : {600, 800}) {
    TContestBrowGeometry g = Design(1280);
    g.ClientHeight = height;
    contestbrowlayout::Arrange(g);
    EXPECT_EQ(g.MoreButton.top(), height - 25 - 5);
    EXPECT_EQ(g.UpdateNote.top(), g.MoreButton.top());
    EXPECT_EQ(g.UpdateNote.right() + 1, 1006 - 30);
    EXPECT_EQ(g.UpdateNote2.bottom() + 1 + 10, g.UpdateNote.top());
    EXPECT_EQ(g.UpdateNote2.left(), 180);
    EXPECT_EQ(g.MakerLabel.bottom() + 1 + 10, g.MoreButton.top());
  }
}

TEST(ContestBrowLayout, SecondNoteMovesLeftOutOfTheList) {
  TContestBrowGeometry g = Design(1280);
  // A tall second note reaches up into the list frame.
  g.UpdateNote2 = QRect(300, 0, 500, 80);
  contestbrowlayout::Arrange(g);
  ASSERT_TRUE(QRect(300, g.UpdateNote2.top(), 500, 80).intersects(g.Panel));
  EXPECT_EQ(g.UpdateNote2.left(), 130);
}

}  // namespace
