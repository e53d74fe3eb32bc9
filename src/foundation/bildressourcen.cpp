#include "foundation/bildressourcen.h"

#include <QDir>

#include "foundation/cp1252.h"
#include "foundation/image.h"
#include "foundation/progdir.h"

TFormBildressourcen* FormBildressourcen = nullptr;

namespace {
// Glyph files are named in lower case; names are asked for as the windows spell them.
std::string Key(const std::string& name) {
  std::string key = name;
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = char(c + 32);
  return key;
}
}  // namespace

TFormBildressourcen::TFormBildressourcen(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("FormBildressourcen"));
  hide();
  const QDir dir(Q(ShippedDataDirectory() + "glyphs"));
  for (const QString& file : dir.entryList({QStringLiteral("*.png")}, QDir::Files)) {
    QImage picture = image::LoadImageFile(S(dir.filePath(file)));
    if (!picture.isNull()) images_[Key(S(file.chopped(4)))] = picture;
  }
  if (!FormBildressourcen) FormBildressourcen = this;
}

TFormBildressourcen::~TFormBildressourcen() {
  if (FormBildressourcen == this) FormBildressourcen = nullptr;
}

QImage TFormBildressourcen::Image(const std::string& name) const {
  const auto it = images_.find(Key(name));
  return it == images_.end() ? QImage() : it->second;
}

std::string TFormBildressourcen::GlyphPath(const std::string& name) {
  return ShippedDataDirectory() + "glyphs/" + Key(name) + ".png";
}

QImage TFormBildressourcen::Glyph(const std::string& name) {
  if (FormBildressourcen) return FormBildressourcen->Image(name);
  return image::LoadImageFile(GlyphPath(name));
}
