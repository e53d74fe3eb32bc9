#pragma once
// The program's own button: a kind gives it its caption, its glyph and, for OK and
// Cancel, the result with which it ends a dialog (1 OK, 2 Cancel).

#include <QPushButton>
#include <string>

enum TBitBtnKind {
  bkCustom,      // caption and glyph as set by the window
  bkOK,          // "OK", ends a dialog with 1
  bkCancel,      // "&Abbrechen", ends a dialog with 2
  bkHelp,        // "&Hilfe"
  bkClose,       // "&Schließen", closes its window
  bkUebernahme,  // "&Übernehmen": take the chosen entry over
  bkGHelp,       // the large buttons of the contest list window
  bkGNeu,
  bkGStart,
  bkGLoeschen,
  bkGClose,
};

struct TBitBtnKindInfo {
  const char* Caption;  // Windows-1252
  const char* Glyph;    // name in the image holder; empty: none
  int ModalResult;      // 0: the button does not end the dialog by itself
};
const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind);

class TkvBitBtn : public QPushButton {
  Q_OBJECT
 public:
  explicit TkvBitBtn(QWidget* parent = nullptr);
  TkvBitBtn(TBitBtnKind kind, QWidget* parent = nullptr);

  TBitBtnKind Kind() const { return kind_; }
  // Sets caption, glyph and modal result of the kind.
  void SetKind(TBitBtnKind kind);

  void SetCaption(const std::string& caption);
  std::string Caption() const;
  void SetGlyph(const std::string& name);
  const std::string& GlyphName() const { return glyph_; }

  // A button with a modal result ends the dialog it stands on with that result when
  // clicked. A window that checks its input first sets it to 0 and ends the dialog itself.
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // The text colour of the caption (layout: button text colour).
  void SetFontColor(uint32_t color);

 private:
  void Clicked();

  TBitBtnKind kind_ = bkCustom;
  std::string glyph_;
  int modalResult_ = 0;
};
