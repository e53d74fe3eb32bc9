#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "foundation/cp1252.h"
#include "shell/contestbrowpics.h"
#include "support/testdir.h"

namespace {

TEST(ContestBrowPics, HolidayPicturesAreReadUnderTheirTmpNames) {
  TTestDir dir;
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  ASSERT_TRUE(picture.save(Q(dir.File("b1.tmp")), "JPG"));

  const QImage christmas = contestbrowpics::LoadBackground(dir.Path(), 'X');
  EXPECT_EQ(christmas.size(), QSize(40, 30));
  // The file keeps its name: nothing is renamed, not even for a moment.
  EXPECT_EQ(QDir(Q(dir.Path())).entryList(QDir::Files), QStringList{Q("b1.tmp")});

  // Easter without its picture, and a code without one, give nothing.
  EXPECT_TRUE(contestbrowpics::LoadBackground(dir.Path(), 't').isNull());
  EXPECT_TRUE(contestbrowpics::LoadBackground(dir.Path(), 'd').isNull());
  EXPECT_STREQ(contestbrowpics::BackgroundOf('t')->Title, "DARC-Ostercontest");
}

}  // namespace
