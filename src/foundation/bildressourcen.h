#pragma once
// The image holder of the program: the button glyphs and the list toolbar bitmaps
// ("SUCH", "BTNENDH", ...), read once from the glyph folder of the shipped data. The main
// window creates it with itself as owner and keeps it in FormBildressourcen.

#include <QImage>
#include <QWidget>
#include <map>
#include <string>

class TFormBildressourcen : public QWidget {
  Q_OBJECT
 public:
  explicit TFormBildressourcen(QWidget* owner = nullptr);
  ~TFormBildressourcen() override;

  // By name, without regard to case; a null image when there is no such picture.
  QImage Image(const std::string& name) const;

  // The picture from the holder when there is one, else straight from the glyph folder,
  // so that controls made before or without the main window still get their glyphs.
  static QImage Glyph(const std::string& name);
  // The glyph folder: "glyphs/" in the folder of shipped data.
  static std::string GlyphPath(const std::string& name);

 private:
  std::map<std::string, QImage> images_;
};

// The holder made by the main window; null before and after.
extern TFormBildressourcen* FormBildressourcen;
