#pragma once
// Where the main window puts its parts for a given client size and screen width. Pure
// arithmetic on rectangles, so the wide and the narrow layout are checked without a screen.

#include <QRect>

struct TContestBrowGeometry {
  // Inputs: the sizes that do not move.
  int ClientWidth = 0;
  int ClientHeight = 0;
  int ScreenWidth = 0;
  int StripWidth = 0;  // Image2, the decorative strip on the left
  // Outputs (sizes of the inputs are kept, positions are set).
  QRect Panel;        // panelContest
  QRect TitleBitmap;  // imglinks
  QRect TitleText;    // lworked
  QRect DefTitle;     // imgtitels
  QRect MoreButton;   // btnweitere
  QRect UpdateNote;   // lhinweisupdate
  QRect UpdateNote2;  // lhinweisupdate2
  QRect MakerLabel;
};

namespace contestbrowlayout {

// Below this screen width the window takes the compact layout.
constexpr int kNarrowScreen = 901;

void Arrange(TContestBrowGeometry& g);

}  // namespace contestbrowlayout
