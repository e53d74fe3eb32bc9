#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include "foundation/grafik.h"
#include "tables/setups.h"
#include "tables/stylemenupanel.h"

namespace {

TEST(StyleMenuPanel, ColoursPanelMenuLabelsAndFootLabel) {
  ToSetupLayout saved = Setups().GetLayout();
  ToSetupLayout layout = ToSetupLayout::Defaults();
  layout.SetMenuPanelColor(RGBColor(255, 0, 0));
  layout.SetMenuLabelColor(RGBColor(0, 255, 0));
  layout.SetInfoLabelColor(RGBColor(0, 0, 255));
  Setups().SetLayout(layout);

  QWidget window;
  QWidget* panel = new QWidget(&window);
  QWidget* image = new QWidget(panel);
  QLabel* menu = new QLabel(panel);
  menu->setProperty("Tag", 800);
  QLabel* plain = new QLabel(panel);
  plain->setProperty("Tag", 98);
  QColor before = plain->palette().color(QPalette::WindowText);
  QLabel* foot = new QLabel(panel);

  opcmd::StyleMenuPanel(panel, image, foot);
  EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(image->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(menu->palette().color(QPalette::WindowText), QColor(0, 255, 0));
  EXPECT_EQ(plain->palette().color(QPalette::WindowText), before);
  EXPECT_EQ(foot->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  opcmd::StyleMenuPanel(nullptr, nullptr, nullptr);  // nothing to style, nothing happens
  Setups().SetLayout(saved);
}

}  // namespace
