#pragma once
// The program's own panels: a plain panel with a border and a colour, and a panel that
// paints a shaded pattern behind its children.

#include <QFrame>
#include <string>

#include "foundation/grafik.h"

enum class TkvBevel { None, Raised, Lowered };

class TkvPanel : public QFrame {
  Q_OBJECT
 public:
  explicit TkvPanel(QWidget* parent = nullptr);

  void SetBorder(TkvBevel bevel);
  TkvBevel Border() const { return bevel_; }

  // An opaque panel fills itself with its colour; a transparent one shows its parent.
  void SetColor(TColor color);
  TColor Color() const { return color_; }
  void SetOpaque(bool opaque);
  bool Opaque() const { return opaque_; }

  // Centred caption text (Windows-1252).
  void SetCaption(const std::string& caption);
  const std::string& Caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Fills the panel's area; the paint panel draws its pattern here.
  virtual void PaintBackground(QPainter& painter);

 private:
  TkvBevel bevel_ = TkvBevel::None;
  TColor color_;
  bool opaque_ = true;
  std::string caption_;
};

class TkvPaintPanel : public TkvPanel {
  Q_OBJECT
 public:
  explicit TkvPaintPanel(QWidget* parent = nullptr);

 protected:
  // A vertical shading from a lighter tone of the panel colour down to the colour itself.
  void PaintBackground(QPainter& painter) override;
};
