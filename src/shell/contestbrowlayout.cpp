#include "shell/contestbrowlayout.h"

namespace contestbrowlayout {
namespace {

// Left edge that puts a box of this width in the middle of the given span.
int CentredLeft(const QRect& over, int width) { return over.left() + (over.width() - width) / 2; }

void ArrangeNarrow(TContestBrowGeometry& g) {
  g.TitleBitmap.moveTop(52);
  g.Panel.setLeft(g.TitleBitmap.right() + 1 + 10);
  g.Panel.setWidth(g.ClientWidth - g.Panel.left() - 30);
  g.DefTitle.moveTopLeft({g.Panel.left(), 0});
  g.TitleText.moveTopLeft({CentredLeft(g.Panel, g.TitleText.width()), g.DefTitle.bottom() + 1});
  g.Panel.moveTop(g.TitleText.bottom() + 1 + 10);
  g.Panel.setHeight(g.ClientHeight - g.Panel.top() - 60);
}

void ArrangeWide(TContestBrowGeometry& g) {
  g.TitleBitmap.moveTopLeft({100, 135});
  g.TitleText.moveBottom(g.TitleBitmap.top() - 1);
  g.Panel.setLeft(g.TitleBitmap.right() + 1 + 30);
  g.Panel.setWidth(g.ClientWidth - g.Panel.left() - 120);
  g.TitleText.moveLeft(CentredLeft(g.Panel, g.TitleText.width()));
  g.DefTitle.moveLeft(CentredLeft(g.Panel, g.DefTitle.width()));
  g.Panel.moveTop(g.TitleText.bottom() + 1);
  g.Panel.setHeight(g.ClientHeight - g.Panel.top() - 60);
}

void ArrangeFoot(TContestBrowGeometry& g) {
  g.MoreButton.moveTop(g.ClientHeight - g.MoreButton.height() - 5);
  g.UpdateNote.moveTop(g.MoreButton.top());
  g.UpdateNote.setWidth(g.ClientWidth - g.UpdateNote.left() - 30);
  g.UpdateNote2.moveTop(g.UpdateNote.top() - 10 - g.UpdateNote2.height());
  if (g.UpdateNote2.intersects(g.Panel)) g.UpdateNote2.moveLeft(130);
  g.MakerLabel.moveTop(g.MoreButton.top() - 10 - g.MakerLabel.height());
}

}  // namespace

void Arrange(TContestBrowGeometry& g) {
  // The list frame first takes the room right of the strip; the screen-dependent rules
  // below then move it beside the title bitmap.
  g.Panel = QRect(g.StripWidth, 40, g.ClientWidth - g.StripWidth - 30, g.ClientHeight - 40 - 30);
  if (g.ScreenWidth < kNarrowScreen)
    ArrangeNarrow(g);
  else
    ArrangeWide(g);
  ArrangeFoot(g);
}

}  // namespace contestbrowlayout
