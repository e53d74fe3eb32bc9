#pragma once
// The menu-panel look of the settings' layout, applied to a window.

class QWidget;
class QLabel;

namespace opcmd {

// The panel and the picture on it take the menu-panel colour; every label of the panel's
// window whose "Tag" is a non-zero multiple of 100 (the menu entries) takes the menu label
// colour, and the given label (the line at the panel's foot) the info label colour.
// Null arguments are skipped.
void StyleMenuPanel(QWidget* panel, QWidget* image, QLabel* label);

}  // namespace opcmd
