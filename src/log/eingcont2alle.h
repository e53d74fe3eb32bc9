#pragma once
// The small entry helpers of the QSO edit dialog: select a one-character field's text so
// that a typed character replaces it, Enter to the next field in tab order (wrapping to
// the first), the reports completed or cut when the mode changes, and the band that a
// typed frequency belongs to. The text rules are apart from the controls so that they are
// tested without a screen.

#include <string>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;
class TkvEdit;

class Teingcont2alle {
 public:
  // Selection from position 0 over 10 characters.
  static void SelectFieldText(QLineEdit* edit);
  // Enter (then swallowed: true) moves the focus to the control with the next tab order
  // (the "TabOrder" property) among the form's visible controls that take the focus; after
  // the last one to the first.
  static bool EnterToNextField(QWidget* form, QWidget* sender, const QKeyEvent& key);
  // "CW" (isCW) completes both reports to three digits, "SSB" and "FM" cut the third '9'.
  static void AdjustRstForMode(bool isCW, QLineEdit* rstField1, QLineEdit* rstField2);
  static std::string AdjustRst(std::string report, bool isCW);
  // Whether a mode word switches the reports: 1 to CW, 0 to phone, -1 leaves them alone.
  static int ReportModeOf(const std::string& mode);
  // The frequency of eFreq by the bands: a frequency of another band than the chosen one
  // selects that band in the list (busy set meanwhile); one outside every band becomes
  // the chosen band's default frequency. An empty field stays empty.
  static void FrequencyToBand(QComboBox* comboband, TkvEdit* eFreq, bool& busy);
  // The same on values: the band code the frequency (MHz, as typed) asks for, or ' ' when
  // it stays on the chosen band; outFrequency is what the field then shows (MHz).
  static char BandForFrequency(double typed, char chosenBand, double& outFrequency);
  // A change of the band list (busy clear): the chosen band's default frequency when the
  // frequency of the field lies on another band.
  static void BandChanged(QComboBox* comboband, TkvEdit* eFreq, bool& busy);
};
